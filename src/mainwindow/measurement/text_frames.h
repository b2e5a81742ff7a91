#pragma once
// The pieces of the instrument's header texts (code 0xF2): the text of a frame, its tokens and
// the date and time words of a run's start.
#include "link/frame_codec.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <utility>

namespace lmv::mainwindow {

// L - 2 Windows-1251 characters from offset 4, NULs included; empty below L = 3.
QString TextFrameText(const link::TRxFrame& frame);

// Reads tokens from the front of one text. Leading blanks of a token are skipped; the delimiter
// ends a token only once it holds something, so "$A$B$" reads "$A", then "B".
class TTextTokenizer {
public:
    explicit TTextTokenizer(QString text) : text_(std::move(text)) {}
    QString NextToken(QChar delim);
    void SkipBlanks();

private:
    QString text_;
    qsizetype pos_ = 0;
};

// Day, month and year separated by '-' in the order of the locale's short date pattern; two
// numbers are day and month of the current year, a year below 100 falls within 50 years of
// today. Anything else raises common::Error "'<text>' is not a valid date".
QDate ParseShortDate(const QString& text, const QLocale& locale, const QDate& today);
// Hours and minutes, optionally seconds, separated by the locale's time separator; else
// common::Error "'<text>' is not a valid time".
QTime ParseTime(const QString& text, const QLocale& locale);

}
