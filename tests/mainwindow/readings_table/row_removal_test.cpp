#include "mainwindow/readings_table/readings_table.h"

#include "mainwindow/readings_table/table_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

#include <random>

namespace lmv::mainwindow {
namespace {

using test::Column;

// A reset table with `stored` rows holding "r1", "r2", ... in column 1 and "live" in the live row.
void StoreNumberedRows(TReadingsTable& table, int stored)
{
    table.ResetGrid(-1);
    for (int row = 1; row <= stored; ++row)
        test::StoreReadings(table, {"r" + QString::number(row)});
    test::FillLiveRow(table, {"live"});
}

struct RemovalCase {
    const char* name;
    int stored;
    int selected;
    bool removed;
    QStringList numbers;  // column 0 afterwards, heading first
    QStringList readings;  // column 1 afterwards
    int liveRow;
};

void PrintTo(const RemovalCase& c, std::ostream* out) { *out << c.name; }

class RowRemoval : public testing::TestWithParam<RemovalCase> {};

TEST_P(RowRemoval, KeepsNumbersAndTheLiveRowInPlace)
{
    const RemovalCase& c = GetParam();
    TReadingsTable table;
    StoreNumberedRows(table, c.stored);

    EXPECT_EQ(table.RemoveRow(c.selected), c.removed);

    EXPECT_EQ(Column(table, 0), c.numbers);
    EXPECT_EQ(Column(table, 1), c.readings);
    EXPECT_EQ(table.LiveRow(), c.liveRow);
    EXPECT_EQ(table.LiveRow(), table.RowCount() - 1) << "the live row stays the last row";
}

const QString H = QStringLiteral("Канал 1 ");

INSTANTIATE_TEST_SUITE_P(
    Selections, RowRemoval,
    testing::Values(
        RemovalCase{
            "FirstStoredRow", 3, 1, true, {"NN", "1", "2", "3"}, {H, "r2", "r3", "live"}, 3},
        RemovalCase{
            "MiddleStoredRow", 3, 2, true, {"NN", "1", "2", "3"}, {H, "r1", "r3", "live"}, 3},
        RemovalCase{"LastStoredRow", 3, 3, true, {"NN", "1", "2", "3"}, {H, "r1", "r2", "live"}, 3},
        // The last stored row becomes live again, to be overwritten and stored once more.
        RemovalCase{"LiveRowDropped", 3, 4, true, {"NN", "1", "2", "3"}, {H, "r1", "r2", "r3"}, 3},
        RemovalCase{"OnlyStoredRow", 1, 1, true, {"NN", "1"}, {H, "live"}, 1},
        RemovalCase{"NoStoredRow", 0, 1, false, {"NN", ""}, {H, "live"}, 1},
        RemovalCase{
            "HeadingRowSelected", 2, 0, false, {"NN", "1", "2", ""}, {H, "r1", "r2", "live"}, 3},
        RemovalCase{
            "NothingSelected", 2, -1, false, {"NN", "1", "2", ""}, {H, "r1", "r2", "live"}, 3},
        RemovalCase{"BelowTheGrid", 2, 4, false, {"NN", "1", "2", ""}, {H, "r1", "r2", "live"}, 3}),
    [](const auto& info) { return info.param.name; });

TEST(RowRemoval, RemovingUntilNoRowIsStoredStopsAtLiveRowOne)
{
    TReadingsTable table;
    StoreNumberedRows(table, 2);
    EXPECT_TRUE(table.RemoveRow(1));
    EXPECT_TRUE(table.RemoveRow(1));
    for (int selected : {1, 0, 2})
        EXPECT_FALSE(table.RemoveRow(selected));
    EXPECT_EQ(table.LiveRow(), 1);
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.Cell(1, 1), "live");
}

TEST(RowRemoval, StartGridWithoutStoredRowsIsLeftAlone)
{
    TReadingsTable table;
    EXPECT_FALSE(table.RemoveRow(1));
    EXPECT_FALSE(table.RemoveRow(9));
    EXPECT_EQ(table.RowCount(), 10);
    EXPECT_EQ(table.LiveRow(), 1);
}

TEST(RowRemoval, EmptyStartRowBelowTheLiveRowGoesWithoutMovingIt)
{
    TReadingsTable table;
    test::StoreReadings(table, {"r1"});
    test::StoreReadings(table, {"r2"});
    test::FillLiveRow(table, {"live"});

    EXPECT_TRUE(table.RemoveRow(6));

    EXPECT_EQ(table.RowCount(), 9);
    EXPECT_EQ(table.LiveRow(), 3);
    EXPECT_EQ(Column(table, 1), QStringList({"Канал 1 ", "r1", "r2", "live", "", "", "", "", ""}));
    EXPECT_EQ(Column(table, 0), QStringList({"NN", "1", "2", "", "", "", "", "", ""}));
}

TEST(RowRemoval, StartGridStoredRowMovesTheLiveRowUpWithIt)
{
    TReadingsTable table;
    test::StoreReadings(table, {"r1"});
    test::StoreReadings(table, {"r2"});
    test::FillLiveRow(table, {"live"});

    EXPECT_TRUE(table.RemoveRow(1));

    EXPECT_EQ(table.LiveRow(), 2);
    EXPECT_EQ(table.Cell(1, 2), "live");
    EXPECT_EQ(table.Cell(1, 3), "");
}

// Any mix of stores, removals and resets keeps the live row below the heading, inside the grid,
// with nothing but empty rows below it.
TEST(RowRemoval, RandomOperationsKeepTheLiveRowSound)
{
    std::mt19937 random(20180326);
    TReadingsTable table;
    for (int step = 0; step < 3000; ++step) {
        const int operation = int(random() % 10);
        if (operation < 5) {
            test::StoreReadings(table, {"s" + QString::number(step)});
        } else if (operation < 9) {
            table.RemoveRow(int(random() % (table.RowCount() + 2)) - 1);
        } else {
            table.ResetGrid(-1);
        }
        ASSERT_GE(table.LiveRow(), 1) << "step " << step;
        ASSERT_LT(table.LiveRow(), table.RowCount()) << "step " << step;
        for (int row = table.LiveRow() + 1; row < table.RowCount(); ++row)
            ASSERT_EQ(table.Cell(1, row), "") << "step " << step << " row " << row;
        for (int row = 1; row < table.LiveRow(); ++row)
            ASSERT_EQ(table.Cell(0, row), QString::number(row))
                << "step " << step << " row " << row;
    }
}

}
}
