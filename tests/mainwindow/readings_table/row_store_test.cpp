#include "mainwindow/readings_table/row_store.h"

#include "common/date_time_text.h"
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/table_file_option.h"
#include "mainwindow/readings_table/table_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace lmv::mainwindow {
namespace {

using test::Column;
using test::StampTime;

QString Stamp() { return common::DateTimeText(StampTime); }

TStoreOutcome Store(TReadingsTable& table, bool& frameSeen, int deviceType = 3,
                    bool rowFromFrame = false)
{
    TTableFileOption noFile;
    return StoreLiveRow(table, frameSeen, {deviceType, rowFromFrame, StampTime}, noFile);
}

TEST(RowStore, FirstStoreAfterResetNumbersStampsAndAddsTheNextLiveRow)
{
    TReadingsTable table;
    table.ResetGrid(9);
    test::FillLiveRow(table, {"7.000", "1.50", "", "", "25.0", "00:5:7"});
    bool frameSeen = true;

    EXPECT_TRUE(Store(table, frameSeen).stored);

    ASSERT_FALSE(Stamp().isEmpty());
    EXPECT_FALSE(frameSeen);
    EXPECT_EQ(table.Row(1),
              QStringList({"1", "7.000", "1.50", "", "", "25.0", "00:5:7", Stamp(), ""}));
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.Row(2), QStringList(9, QString()));
    EXPECT_EQ(table.LiveRow(), 2);
}

TEST(RowStore, WithoutAFrameSinceTheLastStoreNothingHappens)
{
    TReadingsTable table;
    table.ResetGrid(-1);
    bool frameSeen = true;
    Store(table, frameSeen);
    test::FillLiveRow(table, {"7.100"});

    EXPECT_FALSE(Store(table, frameSeen).stored);

    EXPECT_EQ(table.LiveRow(), 2);
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.Row(2), QStringList({"", "7.100", "", "", "", "", "", "", "", ""}));
}

struct StampCase {
    const char* name;
    int deviceType;
    bool rowFromFrame;
    int stampColumn;  // -1: no stamp
};

void PrintTo(const StampCase& c, std::ostream* out) { *out << c.name; }

class RowStoreStamp : public testing::TestWithParam<StampCase> {};

TEST_P(RowStoreStamp, GoesToTheLayoutsDateColumn)
{
    const StampCase& c = GetParam();
    TReadingsTable table;
    table.ResetGrid(10);
    for (int column = 1; column < 10; ++column)
        table.SetCell(column, 1, QString::number(column * 11));
    const QStringList filled = table.Row(1);
    bool frameSeen = true;

    Store(table, frameSeen, c.deviceType, c.rowFromFrame);

    QStringList expected = filled;
    expected[0] = "1";
    if (c.stampColumn >= 0)
        expected[c.stampColumn] = Stamp();
    EXPECT_EQ(table.Row(1), expected);
}

INSTANTIATE_TEST_SUITE_P(Layouts, RowStoreStamp,
                         testing::Values(StampCase{"General", 3, false, 7},
                                         StampCase{"NotebookRow", 16, true, -1},
                                         StampCase{"SoilRow", 3, true, -1},
                                         StampCase{"CoulometerKeepsCharge", 38, false, 8},
                                         StampCase{"FischerTitrator", 39, false, 8},
                                         StampCase{"ChargeLayoutStampsFrameRows", 38, true, 8},
                                         StampCase{"TitrationDevice", 41, false, 7},
                                         StampCase{"NoInstrumentYet", -1, false, 7}),
                         [](const auto& info) { return info.param.name; });

TEST(RowStore, StartGridFillsItsEmptyRowsBeforeGrowing)
{
    TReadingsTable table;
    for (int stored = 1; stored <= 8; ++stored) {
        test::StoreReadings(table, {QString::number(stored)});
        EXPECT_EQ(table.RowCount(), 10) << "after " << stored << " stores";
    }
    EXPECT_EQ(table.LiveRow(), 9);
    test::StoreReadings(table, {"9"});
    EXPECT_EQ(table.RowCount(), 11);
    EXPECT_EQ(table.LiveRow(), 10);
    EXPECT_EQ(Column(table, 0),
              QStringList({"NN", "1", "2", "3", "4", "5", "6", "7", "8", "9", ""}));
    EXPECT_EQ(Column(table, 1),
              QStringList({"Канал 1 ", "1", "2", "3", "4", "5", "6", "7", "8", "9", ""}));
}

TEST(RowStore, NarrowLayoutLosesTheStampOutsideItsColumns)
{
    TReadingsTable table;
    table.ResetGrid(6);
    test::FillLiveRow(table, {"7", "Вода", "120"});
    bool frameSeen = true;
    Store(table, frameSeen);
    EXPECT_EQ(table.Row(1), QStringList({"1", "7", "Вода", "120", "", ""}));
    EXPECT_EQ(table.LiveRow(), 2);
}

}
}
