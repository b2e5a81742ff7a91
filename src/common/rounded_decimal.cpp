#include "common/rounded_decimal.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
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

Expansion Expand(double value, int significantDigits)
{
    char buffer[ExactDigits + 16];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer, written.ptr - buffer);  // "d.ddd...e+xx"
    const auto e = text.find('e');
    Expansion x;
    x.digits.reserve(e);
    for (const char c : text.substr(0, e))
        if (c != '.')
            x.digits += c;
    const char* exponentBegin = text.data() + e + 1;
    if (*exponentBegin == '+')
        ++exponentBegin;
    std::from_chars(exponentBegin, text.data() + text.size(), x.exponent);
    return x;
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

TRoundedDecimal Round(const Expansion& x, long long kept)
{
    TRoundedDecimal r;
    if (kept < 0)
        return r;
    const auto keptSize = static_cast<std::size_t>(kept);
    r.digits = x.digits.substr(0, keptSize);
    r.exponent = x.exponent;
    if (keptSize < x.digits.size() && x.digits[keptSize] >= '5') {
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
    return RoundDecimal(value, significantDigits, INT_MAX);
}

}
