#include "mainwindow/record_props/props_text.h"

#include "common/cp1251_codec.h"

#include <QRegularExpression>

namespace lmv::mainwindow {

namespace {

QStringList MemoLines(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

}

QString CommentsMemoText(const QByteArray& comments)
{
    return MemoLines(common::FromCp1251(comments)).join(QLatin1Char('\n'));
}

QByteArray CommentsFromMemo(const QString& memoText)
{
    QByteArray bytes;
    for (const QString& line : MemoLines(memoText))
        bytes += common::ToCp1251(line) + "\r\n";
    return bytes;
}

QList<QStringList> ParamGridRows(const model::TParamsArr& params)
{
    QList<QStringList> rows;
    for (const model::TParamRec& param : params)
        rows.append({param.Name, param.Value});
    if (rows.isEmpty())
        rows.append({QString(), QString()});
    return rows;
}

QString GridSelectionText(const QList<QStringList>& block)
{
    QString text;
    for (const QStringList& row : block)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\r');
    return text;
}

}
