#include "common/rounded_decimal.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

namespace lmv::common {

namespace {

// 40 correctly rounded digits settle almost every rounding; only a tail that reads exactly
// "5000..." there could be a true half or a rounded-up 4999..., and needs the exact expansion.
constexpr int FastDigits = 40;
// A double's exact decimal expansion has at most 767 significant digits.
constexpr int ExactDigits = 780;

struct Expansion {
    std::string digits;
    int exponent = 0;
};

// "d.ddd...e+xx" as digits and exponent.
Expansion Parse(std::string_view text)
{
    const auto e = text.find('e');
    Expansion x;
    x.digits.assign(1, text.front());
    if (e > 1)
        x.digits.append(text.substr(2, e - 2));
    const char* exponentBegin = text.data() + e + 1;
    if (*exponentBegin == '+')
        ++exponentBegin;
    std::from_chars(exponentBegin, text.data() + text.size(), x.exponent);
    return x;
}

Expansion Expand(double value, int significantDigits)
{
    char buffer[ExactDigits + 16];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, significantDigits - 1);
    return Parse(std::string_view(buffer, written.ptr - buffer));
}

// Up to 15 significant digits a normal double's half unit in the last place is below half a unit
// of the last digit, so a value whose shortest form fits rounds to that form. Past it, the
// standard conversion's correctly rounded digits differ from ours only on exact ties.
constexpr int MaxShortcutDigits = 15;

// The shortest digits that read back as the value, and its decimal exponent.
class TShortestDigits {
public:
    explicit TShortestDigits(double value)
    {
        const char* end =
            std::to_chars(buffer_, buffer_ + sizeof buffer_, value, std::chars_format::scientific)
                .ptr;
        const std::string_view text(buffer_, end - buffer_);  // "d.ddde-xx"
        const auto e = text.find('e');
        const char* exponent = text.data() + e + 1;
        std::from_chars(*exponent == '+' ? exponent + 1 : exponent, end, exponent_);
        size_ = e > 1 ? e - 1 : 1;
        std::memmove(buffer_ + 1, buffer_ + 2, size_ - 1);  // the point out
    }

    std::string_view Digits() const { return {buffer_, size_}; }
    int Exponent() const { return exponent_; }
    // The digit at this index, 0 past the last.
    int DigitAt(int index) const { return std::size_t(index) < size_ ? buffer_[index] - '0' : 0; }

private:
    char buffer_[32];
    std::size_t size_ = 0;
    int exponent_ = 0;
};

// The shortest form lies within half a unit in the last place of the value, below 0.12 of a unit
// of the 15th digit: when its next two digits are far enough from 50 it rounds as the value does.
bool RoundsAsTheValue(const TShortestDigits& shortest, int kept)
{
    const int next = shortest.DigitAt(kept) * 10 + shortest.DigitAt(kept + 1);
    return next <= 37 || next >= 62;
}

long long KeptDigits(const Expansion& x, int significantDigits, int maxDecimals)
{
    return std::min<long long>(significantDigits, 1LL + x.exponent + maxDecimals);
}

bool LooksLikeHalf(const Expansion& x, long long kept)
{
    if (kept < 0 || kept >= static_cast<long long>(x.digits.size()) || x.digits[kept] != '5')
        return false;
    return std::all_of(x.digits.begin() + kept + 1, x.digits.end(),
                       [](char c) { return c == '0'; });
}

TRoundedDecimal Round(std::string_view digits, int exponent, long long kept)
{
    TRoundedDecimal r;
    if (kept < 0)
        return r;
    const auto keptSize = static_cast<std::size_t>(kept);
    r.digits = digits.substr(0, keptSize);
    r.exponent = exponent;
    if (keptSize < digits.size() && digits[keptSize] >= '5') {
        auto pos = r.digits.find_last_not_of('9');
        if (pos == std::string::npos) {
            r.digits.assign(1, '1');
            ++r.exponent;
        } else {
            r.digits.resize(pos + 1);
            ++r.digits[pos];
        }
    }
    r.digits.erase(r.digits.find_last_not_of('0') + 1);
    if (r.digits.empty())
        r.exponent = 0;
    return r;
}

TRoundedDecimal Round(const Expansion& x, long long kept)
{
    return Round(x.digits, x.exponent, kept);
}

}

char TRoundedDecimal::DigitAt(int power) const
{
    const long long index = static_cast<long long>(exponent) - power;
    if (index < 0 || index >= static_cast<long long>(digits.size()))
        return '0';
    return digits[static_cast<std::size_t>(index)];
}

int TRoundedDecimal::FractionDigits() const
{
    return std::max(0, static_cast<int>(digits.size()) - 1 - exponent);
}

TRoundedDecimal RoundDecimal(double value, int significantDigits, int maxDecimals)
{
    value = std::fabs(value);
    Expansion x = Expand(value, FastDigits);
    long long kept = KeptDigits(x, significantDigits, maxDecimals);
    if (kept >= FastDigits || LooksLikeHalf(x, kept)) {
        x = Expand(value, ExactDigits);
        kept = KeptDigits(x, significantDigits, maxDecimals);
    }
    return Round(x, kept);
}

TRoundedDecimal RoundDecimal(double value, int significantDigits)
{
    value = std::fabs(value);
    if (significantDigits > MaxShortcutDigits || value < std::numeric_limits<double>::min())
        return RoundDecimal(value, significantDigits, INT_MAX);
    const TShortestDigits shortest(value);
    const int size = int(shortest.Digits().size());
    if (size <= significantDigits)
        return Round(shortest.Digits(), shortest.Exponent(), size);
    // Only a value that is exactly significantDigits + 1 digits ending in 5 is a tie, and then
    // those digits are its shortest form.
    if (size == significantDigits + 1 && shortest.Digits().back() == '5')
        return RoundDecimal(value, significantDigits, INT_MAX);
    if (RoundsAsTheValue(shortest, significantDigits))
        return Round(shortest.Digits(), shortest.Exponent(), significantDigits);
    return Round(Expand(value, significantDigits), significantDigits);
}

}
