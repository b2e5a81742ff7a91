#include "mainwindow/readings_table/table_text.h"

#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/table_fixture.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

// The 2 x 2 grid a, b / c, d.
void MakeTwoByTwo(TReadingsTable& table)
{
    table.ResetGrid(2);
    table.SetCell(0, 0, "a");
    table.SetCell(1, 0, "b");
    table.SetCell(0, 1, "c");
    table.SetCell(1, 1, "d");
}

TEST(TableText, SavedTableEndsEveryCellWithTabAndEveryRowWithCrLf)
{
    TReadingsTable table;
    MakeTwoByTwo(table);
    EXPECT_EQ(TableFileBytes(table), QByteArray("a\tb\t\r\nc\td\t\r\n"));
}

TEST(TableText, ClipboardPutsTabBeforeEveryCellAndEndsRowsWithLoneCr)
{
    TReadingsTable table;
    MakeTwoByTwo(table);
    EXPECT_EQ(GridClipboardText(table.Rows()), QStringLiteral("\ta\tb\r\tc\td\r"));
}

TEST(TableText, AppendedLineIsTheRowAlone)
{
    TReadingsTable table;
    MakeTwoByTwo(table);
    EXPECT_EQ(TableLineBytes(table, 1), QByteArray("c\td\t\r\n"));
    EXPECT_EQ(TableLineBytes(table, 0), QByteArray("a\tb\t\r\n"));
}

TEST(TableText, FilesAreWindows1251)
{
    TReadingsTable table;
    table.ResetGrid(2);
    table.SetCell(1, 0, "Дата");
    table.SetCell(1, 1, "мкА");
    EXPECT_EQ(TableFileBytes(table), QByteArray("NN\t\xC4\xE0\xF2\xE0\t\r\n\t\xEC\xEA\xC0\t\r\n"));
    EXPECT_EQ(GridClipboardText(table.Rows()), QStringLiteral("\tNN\tДата\r\t\tмкА\r"));
}

TEST(TableText, StartGridSavesAllTenColumnsOfEveryRow)
{
    const TReadingsTable table;
    const QByteArray heading =
        "NN\t\xCA\xE0\xED\xE0\xEB 1 \t\xCA\xE0\xED\xE0\xEB 2 \t\xCA\xE0\xED\xE0\xEB 3 \t"
        "\xCA\xE0\xED\xE0\xEB 4 \t\xCA\xE0\xED\xE0\xEB 5 \t\xC2\xF0\xE5\xEC\xFF\t"
        "\xC4\xE0\xF2\xE0\t\xCA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9\t\t\r\n";
    EXPECT_EQ(TableFileBytes(table), heading + QByteArray("\t\t\t\t\t\t\t\t\t\t\r\n").repeated(9));
}

TEST(TableText, CellTextGoesOutAsItStandsUnitTabIncluded)
{
    // A reading shown with its unit carries a blank and a TAB inside its cell.
    TReadingsTable table;
    table.ResetGrid(3);
    table.SetCell(1, 1, "3.142 \tpX");
    EXPECT_EQ(TableLineBytes(table, 1), QByteArray("\t3.142 \tpX\t\t\r\n"));
    EXPECT_EQ(GridClipboardText(table.Rows()).section('\r', 1, 1),
              QStringLiteral("\t\t3.142 \tpX\t"));
}

TEST(TableText, OnlyTheGridsColumnsGoOut)
{
    TReadingsTable table;
    table.SetCell(9, 1, "hidden after narrowing");
    table.SetColumnCount(3);
    table.SetCell(5, 1, "outside");
    EXPECT_EQ(TableLineBytes(table, 1), QByteArray("\t\t\t\r\n"));
    EXPECT_EQ(TableFileBytes(table).count('\t'), 3 * table.RowCount());
    EXPECT_EQ(GridClipboardText(table.Rows()).count('\t'), 3 * table.RowCount());
}

TEST(TableText, ClipboardOfAnotherGridTakesItsRowsAsGiven)
{
    EXPECT_EQ(GridClipboardText({{"N", "V"}, {"1", "2.5"}, {"2", "4.75"}}),
              QStringLiteral("\tN\tV\r\t1\t2.5\r\t2\t4.75\r"));
    EXPECT_EQ(GridClipboardText({}), QString());
}

}
}
