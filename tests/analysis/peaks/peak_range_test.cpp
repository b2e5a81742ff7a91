#include "analysis/peaks/peak_range.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <climits>

namespace lmv::analysis {
namespace {

struct RangeCase {
    const char* name;
    std::int32_t a, b, count;
    TPeakRange expected;
};

class ClampPeakRangeCases : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ClampPeakRangeCases, OrdersThenClampsIntoTheCurve)
{
    const RangeCase& c = GetParam();
    EXPECT_EQ(ClampPeakRange(c.a, c.b, c.count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ClampPeakRangeCases,
    ::testing::Values(RangeCase{"reversed", 10, 3, 50, {3, 10}},
                      RangeCase{"negative_start", -5, 2, 50, {0, 2}},
                      RangeCase{"end_past_curve", 40, 80, 50, {40, 49}},
                      RangeCase{"reversed_past_curve", 80, 40, 50, {40, 49}},
                      RangeCase{"unplaced_mouse_peak", -1, -1, 5, {0, 0}},
                      RangeCase{"both_past_curve", 7, 9, 5, {4, 4}},
                      RangeCase{"one_point_curve", -3, 3, 1, {0, 0}},
                      RangeCase{"integer_extremes", INT32_MAX, INT32_MIN, 10, {0, 9}},
                      RangeCase{"already_valid", 0, 49, 50, {0, 49}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClampPeakRange, AnEmptyCurveHasNoRange)
{
    EXPECT_THROW(ClampPeakRange(0, 0, 0), common::RangeError);
}

}
}
