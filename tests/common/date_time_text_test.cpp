#include "common/date_time_text.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

namespace lmv::common {
namespace {

const QDate Day(2018, 3, 8);
const QTime Afternoon(14, 5, 9);

struct LocaleCase {
    const char* locale;
    QString date;
    QString time;
};

void PrintTo(const LocaleCase& c, std::ostream* out) { *out << c.locale; }

class LocaleTexts : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleTexts, ShortDateAndLongTime)
{
    const QLocale locale(QString::fromLatin1(GetParam().locale));
    EXPECT_EQ(ShortDateText(Day, locale), GetParam().date);
    EXPECT_EQ(LongTimeText(Afternoon, locale), GetParam().time);
    EXPECT_EQ(DateTimeText(QDateTime(Day, Afternoon), locale),
              GetParam().date + ' ' + GetParam().time);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleTexts,
    ::testing::Values(LocaleCase{"ru_RU", "08.03.2018", "14:05:09"},
                      LocaleCase{"C", "08.03.2018", "14:05:09"},  // "d MMM yyyy": Russian
                      LocaleCase{"en_US", "3-8-18", "2:05:09 PM"},  // '/' prints as '-'
                      LocaleCase{"de_DE", "08.03.18", "14:05:09"},  // other separators stay
                      LocaleCase{"ja_JP", "2018-03-08", QStringLiteral("14時05分09秒")},
                      LocaleCase{"bg_BG", QStringLiteral("8.03.18 г."),
                                 QStringLiteral("14:05:09 ч.")},  // quoted literals
                      LocaleCase{"eo_001", "18-03-08", "14-a horo kaj 5:09"},
                      LocaleCase{"es_ES", "8-3-18",
                                 "14:05:09"},  // a bracketed zone field goes whole
                      LocaleCase{"my_MM", QStringLiteral("08-03-18"),
                                 QStringLiteral("14:05:09")},  // zone field first
                      LocaleCase{"fa_IR", "2018-3-8", "14:05:09"},  // native digits print as ASCII
                      LocaleCase{"ff_SN", "8-3-2018", "14:05:09"}),
    lmv::test::PrintedName());  // digits outside the 16-bit plane

// The window is Russian: a system pattern that names months gives way to the Russian one; a
// numeric pattern stays the system's, with '-' for '/'.
TEST(ShortDatePattern, ThePatternOfEveryDateShown)
{
    EXPECT_EQ(QLocale::c().dateFormat(QLocale::ShortFormat), "d MMM yyyy");
    EXPECT_EQ(ShortDatePattern(QLocale::c()), "dd.MM.yyyy");
    EXPECT_EQ(ShortDatePattern(QLocale(QStringLiteral("ru_RU"))), "dd.MM.yyyy");
    EXPECT_EQ(ShortDatePattern(QLocale(QStringLiteral("en_US"))), "M-d-yy");
    EXPECT_EQ(ShortDatePattern(QLocale(QStringLiteral("de_DE"))), "dd.MM.yy");
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 11), QLocale::c()), "11.12.2026");
}

TEST(DateTimeText, LeavesOutTheTimeExactlyAtMidnight)
{
    const QLocale ru(QStringLiteral("ru_RU"));
    EXPECT_EQ(DateTimeText(QDateTime(Day, QTime(0, 0)), ru), "08.03.2018");
    EXPECT_EQ(DateTimeText(QDateTime(Day, QTime(0, 0, 0, 1)), ru), "08.03.2018 00:00:00");
    EXPECT_EQ(DateTimeText(QDateTime(Day, QTime(0, 0, 1)), ru), "08.03.2018 00:00:01");
}

TEST(DateTimeText, InvalidDateGivesEmptyText)
{
    const QLocale ru(QStringLiteral("ru_RU"));
    EXPECT_EQ(DateTimeText(QDateTime(), ru), QString());
    EXPECT_EQ(ShortDateText(QDate(), ru), QString());
}

}
}
