#include "analysis/curve_filters.h"

#include "common/errors.h"
#include "error_expect.h"

#include <gtest/gtest.h>

#include <vector>

namespace lmv::analysis {
namespace {

TDataArr CurveOfY(const std::vector<double>& ys)
{
    TDataArr curve;
    for (std::size_t i = 0; i < ys.size(); ++i)
        curve.push_back({double(i) * 0.5, ys[i]});
    return curve;
}

std::vector<double> YOf(const TDataArr& curve)
{
    std::vector<double> ys;
    for (const auto& point : curve)
        ys.push_back(point.Y);
    return ys;
}

struct SmoothCase {
    const char* name;
    std::vector<double> input;
    int w;
    std::vector<double> expected;
};

class SmoothYCases : public ::testing::TestWithParam<SmoothCase> {};

TEST_P(SmoothYCases, AveragesForwardThenBackwardAndKeepsX)
{
    const SmoothCase& c = GetParam();
    TDataArr curve = CurveOfY(c.input);
    SmoothY(curve, c.w);
    EXPECT_EQ(YOf(curve), c.expected);
    for (std::size_t i = 0; i < curve.size(); ++i)
        EXPECT_EQ(curve[i].X, double(i) * 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SmoothYCases,
    ::testing::Values(
        SmoothCase{"two_point_window", {0, 0, 6, 0, 0}, 1, {0, 1.5, 3, 1.5, 0}},
        // Forward (0, 3, 3, 3, 0, 0); the backward windows read forward results below N−W.
        SmoothCase{"three_point_window", {0, 0, 0, 9, 0, 0}, 2, {0, 3, 2, 3, 2, 1}},
        SmoothCase{"window_wider_than_curve", {1, 5, 2}, 3, {1, 5, 2}},
        // Point 1 is in neither pass: W > N−1−W and W > 1.
        SmoothCase{"window_of_whole_curve", {3, 0, 6}, 2, {3, 0, 3}},
        SmoothCase{"single_point_window", {1, 2, 4}, 0, {1, 2, 4}}, SmoothCase{"empty", {}, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SmoothY, NegativeWindowIsARangeError)
{
    TDataArr curve = CurveOfY({1, 2, 3});
    EXPECT_THROW(SmoothY(curve, -1), common::RangeError);
}

TEST(SmoothY, OverflowingSumIsAMathError)
{
    TDataArr curve = CurveOfY({1.5e308, 1.5e308, 1.5e308});
    test::ExpectMathError([&] { SmoothY(curve, 1); }, "Floating point overflow");
}

TEST(Derivative, SlopesAtTheMidpoints)
{
    const TDataArr src{{0, 0}, {1, 2}, {3, 4}};
    TDataArr dst;
    Derivative(src, dst);
    ASSERT_EQ(dst.size(), 2u);
    EXPECT_EQ(dst[0].X, 0.5);
    EXPECT_EQ(dst[0].Y, 2.0);
    EXPECT_EQ(dst[1].X, 2.0);
    EXPECT_EQ(dst[1].Y, 1.0);
}

TEST(Derivative, EqualXLeavesZeroSlopeAtThatX)
{
    const TDataArr src{{1, 5}, {1, 9}, {2, 10}};
    TDataArr dst;
    Derivative(src, dst);
    ASSERT_EQ(dst.size(), 2u);
    EXPECT_EQ(dst[0].X, 1.0);
    EXPECT_EQ(dst[0].Y, 0.0);
    EXPECT_EQ(dst[1].Y, 1.0);
}

TEST(Derivative, EmptySourceLeavesDestinationAndOnePointEmptiesIt)
{
    TDataArr dst{{7, 7}};
    Derivative({}, dst);
    ASSERT_EQ(dst.size(), 1u);
    Derivative({{1, 1}}, dst);
    EXPECT_TRUE(dst.empty());
}

TEST(Derivative, OverflowingSlopeIsAMathError)
{
    TDataArr dst;
    test::ExpectMathError(
        [&] {
            Derivative({{0, -1e300}, {1e-300, 1e300}}, dst);
        },
        "Floating point overflow");
}

}
}
