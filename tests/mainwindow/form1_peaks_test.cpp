// The peaks in the running window: each is calculated on the curve of its own page, whatever
// page is active; its integral curve stands on the right axis of that page's chart; a failing
// peak among good ones gives one message and leaves the others calculated.
#include "form1_fixture.h"

#include "analysis/checked_math.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/series_kinds.h"

#include <QPointer>
#include <QTabWidget>
#include <qcustomplot.h>

#include <functional>
#include <ostream>
#include <vector>

namespace lmv::test {
namespace {

using lmv::model::TPeakRec;
using mainwindow::TChartSeries;

// Pages of the channel charts used below: Chart1 (Series1), Chart3 (FastLineSeries2) and
// Chart4 (FastLineSeries3, left empty); page 5 is the table page, without a chart.
constexpr int Page1 = 0;
constexpr int Page3 = 2;
constexpr int EmptyCurvePage = 3;
constexpr int TablePage = 5;

void Fill(mainwindow::TForm1& window, mainwindow::TCurveId curve, const std::vector<double>& x,
          const std::vector<double>& y)
{
    for (std::size_t i = 0; i < x.size(); ++i)
        window.CurveViews.Add(curve, x[i], y[i]);
}

std::vector<double> Steps(int count, double step = 1.0)
{
    std::vector<double> x;
    for (int i = 0; i < count; ++i)
        x.push_back(i * step);
    return x;
}

// Fifteen points on Y = X: the two end lines of the bend point have one slope.
std::vector<double> StraightLine() { return Steps(15); }

class Form1PeaksTest : public Form1Test {
protected:
    mainwindow::TForm1& Window()
    {
        mainwindow::TForm1& window = Form();
        if (!filled) {
            // Page 0: the small reference peak; page 2: ten points that would give other values.
            Fill(window, mainwindow::TCurveId::Series1, Steps(5, 2.0), {1, 3, 5, 3, 1});
            Fill(window, mainwindow::TCurveId::FastLineSeries2, Steps(10),
                 {0, 10, 0, 10, 0, 10, 0, 10, 0, 10});
            filled = true;
        }
        return window;
    }

    // A peak made on `page`, which is then left for page 2.
    int AddPeakOn(int page, int start, int end)
    {
        mainwindow::TForm1& window = Window();
        window.PageControl1->setCurrentIndex(page);
        window.AddPeak(QStringLiteral("Пик"), start, end);
        window.PageControl1->setCurrentIndex(Page3);
        return int(window.PeakSet().Peaks().size()) - 1;
    }

    const model::TPeakRec& Peak(int index)
    {
        return Window().PeakSet().Peaks().at(std::size_t(index));
    }
    mainwindow::TAction& Actn(const char* name) { return Window().Actn(QString::fromLatin1(name)); }
    mainwindow::TLineSeries* Integral(int index)
    {
        return Window().PeakIntegrals.Series().at(std::size_t(index));
    }

    bool filled = false;
};

TEST_F(Form1PeaksTest, PeakIsClampedAndCalculatedOnItsOwnPageWhileAnotherIsActive)
{
    const int peak = AddPeakOn(Page1, 0, 0);
    EXPECT_FALSE(Window().Modified()) << "adding a peak does not mark the record";
    ASSERT_EQ(Window().PageControl1->currentIndex(), Page3);

    EXPECT_TRUE(Window().SetPeakRange(peak, 40, -5));

    EXPECT_EQ(Peak(peak).PageIndex, Page1);
    EXPECT_EQ(Peak(peak).StartIdx, 0);
    EXPECT_EQ(Peak(peak).EndIdx, 4) << "clamped to page 0's five points, not page 2's ten";
    EXPECT_EQ(Peak(peak).Value, 8.0);
    EXPECT_TRUE(Window().Modified());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

struct CalcCase {
    const char* action;
    std::int32_t calcType;
    double value;  // over Y = (1, 3, 5, 3, 1) at X = 0, 2, 4, 6, 8
};

void PrintTo(const CalcCase& c, std::ostream* out) { *out << c.action; }

class Form1CalcTypeTest : public Form1PeaksTest, public ::testing::WithParamInterface<CalcCase> {};

TEST_P(Form1CalcTypeTest, ActionSetsTheTypeOfTheHitPeakAndItsValue)
{
    AddPeakOn(Page1, 0, 0);
    const int hit = AddPeakOn(Page1, 0, 4);
    Window().PeakMarking.SetHitPeak(hit);

    ASSERT_TRUE(Actn(GetParam().action).Execute());

    EXPECT_EQ(Peak(hit).CalcType, GetParam().calcType);
    EXPECT_EQ(Peak(hit).Value, GetParam().value);
    EXPECT_EQ(Peak(0).CalcType, 0);
    EXPECT_EQ(Peak(0).Value, 0.0) << "only the hit peak is calculated";
    EXPECT_TRUE(Window().Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Actions, Form1CalcTypeTest,
    ::testing::Values(CalcCase{"CalcS2Actn", 0, 8.0},  // the X spacing does not enter
                      CalcCase{"CalcIntSectActn", 1, 4.0},  // five points: the height
                      CalcCase{"CalcSActn", 2, 16.0}),  // the X spacing of 2 enters
    [](const auto& info) { return std::string(info.param.action); });

struct NoHitCase {
    const char* name;
    int hitPeak;
};

void PrintTo(const NoHitCase& c, std::ostream* out) { *out << c.name; }

class Form1CalcWithoutHitTest : public Form1PeaksTest,
                                public ::testing::WithParamInterface<NoHitCase> {};

TEST_P(Form1CalcWithoutHitTest, ActionChangesNothing)
{
    const int peak = AddPeakOn(Page1, 4, 0);
    Window().PeakMarking.SetHitPeak(GetParam().hitPeak);

    Actn("CalcSActn").ExecuteReportingErrors();

    EXPECT_EQ(Peak(peak).CalcType, 0);
    EXPECT_EQ(Peak(peak).StartIdx, 4);
    EXPECT_EQ(Peak(peak).EndIdx, 0);
    EXPECT_FALSE(Window().Modified());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(HitPeaks, Form1CalcWithoutHitTest,
                         ::testing::Values(NoHitCase{"NoPeakUnderTheMouse", -1},
                                           NoHitCase{"PastTheLastPeak", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1PeaksTest, IntegralCurveStandsOnTheRightAxisOfItsOwnPageChart)
{
    const int peak = AddPeakOn(Page1, 0, 2);
    Window().SetPeakRange(peak, 0, 2);
    mainwindow::TAction& showIntegral = Actn("ShowIntegeralActn");

    showIntegral.Execute();

    EXPECT_TRUE(showIntegral.Checked());
    mainwindow::TLineSeries* integral = Integral(peak);
    ASSERT_NE(integral, nullptr);
    EXPECT_EQ(integral->ParentChart(), Window().Chart1);
    EXPECT_FALSE(Window().Chart3->HasSeries(integral)) << "not on the active page's chart";
    EXPECT_TRUE(integral->OnRightAxis());
    EXPECT_TRUE(Window().Chart1->yAxis2->visible());
    ASSERT_EQ(integral->Count(), 3);
    const double expected[3][2] = {{0, 1}, {2, 4}, {4, 9}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(integral->XValue(i), expected[i][0]) << i;
        EXPECT_EQ(integral->YValue(i), expected[i][1]) << i;
    }
    EXPECT_EQ(Window().GetCurrentSeries(), Window().FastLineSeries2);
    Window().PageControl1->setCurrentIndex(Page1);
    EXPECT_EQ(Window().GetCurrentSeries(), Window().Series1)
        << "the page's curve stays its first series";

    showIntegral.Execute();

    EXPECT_FALSE(showIntegral.Checked());
    EXPECT_EQ(integral->ParentChart(), nullptr);
    EXPECT_FALSE(Window().Chart1->HasSeries(integral));
    EXPECT_EQ(integral->Count(), 3) << "a hidden curve keeps its points";
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1PeaksTest, IntegralCurvesOfRemovedPeaksAreFreed)
{
    AddPeakOn(Page1, 0, 4);
    AddPeakOn(Page3, 2, 5);
    Actn("ShowIntegeralActn").Execute();
    ASSERT_EQ(Window().PeakIntegrals.Series().size(), 2u);
    EXPECT_EQ(Integral(1)->ParentChart(), Window().Chart3);
    const QPointer<mainwindow::TLineSeries> removed = Integral(1);
    const int chart3Series = Window().Chart3->SeriesCount();

    Window().PeakSet().Peaks().pop_back();
    Window().SetPeakRange(0, 1, 3);

    EXPECT_TRUE(removed.isNull());
    EXPECT_EQ(Window().Chart3->SeriesCount(), chart3Series - 1);
    ASSERT_EQ(Window().PeakIntegrals.Series().size(), 1u);
    EXPECT_EQ(Integral(0)->Count(), 3);
}

struct FailingCurve {
    const char* name;
    std::vector<double> x;
    std::vector<double> y;
    const char* message;
};

void PrintTo(const FailingCurve& c, std::ostream* out) { *out << c.name; }

FailingCurve SevenAtOneX()
{
    FailingCurve curve{"SevenPointsAtOneX", {}, {}, "Error in GaussJordan: matrix is singular"};
    for (int i = 0; i < 15; ++i) {
        const double x = i < 7 ? 2.0 : double(i);
        curve.x.push_back(x);
        curve.y.push_back(i < 7 ? x : 20.0 - x);
    }
    return curve;
}

class Form1FailingPeakTest : public Form1PeaksTest,
                             public ::testing::WithParamInterface<FailingCurve> {
protected:
    // Peaks 0 and 2 on page 0 are good; peak 1, a bend point, fails on page 2's curve.
    void MakePeaks()
    {
        Window().CurveViews.Clear(mainwindow::TCurveId::FastLineSeries2);
        Fill(Window(), mainwindow::TCurveId::FastLineSeries2, GetParam().x, GetParam().y);
        AddPeakOn(Page1, 0, 4);
        AddPeakOn(Page3, 0, 14);
        AddPeakOn(Page1, 1, 3);
        Window().PeakSet().Peaks()[1].CalcType = 1;
        Window().PeakSet().Peaks()[1].Value = -1.0;
    }
};

TEST_P(Form1FailingPeakTest, SwitchingIntegralsShowsOneMessageAndCalculatesTheOthers)
{
    MakePeaks();

    Actn("ShowIntegeralActn").ExecuteReportingErrors();

    EXPECT_EQ(notifier.boxes, QStringList{QString::fromLatin1(GetParam().message)});
    EXPECT_EQ(Peak(0).Value, 8.0);
    EXPECT_EQ(Peak(2).Value, 2.0);
    EXPECT_EQ(Peak(1).Value, -1.0) << "the failing peak keeps its value";
    EXPECT_EQ(Peak(1).EndIdx, 14);
    EXPECT_TRUE(Actn("ShowIntegeralActn").Checked());
    EXPECT_EQ(Integral(0)->ParentChart(), Window().Chart1);
    EXPECT_EQ(Integral(2)->ParentChart(), Window().Chart1);
    EXPECT_TRUE(Window().Modified());
}

TEST_P(Form1FailingPeakTest, CalcTypeOfTheFailingPeakShowsItsMessageOnce)
{
    MakePeaks();
    Window().PeakMarking.SetHitPeak(1);

    Actn("CalcIntSectActn").ExecuteReportingErrors();

    EXPECT_EQ(notifier.boxes, QStringList{QString::fromLatin1(GetParam().message)});
    EXPECT_EQ(Peak(1).Value, -1.0);
    EXPECT_EQ(Peak(0).Value, 0.0);
    EXPECT_FALSE(Window().Modified()) << "a failed calculation does not mark the record";
}

INSTANTIATE_TEST_SUITE_P(Curves, Form1FailingPeakTest,
                         ::testing::Values(FailingCurve{"StraightLine", StraightLine(),
                                                        StraightLine(), analysis::InvalidOpText},
                                           SevenAtOneX()),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoCurveCase {
    const char* name;
    int page;
};

void PrintTo(const NoCurveCase& c, std::ostream* out) { *out << c.name; }

class Form1NoCurveTest : public Form1PeaksTest,
                         public ::testing::WithParamInterface<NoCurveCase> {};

TEST_P(Form1NoCurveTest, PeakStaysUnchanged)
{
    const int peak = AddPeakOn(GetParam().page, 10, 3);
    Window().PeakSet().Peaks()[std::size_t(peak)].Value = 2.5;
    ASSERT_EQ(Peak(peak).PageIndex, GetParam().page);

    EXPECT_FALSE(Window().SetPeakRange(peak, -5, 40));
    Actn("ShowIntegeralActn").ExecuteReportingErrors();
    Window().PeakMarking.SetHitPeak(peak);
    Actn("CalcSActn").ExecuteReportingErrors();

    EXPECT_EQ(Peak(peak).StartIdx, 10);
    EXPECT_EQ(Peak(peak).EndIdx, 3);
    EXPECT_EQ(Peak(peak).Value, 2.5);
    EXPECT_EQ(Peak(peak).CalcType, 0);
    EXPECT_FALSE(Window().Modified());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pages, Form1NoCurveTest,
                         ::testing::Values(NoCurveCase{"EmptyCurve", EmptyCurvePage},
                                           NoCurveCase{"PageWithoutChart", TablePage}),
                         [](const auto& info) { return std::string(info.param.name); });

// The peak set works on the shown record's own list: a recalculation or a new peak is in the
// record at once, before any save.
TEST_F(Form1PeaksTest, ThePeaksAreTheShownRecordsOwn)
{
    model::TBaseRecord record;
    record.Mode = 1;
    record.Channels = {{0, {{0, 1}, {2, 3}, {4, 5}, {6, 3}, {8, 1}}}};
    record.Peaks = {model::TPeakRec{}};
    record.Peaks[0].EndIdx = 4;
    Form();
    form->ShowRecord(store.SaveNewRecord(record));
    const model::TPeaks& shown = form->ShownRecord().Record().Peaks;
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].Value, 0.0) << "recalculated in the record";
    form->AddPeak(QStringLiteral("Новый"), 1, 3);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].GetName(), "Новый");
}

TEST_F(Form1PeaksTest, ModifiedIsTheFlagOfTheRecordOnScreen)
{
    Window().SetModified(true);
    EXPECT_TRUE(Window().ShownRecord().Modified());
    Window().ShownRecord().SetModified(false);
    EXPECT_FALSE(Window().Modified());
}

}
}
