#include "report_tables.h"
#include "service/reports/table_report.h"

#include <gtest/gtest.h>

namespace lmv::service::reports {
namespace {

using test::NumberedTable;

const QDateTime Noon(QDate(2018, 3, 26), QTime(12, 5, 9));
const QLocale Russian(QLocale::Russian, QLocale::Russia);

int PageCount(const TTableSnapshot& table)
{
    int pages = 0;
    while (BuildTablePage(table, pages + 1, Noon, Russian))
        ++pages;
    return pages;
}

TEST(TableReport, FiftyFiveRowsAPage)
{
    struct TCase {
        int stored, pages, rowsOnLast;
    };
    for (const TCase c :
         {TCase{0, 1, 0}, {1, 1, 1}, {55, 1, 55}, {56, 2, 1}, {110, 2, 55}, {111, 3, 1}}) {
        const TTableSnapshot table = NumberedTable(c.stored);
        ASSERT_EQ(PageCount(table), c.pages) << c.stored;
        EXPECT_EQ(BuildTablePage(table, c.pages, Noon, Russian)->RowCount(), c.rowsOnLast)
            << c.stored;
    }
}

TEST(TableReport, SecondPageStartsAtRow56AndEveryPageHasHeadingsAndTitle)
{
    const auto page = BuildTablePage(NumberedTable(56), 2, Noon, Russian);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->title, QStringLiteral("Таблица 2 (время создания 26.03.2018 12:05:09)"));
    EXPECT_EQ(page->headings[0], QStringLiteral("h0"));
    EXPECT_EQ(page->headings[8], QStringLiteral("h8"));
    EXPECT_EQ(page->columns[0], QStringList{QStringLiteral("c0r56")});
    EXPECT_EQ(page->columns[8], QStringList{QStringLiteral("c8r56")});
}

// A system locale whose date pattern names months in English (the C locale) prints the Russian
// numeric date, as a Russian desktop does.
TEST(TableReport, TheTitlesDateUnderTheCLocaleIsNumeric)
{
    const auto page = BuildTablePage(NumberedTable(1), 1, Noon, QLocale::c());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->title, QStringLiteral("Таблица 1 (время создания 26.03.2018 12:05:09)"));
}

TEST(TableReport, NarrowTablePrintsEmptyColumnsAndWideOnePrintsNine)
{
    const auto narrow = BuildTablePage(NumberedTable(2, 3), 1, Noon, Russian);
    EXPECT_EQ(narrow->headings[5], QString());
    EXPECT_EQ(narrow->columns[5], (QStringList{QString(), QString()}));
    EXPECT_EQ(narrow->columns[2][1], QStringLiteral("c2r2"));
    const auto wide = BuildTablePage(NumberedTable(1, 12), 1, Noon, Russian);
    EXPECT_EQ(wide->columns.size(), 9u);
}

TEST(TableReport, RowsRemovedBetweenPagesEndTheReportWithoutAnEmptyPage)
{
    TTableSnapshot table = NumberedTable(56);
    ASSERT_TRUE(BuildTablePage(table, 1, Noon, Russian));
    table.liveRow = 56;  // row 56 removed while page 1 was on screen
    EXPECT_FALSE(BuildTablePage(table, 2, Noon, Russian));
}

TEST(TableReport, TextHasTitleHeadingsAndTabbedRows)
{
    const auto page = BuildTablePage(NumberedTable(1, 3), 1, Noon, Russian);
    const QStringList lines = TablePageText(*page).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], page->title);
    EXPECT_EQ(lines[1], QStringLiteral("h0\th1\th2\t\t\t\t\t\t"));
    EXPECT_EQ(lines[2], QStringLiteral("c0r1\tc1r1\tc2r1\t\t\t\t\t\t"));
}

}
}
