#pragma once
// The texts the readings table leaves the program as, over the grid's columns only: the saved
// table file and the line appended per stored row (Windows-1251, every cell followed by a TAB,
// each row ended by CR LF), and the clipboard text of any grid (a TAB before every cell, each
// row ended by a lone CR).
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace lmv::mainwindow {

class TReadingsTable;

// Every row, the heading row included.
QByteArray TableFileBytes(const TReadingsTable& table);
QByteArray TableLineBytes(const TReadingsTable& table, int row);

// Every row of the grid given row by row, the heading row included.
QString GridClipboardText(const QList<QStringList>& rows);

}
