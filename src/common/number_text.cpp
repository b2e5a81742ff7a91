#include "common/number_text.h"

#include "common/errors.h"
#include "common/rounded_decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace lmv::common {

namespace {

void AppendNonFinite(QByteArray& out, double value)
{
    if (std::signbit(value))
        out += '-';
    out += std::isnan(value) ? "NAN" : "INF";
}

// Room for the exponent form: the digits, a point, 'E' and a sign with up to three digits.
qsizetype ExponentFormSize(const TRoundedDecimal& r) { return qsizetype(r.digits.size()) + 6; }

char* WriteExponentForm(char* to, const TRoundedDecimal& r)
{
    *to++ = r.digits.front();
    if (r.digits.size() > 1) {
        *to++ = '.';
        to = std::copy(r.digits.begin() + 1, r.digits.end(), to);
    }
    *to++ = 'E';
    return std::to_chars(to, to + 4, r.exponent).ptr;
}

qsizetype PlainFormSize(const TRoundedDecimal& r, int decimals)
{
    return qsizetype(std::max(r.exponent, 0)) + 2 + decimals;
}

// The digits for 10^exponent down to 10^0, then `decimals` more after a point.
char* WritePlainForm(char* to, const TRoundedDecimal& r, int decimals)
{
    const int size = int(r.digits.size());
    const char* digits = r.digits.data();
    if (r.exponent < 0) {
        *to++ = '0';
    } else {
        const int shown = std::min(size, r.exponent + 1);
        to = std::fill_n(std::copy_n(digits, shown, to), r.exponent + 1 - shown, '0');
    }
    if (decimals == 0)
        return to;
    *to++ = '.';
    const int first = r.exponent + 1;  // the index of the digit for 10^-1
    const int zerosBefore = std::clamp(-first, 0, decimals);
    to = std::fill_n(to, zerosBefore, '0');
    const int from = std::max(first, 0);
    const int shown = std::clamp(size - from, 0, decimals - zerosBefore);
    to = std::copy_n(digits + from, shown, to);
    return std::fill_n(to, decimals - zerosBefore - shown, '0');
}

// A value whose text shows no non-zero digit gets no "-".
bool ShowsMinus(double value, const TRoundedDecimal& r) { return value < 0 && !r.IsZero(); }

// Appends what `write` puts into room for at most `size` bytes, in one step.
template <class TWrite> void AppendWritten(QByteArray& out, qsizetype size, TWrite write)
{
    const qsizetype at = out.size();
    out.resize(at + size);
    char* begin = out.data();
    out.resize(write(begin + at) - begin);
}

void AppendRounded(QByteArray& out, double value, const TRoundedDecimal& r, bool exponentForm,
                   int decimals)
{
    const qsizetype size = exponentForm ? ExponentFormSize(r) : PlainFormSize(r, decimals);
    AppendWritten(out, size + 1, [&](char* to) {
        if (ShowsMinus(value, r))
            *to++ = '-';
        return exponentForm ? WriteExponentForm(to, r) : WritePlainForm(to, r, decimals);
    });
}

void CheckDigits(int digits)
{
    if (digits < 1)
        throw RangeError();
}

bool IsBlank(QChar c) { return c == QLatin1Char(' '); }
bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsSign(QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-'); }

QStringView WithoutBlanks(QStringView text)
{
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

qsizetype SkipDigits(QStringView text, qsizetype pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// [sign] digits [. digits] [e [sign] digits], at least one mantissa digit, nothing else.
bool IsDecimalNumber(QStringView text)
{
    qsizetype pos = !text.isEmpty() && IsSign(text[0]) ? 1 : 0;
    const qsizetype integerEnd = SkipDigits(text, pos);
    qsizetype mantissaDigits = integerEnd - pos;
    pos = integerEnd;
    if (pos < text.size() && text[pos] == QLatin1Char('.')) {
        const qsizetype fractionEnd = SkipDigits(text, pos + 1);
        mantissaDigits += fractionEnd - pos - 1;
        pos = fractionEnd;
    }
    if (mantissaDigits == 0)
        return false;
    if (pos < text.size() && (text[pos] == QLatin1Char('e') || text[pos] == QLatin1Char('E'))) {
        ++pos;
        if (pos < text.size() && IsSign(text[pos]))
            ++pos;
        const qsizetype exponentEnd = SkipDigits(text, pos);
        if (exponentEnd == pos)
            return false;
        pos = exponentEnd;
    }
    return pos == text.size();
}

// Whether a decimal text that std::from_chars found out of range is below 1 in magnitude
// (an underflow) rather than above (an overflow): its first non-zero digit's place plus its
// exponent.
bool IsTinyMagnitude(const char* first, const char* last)
{
    long long place = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    const char* p = first;
    for (; p != last && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            seenPoint = true;
        } else if (*p != '0' || seenDigit) {
            seenDigit = true;
            if (!seenPoint)
                ++place;
        } else if (seenPoint) {
            --place;
        }
    }
    long long exponent = 0;
    if (p != last) {
        ++p;
        const bool negative = p != last && *p == '-';
        if (p != last && (*p == '-' || *p == '+'))
            ++p;
        for (; p != last && exponent < 100000; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    return place + exponent <= 0;
}

// std::from_chars is locale-free and rounds correctly. It takes no '+', and refuses a result
// outside double's range: too large is no number, too small is zero.
std::optional<double> ParseCDecimal(const QByteArray& text)
{
    const char* first = text.constData();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range)
        return IsTinyMagnitude(first, last) ? std::optional<double>(0.0) : std::nullopt;
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

}

QString FixedText(double value, int digits, int decimals)
{
    CheckDigits(digits);
    if (decimals < 0)
        throw RangeError();
    QByteArray text;
    if (!std::isfinite(value)) {
        AppendNonFinite(text, value);
        return QString::fromLatin1(text);
    }
    const TRoundedDecimal r = RoundDecimal(value, digits, decimals);
    AppendRounded(text, value, r, r.exponent >= digits, decimals);
    return QString::fromLatin1(text);
}

QString FourDecimalsText(double value) { return FixedText(value, 15, 4); }

void AppendGeneralText(QByteArray& out, double value, int minExponent, int digits)
{
    CheckDigits(digits);
    if (!std::isfinite(value)) {
        AppendNonFinite(out, value);
        return;
    }
    const TRoundedDecimal r = RoundDecimal(value, digits);
    if (r.IsZero()) {
        out += '0';
        return;
    }
    const bool exponentForm = r.exponent < minExponent || r.exponent >= digits;
    AppendRounded(out, value, r, exponentForm, r.FractionDigits());
}

QString GeneralText(double value, int minExponent, int digits)
{
    QByteArray text;
    AppendGeneralText(text, value, minExponent, digits);
    return QString::fromLatin1(text);
}

QString CommasToPoints(QString text) { return text.replace(QLatin1Char(','), QLatin1Char('.')); }

std::optional<int> ParseInteger(QStringView text)
{
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    const bool negative = !text.isEmpty() && text.front() == QLatin1Char('-');
    if (!text.isEmpty() && IsSign(text.front()))
        text = text.sliced(1);
    if (text.isEmpty() || SkipDigits(text, 0) != text.size())
        return std::nullopt;
    // The magnitude may reach one more than int's maximum: the minimum's.
    long long magnitude = 0;
    for (const QChar c : text) {
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > -static_cast<long long>(std::numeric_limits<int>::min()))
            return std::nullopt;
    }
    const long long result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(result);
}

std::optional<double> ParseFloat(QStringView text)
{
    text = WithoutBlanks(text);
    if (!IsDecimalNumber(text))
        return std::nullopt;
    return ParseCDecimal(text.toLatin1());
}

}
