#include "common/day_count.h"

#include "common/errors.h"

#include <cmath>
#include <cstdlib>

namespace lmv::common {

namespace {

constexpr long long MsecsPerDay = 86'400'000;
const QDate Epoch(1899, 12, 30);
// Years 1 to 9999, the range of the files' day counts.
constexpr long long FirstDay = -693'593;  // 1 January 0001
constexpr long long LastDay = 2'958'465;  // 31 December 9999

bool InFileRange(const QDate& date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

}

double DateTimeToDays(const QDateTime& localTime)
{
    const QDate date = localTime.date();
    if (!InFileRange(date) || !localTime.time().isValid())
        throw RangeError();
    const double day = static_cast<double>(Epoch.daysTo(date));
    const double fraction =
        static_cast<double>(localTime.time().msecsSinceStartOfDay()) / MsecsPerDay;
    return day < 0 ? day - fraction : day + fraction;
}

QDateTime DaysToDateTime(double days)
{
    // The bound keeps llround defined; the day check below is the real range.
    if (!std::isfinite(days) || std::fabs(days) > 1e7)
        return {};
    const long long msecs = std::llround(days * MsecsPerDay);
    const long long day = msecs / MsecsPerDay;  // towards zero: the fraction counts from midnight
    if (day < FirstDay || day > LastDay)
        return {};
    const int msecsOfDay = static_cast<int>(std::llabs(msecs) % MsecsPerDay);
    return QDateTime(Epoch.addDays(day), QTime::fromMSecsSinceStartOfDay(msecsOfDay));
}

}
