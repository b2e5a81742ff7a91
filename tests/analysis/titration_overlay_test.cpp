#include "analysis/titration_overlay.h"
#include "analysis/titration_solver.h"

#include "error_expect.h"
#include "titration_curves.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <vector>

namespace lmv::analysis {
namespace {

constexpr ChartId Chart2{2};
constexpr TAxisRange LeftRange{0.0, 14.0};
constexpr TAxisRange RightRange{-100.0, 300.0};
constexpr TColor Red = RgbToColor(255, 0, 0);

// Two steps at 6.0 and 14.2 ml.
TDataArr TwoStepCurve()
{
    return test::TanhCurve({401, 20.0, 2.0, {{6.0, 4.0, 0.3}, {14.2, 5.0, 0.3}}, 0.0});
}

class Overlay : public ::testing::Test {
protected:
    explicit Overlay(VerticalAxis axis = VerticalAxis::Left)
        : solver(Chart2, [this](VerticalAxis a) {
              askedAxes.push_back(a);
              return a == VerticalAxis::Left ? LeftRange : RightRange;
          })
    {
        solver.SetVertAxis(axis);
    }

    void SearchTwoSteps()
    {
        solver.SetData(TwoStepCurve());
        TDoubleArr volumes;
        solver.FindVolumes(volumes);
        ASSERT_EQ(solver.Markers().size(), 2u);
    }

    const TTitrationOverlay& overlay() const { return solver.Overlay(); }

    std::vector<VerticalAxis> askedAxes;
    TSolver solver;
};

TEST_F(Overlay, SearchWithTwoMarkersDrawsBordersVolumeLinesAndMarks)
{
    solver.SetColor(Red);
    SearchTwoSteps();
    const auto& borders = overlay().BorderSeries();
    ASSERT_EQ(borders.size(), 6u);
    const TDataArr curve = TwoStepCurve();
    for (int i = 0; i < 2; ++i) {
        const TMarkerRec& marker = solver.Markers()[i];
        const int h = marker.Width / 2;
        const TOverlaySeries& left = borders[3 * i];
        const TOverlaySeries& right = borders[3 * i + 1];
        const TOverlaySeries& volume = borders[3 * i + 2];
        EXPECT_EQ(left.Role, SeriesRole::LeftBorder);
        EXPECT_EQ(right.Role, SeriesRole::RightBorder);
        EXPECT_EQ(volume.Role, SeriesRole::VolumeLine);
        for (const TOverlaySeries* series : {&left, &right, &volume}) {
            EXPECT_EQ(series->Marker, i);
            EXPECT_EQ(series->Pen, PenStyle::Dot);
            EXPECT_EQ(series->PenWidth, 2);
            EXPECT_EQ(series->Axis, VerticalAxis::Left);
            EXPECT_TRUE(series->Attached);
        }
        EXPECT_EQ(left.Color, BorderColor);
        EXPECT_EQ(right.Color, BorderColor);
        EXPECT_EQ(volume.Color, Red);
        const double a = curve[marker.Center - h].X;
        const double b = curve[marker.Center + h].X;
        ASSERT_EQ(left.Points.size(), 2u);
        EXPECT_EQ(left.Points[0].X, a);
        EXPECT_EQ(left.Points[0].Y, LeftRange.Max);
        EXPECT_EQ(left.Points[1].Y, LeftRange.Min);
        EXPECT_EQ(right.Points[0].X, b);
        ASSERT_EQ(volume.Points.size(), 2u);
        EXPECT_EQ(volume.Points[0].X, marker.Volume);
        EXPECT_EQ(volume.Points[0].Y, LeftRange.Min);
        EXPECT_EQ(volume.Points[1].Y, LeftRange.Max);
    }
    const auto& marks = overlay().MarkSeries().Marks;
    ASSERT_EQ(marks.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(marks[i].X, solver.Markers()[i].Volume);
        EXPECT_EQ(marks[i].Y, solver.Markers()[i].Value);
        EXPECT_EQ(marks[i].Label, MarkLabelText(solver.Markers()[i].Volume));
    }
    EXPECT_TRUE(overlay().FitSeries().empty());
    EXPECT_TRUE(overlay().FitDerivSeries().empty());
    EXPECT_TRUE(overlay().DerivSeries().Points.empty());
}

TEST_F(Overlay, SingleMarkerAfterClear)
{
    SearchTwoSteps();
    solver.Clear();
    EXPECT_TRUE(overlay().BorderSeries().empty());
    EXPECT_TRUE(overlay().MarkSeries().Marks.empty());
    solver.SetSingleMarker(5.2, 7.0);
    ASSERT_EQ(overlay().BorderSeries().size(), 3u);
    for (const auto& series : overlay().BorderSeries())
        EXPECT_TRUE(series.Points.empty());
    const auto& marks = overlay().MarkSeries().Marks;
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].X, 5.2);
    EXPECT_EQ(marks[0].Y, 7.0);
    EXPECT_EQ(marks[0].Label, QStringLiteral("V=5.2000 мл"));
}

TEST_F(Overlay, BordersOffRemoveTheLinesButKeepTheMarks)
{
    SearchTwoSteps();
    solver.SetOption(1, false);
    EXPECT_TRUE(overlay().BorderSeries().empty());
    EXPECT_EQ(overlay().MarkSeries().Marks.size(), 2u);
    solver.SetOption(1, true);
    EXPECT_EQ(overlay().BorderSeries().size(), 6u);
    EXPECT_EQ(overlay().MarkSeries().Marks.size(), 2u);
}

TEST_F(Overlay, UnknownOptionOnlyRedraws)
{
    SearchTwoSteps();
    const std::uint64_t revision = overlay().Revision();
    const TOverlayOptions before = solver.Options();
    solver.SetOption(4, true);
    solver.SetOption(-1, true);
    EXPECT_GT(overlay().Revision(), revision);
    EXPECT_EQ(solver.Options().ShowDeriv, before.ShowDeriv);
    EXPECT_EQ(solver.Options().ShowFit, before.ShowFit);
    EXPECT_EQ(solver.Options().ShowFitDeriv, before.ShowFitDeriv);
    EXPECT_EQ(overlay().BorderSeries().size(), 6u);
    EXPECT_EQ(overlay().MarkSeries().Marks.size(), 2u);
}

TEST_F(Overlay, RepeatedSearchesAndRedrawsNeverPileUpMarks)
{
    SearchTwoSteps();
    SearchTwoSteps();
    solver.SetOption(0, true);
    solver.Redraw();
    EXPECT_EQ(overlay().MarkSeries().Marks.size(), 2u);
    EXPECT_EQ(overlay().BorderSeries().size(), 6u);
}

TEST_F(Overlay, SetColorRecoloursTheLinesNowAndTheNextRedrawOnlyTheVolumeLines)
{
    SearchTwoSteps();
    solver.SetColor(Red);
    for (const auto& series : overlay().BorderSeries())
        EXPECT_EQ(series.Color, Red);
    solver.Redraw();
    int blue = 0, red = 0;
    for (const auto& series : overlay().BorderSeries()) {
        blue += series.Color == BorderColor;
        red += series.Color == Red && series.Role == SeriesRole::VolumeLine;
    }
    EXPECT_EQ(blue, 4);
    EXPECT_EQ(red, 2);
}

TEST_F(Overlay, FittedCubicsHaveTenSamplesPerWindowPointOnTheLeftAxis)
{
    SearchTwoSteps();
    solver.SetOption(2, true);
    const TDataArr curve = TwoStepCurve();
    ASSERT_EQ(overlay().FitSeries().size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const TOverlaySeries& fit = overlay().FitSeries()[i];
        const TMarkerRec& marker = solver.Markers()[i];
        EXPECT_EQ(fit.Role, SeriesRole::FittedCubic);
        EXPECT_EQ(fit.Color, FitColor);
        EXPECT_EQ(fit.Axis, VerticalAxis::Left);
        ASSERT_EQ(fit.Points.size(), std::size_t(10 * marker.Width));
        for (std::size_t k = 1; k < fit.Points.size(); ++k)
            EXPECT_LE(fit.Points[k - 1].X, fit.Points[k].X);
        const auto& c = marker.Coef;
        for (const model::TPoint& p : fit.Points)
            EXPECT_NEAR(p.X, c[0] + c[1] * p.Y + c[2] * p.Y * p.Y + c[3] * p.Y * p.Y * p.Y, 1e-9);
        // Samples run from the window's first signal up to one step short of its last.
        const int h = marker.Width / 2;
        const double s0 = curve[marker.Center - h].Y;
        const double s1 = curve[marker.Center + h].Y;
        double lowest = fit.Points[0].Y, highest = fit.Points[0].Y;
        for (const model::TPoint& p : fit.Points) {
            lowest = std::min(lowest, p.Y);
            highest = std::max(highest, p.Y);
        }
        EXPECT_DOUBLE_EQ(lowest, s0);
        EXPECT_NEAR(highest, s1 - (s1 - s0) / (10 * marker.Width), 1e-9);
    }
}

TEST_F(Overlay, FittedSlopesHaveFitSamplesTimesTenLessOnePointsOnTheRightAxis)
{
    SearchTwoSteps();
    solver.SetOption(3, true);
    ASSERT_EQ(overlay().FitDerivSeries().size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const TOverlaySeries& slope = overlay().FitDerivSeries()[i];
        EXPECT_EQ(slope.Role, SeriesRole::FittedSlope);
        EXPECT_EQ(slope.Color, FitDerivColor);
        EXPECT_EQ(slope.Axis, VerticalAxis::Right);
        ASSERT_EQ(slope.Points.size(), 299u);
        // A rising curve: the slope is positive everywhere and steepest at the inflection.
        model::TPoint steepest = slope.Points[0];
        for (const model::TPoint& p : slope.Points) {
            EXPECT_GT(p.Y, 0.0);
            if (p.Y > steepest.Y)
                steepest = p;
        }
        EXPECT_NEAR(steepest.X, solver.Markers()[i].Volume, 0.05);
    }
    solver.SetFitSamples(2);
    solver.Redraw();
    EXPECT_EQ(overlay().FitDerivSeries()[0].Points.size(), 19u);
}

TEST(OverlaySamples, FittedCubicAndSlopeSampleTheWindowsSignalSpan)
{
    // Signal i at curve point i; the marker's window is points 3 .. 7 (signals 3 to 7) and its
    // cubic V(s) = s², so the slope between samples s and s + step is 1 / (2s + step).
    TDataArr data;
    for (int i = 0; i <= 10; ++i)
        data.push_back({0.5 * i, double(i)});
    TMarkerRec marker;
    marker.Center = 5;
    marker.Width = 4;
    marker.Coef[2] = 1.0;
    const TMarkersArr markers{marker};
    TTitrationOverlay overlay;
    overlay.SetChart(ChartId{2});
    overlay.Rebuild(TOverlaySource{data, data, markers, {false, false, true, true}, 1, 0},
                    LeftRange);

    ASSERT_EQ(overlay.FitSeries().size(), 1u);
    const auto& cubic = overlay.FitSeries()[0].Points;
    ASSERT_EQ(cubic.size(), 40u);
    for (std::size_t k = 0; k < cubic.size(); ++k) {
        const double s = 3.0 + 0.1 * double(k);
        EXPECT_NEAR(cubic[k].Y, s, 1e-12) << k;
        EXPECT_NEAR(cubic[k].X, s * s, 1e-12) << k;
    }

    ASSERT_EQ(overlay.FitDerivSeries().size(), 1u);
    const auto& slope = overlay.FitDerivSeries()[0].Points;
    ASSERT_EQ(slope.size(), 9u);
    for (std::size_t k = 0; k < slope.size(); ++k) {
        const double s = 3.0 + 0.4 * double(k);
        const double next = s + 0.4;
        EXPECT_NEAR(slope[k].X, (s * s + next * next) / 2, 1e-12) << k;
        EXPECT_NEAR(slope[k].Y, 1.0 / (s + next), 1e-12) << k;
    }
}

TEST_F(Overlay, MarkerWithoutFitDrawsNoFittedOverlays)
{
    solver.SetData(TwoStepCurve());
    solver.SetOption(2, true);
    solver.SetOption(3, true);
    solver.SetSingleMarker(5.0, 3.0);
    ASSERT_EQ(overlay().FitSeries().size(), 1u);
    EXPECT_TRUE(overlay().FitSeries()[0].Points.empty());
    ASSERT_EQ(overlay().FitDerivSeries().size(), 1u);
    EXPECT_TRUE(overlay().FitDerivSeries()[0].Points.empty());
}

TEST_F(Overlay, FittedOverlaysNeedACurve)
{
    solver.SetOption(2, true);
    solver.SetOption(3, true);
    solver.Clear();
    solver.SetSingleMarker(5.2, 7.0);
    EXPECT_TRUE(overlay().FitSeries().empty());
    EXPECT_TRUE(overlay().FitDerivSeries().empty());
}

TEST_F(Overlay, HiddenSolverShowsOnlyTheLinesOfTheNextRedraw)
{
    SearchTwoSteps();
    solver.SetVisible(false);
    EXPECT_FALSE(overlay().DerivSeries().Attached);
    EXPECT_FALSE(overlay().MarkSeries().Attached);
    for (const auto& series : overlay().BorderSeries())
        EXPECT_FALSE(series.Attached);
    EXPECT_EQ(overlay().BorderSeries().size(), 6u);
    solver.SetOption(1, true);
    for (const auto& series : overlay().BorderSeries())
        EXPECT_TRUE(series.Attached);
    EXPECT_FALSE(overlay().DerivSeries().Attached);
    EXPECT_FALSE(overlay().MarkSeries().Attached);
    solver.SetVisible(true);
    EXPECT_TRUE(overlay().DerivSeries().Attached);
    EXPECT_TRUE(overlay().MarkSeries().Attached);
}

TEST_F(Overlay, DerivativeKeepsItsOwnOrder)
{
    // X goes back between points 1 and 2: the derivative's X does too.
    solver.SetData({{0, 0}, {2, 4}, {1, 5}, {3, 5}, {4, 9}});
    solver.SetOption(0, true);
    const TOverlaySeries& deriv = overlay().DerivSeries();
    EXPECT_FALSE(deriv.SortedByX);
    EXPECT_EQ(deriv.Color, DerivColor);
    ASSERT_EQ(deriv.Points.size(), 4u);
    const std::vector<double> xs{1.0, 1.5, 2.0, 3.5};
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(deriv.Points[i].X, xs[i]);
        EXPECT_EQ(deriv.Points[i].Y, solver.Deriv()[i].Y);
    }
    solver.SetOption(0, false);
    EXPECT_TRUE(overlay().DerivSeries().Points.empty());
}

TEST_F(Overlay, SearchDerivativeHasTwoPointsLessThanTheCurve)
{
    SearchTwoSteps();
    solver.SetOption(0, true);
    EXPECT_EQ(overlay().DerivSeries().Points.size(), TwoStepCurve().size() - 2);
}

TEST_F(Overlay, ShortCurveRemovesTheLinesAndKeepsTheMarks)
{
    SearchTwoSteps();
    solver.SetData({{0, 0}, {1, 1}, {2, 2}});
    TDoubleArr volumes;
    solver.FindVolumes(volumes);
    EXPECT_TRUE(overlay().BorderSeries().empty());
    EXPECT_EQ(overlay().MarkSeries().Marks.size(), 2u);
}

TEST_F(Overlay, LinesSpanTheAxisRangeOfTheRedraw)
{
    SearchTwoSteps();
    EXPECT_EQ(askedAxes.back(), VerticalAxis::Left);
    TSolver moving(Chart2, [](VerticalAxis) { return TAxisRange{-1.0, 1.0}; });
    moving.SetData(TwoStepCurve());
    TDoubleArr volumes;
    moving.FindVolumes(volumes);
    EXPECT_EQ(moving.Overlay().BorderSeries()[2].Points[0].Y, -1.0);
    EXPECT_EQ(moving.Overlay().BorderSeries()[2].Points[1].Y, 1.0);
}

class RightAxisOverlay : public Overlay {
protected:
    RightAxisOverlay() : Overlay(VerticalAxis::Right) {}
};

TEST_F(RightAxisOverlay, EverythingButTheFittedCubicsFollowsTheSolversAxis)
{
    solver.SetOption(2, true);
    solver.SetOption(3, true);
    SearchTwoSteps();
    EXPECT_EQ(askedAxes.back(), VerticalAxis::Right);
    EXPECT_EQ(overlay().DerivSeries().Axis, VerticalAxis::Right);
    EXPECT_EQ(overlay().MarkSeries().Axis, VerticalAxis::Right);
    for (const auto& series : overlay().BorderSeries())
        EXPECT_EQ(series.Axis, VerticalAxis::Right);
    EXPECT_EQ(overlay().BorderSeries()[2].Points[0].Y, RightRange.Min);
    for (const auto& series : overlay().FitSeries())
        EXPECT_EQ(series.Axis, VerticalAxis::Left);
    for (const auto& series : overlay().FitDerivSeries())
        EXPECT_EQ(series.Axis, VerticalAxis::Right);
}

TEST_F(Overlay, ChangingTheAxisLaterMovesAllButTheFittedOverlays)
{
    solver.SetOption(2, true);
    solver.SetOption(3, true);
    SearchTwoSteps();
    solver.SetVertAxis(VerticalAxis::Right);
    EXPECT_EQ(overlay().DerivSeries().Axis, VerticalAxis::Right);
    EXPECT_EQ(overlay().MarkSeries().Axis, VerticalAxis::Right);
    for (const auto& series : overlay().BorderSeries())
        EXPECT_EQ(series.Axis, VerticalAxis::Right);
    for (const auto& series : overlay().FitSeries())
        EXPECT_EQ(series.Axis, VerticalAxis::Left);
    for (const auto& series : overlay().FitDerivSeries())
        EXPECT_EQ(series.Axis, VerticalAxis::Right);
    solver.SetVertAxis(VerticalAxis::Left);
    for (const auto& series : overlay().FitDerivSeries())
        EXPECT_EQ(series.Axis, VerticalAxis::Right);
}

TEST(OverlayBinding, SolverWithoutChartAttachesNothingUntilBound)
{
    TSolver solver;
    solver.SetData(TwoStepCurve());
    TDoubleArr volumes;
    solver.FindVolumes(volumes);
    EXPECT_FALSE(solver.Overlay().MarkSeries().Attached);
    for (const auto& series : solver.Overlay().BorderSeries())
        EXPECT_FALSE(series.Attached);
    int changes = 0;
    solver.SetChangeListener([&] { ++changes; });
    solver.SetChart(Chart2, [](VerticalAxis) { return LeftRange; });
    EXPECT_EQ(solver.Chart(), Chart2);
    EXPECT_TRUE(solver.Overlay().MarkSeries().Attached);
    EXPECT_TRUE(solver.Overlay().DerivSeries().Attached);
    solver.Redraw();
    EXPECT_EQ(changes, 2);
    for (const auto& series : solver.Overlay().BorderSeries())
        EXPECT_TRUE(series.Attached);
}

TEST(OverlayBinding, NewSolverKeepsItsDerivativeOnTheRightUntilAnAxisIsSet)
{
    const TSolver solver(Chart2, {});
    EXPECT_EQ(solver.Overlay().DerivSeries().Axis, VerticalAxis::Right);
    EXPECT_EQ(solver.Overlay().MarkSeries().ArrowLength, 25);
    EXPECT_EQ(solver.Overlay().MarkSeries().ArrowColor, RgbToColor(0, 0, 0));
}

struct LabelCase {
    double volume;
    const char* text;
};

void PrintTo(const LabelCase& c, std::ostream* out) { *out << c.volume; }

class MarkLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(MarkLabels, FourDecimalsWithPoint)
{
    EXPECT_EQ(MarkLabelText(GetParam().volume), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Volumes, MarkLabels,
                         ::testing::Values(LabelCase{12.34567, "V=12.3457 мл"},
                                           LabelCase{5.2, "V=5.2000 мл"},
                                           LabelCase{0.0, "V=0.0000 мл"},
                                           LabelCase{-1.25, "V=-1.2500 мл"},
                                           LabelCase{1234.5, "V=1234.5000 мл"}),
                         lmv::test::PrintedName());

TEST(TMarkLabelPlacement, ArrowUpAndLeftLabelCornerAtItsEnd)
{
    const TMarkLabelPlacement placement = PlaceMarkLabel(QPointF(200, 150), QSizeF(80, 16));
    EXPECT_EQ(placement.ArrowStart, QPointF(200, 150));
    EXPECT_EQ(placement.ArrowEnd, QPointF(175, 125));
    EXPECT_EQ(placement.LabelRect, QRectF(95, 109, 80, 16));
    EXPECT_EQ(placement.LabelRect.bottomRight(), placement.ArrowEnd);
}

struct ColorCase {
    TColor color;
    TRgbTriple rgb;
};

void PrintTo(const ColorCase& c, std::ostream* out) { *out << std::hex << c.color; }

class Colors : public ::testing::TestWithParam<ColorCase> {};

TEST_P(Colors, BlueGreenRedBytes)
{
    const TRgbTriple rgb = ColorToRgb(GetParam().color);
    EXPECT_EQ(rgb.Red, GetParam().rgb.Red);
    EXPECT_EQ(rgb.Green, GetParam().rgb.Green);
    EXPECT_EQ(rgb.Blue, GetParam().rgb.Blue);
    EXPECT_EQ(RgbToColor(rgb.Red, rgb.Green, rgb.Blue), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Colors,
    ::testing::Values(ColorCase{0xFECDBC, {0xBC, 0xCD, 0xFE}}, ColorCase{DerivColor, {0, 15, 255}},
                      ColorCase{BorderColor, {0, 0, 255}}, ColorCase{FitColor, {0, 128, 0}},
                      ColorCase{FitDerivColor, {128, 0, 0}}, ColorCase{0x0000FF, {255, 0, 0}}),
    lmv::test::PrintedName());

}
}
