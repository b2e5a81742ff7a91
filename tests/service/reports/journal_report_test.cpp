#include "common/errors.h"
#include "common/number_text.h"
#include "report_tables.h"
#include "service/reports/journal_report.h"

#include <gtest/gtest.h>

namespace lmv::service::reports {
namespace {

using test::NumberedTable;

const QDateTime Noon(QDate(2018, 3, 26), QTime(12, 5, 9));
const QLocale Russian(QLocale::Russian, QLocale::Russia);

TTableSnapshot IodineTable(const QList<std::pair<QString, QString>>& values)
{
    TTableSnapshot table = NumberedTable(int(values.size()), 6);
    for (int i = 0; i < values.size(); ++i) {
        table.rows[i + 1][3] = values[i].first;
        table.rows[i + 1][4] = values[i].second;
    }
    return table;
}

TEST(Journals, EighteenDoubleSpacedRowsAPage)
{
    struct TCase {
        int stored, pages, rowsOnLast;
    };
    for (const TCase c : {TCase{0, 1, 0}, {18, 1, 18}, {19, 2, 1}, {36, 2, 18}}) {
        const TTableSnapshot table = NumberedTable(c.stored, 16);
        int pages = 0;
        while (BuildAgroJournalPage(table, pages + 1, Noon, {}, Russian))
            ++pages;
        ASSERT_EQ(pages, c.pages) << c.stored;
        const auto last = BuildAgroJournalPage(table, pages, Noon, {}, Russian);
        EXPECT_EQ(last->columns[0].size(), 2 * c.rowsOnLast) << c.stored;
    }
}

TEST(Journals, AgroPrintsColumnsOneToFourteenAsTheyStand)
{
    const auto page = BuildAgroJournalPage(NumberedTable(19, 16), 2, Noon, QString(), Russian);
    ASSERT_EQ(page->columns.size(), 14u);
    EXPECT_EQ(page->columns[0], (QStringList{QStringLiteral("c1r19"), QStringLiteral(" ")}));
    EXPECT_EQ(page->columns[13][0], QStringLiteral("c14r19"));
    EXPECT_EQ(page->printed, QStringLiteral("26.03.2018 12:05:09"));
    EXPECT_EQ(page->name, QString());
}

TEST(Journals, IodineResultIsTheTruncatedIntegerMean)
{
    struct TCase {
        const char *first, *second;
        int result;
    };
    for (const TCase c : {TCase{"7", "8", 7},
                          {"12", "", 12},
                          {"-7", "-8", -7},
                          {"-3", "2", 0},
                          {"2147483647", "2147483647", 2147483647},
                          {"-2147483648", "-2147483648", -2147483648}})
        EXPECT_EQ(IodineResult(QString::fromUtf8(c.first), QString::fromUtf8(c.second)), c.result)
            << c.first << " " << c.second;
}

TEST(Journals, IodineRowPrintsBothValuesAndTheResultButNotAThird)
{
    TTableSnapshot table = IodineTable({{QStringLiteral("12"), QString()}});
    table.rows[1][5] = QStringLiteral("100");
    const auto page = BuildIodineJournalPage(table, 1, Noon.date(), QString(), Russian);
    ASSERT_EQ(page->columns.size(), 5u);
    EXPECT_EQ(page->columns[0][0], QStringLiteral("c1r1"));
    EXPECT_EQ(page->columns[1][0], QStringLiteral("c2r1"));
    EXPECT_EQ(page->columns[2][0], QStringLiteral("12"));
    EXPECT_EQ(page->columns[3][0], QString());
    EXPECT_EQ(page->columns[4][0], QStringLiteral("12"));
    EXPECT_EQ(page->printed, QStringLiteral("26.03.2018"));
}

TEST(Journals, PrintedDatesUnderTheCLocaleAreNumeric)
{
    EXPECT_EQ(BuildAgroJournalPage(NumberedTable(1, 16), 1, Noon, {}, QLocale::c())->printed,
              QStringLiteral("26.03.2018 12:05:09"));
    EXPECT_EQ(BuildIodineJournalPage(IodineTable({{QStringLiteral("12"), QString()}}), 1,
                                     Noon.date(), QString(), QLocale::c())
                  ->printed,
              QStringLiteral("26.03.2018"));
}

TEST(Journals, IodineValueThatIsNoWholeNumberStopsTheReport)
{
    for (const auto& [first, second] :
         QList<std::pair<QString, QString>>{{QStringLiteral("7.5"), QString()},
                                            {QString(), QString()},
                                            {QStringLiteral("7"), QStringLiteral("x")},
                                            {QStringLiteral("7"), QStringLiteral("99999999999")}}) {
        const TTableSnapshot table =
            IodineTable({{QStringLiteral("1"), QString()}, {first, second}});
        const QString bad = common::ParseInteger(first) ? second : first;
        try {
            BuildIodineJournalPage(table, 1, Noon.date(), QString(), Russian);
            ADD_FAILURE() << first.toStdString();
        } catch (const common::Error& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("'%1' is not a valid integer value").arg(bad));
        }
    }
}

}
}
