#pragma once
// The runtime's standard date and time texts: the system's short date pattern in which the
// generic date separator '/' prints as '-' (other separator characters print as they are), and
// the long time pattern without its time-zone field. A Russian system shows "08.03.2018 14:05:09".
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace lmv::common {

QString ShortDateText(const QDate& date, const QLocale& locale = QLocale::system());
QString LongTimeText(const QTime& time, const QLocale& locale = QLocale::system());

// Digits are ASCII whatever the locale's digits are; an invalid date gives an empty text.

// Date, a blank and the time; the time is left out when it is exactly midnight.
QString DateTimeText(const QDateTime& dateTime, const QLocale& locale = QLocale::system());

}
