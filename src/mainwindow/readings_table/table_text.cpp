#include "mainwindow/readings_table/table_text.h"

#include "common/cp1251_codec.h"
#include "mainwindow/readings_table/readings_table.h"

namespace lmv::mainwindow {
namespace {

QString FileLine(const QStringList& cells)
{
    QString line;
    for (const QString& cell : cells)
        line += cell + u'\t';
    return line + QStringLiteral("\r\n");
}

}

QByteArray TableFileBytes(const TReadingsTable& table)
{
    QString text;
    for (const QStringList& row : table.Rows())
        text += FileLine(row);
    return common::ToCp1251(text);
}

QByteArray TableLineBytes(const TReadingsTable& table, int row)
{
    return common::ToCp1251(FileLine(table.Row(row)));
}

QString GridClipboardText(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        for (const QString& cell : row)
            text += u'\t' + cell;
        text += u'\r';
    }
    return text;
}

}
