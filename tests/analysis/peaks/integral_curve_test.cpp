#include "analysis/peaks/integral_curve.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <limits>

namespace lmv::analysis {
namespace {

using lmv::model::TPoint;

const std::vector<double> X{0.0, 0.5, 2.0, 4.0};
const std::vector<double> Y{1.0, 2.0, 3.0, -10.0};

struct SumCase {
    const char* name;
    std::int32_t start, end;
    std::vector<model::TPoint> expected;
};

class RunningSumCases : public ::testing::TestWithParam<SumCase> {};

TEST_P(RunningSumCases, SumsTheRawValuesFromTheFirstPoint)
{
    const SumCase& c = GetParam();
    EXPECT_EQ(RunningSum({X, Y}, c.start, c.end), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RunningSumCases,
    ::testing::Values(
        SumCase{"from_the_start", 0, 2, {{0.0, 1.0}, {0.5, 3.0}, {2.0, 6.0}}},
        SumCase{"inner_range_restarts_at_zero", 1, 3, {{0.5, 2.0}, {2.0, 5.0}, {4.0, -5.0}}},
        SumCase{"one_point", 3, 3, {{4.0, -10.0}}}, SumCase{"start_before_the_curve", -1, 2, {}},
        SumCase{"end_past_the_curve", 2, 4, {}}, SumCase{"reversed", 2, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunningSum, EmptyCurveGivesNoPoints) { EXPECT_TRUE(RunningSum({}, 0, 0).empty()); }

TEST(RunningSum, OverflowIsAnError)
{
    const double big = std::numeric_limits<double>::max();
    const std::vector<double> x{0, 1}, y{big, big};
    EXPECT_THROW(RunningSum({x, y}, 0, 1), common::MathError);
}

}
}
