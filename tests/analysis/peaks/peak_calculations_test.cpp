#include "analysis/peaks/peak_calculations.h"

#include "analysis/checked_math.h"
#include "analysis/error_expect.h"
#include "common/errors.h"
#include "peak_curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace lmv::analysis {
namespace {

using test::ExpectMathError;
using test::TwoLines;
using test::UnitSpaced;

model::TPeakRec PeakOver(std::int32_t start, std::int32_t end)
{
    model::TPeakRec peak;
    peak.StartIdx = start;
    peak.EndIdx = end;
    return peak;
}

struct AreaCase {
    const char* name;
    std::vector<double> x, y;
    std::int32_t start, end;
    double expected;
};

std::string CaseName(const ::testing::TestParamInfo<AreaCase>& info) { return info.param.name; }

class HorizontalBaseAreaCases : public ::testing::TestWithParam<AreaCase> {};

TEST_P(HorizontalBaseAreaCases, SumsAboveTheFirstPointWithoutTheSpacing)
{
    const AreaCase& c = GetParam();
    const model::TPeakRec peak = PeakOver(c.start, c.end);
    EXPECT_DOUBLE_EQ(HorizontalBaseArea({c.x, c.y}, peak), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, HorizontalBaseAreaCases,
    ::testing::Values(
        AreaCase{"unit_spacing", {0, 1, 2, 3, 4}, {1, 3, 5, 3, 1}, 0, 4, 8},
        AreaCase{"spacing_two_changes_nothing", {0, 2, 4, 6, 8}, {1, 3, 5, 3, 1}, 0, 4, 8},
        AreaCase{"inner_range_uses_its_first_point", {0, 1, 2, 3, 4}, {1, 3, 5, 3, 1}, 1, 3, 2},
        AreaCase{"below_the_base_counts_positive", {0, 1, 2}, {5, 3, 1}, 0, 2, 6},
        AreaCase{"last_point_included", {0, 1, 2}, {0, 0, 7}, 0, 2, 7},
        AreaCase{"one_point", {0, 1}, {4, 9}, 1, 1, 0}),
    CaseName);

class SlopedBaseAreaCases : public ::testing::TestWithParam<AreaCase> {};

TEST_P(SlopedBaseAreaCases, WeighsEachStepByItsSpacing)
{
    const AreaCase& c = GetParam();
    model::TPeakRec peak = PeakOver(c.start, c.end);
    EXPECT_DOUBLE_EQ(SlopedBaseArea({c.x, c.y}, peak), c.expected);
    EXPECT_EQ(peak.X1, c.x[c.start]);
    EXPECT_EQ(peak.Y1, c.y[c.start]);
    EXPECT_EQ(peak.X2, c.x[c.end]);
    EXPECT_EQ(peak.Y2, c.y[c.end]);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, SlopedBaseAreaCases,
    ::testing::Values(AreaCase{"unit_spacing", {0, 1, 2, 3, 4}, {1, 3, 5, 3, 1}, 0, 4, 8},
                      AreaCase{"spacing_two_doubles", {0, 2, 4, 6, 8}, {1, 3, 5, 3, 1}, 0, 4, 16},
                      AreaCase{"rising_baseline_by_index", {0, 1, 2}, {0, 4, 2}, 0, 2, 3},
                      AreaCase{"baseline_by_index_not_by_x", {0, 1, 3}, {0, 4, 2}, 0, 2, 6},
                      AreaCase{
                          "below_the_baseline_counts_positive", {0, 1, 2}, {0, -4, 2}, 0, 2, 5},
                      AreaCase{"inner_range", {0, 1, 2, 3, 4}, {9, 0, 4, 2, 9}, 1, 3, 3},
                      AreaCase{"one_point_stores_its_ends", {0, 1, 2}, {3, 4, 5}, 1, 1, 0}),
    CaseName);

TEST(PeakHeight, FindsLowestAndHighestBeforeTheLastPoint)
{
    const TPageCurve curve = UnitSpaced({5, 1, 9, 9, 0});
    model::TPeakRec peak = PeakOver(0, 4);
    EXPECT_EQ(PeakHeight(curve.View(), peak), 8.0);
    EXPECT_EQ(peak.MinIdx, 1);
    EXPECT_EQ(peak.MaxIdx, 2);
}

TEST(PeakHeight, FirstOfEqualValuesWins)
{
    const TPageCurve curve = UnitSpaced({4, 2, 7, 1, 7, 1, 30});
    model::TPeakRec peak = PeakOver(1, 6);
    EXPECT_EQ(PeakHeight(curve.View(), peak), 6.0);
    EXPECT_EQ(peak.MinIdx, 3);
    EXPECT_EQ(peak.MaxIdx, 2);
}

TEST(PeakHeight, OnePointIsZeroAtItself)
{
    const TPageCurve curve = UnitSpaced({4, 2});
    model::TPeakRec peak = PeakOver(1, 1);
    EXPECT_EQ(PeakHeight(curve.View(), peak), 0.0);
    EXPECT_EQ(peak.MinIdx, 1);
    EXPECT_EQ(peak.MaxIdx, 1);
}

TEST(BendPoint, FourteenPointsGiveTheHeightAndKeepTheLineFields)
{
    const TPageCurve curve = UnitSpaced({0, 3, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    model::TPeakRec peak = PeakOver(0, 13);
    peak.A0 = peak.A1 = peak.B0 = peak.B1 = peak.X1 = peak.Y1 = 7.5;
    EXPECT_EQ(BendPoint(curve.View(), peak), 3.0);
    EXPECT_EQ(peak.MaxIdx, 1);
    for (double field : {peak.A0, peak.A1, peak.B0, peak.B1, peak.X1, peak.Y1})
        EXPECT_EQ(field, 7.5);
}

TEST(BendPoint, FifteenPointsCrossAtTheBend)
{
    const TPageCurve curve = TwoLines([](double x) { return x; }, [](double x) { return 20 - x; });
    model::TPeakRec peak = PeakOver(0, 14);
    EXPECT_NEAR(BendPoint(curve.View(), peak), 10.0, 1e-9);
    EXPECT_NEAR(peak.X1, 10.0, 1e-9);
    EXPECT_NEAR(peak.Y1, 10.0, 1e-9);
    EXPECT_NEAR(peak.A0, 0.0, 1e-9);
    EXPECT_NEAR(peak.A1, 1.0, 1e-9);
    EXPECT_NEAR(peak.B0, 20.0, 1e-9);
    EXPECT_NEAR(peak.B1, -1.0, 1e-9);
}

TEST(BendPoint, UsesTheEndsOfAnInnerRange)
{
    // Points 2 .. 16 of a longer curve carry the two lines; the outer points would spoil a fit.
    TPageCurve curve = TwoLines([](double x) { return 2 * x; }, [](double x) { return 30 - x; });
    for (double& x : curve.X)
        x += 2;
    curve.X.insert(curve.X.begin(), {0, 1});
    curve.Y.insert(curve.Y.begin(), {-500, 500});
    curve.X.insert(curve.X.end(), {17, 18});
    curve.Y.insert(curve.Y.end(), {-500, 500});
    model::TPeakRec peak = PeakOver(2, 16);
    // 2(x − 2) = 30 − (x − 2): x − 2 = 10.
    EXPECT_NEAR(BendPoint(curve.View(), peak), 12.0, 1e-9);
    EXPECT_NEAR(peak.Y1, 20.0, 1e-9);
}

TEST(BendPoint, DescendingXStillAcceptsACrossingInside)
{
    TPageCurve curve = TwoLines([](double x) { return x; }, [](double x) { return 20 - x; });
    std::reverse(curve.X.begin(), curve.X.end());
    std::reverse(curve.Y.begin(), curve.Y.end());
    model::TPeakRec peak = PeakOver(0, 14);
    EXPECT_NEAR(BendPoint(curve.View(), peak), 10.0, 1e-9);
}

struct OutsideCase {
    const char* name;
    double (*last)(double);
};

class BendPointOutside : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(BendPointOutside, CrossingOutsideTheRangeIsZero)
{
    const TPageCurve curve = TwoLines([](double x) { return x + 3; }, GetParam().last);
    model::TPeakRec peak = PeakOver(0, 14);
    EXPECT_EQ(BendPoint(curve.View(), peak), 0.0);
    EXPECT_EQ(peak.X1, 0.0);
    EXPECT_EQ(peak.Y1, peak.A0);
    EXPECT_NEAR(peak.A0, 3.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BendPointOutside,
    ::testing::Values(
        OutsideCase{"left_of_the_first_point", [](double x) { return 0.5 * x - 2; }},  // x = −10
        OutsideCase{"right_of_the_last_point", [](double x) { return 2 * x - 30; }}),  // x = 33
    [](const auto& info) { return std::string(info.param.name); });

TEST(BendPoint, CoincidingLinesAreAnInvalidOperation)
{
    std::vector<double> line;
    for (int i = 0; i < 15; ++i)
        line.push_back(i);
    const TPageCurve curve = UnitSpaced(line);
    model::TPeakRec peak = PeakOver(0, 14);
    peak.X1 = peak.Y1 = 7.5;
    ExpectMathError([&] { BendPoint(curve.View(), peak); }, InvalidOpText);
    EXPECT_EQ(peak.A0, 0.0);
    EXPECT_EQ(peak.A1, 1.0);
    EXPECT_EQ(peak.B0, 0.0);
    EXPECT_EQ(peak.B1, 1.0);
    EXPECT_EQ(peak.X1, 7.5);
    EXPECT_EQ(peak.Y1, 7.5);
}

TEST(BendPoint, ParallelLinesAreADivisionByZero)
{
    const TPageCurve curve = TwoLines([](double) { return 1.0; }, [](double) { return 4.0; });
    model::TPeakRec peak = PeakOver(0, 14);
    ExpectMathError([&] { BendPoint(curve.View(), peak); }, ZeroDivideText);
    EXPECT_EQ(peak.A1, peak.B1);
    EXPECT_EQ(peak.B0, 4.0);
}

TEST(BendPoint, SevenStartPointsAtOneXLeaveEveryLineFieldAsItWas)
{
    TPageCurve curve = TwoLines([](double x) { return x; }, [](double x) { return 20 - x; });
    for (int i = 0; i < 7; ++i)
        curve.X[i] = 2.0;
    model::TPeakRec peak = PeakOver(0, 14);
    peak.A0 = peak.A1 = peak.B0 = peak.B1 = 7.5;
    ExpectMathError([&] { BendPoint(curve.View(), peak); },
                    "Error in GaussJordan: matrix is singular");
    for (double field : {peak.A0, peak.A1, peak.B0, peak.B1})
        EXPECT_EQ(field, 7.5);
}

TEST(BendPoint, SevenEndPointsAtOneXKeepTheFirstLine)
{
    TPageCurve curve = TwoLines([](double x) { return x; }, [](double x) { return 20 - x; });
    for (int i = 8; i < 15; ++i)
        curve.X[i] = 9.0;
    model::TPeakRec peak = PeakOver(0, 14);
    peak.B0 = peak.B1 = 7.5;
    ExpectMathError([&] { BendPoint(curve.View(), peak); },
                    "Error in GaussJordan: matrix is singular");
    EXPECT_NEAR(peak.A1, 1.0, 1e-9);
    EXPECT_EQ(peak.B0, 7.5);
    EXPECT_EQ(peak.B1, 7.5);
}

struct BadRangeCase {
    const char* name;
    std::int32_t start, end;
};

class CalculationsRejectBadRanges : public ::testing::TestWithParam<BadRangeCase> {};

TEST_P(CalculationsRejectBadRanges, EveryCalculationIsARangeErrorAndWritesNothing)
{
    const TPageCurve curve = UnitSpaced({1, 2, 3});
    const model::TPeakRec before = PeakOver(GetParam().start, GetParam().end);
    for (std::int32_t type : {CalcHorizontalBase, CalcBendPoint, CalcSlopedBase}) {
        model::TPeakRec peak = before;
        peak.CalcType = type;
        EXPECT_THROW(PeakValue(curve.View(), peak), common::RangeError) << "type " << type;
        EXPECT_EQ(peak, [&] {
            model::TPeakRec p = before;
            p.CalcType = type;
            return p;
        }());
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, CalculationsRejectBadRanges,
                         ::testing::Values(BadRangeCase{"negative", -1, 1},
                                           BadRangeCase{"past_the_end", 0, 3},
                                           BadRangeCase{"reversed", 2, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Calculations, EmptyCurveIsARangeError)
{
    model::TPeakRec peak = PeakOver(0, 0);
    EXPECT_THROW(SlopedBaseArea({}, peak), common::RangeError);
}

TEST(Calculations, UnequalArraysAreARangeError)
{
    const std::vector<double> x{0, 1, 2}, y{1, 2};
    model::TPeakRec peak = PeakOver(0, 1);
    EXPECT_THROW(HorizontalBaseArea({x, y}, peak), common::RangeError);
}

TEST(Calculations, AnOverflowingAreaIsAnError)
{
    const double big = std::numeric_limits<double>::max();
    const TPageCurve curve = UnitSpaced({-big, big, big});
    model::TPeakRec peak = PeakOver(0, 2);
    EXPECT_THROW(HorizontalBaseArea(curve.View(), peak), common::MathError);
}

TEST(PeakValue, PicksTheCalculationOfTheType)
{
    const TPageCurve curve = UnitSpaced({0, 4, 2});
    model::TPeakRec peak = PeakOver(0, 2);
    peak.CalcType = CalcHorizontalBase;
    EXPECT_EQ(PeakValue(curve.View(), peak), 6.0);
    peak.CalcType = CalcSlopedBase;
    EXPECT_EQ(PeakValue(curve.View(), peak), 3.0);
    peak.CalcType = CalcBendPoint;
    EXPECT_EQ(PeakValue(curve.View(), peak), 4.0);
    peak.CalcType = 3;
    EXPECT_EQ(PeakValue(curve.View(), peak), std::nullopt);
}

}
}
