#pragma once
// Dates and times as the 64-bit day count of the files: days since 30 December 1899, local wall
// clock, the fraction the time of day. Before the epoch the fraction still counts forward from
// midnight: -1.25 is 29 December 1899, 06:00.
#include <QDateTime>

namespace lmv::common {

// The wall-clock date and time as they stand, without any time-zone conversion; both ways round
// to the millisecond. The files hold the years 1 to 9999: an invalid date or time, or one outside
// them, raises RangeError, and a day count outside them or not finite gives an invalid QDateTime.
double DateTimeToDays(const QDateTime& localTime);
QDateTime DaysToDateTime(double days);

}
