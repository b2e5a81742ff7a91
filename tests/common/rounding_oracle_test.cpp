// Random doubles against the standard library's correctly rounded conversions, which break
// exact ties to even where the program breaks them away from zero: ties are left out here.
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace lmv::common {
namespace {

std::string ToChars(double value, std::chars_format format, int precision)
{
    char buffer[1024];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision).ptr;
    return std::string(buffer, end);
}

// "1.2300e+05" as the program's exponent form: "1.23E5".
std::string ProgramExponentForm(const std::string& scientific)
{
    const auto e = scientific.find('e');
    std::string mantissa = scientific.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    int exponent = 0;
    const char* begin = scientific.data() + e + 1;
    std::from_chars(*begin == '+' ? begin + 1 : begin, scientific.data() + scientific.size(),
                    exponent);
    return mantissa + "E" + std::to_string(exponent);
}

// A double's exact expansion has at most 767 significant digits.
bool IsTieAt(double value, int digits)
{
    std::string exact = ToChars(std::fabs(value), std::chars_format::scientific, 780);
    exact.erase(exact.find('e'));
    exact.erase(1, 1);  // the point
    return exact[digits] == '5' && exact.find_first_not_of('0', digits + 1) == std::string::npos;
}

// Random finite doubles of every magnitude, and of the magnitudes of readings.
class RandomDoubles {
public:
    double AnyFinite()
    {
        for (;;) {
            const double value = std::bit_cast<double>(bits_());
            if (std::isfinite(value) && value != 0)
                return value;
        }
    }
    double Reading() { return std::uniform_real_distribution<double>(-1e6, 1e6)(bits_); }

private:
    std::mt19937_64 bits_{20180326};
};

TEST(RoundingOracle, SeventeenDigitsReadBackExactly)
{
    RandomDoubles random;
    for (int i = 0; i < 100'000; ++i) {
        const double value = random.AnyFinite();
        const QString text = GeneralText(value, GraphTextMinExponent, 17);
        ASSERT_EQ(ParseFloat(text), std::optional<double>(value)) << text.toStdString();
    }
}

TEST(RoundingOracle, SignificantDigitsMatchCorrectRounding)
{
    RandomDoubles random;
    for (int i = 0; i < 100'000; ++i) {
        const double value = random.AnyFinite();
        const int digits = 1 + i % 17;
        if (IsTieAt(value, digits))
            continue;
        const std::string expected =
            ProgramExponentForm(ToChars(value, std::chars_format::scientific, digits - 1));
        // A minimum exponent above every double's gives the exponent form throughout.
        ASSERT_EQ(GeneralText(value, 400, digits).toStdString(), expected) << value;
    }
}

// Halves just past the 15th digit, where the standard conversion would round to even.
TEST(RoundingOracle, HalvesPastTheFifteenthDigitGoAwayFromZero)
{
    std::mt19937_64 random(20180326);
    std::uniform_int_distribution<long long> integers(100'000'000'000'000, 999'999'999'999'998);
    for (int i = 0; i < 10'000; ++i) {
        const long long k = integers(random);
        const std::string up = std::to_string(k + 1);
        ASSERT_EQ(GeneralText(double(k) + 0.5, GraphTextMinExponent).toStdString(), up) << k;
        ASSERT_EQ(GeneralText(-double(k) - 0.5, GraphTextMinExponent).toStdString(), "-" + up);
        const long long tenth = k / 10;
        ASSERT_EQ(GeneralText(double(tenth) + 0.25, GraphTextMinExponent).toStdString(),
                  std::to_string(tenth) + ".3")
            << tenth;
    }
}

TEST(RoundingOracle, FixedDecimalsMatchCorrectRounding)
{
    RandomDoubles random;
    for (int i = 0; i < 100'000; ++i) {
        const double value = random.Reading();
        const int decimals = i % 8;
        // 40 significant digits never bind at these magnitudes: only the decimals round.
        ASSERT_EQ(FixedText(value, 40, decimals).toStdString(),
                  ToChars(value, std::chars_format::fixed, decimals))
            << value;
    }
}

}
}
