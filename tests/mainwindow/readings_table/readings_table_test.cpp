#include "mainwindow/readings_table/readings_table.h"

#include "common/errors.h"
#include "mainwindow/readings_table/table_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <climits>

namespace lmv::mainwindow {
namespace {

using test::Column;

TEST(ReadingsTableStart, FormGridWithStartHeadingsAndWidths)
{
    const TReadingsTable table;
    EXPECT_EQ(table.ColumnCount(), 10);
    EXPECT_EQ(table.RowCount(), 10);
    EXPECT_EQ(table.LiveRow(), 1);
    EXPECT_EQ(table.Row(0),
              QStringList({"NN", "Канал 1 ", "Канал 2 ", "Канал 3 ", "Канал 4 ", "Канал 5 ",
                           "Время", "Дата", "Комментарий", ""}));
    const int widths[] = {30, 64, 64, 64, 64, 64, 64, 100, 100, 64};
    for (int column = 0; column < 10; ++column)
        EXPECT_EQ(table.ColumnWidth(column), widths[column]) << "column " << column;
    for (int row = 1; row < table.RowCount(); ++row)
        EXPECT_EQ(table.Row(row), QStringList(10, QString())) << "row " << row;
}

struct ResetCase {
    const char* name;
    int columns;
    int expectedColumns;
};

void PrintTo(const ResetCase& c, std::ostream* out) { *out << c.name; }

class ReadingsTableReset : public testing::TestWithParam<ResetCase> {};

TEST_P(ReadingsTableReset, LeavesHeadingAndEmptyLiveRow)
{
    TReadingsTable table;
    test::StoreReadings(table, {"7.00", "1.5"});
    test::StoreReadings(table, {"7.01", "1.6"});
    test::FillLiveRow(table, {"7.02"});
    const QStringList headings = table.Row(0);

    table.ResetGrid(GetParam().columns);

    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.LiveRow(), 1);
    EXPECT_EQ(table.ColumnCount(), GetParam().expectedColumns);
    EXPECT_EQ(table.Row(1), QStringList(GetParam().expectedColumns, QString()));
    for (int column = 0; column < std::min(10, GetParam().expectedColumns); ++column)
        EXPECT_EQ(table.Cell(column, 0), headings[column]) << "headings stay";
}

INSTANTIATE_TEST_SUITE_P(Columns, ReadingsTableReset,
                         testing::Values(ResetCase{"Kept", -1, 10}, ResetCase{"Fewer", 6, 6},
                                         ResetCase{"More", 15, 15}, ResetCase{"Same", 10, 10},
                                         ResetCase{"Smallest", 2, 2}),
                         [](const auto& info) { return info.param.name; });

TEST(ReadingsTableReset, BadColumnCountIsARangeErrorAndChangesNothing)
{
    for (int columns : {-2, 0, 1, TReadingsTable::MaxColumns + 1, INT_MIN, INT_MAX}) {
        TReadingsTable table;
        test::StoreReadings(table, {"7.00"});
        const QList<QStringList> before = table.Rows();
        EXPECT_THROW(table.ResetGrid(columns), common::RangeError) << columns;
        EXPECT_EQ(table.Rows(), before) << columns;
        EXPECT_EQ(table.LiveRow(), 2) << columns;
    }
}

TEST(ReadingsTableColumns, NewColumnsAreEmptyAndOfTheDefaultWidth)
{
    TReadingsTable table;
    table.SetCell(9, 1, "x");
    table.SetDefaultColumnWidth(50);
    table.SetColumnWidth(1, 80);
    table.SetColumnCount(12);
    EXPECT_EQ(table.Cell(9, 1), "x");
    EXPECT_EQ(table.Cell(11, 1), "");
    EXPECT_EQ(table.ColumnWidth(1), 80);
    EXPECT_EQ(table.ColumnWidth(11), 50);
}

TEST(ReadingsTableColumns, DefaultWidthResetsEveryColumn)
{
    TReadingsTable table;
    table.SetDefaultColumnWidth(64);
    for (int column = 0; column < table.ColumnCount(); ++column)
        EXPECT_EQ(table.ColumnWidth(column), 64);
}

TEST(ReadingsTableColumns, CellsOutsideTheColumnsAreNotKept)
{
    // A replicate layout has six columns; its rows' stamp goes to column 7, out of sight.
    TReadingsTable table;
    table.SetCell(8, 1, "comment");
    table.ResetGrid(6);
    table.SetCell(7, 1, "stamp");
    EXPECT_EQ(table.Cell(7, 1), "");
    EXPECT_EQ(table.Row(1).size(), 6);
    table.SetColumnCount(9);
    EXPECT_EQ(table.Cell(7, 1), "") << "a wider layout shows no hidden text";
    EXPECT_EQ(table.Cell(8, 1), "");
}

TEST(ReadingsTableCells, IndexesOutsideTheGridAreRangeErrors)
{
    TReadingsTable table;
    table.ResetGrid(-1);
    EXPECT_THROW(table.SetCell(0, 2, "x"), common::RangeError);
    EXPECT_THROW(table.SetCell(0, -1, "x"), common::RangeError);
    EXPECT_THROW(table.SetCell(-1, 1, "x"), common::RangeError);
    EXPECT_THROW((void)table.Cell(0, 2), common::RangeError);
    EXPECT_THROW((void)table.Row(-1), common::RangeError);
    EXPECT_THROW((void)table.ColumnWidth(10), common::RangeError);
    EXPECT_THROW(table.SetColumnWidth(0, -1), common::RangeError);
    EXPECT_THROW(table.SetDefaultColumnWidth(-1), common::RangeError);
    EXPECT_THROW(table.SetColumnCount(1), common::RangeError);
    EXPECT_EQ(Column(table, 0), QStringList({"NN", ""}));
}

TEST(ReadingsTableLiveRow, NeverAdvancesPastTheLastRow)
{
    TReadingsTable table;
    table.ResetGrid(-1);
    EXPECT_THROW(table.AdvanceLiveRow(), common::RangeError);
    EXPECT_EQ(table.LiveRow(), 1);
    table.AddRow();
    table.AdvanceLiveRow();
    EXPECT_EQ(table.LiveRow(), 2);
}

}
}
