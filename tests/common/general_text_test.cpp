#include "common/errors.h"
#include "common/number_text.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace lmv::common {
namespace {

struct GeneralCase {
    double value;
    int minExponent;
    int digits;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const GeneralCase& c)
{
    return out << c.value << " (" << c.minExponent << ", " << c.digits << ") -> " << c.text;
}

class GeneralTextCase : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTextCase, Writes)
{
    const GeneralCase& c = GetParam();
    EXPECT_EQ(GeneralText(c.value, c.minExponent, c.digits).toStdString(), c.text);
}

constexpr int Graph = GraphTextMinExponent;
constexpr int Service = ServiceTextMinExponent;

INSTANTIATE_TEST_SUITE_P(
    Fixed, GeneralTextCase,
    ::testing::Values(GeneralCase{double(0.1f), Service, 15, "0.100000001490116"},
                      GeneralCase{0.0, Graph, 15, "0"}, GeneralCase{-0.0, Graph, 15, "0"},
                      GeneralCase{100.0, Graph, 15, "100"}, GeneralCase{-1.5, Graph, 15, "-1.5"},
                      GeneralCase{123.456, Graph, 15, "123.456"},
                      GeneralCase{1.0 / 3.0, Graph, 15, "0.333333333333333"},
                      GeneralCase{2.0 / 3.0, Graph, 15, "0.666666666666667"},
                      GeneralCase{999999999999999.0, Graph, 15, "999999999999999"},
                      GeneralCase{1e-5, Graph, 15, "0.00001"},
                      GeneralCase{0.0001, Service, 15, "0.0001"},
                      GeneralCase{0.0625, Graph, 1, "0.06"}),
    lmv::test::PrintedName());

INSTANTIATE_TEST_SUITE_P(Exponent, GeneralTextCase,
                         ::testing::Values(GeneralCase{1e-6, Graph, 15, "1E-6"},
                                           GeneralCase{0.00009, Service, 15, "9E-5"},
                                           GeneralCase{1e15, Graph, 15, "1E15"},
                                           GeneralCase{1e20, Graph, 15, "1E20"},
                                           GeneralCase{1.5e-7, Graph, 15, "1.5E-7"},
                                           GeneralCase{-2.5e15, Graph, 15, "-2.5E15"},
                                           GeneralCase{1234.5, Graph, 3, "1.23E3"},
                                           GeneralCase{5e-324, Graph, 15, "4.94065645841247E-324"},
                                           GeneralCase{std::numeric_limits<double>::max(), Graph,
                                                       15, "1.79769313486232E308"}),
                         lmv::test::PrintedName());

// The form follows the exponent of the rounded value.
INSTANTIATE_TEST_SUITE_P(
    RoundingAcrossAPowerOfTen, GeneralTextCase,
    ::testing::Values(GeneralCase{9.9999999999999999, Graph, 15, "10"},
                      GeneralCase{9.999999999999999, Graph, 15, "10"},
                      GeneralCase{999999999999999.9, Graph, 15, "1E15"},
                      GeneralCase{0.00009999999999999999, Service, 15, "0.0001"},
                      GeneralCase{0.0000099999999999999999, Graph, 15, "0.00001"}),
    lmv::test::PrintedName());

// Exact ties beyond the 15th digit go away from zero.
INSTANTIATE_TEST_SUITE_P(
    Ties, GeneralTextCase,
    ::testing::Values(GeneralCase{1000000000000005.0, Graph, 15, "1.00000000000001E15"},
                      GeneralCase{1000000000000025.0, Graph, 15, "1.00000000000003E15"},
                      GeneralCase{-1000000000000025.0, Graph, 15, "-1.00000000000003E15"},
                      GeneralCase{0.25, Graph, 1, "0.3"}),
    lmv::test::PrintedName());

TEST(GeneralText, NonFiniteValues)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(GeneralText(inf, Graph), "INF");
    EXPECT_EQ(GeneralText(-inf, Graph), "-INF");
    EXPECT_EQ(GeneralText(std::numeric_limits<double>::quiet_NaN(), Graph), "NAN");
}

TEST(GeneralText, RejectsNoDigits) { EXPECT_THROW(GeneralText(1.0, Graph, 0), RangeError); }

}
}
