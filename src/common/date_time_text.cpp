#include "common/date_time_text.h"

#include <QList>

namespace lmv::common {

namespace {

constexpr QChar Quote = QLatin1Char('\'');

// Copies a Qt date or time pattern, offering every character outside its '...' literals to
// `onUnquoted(pattern, i, out)`, which may write its own text for it (and skip further
// characters by moving i) and returns true, or false to have the character copied.
template <typename OnUnquoted>
QString RewriteUnquoted(const QString& pattern, OnUnquoted onUnquoted)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == Quote)
            quoted = !quoted;  // '' inside or outside a literal toggles twice: a plain quote
        if (quoted || pattern[i] == Quote || !onUnquoted(pattern, i, out))
            out += pattern[i];
    }
    return out;
}

// Whether the pattern names the month ("MMM" or "MMMM") outside its '...' literals.
bool NamesMonths(const QString& pattern)
{
    bool names = false;
    RewriteUnquoted(pattern, [&](const QString& text, qsizetype& i, QString&) {
        names = names || text.mid(i, 3) == QLatin1String("MMM");
        return false;
    });
    return names;
}

// The zone field goes with the blanks before it (or after it, when it opens the pattern) and
// with brackets directly around it.
void DropZoneField(QString& out, const QString& pattern, qsizetype& i)
{
    const auto nextIs = [&](char c) {
        return i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char(c);
    };
    while (nextIs('t'))
        ++i;
    if (out.endsWith(QLatin1Char('(')) && nextIs(')')) {
        out.chop(1);
        ++i;
    }
    while (out.endsWith(QLatin1Char(' ')))
        out.chop(1);
    if (out.isEmpty())
        while (nextIs(' '))
            ++i;
}

QString LongTimePattern(const QLocale& locale)
{
    return RewriteUnquoted(locale.timeFormat(QLocale::LongFormat),
                           [](const QString& pattern, qsizetype& i, QString& out) {
                               if (pattern[i] != QLatin1Char('t'))
                                   return false;
                               DropZoneField(out, pattern, i);
                               return true;
                           });
}

// Digits print as ASCII whatever digits the locale has.
QString WithAsciiDigits(const QString& text, const QLocale& locale)
{
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (zero.size() != 1 || zero.front() == U'0')
        return text;
    QList<uint> characters = text.toUcs4();
    for (uint& c : characters)
        if (c >= zero.front() && c <= zero.front() + 9)
            c = U'0' + (c - zero.front());
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                             characters.size());
}

}

QString ShortDatePattern(const QLocale& locale)
{
    const QString system = locale.dateFormat(QLocale::ShortFormat);
    if (NamesMonths(system))
        return QString::fromLatin1(RussianShortDatePattern);
    return RewriteUnquoted(system, [](const QString& pattern, qsizetype& i, QString& out) {
        if (pattern[i] != QLatin1Char('/'))
            return false;
        out += QLatin1Char('-');
        return true;
    });
}

QString ShortDateText(const QDate& date, const QLocale& locale)
{
    return WithAsciiDigits(locale.toString(date, ShortDatePattern(locale)), locale);
}

QString LongTimeText(const QTime& time, const QLocale& locale)
{
    return WithAsciiDigits(locale.toString(time, LongTimePattern(locale)), locale);
}

QString DateTimeText(const QDateTime& dateTime, const QLocale& locale)
{
    if (!dateTime.date().isValid())
        return {};
    QString text = ShortDateText(dateTime.date(), locale);
    if (dateTime.time() != QTime(0, 0))
        text += QLatin1Char(' ') + LongTimeText(dateTime.time(), locale);
    return text;
}

}
