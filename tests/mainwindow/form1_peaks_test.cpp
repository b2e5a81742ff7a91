// The peaks in the running window: each is calculated on the curve of its own page, whatever
// page is active; its integral curve stands on the right axis of that page's chart; a failing
// peak among good ones gives one message and leaves the others calculated.
#include "form1_fixture.h"
#include "peak_menu_click.h"

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

std::vector<model::TPoint> Points(const std::vector<double>& x, const std::vector<double>& y)
{
    std::vector<model::TPoint> points;
    for (std::size_t i = 0; i < x.size(); ++i)
        points.push_back({x[i], y[i]});
    return points;
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
        if (!filled)
            ShowCurves(Points(Steps(10), {0, 10, 0, 10, 0, 10, 0, 10, 0, 10}), {});
        return Form();
    }

    // A pH record shown: on page 0 the small reference peak's curve, on page 2 `page2`, and
    // these peaks; page 2 is then the active page.
    void ShowCurves(const std::vector<model::TPoint>& page2, const model::TPeaks& peaks)
    {
        model::TBaseRecord record;
        record.Mode = 1;
        record.Channels = {{0, Points(Steps(5, 2.0), {1, 3, 5, 3, 1})}, {2, page2}};
        record.Peaks = peaks;
        Form();
        form->ShowRecord(store.SaveNewRecord(record));
        Tabs().setCurrentIndex(Page3);
        filled = true;
    }

    // A peak made on `page`, which is then left for page 2.
    int AddPeakOn(int page, int start, int end, const QString& name = QStringLiteral("Пик"))
    {
        mainwindow::TForm1& window = Window();
        Tabs().setCurrentIndex(page);
        window.AddPeak(name, start, end);
        Tabs().setCurrentIndex(Page3);
        return int(window.PeakSet().Peaks().size()) - 1;
    }
    // The peak menu is made about the peak under a right click at x on the page's chart; page 2
    // is then the active page again.
    void RightClickOn(int page, double x)
    {
        RightClickOnPage(Window(), page, x);
        Tabs().setCurrentIndex(Page3);
    }

    QTabWidget& Tabs() { return Named<QTabWidget>(Form(), QStringLiteral("PageControl1")); }
    mainwindow::TChart& Chart(const char* name)
    {
        return Named<mainwindow::TChart>(Form(), QString::fromLatin1(name));
    }
    int IntegralCount()
    {
        int count = 0;
        for (const auto* series : Form().findChildren<mainwindow::TLineSeries*>())
            count += series->objectName().startsWith(QStringLiteral("IntegralSeries")) ? 1 : 0;
        return count;
    }

    const model::TPeakRec& Peak(int index)
    {
        return Window().PeakSet().Peaks().at(std::size_t(index));
    }
    mainwindow::TAction& Actn(const char* name) { return Window().Actn(QString::fromLatin1(name)); }
    mainwindow::TLineSeries* Integral(int index)
    {
        return Window().findChild<mainwindow::TLineSeries*>(
            QStringLiteral("IntegralSeries%1").arg(index));
    }

    bool filled = false;
};

TEST_F(Form1PeaksTest, PeakIsClampedAndCalculatedOnItsOwnPageWhileAnotherIsActive)
{
    const int peak = AddPeakOn(Page1, 0, 0);
    EXPECT_FALSE(Window().Modified()) << "adding a peak does not mark the record";
    ASSERT_EQ(Tabs().currentIndex(), Page3);

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
    RightClickOn(Page1, 4);

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
    bool pastTheLastPeak;  // else no peak is under the mouse
};

void PrintTo(const NoHitCase& c, std::ostream* out) { *out << c.name; }

class Form1CalcWithoutHitTest : public Form1PeaksTest,
                                public ::testing::WithParamInterface<NoHitCase> {};

TEST_P(Form1CalcWithoutHitTest, ActionChangesNothing)
{
    if (GetParam().pastTheLastPeak) {
        // The menu was about a second peak; the record shown next has none, and the one made
        // there stays the only one.
        AddPeakOn(Page1, 0, 1);
        AddPeakOn(Page1, 1, 3);
        RightClickOn(Page1, 4);
        ShowCurves(Points(Steps(10), {0, 10, 0, 10, 0, 10, 0, 10, 0, 10}), {});
    }
    const int peak = AddPeakOn(Page1, 4, 0);
    ASSERT_EQ(peak, 0);
    if (!GetParam().pastTheLastPeak)
        RightClickOn(Page1, 4);  // no peak spans it: this one ends before it starts

    Actn("CalcSActn").ExecuteReportingErrors();

    EXPECT_EQ(Peak(peak).CalcType, 0);
    EXPECT_EQ(Peak(peak).StartIdx, 4);
    EXPECT_EQ(Peak(peak).EndIdx, 0);
    EXPECT_FALSE(Window().Modified());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(HitPeaks, Form1CalcWithoutHitTest,
                         ::testing::Values(NoHitCase{"NoPeakUnderTheMouse", false},
                                           NoHitCase{"PastTheLastPeak", true}),
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
    EXPECT_EQ(integral->ParentChart(), &Chart("Chart1"));
    EXPECT_FALSE(Chart("Chart3").HasSeries(integral)) << "not on the active page's chart";
    EXPECT_TRUE(integral->OnRightAxis());
    EXPECT_TRUE(Chart("Chart1").yAxis2->visible());
    ASSERT_EQ(integral->Count(), 3);
    const double expected[3][2] = {{0, 1}, {2, 4}, {4, 9}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(integral->XValue(i), expected[i][0]) << i;
        EXPECT_EQ(integral->YValue(i), expected[i][1]) << i;
    }
    EXPECT_EQ(Window().GetCurrentSeries(),
              &Named<TChartSeries>(Window(), QStringLiteral("FastLineSeries2")));
    Tabs().setCurrentIndex(Page1);
    EXPECT_EQ(Window().GetCurrentSeries(),
              &Named<TChartSeries>(Window(), QStringLiteral("Series1")))
        << "the page's curve stays its first series";

    showIntegral.Execute();

    EXPECT_FALSE(showIntegral.Checked());
    EXPECT_EQ(integral->ParentChart(), nullptr);
    EXPECT_FALSE(Chart("Chart1").HasSeries(integral));
    EXPECT_EQ(integral->Count(), 3) << "a hidden curve keeps its points";
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1PeaksTest, IntegralCurvesOfRemovedPeaksAreFreed)
{
    AddPeakOn(Page1, 0, 4, QStringLiteral("A"));
    AddPeakOn(Page3, 2, 5, QStringLiteral("B"));
    Actn("ShowIntegeralActn").Execute();
    ASSERT_EQ(IntegralCount(), 2);
    EXPECT_EQ(Integral(1)->ParentChart(), &Chart("Chart3"));
    const QPointer<mainwindow::TLineSeries> removed = Integral(1);
    const int chart3Series = Chart("Chart3").SeriesCount();

    RightClickOn(Page3, 3.5);
    Actn("RemovePeakActn").Execute();
    ASSERT_EQ(Window().PeakSet().Peaks().size(), 1u);
    Window().SetPeakRange(0, 1, 3);

    EXPECT_TRUE(removed.isNull());
    EXPECT_EQ(Chart("Chart3").SeriesCount(), chart3Series - 1);
    ASSERT_EQ(IntegralCount(), 1);
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
    // Peaks 0 and 2 on page 0 are good; peak 1, a bend point, fails on page 2's curve: its
    // record is shown with the value it was stored with. The show's own calculation tells the
    // failure; only the calculations after it are the operator's edits.
    void MakePeaks()
    {
        model::TPeaks peaks(3);
        const int ranges[3][3] = {{Page1, 0, 4}, {Page3, 0, 14}, {Page1, 1, 3}};
        for (std::size_t i = 0; i < peaks.size(); ++i) {
            peaks[i].SetName(QStringLiteral("Пик"));
            peaks[i].PageIndex = ranges[i][0];
            peaks[i].StartIdx = ranges[i][1];
            peaks[i].EndIdx = ranges[i][2];
        }
        peaks[1].CalcType = 1;
        peaks[1].Value = -1.0;
        ShowCurves(Points(GetParam().x, GetParam().y), peaks);
        ASSERT_FALSE(notifier.boxes.isEmpty());
        ASSERT_FALSE(Window().ShownRecord().Edited());
        notifier.boxes.clear();
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
    EXPECT_EQ(Integral(0)->ParentChart(), &Chart("Chart1"));
    EXPECT_EQ(Integral(2)->ParentChart(), &Chart("Chart1"));
    EXPECT_TRUE(Window().ShownRecord().Edited());
}

TEST_P(Form1FailingPeakTest, CalcTypeOfTheFailingPeakShowsItsMessageOnce)
{
    MakePeaks();
    RightClickOn(Page3, 8);
    const double other = Peak(0).Value;

    Actn("CalcIntSectActn").ExecuteReportingErrors();

    EXPECT_EQ(notifier.boxes, QStringList{QString::fromLatin1(GetParam().message)});
    EXPECT_EQ(Peak(1).Value, -1.0);
    EXPECT_EQ(Peak(0).Value, other) << "only the hit peak is calculated";
    EXPECT_FALSE(Window().ShownRecord().Edited())
        << "a failed calculation does not mark the record";
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
    model::TPeakRec stored;
    stored.PageIndex = GetParam().page;
    stored.StartIdx = 10;
    stored.EndIdx = 3;
    stored.Value = 2.5;
    ShowCurves(Points(Steps(10), {0, 10, 0, 10, 0, 10, 0, 10, 0, 10}), {stored});
    const int peak = 0;
    ASSERT_EQ(Peak(peak).PageIndex, GetParam().page);
    ASSERT_EQ(Peak(peak).Value, 2.5);

    EXPECT_FALSE(Window().SetPeakRange(peak, -5, 40));
    Actn("ShowIntegeralActn").ExecuteReportingErrors();
    // No point of it can be under the mouse: its page has no curve.
    if (Window().ChartOfPage(GetParam().page))
        RightClickOn(GetParam().page, 5);
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
    Window().SetPeakRange(AddPeakOn(Page1, 0, 4), 0, 4);
    EXPECT_TRUE(Window().Modified());
    EXPECT_TRUE(Window().ShownRecord().Modified());
    ShowCurves(Points(Steps(10), {0, 10, 0, 10, 0, 10, 0, 10, 0, 10}), {});  // another record
    EXPECT_FALSE(Window().ShownRecord().Modified());
    EXPECT_FALSE(Window().Modified());
}

}
}
