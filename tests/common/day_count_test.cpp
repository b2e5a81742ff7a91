#include "common/day_count.h"
#include "common/errors.h"

#include <gtest/gtest.h>

#include <limits>

namespace lmv::common {
namespace {

constexpr double MsecsPerDay = 86400000.0;

QDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

struct DayCase {
    QDateTime dateTime;
    double days;
};

// Both directions; the day counts are written out, not computed the way the code does.
const DayCase DayCases[] = {
    {At(1899, 12, 30), 0.0},
    {At(1899, 12, 31, 6), 1.25},
    {At(1899, 12, 29, 6), -1.25},  // before the epoch the fraction still counts forward
    {At(1899, 12, 29), -1.0},
    {At(1899, 12, 30, 12), 0.5},
    {At(1899, 12, 28, 18), -2.75},
    {At(1900, 1, 1), 2.0},
    {At(2000, 1, 1), 36526.0},
    {At(2018, 3, 8, 14, 5, 5), 43167.586863425926},
    {At(2018, 3, 26, 23, 59, 59, 999), 43185.999999988426},
    {At(1, 1, 1), -693593.0},
    {At(1, 1, 1, 12), -693593.5},
    {At(9999, 12, 31), 2958465.0},
    {At(9999, 12, 31, 23, 59, 59, 999), 2958465.9999999884},
};

TEST(DayCount, DateTimeToDays)
{
    for (const DayCase& c : DayCases)
        EXPECT_NEAR(DateTimeToDays(c.dateTime), c.days, 1e-9)
            << c.dateTime.toString(Qt::ISODateWithMs).toStdString();
}

TEST(DayCount, DaysToDateTime)
{
    for (const DayCase& c : DayCases)
        EXPECT_EQ(DaysToDateTime(c.days), c.dateTime) << c.days;
}

TEST(DayCount, RoundsToTheNearestMillisecond)
{
    const std::pair<double, QDateTime> cases[] = {
        {0.5 + 0.4 / MsecsPerDay, At(1899, 12, 30, 12)},
        {0.5 + 0.6 / MsecsPerDay, At(1899, 12, 30, 12, 0, 0, 1)},
        {0.99999999999, At(1899, 12, 31)},  // carries into the next day
        {-0.99999999999, At(1899, 12, 29)},  // and away from the epoch before it
        {-1.99999999999, At(1899, 12, 28)},
        {-0.5, At(1899, 12, 30, 12)},  // a day count in (-1, 0) lies on the epoch day
    };
    for (const auto& [days, expected] : cases)
        EXPECT_EQ(DaysToDateTime(days), expected) << days;
}

TEST(DayCount, EveryFewSecondsSurviveARoundTrip)
{
    for (const QDate& first : {QDate(1899, 12, 20), QDate(2018, 3, 8), QDate(9999, 12, 29)}) {
        const QDateTime start(first, QTime(0, 0));
        for (qint64 ms = 0; ms < 3 * 86'400'000LL; ms += 7'919) {
            const QDateTime t = start.addMSecs(ms);
            ASSERT_EQ(DaysToDateTime(DateTimeToDays(t)), t)
                << t.toString(Qt::ISODateWithMs).toStdString();
        }
    }
}

TEST(DayCount, DayCountsOutsideTheYearsOneTo9999AreInvalid)
{
    const double cases[] = {std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            1e300,
                            -1e300,
                            2958466.0,
                            -693594.0,
                            1e7,
                            -1e7};
    for (double days : cases)
        EXPECT_FALSE(DaysToDateTime(days).isValid()) << days;
}

TEST(DayCount, DatesTheFilesCannotHoldRaiseRangeError)
{
    const QDateTime cases[] = {QDateTime(), At(10000, 1, 1),
                               QDateTime(QDate(-1, 12, 31), QTime(0, 0))};
    for (const QDateTime& t : cases)
        EXPECT_THROW(DateTimeToDays(t), RangeError) << t.toString(Qt::ISODate).toStdString();
}

}
}
