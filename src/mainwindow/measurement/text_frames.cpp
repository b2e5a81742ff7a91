#include "mainwindow/measurement/text_frames.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <vector>

namespace lmv::mainwindow {

namespace {

constexpr int TextOffset = 4;
constexpr int CenturyWindow = 50;

common::Error InvalidDate(const QString& text)
{
    return common::Error(QStringLiteral("'%1' is not a valid date").arg(text));
}

common::Error InvalidTime(const QString& text)
{
    return common::Error(QStringLiteral("'%1' is not a valid time").arg(text));
}

// Plain unsigned decimal digits only.
std::optional<int> Number(const QString& part)
{
    if (part.isEmpty() ||
        !std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return common::ParseInteger(part);
}

std::optional<std::vector<int>> Numbers(const QString& text, QChar separator)
{
    std::vector<int> numbers;
    for (const QString& part : text.split(separator)) {
        const std::optional<int> number = Number(part);
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

// 'd', 'M' and 'y' in the order the pattern first names them.
QString DateOrder(const QLocale& locale)
{
    QString order;
    for (QChar c : locale.dateFormat(QLocale::ShortFormat))
        if ((c == u'd' || c == u'M' || c == u'y') && !order.contains(c))
            order += c;
    return order.size() == 3 ? order : QStringLiteral("dMy");
}

QChar TimeSeparator(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    const qsizetype hours = format.indexOf(QRegularExpression(QStringLiteral("[hH]")));
    for (qsizetype i = std::max<qsizetype>(hours, 0); i < format.size(); ++i) {
        const QChar c = format[i];
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    }
    return u':';
}

int FullYear(int year, const QDate& today)
{
    if (year >= 100)
        return year;
    const int base = today.year() - CenturyWindow;
    year += base / 100 * 100;
    return year < base ? year + 100 : year;
}

}

QString TextFrameText(const link::TRxFrame& frame)
{
    const int size = frame.length - 2;
    if (size <= 0)
        return {};
    return common::FromCp1251(
        QByteArrayView(reinterpret_cast<const char*>(frame.bytes.data() + TextOffset), size));
}

QString TTextTokenizer::NextToken(QChar delim)
{
    QString token;
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_++];
        if (c == delim && !token.isEmpty())
            return token;
        if (token.isEmpty() && c == u' ')
            continue;
        token += c;
    }
    ++pos_;
    return token;
}

void TTextTokenizer::SkipBlanks()
{
    while (pos_ < text_.size() && text_[pos_] == u' ')
        ++pos_;
}

QDate ParseShortDate(const QString& text, const QLocale& locale, const QDate& today)
{
    const std::optional<std::vector<int>> numbers = Numbers(text, u'-');
    if (!numbers || numbers->size() < 2 || numbers->size() > 3)
        throw InvalidDate(text);
    const QString order = DateOrder(locale);
    int day = 0, month = 0, year = today.year();
    qsizetype next = 0;
    for (QChar field : order) {
        if (field == u'y' && numbers->size() == 2)
            continue;
        const int value = (*numbers)[std::size_t(next++)];
        if (field == u'd')
            day = value;
        else if (field == u'M')
            month = value;
        else
            year = FullYear(value, today);
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        throw InvalidDate(text);
    return date;
}

QTime ParseTime(const QString& text, const QLocale& locale)
{
    const std::optional<std::vector<int>> numbers = Numbers(text, TimeSeparator(locale));
    if (!numbers || numbers->size() < 2 || numbers->size() > 3)
        throw InvalidTime(text);
    const QTime time((*numbers)[0], (*numbers)[1], numbers->size() == 3 ? (*numbers)[2] : 0);
    if (!time.isValid())
        throw InvalidTime(text);
    return time;
}

}
