#pragma once
// The runtime's standard date and time texts: the system's short date pattern in which the
// generic date separator '/' prints as '-' (other separator characters print as they are), and
// the long time pattern without its time-zone field. A Russian system shows "08.03.2018 14:05:09".
// The window is Russian: a system pattern that names months in the system's language (the C
// locale's "d MMM yyyy", English ones) gives way to the Russian numeric pattern "dd.MM.yyyy".
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace lmv::common {

inline constexpr const char* RussianShortDatePattern = "dd.MM.yyyy";

// The one date pattern of every date the program prints or shows (record list, date picker,
// table stamps, report and journal titles), as a Qt date pattern.
QString ShortDatePattern(const QLocale& locale = QLocale::system());
QString ShortDateText(const QDate& date, const QLocale& locale = QLocale::system());
QString LongTimeText(const QTime& time, const QLocale& locale = QLocale::system());

// Digits are ASCII whatever the locale's digits are; an invalid date gives an empty text.

// Date, a blank and the time; the time is left out when it is exactly midnight.
QString DateTimeText(const QDateTime& dateTime, const QLocale& locale = QLocale::system());

}
