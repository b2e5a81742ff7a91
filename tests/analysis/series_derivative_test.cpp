#include "analysis/series_derivative.h"

#include "error_expect.h"

#include <gtest/gtest.h>

namespace lmv::analysis {
namespace {

struct DeriveCase {
    const char* name;
    TDataArr input;
    TDataArr expected;
};

class DeriveSeriesCases : public ::testing::TestWithParam<DeriveCase> {};

TEST_P(DeriveSeriesCases, SlopesAtMidpointsAndTheLastPointKept)
{
    TDataArr points = GetParam().input;
    DeriveSeries(points);
    EXPECT_EQ(points, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, DeriveSeriesCases,
    ::testing::Values(
        DeriveCase{"three_points", {{0, 0}, {1, 2}, {3, 4}}, {{0.5, 2}, {2, 1}, {3, 4}}},
        // Over equal X the first point keeps its Y and its X.
        DeriveCase{"equal_x", {{1, 5}, {1, 7}, {2, 9}}, {{1, 5}, {1.5, 2}, {2, 9}}},
        DeriveCase{"one_point", {{1, 5}}, {{1, 5}}}, DeriveCase{"empty", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeriveSeries, SecondCallGivesTheSecondDerivative)
{
    TDataArr points{{0, 0}, {1, 1}, {2, 4}, {3, 9}};
    DeriveSeries(points);
    DeriveSeries(points);
    // Slopes 1, 3, 5 at 0.5, 1.5, 2.5 beside (3, 9); then 2, 2 and the step to the raw point.
    EXPECT_EQ(points, (TDataArr{{1, 2}, {2, 2}, {2.75, 8}, {3, 9}}));
}

TEST(DeriveSeries, NonFiniteSlopeIsAMathError)
{
    TDataArr points{{0, 0}, {1, 1e308}, {2, -1e308}};
    test::ExpectMathError([&] { DeriveSeries(points); }, "Floating point overflow");
}

}
}
