#pragma once
// Filling the readings table through its own interface, as the instrument handlers will.
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/row_store.h"
#include "mainwindow/readings_table/table_file_option.h"

#include <QDateTime>
#include <QStringList>

namespace lmv::test {

inline const QDateTime StampTime(QDate(2018, 3, 8), QTime(14, 5, 9));

// Writes the readings into columns 1, 2, ... of the live row.
inline void FillLiveRow(mainwindow::TReadingsTable& table, const QStringList& readings)
{
    for (int i = 0; i < readings.size(); ++i)
        table.SetCell(i + 1, table.LiveRow(), readings[i]);
}

// A frame arrived, its readings fill the live row, the row is stored.
inline mainwindow::TStoreOutcome StoreReadings(mainwindow::TReadingsTable& table,
                                               mainwindow::TTableFileOption& tableFile,
                                               const QStringList& readings, int deviceType = 3)
{
    FillLiveRow(table, readings);
    bool frameSeen = true;
    return mainwindow::StoreLiveRow(table, frameSeen, {deviceType, false, StampTime}, tableFile);
}

inline mainwindow::TStoreOutcome StoreReadings(mainwindow::TReadingsTable& table,
                                               const QStringList& readings, int deviceType = 3)
{
    mainwindow::TTableFileOption noFile;
    return StoreReadings(table, noFile, readings, deviceType);
}

// The cells of column `column`, row by row.
inline QStringList Column(const mainwindow::TReadingsTable& table, int column)
{
    QStringList cells;
    for (int row = 0; row < table.RowCount(); ++row)
        cells << table.Cell(column, row);
    return cells;
}

}
