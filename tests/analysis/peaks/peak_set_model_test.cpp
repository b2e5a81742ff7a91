#include "analysis/peaks/peak_set_model.h"

#include "analysis/checked_math.h"
#include "analysis/error_expect.h"
#include "analysis/peaks/peak_calculations.h"
#include "common/errors.h"
#include "peak_curves.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

namespace lmv::analysis {
namespace {

using lmv::model::TPeakRec;
using lmv::model::TPoint;
using test::UnitSpaced;

std::vector<double> Straight(int count)
{
    std::vector<double> y;
    for (int i = 0; i < count; ++i)
        y.push_back(i);
    return y;
}

// Pages 0 and 1 have curves, page 2 a chart without points, page 3 none.
class PeakSetModelTest : public ::testing::Test {
protected:
    PeakSetModelTest()
        : model(
              peaks,
              [this](std::int32_t page) -> std::optional<TPageCurve> {
                  ++curveRequests;
                  const auto found = pages.find(page);
                  if (found == pages.end())
                      return std::nullopt;
                  return found->second;
              },
              [this] { modified = true; })
    {
        pages[0] = UnitSpaced({1, 3, 5, 3, 1});
        pages[1] = UnitSpaced({0, 4, 2});
        pages[2] = TPageCurve{};
    }

    model::TPeakRec& Peak(std::size_t i) { return model.Peaks()[i]; }
    const std::optional<TIntegralCurve>& Integral(std::size_t i)
    {
        return model.IntegralSeries()[i];
    }

    std::map<std::int32_t, TPageCurve> pages;
    int curveRequests = 0;
    bool modified = false;
    model::TPeaks peaks;  // the record's list the model works on
    TPeakSetModel model;
};

TEST_F(PeakSetModelTest, AddPeakSetsNameRangeAndPageOnly)
{
    model.AddPeak(QStringLiteral("Пик"), 7, -1, 3);
    model::TPeakRec expected;
    expected.SetName(QStringLiteral("Пик"));
    expected.StartIdx = 7;
    expected.EndIdx = -1;
    expected.PageIndex = 3;
    ASSERT_EQ(model.Peaks().size(), 1u);
    EXPECT_EQ(Peak(0), expected);
    EXPECT_FALSE(modified);
    EXPECT_EQ(curveRequests, 0);
}

TEST_F(PeakSetModelTest, AddPeakCutsTheNameTo255Characters)
{
    model.AddPeak(QString(300, QChar(0x0416)), 0, 0, 0);
    EXPECT_EQ(Peak(0).GetName(), QString(255, QChar(0x0416)));
}

TEST_F(PeakSetModelTest, AddPeakKeepsCreationOrder)
{
    model.AddPeak("a", 0, 0, 0);
    model.AddPeak("b", 0, 0, 1);
    EXPECT_EQ(Peak(0).GetName(), "a");
    EXPECT_EQ(Peak(1).GetName(), "b");
}

struct RangeCase {
    const char* name;
    std::int32_t a, b;
    std::int32_t start, end;
    double value;
};

class SetPeakRangeCases : public PeakSetModelTest,
                          public ::testing::WithParamInterface<RangeCase> {};

TEST_P(SetPeakRangeCases, StoresTheClampedRangeAndItsArea)
{
    const RangeCase& c = GetParam();
    model.AddPeak("p", 0, 0, 0);
    EXPECT_TRUE(model.SetPeakRange(0, c.a, c.b));
    EXPECT_EQ(Peak(0).StartIdx, c.start);
    EXPECT_EQ(Peak(0).EndIdx, c.end);
    EXPECT_EQ(Peak(0).Value, c.value);
    EXPECT_TRUE(modified);
}

INSTANTIATE_TEST_SUITE_P(Ranges, SetPeakRangeCases,
                         ::testing::Values(RangeCase{"whole_curve", 0, 4, 0, 4, 8},
                                           RangeCase{"reversed", 3, 0, 0, 3, 8},
                                           RangeCase{"negative_start", -5, 2, 0, 2, 6},
                                           RangeCase{"past_the_end", 3, 80, 3, 4, 2},
                                           RangeCase{"unplaced", -1, -1, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PeakSetModelTest, ClampsToTheCurveOfThePeaksOwnPage)
{
    pages[0] = UnitSpaced(Straight(50));
    model.AddPeak("p", 0, 0, 0);
    model.SetPeakRange(0, 40, 80);
    EXPECT_EQ(Peak(0).StartIdx, 40);
    EXPECT_EQ(Peak(0).EndIdx, 49);
}

TEST_F(PeakSetModelTest, EachPeakIsCalculatedOnItsOwnPage)
{
    model.AddPeak("zero", 0, 2, 0);
    model.AddPeak("one", 0, 2, 1);
    model.Peaks()[1].CalcType = CalcSlopedBase;
    model.SetPeakRange(0, 0, 2);
    model.SetPeakRange(1, 0, 2);
    EXPECT_EQ(Peak(0).Value, 6.0);  // 1, 3, 5 above 1
    EXPECT_EQ(Peak(1).Value, 3.0);  // 0, 4, 2 above the line 0 .. 2
    EXPECT_EQ(Peak(1).X2, 2.0);
}

TEST_F(PeakSetModelTest, EachCalculationTypeSetsTheValue)
{
    const struct {
        std::int32_t type;
        double value;
    } cases[] = {{CalcHorizontalBase, 8}, {CalcBendPoint, 4}, {CalcSlopedBase, 8}};
    for (const auto& c : cases) {
        model.AddPeak("p", 0, 0, 0);
        model.Peaks().back().CalcType = c.type;
        model.SetPeakRange(std::int32_t(model.Peaks().size() - 1), 0, 4);
        EXPECT_EQ(model.Peaks().back().Value, c.value) << "type " << c.type;
    }
}

TEST_F(PeakSetModelTest, UnknownTypeKeepsTheValueButTakesTheRange)
{
    model.AddPeak("p", 0, 0, 0);
    Peak(0).CalcType = 7;
    Peak(0).Value = 2.5;
    EXPECT_TRUE(model.SetPeakRange(0, 1, 3));
    EXPECT_EQ(Peak(0).Value, 2.5);
    EXPECT_EQ(Peak(0).EndIdx, 3);
    EXPECT_TRUE(modified);
}

class PeakSetModelNoCurve : public PeakSetModelTest,
                            public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(PeakSetModelNoCurve, SetPeakRangeLeavesEverythingUnchanged)
{
    model.AddPeak("p", 5, 9, GetParam());
    model.SwitchIntegralCurves(true);
    const model::TPeaks peaksBefore = model.Peaks();
    const TIntegralCurves integralBefore = model.IntegralSeries();
    const std::uint64_t revision = model.IntegralRevision();
    modified = false;
    EXPECT_FALSE(model.SetPeakRange(0, 1, 2));
    EXPECT_EQ(model.Peaks(), peaksBefore);
    EXPECT_EQ(model.IntegralSeries(), integralBefore);
    EXPECT_EQ(model.IntegralRevision(), revision);
    EXPECT_FALSE(modified);
}

INSTANTIATE_TEST_SUITE_P(Pages, PeakSetModelNoCurve, ::testing::Values(2, 3), [](const auto& info) {
    return info.param == 2 ? "empty_curve" : "no_chart";
});

TEST_F(PeakSetModelTest, IndexBeyondThePeaksIsARangeError)
{
    model.AddPeak("p", 0, 0, 0);
    EXPECT_THROW(model.SetPeakRange(1, 0, 1), common::RangeError);
    EXPECT_THROW(model.SetPeakRange(-1, 0, 1), common::RangeError);
    EXPECT_FALSE(modified);
}

// A peak over Y = X on X = 0 .. 14 whose bend point divides by zero.
class PeakSetModelBendError : public PeakSetModelTest {
protected:
    PeakSetModelBendError()
    {
        pages[4] = UnitSpaced(Straight(15));
        model.AddPeak("good", 0, 0, 0);
        model.AddPeak("straight", 0, 0, 4);
        Peak(1).CalcType = CalcBendPoint;
        Peak(1).Value = 2.5;
        model.AddPeak("other", 0, 0, 1);
    }
};

TEST_F(PeakSetModelBendError, SetPeakRangeStoresRangeAndLinesThenFails)
{
    model.SwitchIntegralCurves(true);
    modified = false;
    Peak(1).Value = 2.5;
    const auto integralBefore = model.IntegralSeries();
    test::ExpectMathError([&] { model.SetPeakRange(1, 20, -3); }, InvalidOpText);
    EXPECT_EQ(Peak(1).StartIdx, 0);
    EXPECT_EQ(Peak(1).EndIdx, 14);
    EXPECT_EQ(Peak(1).A1, 1.0);
    EXPECT_EQ(Peak(1).B1, 1.0);
    EXPECT_EQ(Peak(1).Value, 2.5);
    EXPECT_EQ(model.IntegralSeries(), integralBefore);
    EXPECT_FALSE(modified);
}

TEST_F(PeakSetModelBendError, SetCalcKeepsTheNewTypeWhenTheCalculationFails)
{
    Peak(1).CalcType = CalcHorizontalBase;
    Peak(1).EndIdx = 14;
    test::ExpectMathError([&] { model.SetCalc(1, CalcBendPoint); }, InvalidOpText);
    EXPECT_EQ(Peak(1).CalcType, CalcBendPoint);
    EXPECT_EQ(Peak(1).Value, 2.5);
    EXPECT_FALSE(modified);
}

TEST_F(PeakSetModelBendError, RecalculationGoesOnPastTheFailingPeak)
{
    Peak(0).EndIdx = 4;
    Peak(2).EndIdx = 2;
    Peak(1).EndIdx = 14;
    model.AddPeak("no chart", 0, 4, 3);
    Peak(3).Value = 1.25;
    const TRecalcReport report = model.RecalculatePeaks();
    EXPECT_EQ(report.FailedPeaks, std::vector<std::int32_t>{1});
    EXPECT_EQ(report.Message, InvalidOpText);
    EXPECT_TRUE(report.Failed());
    EXPECT_EQ(Peak(0).Value, 8.0);
    EXPECT_EQ(Peak(1).Value, 2.5);
    EXPECT_EQ(Peak(2).Value, 6.0);
    EXPECT_EQ(Peak(3).Value, 1.25);
    EXPECT_TRUE(modified);
}

TEST_F(PeakSetModelBendError, OnlyFailuresLeaveModifiedClear)
{
    model.Peaks().erase(model.Peaks().begin());
    model.Peaks().pop_back();
    Peak(0).EndIdx = 14;
    const TRecalcReport report = model.RecalculatePeaks();
    EXPECT_EQ(report.FailedPeaks, std::vector<std::int32_t>{0});
    EXPECT_FALSE(modified);
}

TEST_F(PeakSetModelTest, RecalculationReportsTheFirstOfSeveralMessages)
{
    pages[4] = UnitSpaced(Straight(15));
    TPageCurve sameX = UnitSpaced(Straight(15));
    for (int i = 0; i < 7; ++i)
        sameX.X[i] = 0.0;
    pages[5] = sameX;
    for (std::int32_t page : {5, 4}) {
        model.AddPeak("bend", 0, 14, page);
        model.Peaks().back().CalcType = CalcBendPoint;
    }
    const TRecalcReport report = model.RecalculatePeaks();
    EXPECT_EQ(report.FailedPeaks, (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(report.Message, "Error in GaussJordan: matrix is singular");
}

TEST_F(PeakSetModelTest, RecalculationAsksEachPageOnce)
{
    for (int i = 0; i < 4; ++i)
        model.AddPeak("p", 0, 2, i % 2);
    model.SwitchIntegralCurves(true);
    EXPECT_EQ(curveRequests, 2);
    EXPECT_TRUE(model.RecalculatePeaks().FailedPeaks.empty());
}

TEST_F(PeakSetModelTest, SetCalcIgnoresAHitThatAddressesNoPeak)
{
    model.AddPeak("p", 0, 4, 0);
    for (std::int32_t hit : {-1, 1, 99}) {
        EXPECT_FALSE(model.SetCalc(hit, CalcSlopedBase));
        EXPECT_EQ(Peak(0).CalcType, CalcHorizontalBase);
        EXPECT_EQ(Peak(0).Value, 0.0);
        EXPECT_FALSE(modified);
    }
}

TEST_F(PeakSetModelTest, SetCalcSwitchesTheTypeAndRecalculates)
{
    pages[0] = UnitSpaced({0, 4, 2});
    model.AddPeak("p", 2, 0, 0);
    EXPECT_TRUE(model.SetCalc(0, CalcSlopedBase));
    EXPECT_EQ(Peak(0).CalcType, CalcSlopedBase);
    EXPECT_EQ(Peak(0).StartIdx, 0);
    EXPECT_EQ(Peak(0).Value, 3.0);
    EXPECT_TRUE(modified);
}

TEST_F(PeakSetModelTest, SetCalcOnAPageWithoutCurveKeepsThePeak)
{
    model.AddPeak("p", 0, 4, 3);
    EXPECT_FALSE(model.SetCalc(0, CalcBendPoint));
    EXPECT_EQ(Peak(0).CalcType, CalcHorizontalBase);
    EXPECT_FALSE(modified);
}

TEST_F(PeakSetModelTest, IntegralCurvesFollowEveryPeakOnItsOwnPage)
{
    pages[1] = TPageCurve{{10, 20, 30}, {1, 2, 3}};
    model.AddPeak("zero", 1, 3, 0);
    model.AddPeak("one", 0, 2, 1);
    model.AddPeak("no chart", 0, 2, 3);
    const std::uint64_t revision = model.IntegralRevision();
    EXPECT_FALSE(model.SwitchIntegralCurves(true).Failed());
    EXPECT_TRUE(model.IntegralShown());
    EXPECT_GT(model.IntegralRevision(), revision);
    ASSERT_EQ(model.IntegralSeries().size(), 3u);
    EXPECT_EQ(Integral(0), (TIntegralCurve{{{1, 3}, {2, 8}, {3, 11}}, 0}));
    EXPECT_EQ(Integral(1), (TIntegralCurve{{{10, 1}, {20, 3}, {30, 6}}, 1}));
    EXPECT_EQ(Integral(2), (TIntegralCurve{{}, std::nullopt}));
}

TEST_F(PeakSetModelTest, IntegralOfAPeakOutsideItsCurveIsEmptyButOnItsChart)
{
    model.AddPeak("p", 0, 4, 1);
    Peak(0).CalcType = 9;  // never recalculated into range
    model.SwitchIntegralCurves(true);
    EXPECT_EQ(Peak(0).EndIdx, 2);
    model.Peaks()[0].EndIdx = 8;
    model.AddPeak("q", 0, 2, 1);
    model.SetPeakRange(1, 0, 2);
    EXPECT_EQ(Integral(0), (TIntegralCurve{{}, 1}));
}

TEST_F(PeakSetModelTest, HidingDetachesButKeepsThePoints)
{
    model.AddPeak("p", 0, 1, 0);
    model.SwitchIntegralCurves(true);
    model.SwitchIntegralCurves(false);
    EXPECT_FALSE(model.IntegralShown());
    EXPECT_EQ(Integral(0), (TIntegralCurve{{{0, 1}, {1, 4}}, std::nullopt}));
}

TEST_F(PeakSetModelTest, SwitchingOffDetachesCurvesOfPeaksThatAreGone)
{
    model.AddPeak("p", 0, 1, 0);
    model.SwitchIntegralCurves(true);
    model.Peaks().clear();
    model.SwitchIntegralCurves(false);
    ASSERT_EQ(model.IntegralSeries().size(), 1u);
    EXPECT_FALSE(Integral(0)->ChartPage.has_value());
}

TEST_F(PeakSetModelTest, HidingMakesNoCurves)
{
    model.AddPeak("p", 0, 1, 0);
    model.SetPeakRange(0, 0, 1);
    EXPECT_TRUE(model.IntegralSeries().empty());
}

TEST_F(PeakSetModelTest, SurplusIntegralCurvesAreDroppedAtTheNextShowing)
{
    for (int i = 0; i < 3; ++i)
        model.AddPeak(QString::number(i), 0, i, 0);
    model.SwitchIntegralCurves(true);
    model.Peaks().erase(model.Peaks().begin(), model.Peaks().begin() + 2);
    EXPECT_EQ(model.IntegralSeries().size(), 3u);
    model.SetPeakRange(0, 0, 2);
    ASSERT_EQ(model.IntegralSeries().size(), 1u);
    EXPECT_EQ(Integral(0), (TIntegralCurve{{{0, 1}, {1, 4}, {2, 9}}, 0}));
}

TEST_F(PeakSetModelTest, NewPeaksGetTheirIntegralAtTheNextShowing)
{
    model.SwitchIntegralCurves(true);
    model.AddPeak("p", 0, 0, 1);
    model.SetPeakRange(0, 0, 0);
    EXPECT_EQ(Integral(0), (TIntegralCurve{{{0, 0}}, 1}));
}

TEST_F(PeakSetModelTest, ClearingIntegralPointsKeepsTheirCharts)
{
    model.AddPeak("p", 0, 1, 0);
    model.SwitchIntegralCurves(true);
    const std::uint64_t revision = model.IntegralRevision();
    model.ClearIntegralPoints();
    EXPECT_GT(model.IntegralRevision(), revision);
    EXPECT_EQ(Integral(0), (TIntegralCurve{{}, 0}));
}

TEST_F(PeakSetModelTest, SwitchWithoutPeaksChangesNothingElse)
{
    const TRecalcReport report = model.SwitchIntegralCurves(true);
    EXPECT_FALSE(report.Failed());
    EXPECT_TRUE(model.IntegralSeries().empty());
    EXPECT_FALSE(modified);
}

TEST_F(PeakSetModelTest, AFailingIntegralKeepsTheOldCurvesAndIsReported)
{
    const double big = std::numeric_limits<double>::max();
    model.AddPeak("p", 0, 1, 0);
    model.SwitchIntegralCurves(true);
    const auto before = model.IntegralSeries();
    pages[0] = UnitSpaced({big, big});
    Peak(0).CalcType = 5;  // the value itself needs no sum
    const TRecalcReport report = model.RecalculatePeaks();
    EXPECT_TRUE(report.Failed());
    EXPECT_EQ(report.Message, OverflowText);
    EXPECT_EQ(model.IntegralSeries(), before);
}

}
}
