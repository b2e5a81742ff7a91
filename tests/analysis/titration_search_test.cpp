#include "analysis/titration_solver.h"

#include "error_expect.h"
#include "titration_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace lmv::analysis {
namespace {

using test::CurveShape;
using test::TanhCurve;
using test::TanhStep;

class TitrationSearch : public ::testing::Test {
protected:
    TDoubleArr Search(const TDataArr& curve)
    {
        solver.SetData(curve);
        TDoubleArr volumes;
        solver.FindVolumes(volumes);
        return volumes;
    }

    TSolver solver;
};

struct StepCurve {
    const char* name;
    CurveShape shape;
    int maxInflections;
    std::vector<double> volumes;  // the steps' own inflections, ascending
};

class StepCurves : public TitrationSearch, public ::testing::WithParamInterface<StepCurve> {};

TEST_P(StepCurves, FindTheInflectionsOfTheSteps)
{
    const StepCurve& c = GetParam();
    solver.SetMaxInflections(c.maxInflections);
    const TDoubleArr volumes = Search(TanhCurve(c.shape));
    ASSERT_EQ(volumes.size(), c.volumes.size());
    for (std::size_t i = 0; i < volumes.size(); ++i)
        EXPECT_NEAR(volumes[i], c.volumes[i], 0.05) << "volume " << i;

    // Each marker's value is the signal at its volume, and its fit is a real one.
    TDoubleArr values;
    solver.GetValues(values);
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        const TMarkerRec& marker = solver.Markers()[i];
        double expected = c.shape.Base;
        for (const TanhStep& step : c.shape.Steps)
            expected +=
                step.Height / 2 * (1 + std::tanh((marker.Volume - step.Volume) / step.Width));
        EXPECT_NEAR(values[i], expected, 0.05 * std::fabs(c.shape.Steps[0].Height))
            << "value " << i;
        EXPECT_GE(marker.Width, 7);
        EXPECT_GT(marker.R, 0.99);
        EXPECT_EQ(marker.Coef[4], 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Curves, StepCurves,
    ::testing::Values(
        StepCurve{"one_step", {201, 20.0, 3.0, {{10.03, 6.0, 0.4}}, 0.0}, 2, {10.03}},
        StepCurve{"two_steps",
                  {401, 20.0, 2.0, {{6.0, 4.0, 0.3}, {14.2, 5.0, 0.3}}, 0.0},
                  2,
                  {6.0, 14.2}},
        StepCurve{"three_steps_all_kept",
                  {601, 30.0, 2.0, {{6.0, 4.0, 0.5}, {15.0, 4.0, 0.2}, {24.0, 4.0, 0.5}}, 0.0},
                  3,
                  {6.0, 15.0, 24.0}},
        // The sharp middle step has the narrowest window and goes first when only two may stay.
        StepCurve{"three_steps_cut_to_two",
                  {601, 30.0, 2.0, {{6.0, 4.0, 0.5}, {15.0, 4.0, 0.2}, {24.0, 4.0, 0.5}}, 0.0},
                  2,
                  {6.0, 24.0}},
        StepCurve{"falling", {201, 20.0, 11.0, {{8.5, -7.0, 0.4}}, 0.0}, 2, {8.5}},
        StepCurve{"near_the_start", {201, 20.0, 3.0, {{1.0, 6.0, 0.3}}, 0.0}, 2, {1.0}},
        StepCurve{"noisy", {401, 20.0, 3.0, {{9.7, 6.0, 0.5}}, 0.05}, 1, {9.7}}),
    [](const auto& info) { return std::string(info.param.name); });

struct PinnedMarker {
    int center;
    int width;
    double volume;
    double value;
};

struct PinnedSearch {
    const char* name;
    CurveShape shape;
    int maxInflections;
    int smoothPasses;
    std::vector<PinnedMarker> markers;
};

class PinnedSearches : public TitrationSearch,
                       public ::testing::WithParamInterface<PinnedSearch> {};

// The answers were worked out apart from this code, by a plain step-by-step transcription of the
// search's arithmetic on the same points. Centres and widths pin the peak extents, the window
// growth and its stop rules; the volumes and values (to 1e-6) the fits; the pass counts the
// smoothing rule. The curves reach the validity test, the filter, the discriminant stop, a
// negative centre offset and up to 19 smoothing passes.
TEST_P(PinnedSearches, GiveTheSearchsOwnResults)
{
    const PinnedSearch& c = GetParam();
    solver.SetMaxInflections(c.maxInflections);
    const TDoubleArr volumes = Search(TanhCurve(c.shape));
    EXPECT_EQ(solver.SmoothPasses(), c.smoothPasses);
    ASSERT_EQ(solver.Markers().size(), c.markers.size());
    ASSERT_EQ(volumes.size(), c.markers.size());
    for (std::size_t i = 0; i < c.markers.size(); ++i) {
        const TMarkerRec& marker = solver.Markers()[i];
        EXPECT_EQ(marker.Center, c.markers[i].center) << "marker " << i;
        EXPECT_EQ(marker.Width, c.markers[i].width) << "marker " << i;
        EXPECT_NEAR(marker.Volume, c.markers[i].volume, 1e-6) << "marker " << i;
        EXPECT_NEAR(marker.Value, c.markers[i].value, 1e-6) << "marker " << i;
        EXPECT_EQ(volumes[i], marker.Volume);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Curves, PinnedSearches,
    ::testing::Values(
        PinnedSearch{
            "two_steps",
            {401, 20.0, 2.0, {{6.0, 4.0, 0.3}, {14.2, 5.0, 0.3}}, 0.0},
            2,
            1,
            {{119, 17, 6.0071667505, 4.0342901227}, {283, 19, 14.2079755730, 8.5448800824}}},
        PinnedSearch{"noisy",
                     {401, 20.0, 3.0, {{9.7, 6.0, 0.5}}, 0.05},
                     1,
                     2,
                     {{193, 27, 9.7075751115, 6.0317547481}}},
        PinnedSearch{
            "mixed_signs",
            {101, 20.0, 2.0, {{16.5, -0.7, 0.3}, {17.7, 0.9, 0.1}, {15.0, -1.4, 1.2}}, 0.0},
            1,
            13,
            {{72, 43, 17.1253859865, 0.2308037126}}},
        PinnedSearch{"sharp_step_filtered",
                     {101, 20.0, 2.0, {{14.1, 2.8, 1.2}, {3.4, 0.7, 0.1}}, 0.0},
                     2,
                     1,
                     {{70, 16, 14.1156239064, 4.1131659006}}},
        PinnedSearch{"step_and_fall",
                     {101, 20.0, 2.0, {{14.8, 5.7, 0.1}, {12.1, -2.6, 0.9}}, 0.0},
                     2,
                     19,
                     {{77, 43, 14.5198657289, 2.9490798103}}},
        PinnedSearch{"noisy_overlapping_steps",
                     {301, 20.0, 2.0, {{7.2, 4.5, 1.0}, {11.2, 1.6, 0.7}, {9.0, 2.3, 1.0}}, 0.4},
                     1,
                     7,
                     {{133, 98, 7.2835039319, 4.5909092224}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Each solver keeps its own limit: limiting one leaves the other's search whole.
TEST_F(TitrationSearch, EachSolverKeepsItsOwnInflectionLimit)
{
    const TDataArr curve = TanhCurve({401, 20.0, 2.0, {{6.0, 4.0, 0.3}, {14.0, 5.0, 0.3}}, 0.0});
    TSolver limited;
    limited.SetMaxInflections(1);
    limited.SetData(curve);
    TDoubleArr limitedVolumes;
    limited.FindVolumes(limitedVolumes);
    EXPECT_EQ(limitedVolumes.size(), 1u);
    EXPECT_EQ(Search(curve).size(), 2u);
}

TEST_F(TitrationSearch, NoisyCurveNeedsSmoothingPasses)
{
    solver.SetMaxInflections(1);
    Search(TanhCurve({401, 20.0, 3.0, {{9.7, 6.0, 0.5}}, 0.05}));
    EXPECT_GT(solver.SmoothPasses(), 1);
    Search(TanhCurve({401, 20.0, 3.0, {{9.7, 6.0, 0.5}}, 0.0}));
    EXPECT_EQ(solver.SmoothPasses(), 1);
}

TEST_F(TitrationSearch, PureStepBetweenTwoLevelsIsSingular)
{
    TDataArr curve;
    for (int i = 0; i < 40; ++i)
        curve.push_back({i * 0.1, i < 20 ? 0.0 : 1.0});
    solver.SetData(curve);
    TDoubleArr volumes{42.0};
    test::ExpectMathError([&] { solver.FindVolumes(volumes); },
                          "Error in GaussJordan2: matrix is singular");
    EXPECT_EQ(volumes, TDoubleArr{42.0});
    EXPECT_TRUE(solver.Markers().empty());
}

TEST_F(TitrationSearch, FitErrorKeepsTheCompletedMarkersAndDropsTheFailedOne)
{
    // A tanh step (slope 16.7 per ml, found first) and, far from it, a pure step (slope 10).
    TDataArr curve;
    for (int i = 0; i <= 200; ++i) {
        const double x = i * 0.1;
        const double level = i < 50 ? 0.0 : 1.0;
        curve.push_back({x, level + 5.0 * (1 + std::tanh((x - 15.0) / 0.3))});
    }
    solver.SetSingleMarker(3.0, 4.0);
    const std::uint64_t revision = solver.Overlay().Revision();
    solver.SetData(curve);
    TDoubleArr volumes{42.0};
    test::ExpectMathError([&] { solver.FindVolumes(volumes); },
                          "Error in GaussJordan2: matrix is singular");
    ASSERT_EQ(solver.Markers().size(), 1u);
    EXPECT_NEAR(solver.Markers()[0].Volume, 15.0, 0.05);
    EXPECT_EQ(volumes, TDoubleArr{42.0});
    // Only the line overlays went; nothing was redrawn.
    EXPECT_EQ(solver.Overlay().Revision(), revision + 1);
    ASSERT_EQ(solver.Overlay().MarkSeries().Marks.size(), 1u);
    EXPECT_EQ(solver.Overlay().MarkSeries().Marks[0].X, 3.0);
}

TEST_F(TitrationSearch, EqualDerivativeEverywhereFindsNothing)
{
    TDataArr curve;
    for (int i = 0; i < 10; ++i)
        curve.push_back({double(i), 2.0 * i});
    solver.SetSingleMarker(1.0, 1.0);
    const TDoubleArr volumes = [&] {
        solver.SetData(curve);
        TDoubleArr v{5.0, 6.0};
        solver.FindVolumes(v);
        return v;
    }();
    EXPECT_TRUE(volumes.empty());
    EXPECT_TRUE(solver.Markers().empty());
    EXPECT_EQ(solver.SmoothPasses(), 1);
}

TEST_F(TitrationSearch, FewerThanFivePointsLeaveEverything)
{
    solver.SetSingleMarker(5.2, 7.0);
    solver.SetData({{0, 0}, {1, 1}, {2, 5}, {3, 6}});
    TDoubleArr volumes;
    solver.FindVolumes(volumes);
    EXPECT_TRUE(volumes.empty());
    EXPECT_TRUE(solver.Markers().empty());  // SetData forgot the marker, the search added none
    solver.SetSingleMarker(5.2, 7.0);
    TDoubleArr kept{1.5};
    solver.FindVolumes(kept);
    EXPECT_EQ(kept, TDoubleArr{1.5});
    ASSERT_EQ(solver.Markers().size(), 1u);
    EXPECT_EQ(solver.Markers()[0].Volume, 5.2);
}

// Search derivative 0, 5, 6, 5, 0: no smoothing, threshold 1.5, peak 2, width 6, centre 2; the
// first fit (width 7) reaches the first curve point and is the last.
TEST_F(TitrationSearch, SevenPointCurveFitsOnceWithWidthSeven)
{
    const TDataArr curve{{0, 0}, {1, 0}, {2, 5}, {3, 11}, {4, 16}, {5, 16}, {6, 16}};
    const TDoubleArr volumes = Search(curve);
    EXPECT_EQ(solver.SmoothPasses(), 1);
    ASSERT_EQ(volumes.size(), 1u);
    const TMarkerRec& marker = solver.Markers()[0];
    EXPECT_EQ(marker.Width, 7);
    EXPECT_EQ(marker.Center, 2);
    ASSERT_EQ(solver.Deriv().size(), 5u);
    EXPECT_EQ(solver.Deriv()[2].Y, 6.0);

    // The cubic is the least-squares fit of volume against signal over curve points 0 .. 5:
    // its residuals are orthogonal to 1, s, s², s³.
    const auto& c = marker.Coef;
    for (int power = 0; power < 4; ++power) {
        double dot = 0.0;
        for (int i = 0; i <= 5; ++i) {
            const double s = curve[i].Y;
            const double v = c[0] + c[1] * s + c[2] * s * s + c[3] * s * s * s;
            dot += (v - curve[i].X) * std::pow(s, power);
        }
        EXPECT_NEAR(dot, 0.0, 1e-7) << "power " << power;
    }
    const double inflection = -c[2] / (3 * c[3]);
    EXPECT_NEAR(marker.Value, inflection, 1e-12);
    EXPECT_NEAR(marker.Volume,
                c[0] + c[1] * inflection + c[2] * inflection * inflection +
                    c[3] * std::pow(inflection, 3),
                1e-9);
    EXPECT_EQ(volumes[0], marker.Volume);
    // The curve is point-symmetric about (2.5, 8).
    EXPECT_NEAR(marker.Volume, 2.5, 1e-9);
    EXPECT_NEAR(marker.Value, 8.0, 1e-9);
}

TEST_F(TitrationSearch, SmoothingStopsAfterTwentyPasses)
{
    // A full sine period: the derivative keeps both signs whatever the smoothing; the one
    // inflection kept is the falling one at half the period.
    TDataArr curve;
    for (int i = 0; i <= 400; ++i)
        curve.push_back({i * 0.05, std::sin(i * 0.05 * 2 * std::numbers::pi / 20.0)});
    solver.SetMaxInflections(1);
    const TDoubleArr volumes = Search(curve);
    EXPECT_EQ(solver.SmoothPasses(), 21);
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_NEAR(volumes[0], 10.0, 0.05);
}

TEST_F(TitrationSearch, SmoothingStopsWhenPassesReachThePointCount)
{
    // Two levels only in every window: the fit that follows is singular.
    const TDataArr zigzag{{0, 0}, {1, 0}, {2, 3}, {3, 0}, {4, 0}};
    solver.SetData(zigzag);
    TDoubleArr volumes;
    test::ExpectMathError([&] { solver.FindVolumes(volumes); },
                          "Error in GaussJordan2: matrix is singular");
    EXPECT_EQ(solver.SmoothPasses(), 5);
}

TEST_F(TitrationSearch, SecondSearchGivesTheSameResult)
{
    const TDataArr curve = TanhCurve({401, 20.0, 2.0, {{6.0, 4.0, 0.3}, {14.2, 5.0, 0.3}}, 0.0});
    const TDoubleArr first = Search(curve);
    const TDoubleArr second = Search(curve);
    EXPECT_EQ(first, second);
    EXPECT_EQ(solver.Overlay().MarkSeries().Marks.size(), 2u);
}

// A curve at X = 0, 1, 2 … whose search derivative is the given one (a flat last interval,
// which the search drops, closes it).
TDataArr CurveWithDerivative(const std::vector<double>& deriv)
{
    TDataArr curve{{0, 0}};
    double y = 0;
    for (double d : deriv) {
        y += d;
        curve.push_back({double(curve.size()), y});
    }
    curve.push_back({double(curve.size()), y});
    return curve;
}

struct PeakCase {
    const char* name;
    std::vector<double> deriv;
    std::vector<int> centers;
    std::vector<int> widths;
};

class PeakThreshold : public TitrationSearch, public ::testing::WithParamInterface<PeakCase> {};

// Threshold 25 % of 8 = 2 in every case: a point equal to it is not part of a peak, a best value
// equal to it ends the search, and the first point's value is a floor.
TEST_P(PeakThreshold, PeaksAndTheirExtents)
{
    const PeakCase& c = GetParam();
    Search(CurveWithDerivative(c.deriv));
    EXPECT_EQ(solver.SmoothPasses(), 1);
    std::vector<int> centers, widths;
    for (const TMarkerRec& marker : solver.Markers()) {
        centers.push_back(marker.Center);
        widths.push_back(marker.Width);
    }
    EXPECT_EQ(centers, c.centers);
    EXPECT_EQ(widths, c.widths);
}

INSTANTIATE_TEST_SUITE_P(
    Derivatives, PeakThreshold,
    ::testing::Values(
        // right 6, left 2: start width 8 around centre 2 + (6 − 2) / 2; the fit reaches the first
        // point.
        PeakCase{"plateau_ends_on_threshold", {0, 2, 8, 8, 8, 8, 8, 2, 0}, {4}, {8}},
        PeakCase{"second_peak_equal_to_threshold",
                 {0, 2, 8, 8, 8, 8, 8, 2, 0, 0, 0, 0, 0, 1, 2, 1, 0, 0, 0, 0, 0},
                 {4},
                 {8}},
        PeakCase{"second_peak_above_threshold",
                 {0, 2, 8, 8, 8, 8, 8, 2, 0, 0, 0, 0, 0, 1, 2.5, 1, 0, 0, 0, 0, 0},
                 {4, 14},
                 {8, 7}},
        PeakCase{"first_point_is_a_floor", {9, 0, 0, 0, 2, 8, 8, 8, 8, 8, 2, 0, 0, 0}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct HostileCurve {
    const char* name;
    TDataArr curve;
    const char* message;
};

class HostileCurves : public ::testing::TestWithParam<HostileCurve> {};

TEST_P(HostileCurves, AreAMathErrorAndChangeNothing)
{
    TSolver solver;
    const TDataArr good = TanhCurve({201, 20.0, 3.0, {{10.0, 6.0, 0.4}}, 0.0});
    solver.SetData(good);
    test::ExpectMathError([&] { solver.SetData(GetParam().curve); }, GetParam().message);
    EXPECT_EQ(solver.Data().size(), good.size());
    EXPECT_EQ(solver.Deriv().size(), good.size() - 1);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Curves, HostileCurves,
    ::testing::Values(HostileCurve{"nan_volume",
                                   {{0, 0}, {NaN, 1}, {2, 2}, {3, 3}, {4, 4}},
                                   "Invalid floating point operation"},
                      HostileCurve{"nan_signal",
                                   {{0, 0}, {1, NaN}, {2, 2}, {3, 3}, {4, 4}},
                                   "Invalid floating point operation"},
                      HostileCurve{"infinite_signal",
                                   {{0, 0}, {1, Inf}, {2, 2}, {3, 3}, {4, 4}},
                                   "Floating point overflow"},
                      // Equal volumes give no slope, which must not let their signals pass unseen.
                      HostileCurve{"nan_signal_at_a_repeated_volume",
                                   {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {3, NaN}},
                                   "Invalid floating point operation"},
                      HostileCurve{"infinite_signal_at_a_repeated_volume",
                                   {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {3, Inf}},
                                   "Floating point overflow"},
                      HostileCurve{
                          "single_nan_point", {{NaN, NaN}}, "Invalid floating point operation"},
                      HostileCurve{"overflowing_slope",
                                   {{0, -1e308}, {1e-10, 1e308}, {2, 2}, {3, 3}, {4, 4}},
                                   "Floating point overflow"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TitrationSolver, HugeSignalsOverflowTheFitAsAMathError)
{
    TSolver solver;
    TDataArr curve = TanhCurve({201, 20.0, 3.0, {{10.0, 6.0, 0.4}}, 0.0});
    for (model::TPoint& point : curve)
        point.Y *= 1e100;
    solver.SetData(curve);
    TDoubleArr volumes;
    test::ExpectMathError([&] { solver.FindVolumes(volumes); }, "Floating point overflow");
    EXPECT_TRUE(solver.Markers().empty());
}

TEST(TitrationSolver, SingleMarkerAfterClearCarriesOnlyItsVolumeAndValue)
{
    TSolver solver;
    solver.Clear();
    solver.SetSingleMarker(5.2, 7.0);
    ASSERT_EQ(solver.Markers().size(), 1u);
    const TMarkerRec& marker = solver.Markers()[0];
    EXPECT_EQ(marker.Volume, 5.2);
    EXPECT_EQ(marker.Width, 0);
    EXPECT_EQ(marker.Center, 0);
    TDoubleArr volumes, values;
    solver.GetVolumes(volumes);
    solver.GetValues(values);
    EXPECT_EQ(volumes, TDoubleArr{5.2});
    EXPECT_EQ(values, TDoubleArr{7.0});
}

TEST(TitrationSolver, StartsWithTheDefaults)
{
    const TSolver solver;
    EXPECT_EQ(solver.FitSamples(), 30);
    EXPECT_EQ(solver.ThresholdPercent(), 25);
    EXPECT_FALSE(solver.Options().ShowDeriv);
    EXPECT_TRUE(solver.Options().ShowBorders);
    EXPECT_FALSE(solver.Options().ShowFit);
    EXPECT_FALSE(solver.Options().ShowFitDeriv);
    EXPECT_EQ(solver.Chart(), ChartId::None);
    EXPECT_EQ(solver.MaxInflections(), 2);
}

TEST(TitrationSolver, SetDataGivesThePlainDerivative)
{
    TSolver solver;
    solver.SetData({{0, 0}, {1, 2}, {3, 4}});
    ASSERT_EQ(solver.Deriv().size(), 2u);
    EXPECT_EQ(solver.Deriv()[1].X, 2.0);
    EXPECT_EQ(solver.Deriv()[1].Y, 1.0);
    EXPECT_EQ(solver.Data().size(), 3u);
}

}
}
