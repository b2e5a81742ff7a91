#include "common/errors.h"
#include "common/number_text.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace lmv::common {
namespace {

struct FixedCase {
    double value;
    int digits;
    int decimals;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const FixedCase& c)
{
    return out << c.value << " (" << c.digits << ", " << c.decimals << ") -> " << c.text;
}

class FixedTextCase : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedTextCase, Writes)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(FixedText(c.value, c.digits, c.decimals).toStdString(), c.text);
}

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Readings, FixedTextCase,
    ::testing::Values(FixedCase{12345.677734375, 10, 6, "12345.677730"},
                      FixedCase{1.5, 10, 3, "1.500"}, FixedCase{-12.25, 10, 1, "-12.3"},
                      FixedCase{1.23456789, 3, 6,
                                "1.230000"},  // places beyond the digits are zeros
                      FixedCase{1234567890.0, 10, 0, "1234567890"},
                      FixedCase{1e-7, 10, 10, "0.0000001000"}, FixedCase{0.0, 10, 2, "0.00"},
                      FixedCase{0.0, 10, 0, "0"}, FixedCase{7.0, 10, 0, "7"}),
    lmv::test::PrintedName());

// Ties go away from zero, decided on the exact binary value, rounded once.
INSTANTIATE_TEST_SUITE_P(
    Rounding, FixedTextCase,
    ::testing::Values(
        FixedCase{2.5, 1, 0, "3"}, FixedCase{-2.5, 1, 0, "-3"}, FixedCase{0.5, 10, 0, "1"},
        FixedCase{0.125, 2, 3, "0.130"}, FixedCase{0.125, 10, 2, "0.13"},
        FixedCase{1.25, 2, 5, "1.30000"}, FixedCase{0.0625, 10, 3, "0.063"},
        FixedCase{1.005, 10, 2, "1.00"},  // 1.00499999999999989...
        FixedCase{2.675, 10, 2, "2.67"},  // 2.67499999999999982...
        FixedCase{12.345, 10, 2, "12.35"},  // 12.3450000000000006...
        FixedCase{0.49999999999999994, 10, 0, "0"},  // 10 digits would make it 0.5
        FixedCase{0.006, 10, 2, "0.01"}, FixedCase{0.004, 10, 2, "0.00"},
        FixedCase{999.9996, 6, 3, "1000.000"},
        FixedCase{0.1, 60, 55, "0.1000000000000000055511151231257827021181583404541015625"},
        FixedCase{0.1, 60, 54, "0.100000000000000005551115123125782702118158340454101563"}),
    lmv::test::PrintedName());

// A negative value shows "-" only when its text has a non-zero digit.
INSTANTIATE_TEST_SUITE_P(NegativeZeros, FixedTextCase,
                         ::testing::Values(FixedCase{-0.001, 10, 2, "0.00"},
                                           FixedCase{-0.0, 10, 2, "0.00"},
                                           FixedCase{-0.4, 10, 0, "0"},
                                           FixedCase{-5e-324, 10, 2, "0.00"},
                                           FixedCase{-0.005, 10, 2, "-0.01"}),
                         lmv::test::PrintedName());

// More integer digits than significant digits: the general form with that many digits.
INSTANTIATE_TEST_SUITE_P(
    ExponentForm, FixedTextCase,
    ::testing::Values(FixedCase{1e11, 10, 2, "1E11"}, FixedCase{-1e11, 10, 2, "-1E11"},
                      FixedCase{12345678901.0, 10, 0, "1.23456789E10"},
                      FixedCase{9999999999.6, 10, 2, "1E10"},  // rounds up into 11 digits
                      FixedCase{123456.789, 5, 2, "1.2346E5"}, FixedCase{1e100, 8, 3, "1E100"}),
    lmv::test::PrintedName());

INSTANTIATE_TEST_SUITE_P(NonFinite, FixedTextCase,
                         ::testing::Values(FixedCase{Inf, 10, 2, "INF"},
                                           FixedCase{-Inf, 10, 2, "-INF"},
                                           FixedCase{NaN, 10, 2, "NAN"},
                                           FixedCase{-NaN, 10, 2, "-NAN"}),
                         lmv::test::PrintedName());

TEST(FixedText, RejectsImpossibleDigitCounts)
{
    EXPECT_THROW(FixedText(1.0, 0, 2), RangeError);
    EXPECT_THROW(FixedText(1.0, -3, 2), RangeError);
    EXPECT_THROW(FixedText(1.0, 10, -1), RangeError);
}

}
}
