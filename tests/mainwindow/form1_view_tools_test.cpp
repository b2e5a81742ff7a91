// The scale tools, automatic scaling and the view options in the running window.
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "shown_channels.h"

#include "analysis/titration_solver.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <limits>
#include <ostream>
#include <vector>

namespace lmv::test {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

class ViewToolsTest : public Form1Test {
protected:
    mainwindow::TForm1& Window()
    {
        mainwindow::TForm1& window = Form();
        window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
        window.ConfigureForDevice(1);
        Tabs().setCurrentIndex(0);
        return window;
    }
    mainwindow::TAction& Fit() { return Form().Actn(QStringLiteral("FitImageActn")); }
    void Execute(const char* name) { Form().Actn(QString::fromLatin1(name)).Execute(); }
    // A pH record of these readings shown: they are the curve of Chart1.
    void Points(const std::vector<std::pair<double, double>>& points)
    {
        std::vector<model::TPoint> curve;
        for (const auto& [x, y] : points)
            curve.push_back({x, y});
        ShowChannels(Form(), store, 1, {{0, curve}}, QString::number(++shown) + ".lmv");
    }
    QTabWidget& Tabs() { return Named<QTabWidget>(Form(), QStringLiteral("PageControl1")); }
    QLineEdit& Y() { return Named<QLineEdit>(Form(), QStringLiteral("Edit2")); }
    QLineEdit& DY() { return Named<QLineEdit>(Form(), QStringLiteral("Edit1")); }
    mainwindow::TChart& Chart(const char* name)
    {
        return Named<mainwindow::TChart>(Form(), QString::fromLatin1(name));
    }
    mainwindow::TChart& Chart1() { return Chart("Chart1"); }
    std::pair<double, double> Range(mainwindow::TChartAxis& axis)
    {
        return {axis.Minimum(), axis.Maximum()};
    }

    int shown = 0;
};

TEST_F(ViewToolsTest, EnterInAFieldSetsTheScaleAndEndsAutomaticScaling)
{
    Window();
    for (QLineEdit* field : {&Y(), &DY()}) {
        Y().setText(QStringLiteral("1,5"));
        DY().setText(QStringLiteral("0,5"));
        Fit().SetChecked(true);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(Y().text(), "1.5");
        EXPECT_EQ(DY().text(), "0.5");
        EXPECT_EQ(Range(Chart1().LeftAxis()), std::make_pair(1.0, 2.0));
        EXPECT_FALSE(Fit().Checked());
    }
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(ViewToolsTest, StepsByTenRewriteDYAndSetTheScale)
{
    Window();
    Execute("MultScaleBy10Actn");
    EXPECT_EQ(DY().text(), "40000.000000");
    EXPECT_EQ(Range(Chart1().LeftAxis()), std::make_pair(-40000.0, 40000.0));
    EXPECT_FALSE(Fit().Checked());
    Execute("DivScaleBy10Actn");
    Execute("DivScaleBy10Actn");
    EXPECT_EQ(DY().text(), "400.000000");
    EXPECT_EQ(Range(Chart1().LeftAxis()), std::make_pair(-400.0, 400.0));

    DY().setText(QStringLiteral("много"));
    Execute("MultScaleBy10Actn");
    EXPECT_EQ(DY().text(), "много");
    EXPECT_EQ(Range(Chart1().LeftAxis()), std::make_pair(-400.0, 400.0));
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(ViewToolsTest, AutomaticScalingFitsTheCurveAtEveryZoom)
{
    mainwindow::TForm1& window = Window();
    Points({{0, 0}, {10, 4}, {20, 10}});
    window.ChartZoom();
    EXPECT_EQ(Y().text(), "5.000000");
    EXPECT_EQ(DY().text(), "5.500000");
    EXPECT_DOUBLE_EQ(Chart1().LeftAxis().Minimum(), -0.5);
    EXPECT_DOUBLE_EQ(Chart1().LeftAxis().Maximum(), 10.5);
    EXPECT_EQ(Range(Chart1().BottomAxis()), std::make_pair(0.0, 20.0));

    Execute("FitImageActn");
    ASSERT_FALSE(Fit().Checked());
    Points({{0, 0}, {10, 4}, {20, 10}, {30, 30}});
    window.ChartZoom();
    EXPECT_EQ(Y().text(), "15.000000") << "the fields still follow";
    EXPECT_EQ(DY().text(), "16.500000");
    EXPECT_DOUBLE_EQ(Chart1().LeftAxis().Maximum(), 10.5) << "the axes do not";
    EXPECT_EQ(Range(Chart1().BottomAxis()), std::make_pair(0.0, 20.0));

    Execute("FitImageActn");
    EXPECT_TRUE(Fit().Checked());
    EXPECT_DOUBLE_EQ(Chart1().LeftAxis().Maximum(), 31.5) << "checking it fits again";
    EXPECT_EQ(Range(Chart1().BottomAxis()), std::make_pair(0.0, 30.0));
}

TEST_F(ViewToolsTest, ScrollingEndsAutomaticScalingAndRefreshesTheFields)
{
    Window();
    Points({{0, 2}, {1, 4}});
    const auto left = Range(Chart1().LeftAxis());
    Y().setText(QStringLiteral("0"));
    emit Chart1().findChild<mainwindow::TChartMouse*>()->AllowScroll();  // a right drag's step
    EXPECT_FALSE(Fit().Checked());
    EXPECT_EQ(Y().text(), "3.000000");
    EXPECT_EQ(Range(Chart1().LeftAxis()), left);
}

struct UnusableCase {
    const char* name;
    std::vector<std::pair<double, double>> points;
};

void PrintTo(const UnusableCase& c, std::ostream* out) { *out << c.name; }

class UnusableRangeTest : public ViewToolsTest,
                          public ::testing::WithParamInterface<UnusableCase> {};

// No reading can put an empty or non-finite range on an axis or into a field, so no error box
// can follow from one.
TEST_P(UnusableRangeTest, LeavesFieldsAxesAndTheirAutomaticFlagsAlone)
{
    mainwindow::TForm1& window = Window();
    Points(GetParam().points);
    Chart1().BottomAxis().SetAutomatic(true);
    window.ChartZoom();
    EXPECT_EQ(Y().text(), "0");
    EXPECT_EQ(DY().text(), "4000");
    EXPECT_EQ(Range(Chart1().LeftAxis()), std::make_pair(-4000.0, 4000.0));
    EXPECT_TRUE(Chart1().BottomAxis().Automatic());
    Execute("SetScaleActn");
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Curves, UnusableRangeTest,
    ::testing::Values(UnusableCase{"NoPoints", {}}, UnusableCase{"OnePoint", {{5, 7}}},
                      UnusableCase{"Flat", {{0, 3}, {0, 3}, {0, 3}}},
                      UnusableCase{"NonFinite", {{0, NaN}, {0, Inf}, {0, -Inf}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewToolsTest, NonFiniteReadingsAmongOthersAreLeftOut)
{
    mainwindow::TForm1& window = Window();
    Points({{0, 1}, {1, NaN}, {2, Inf}, {3, 5}});
    window.ChartZoom();
    EXPECT_EQ(Y().text(), "3.000000");
    EXPECT_EQ(DY().text(), "2.200000");
    EXPECT_EQ(Range(Chart1().BottomAxis()), std::make_pair(0.0, 3.0));
}

TEST_F(ViewToolsTest, ZeroHalfRangeIsNotApplied)
{
    Window();
    DY().setText(QStringLiteral("0"));
    Execute("SetScaleActn");
    Execute("MultScaleBy10Actn");
    EXPECT_EQ(DY().text(), "0.000000");
    EXPECT_EQ(Range(Chart1().LeftAxis()), std::make_pair(-4000.0, 4000.0));
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(ViewToolsTest, OnAPageWithoutAChartNoAxisChanges)
{
    mainwindow::TForm1& window = Window();
    Points({{0, 0}, {1, 10}});
    Tabs().setCurrentIndex(5);
    ASSERT_EQ(window.GetCurrentChart(), nullptr);
    const auto left = Range(Chart1().LeftAxis());
    const auto bottom = Range(Chart1().BottomAxis());
    Execute("MultScaleBy10Actn");
    EXPECT_EQ(DY().text(), "55.000000") << "the step still rewrites dY=";
    EXPECT_FALSE(Fit().Checked()) << "and still switches automatic scaling off";
    Execute("FitImageActn");
    Execute("PaintGridActn");
    window.ChartZoom();
    EXPECT_EQ(Range(Chart1().LeftAxis()), left);
    EXPECT_EQ(Range(Chart1().BottomAxis()), bottom);
    EXPECT_EQ(DY().text(), "55.000000");
}

TEST_F(ViewToolsTest, AFieldBeingTypedInIsNotOverwrittenByArrivingPoints)
{
    mainwindow::TForm1& window = Window();
    window.show();
    InstrumentOnLine line{[&window]() -> mainwindow::TForm1& { return window; }};
    line.SendBareFrame();
    Execute("StartStopActn");
    ASSERT_TRUE(window.Recording());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Y().setFocus();
    ASSERT_TRUE(Y().hasFocus());
    Y().setText(QStringLiteral("1,"));
    window.AddPoint(0, 0, 0);  // a run's points arrive
    window.AddPoint(0, 1, 10);
    window.ChartZoom();
    EXPECT_EQ(Y().text(), "1,") << "neither rewritten nor made a point";
    EXPECT_EQ(DY().text(), "5.500000");
    EXPECT_DOUBLE_EQ(Chart1().LeftAxis().Maximum(), 10.5) << "the view is still fitted";
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(ViewToolsTest, ViewOptionsShowAndHideAxesAndGrids)
{
    Window();
    Execute("PaintXAxisActn");
    Execute("PaintGridActn");
    EXPECT_FALSE(Chart1().BottomAxis().Visible());
    EXPECT_TRUE(Chart1().LeftAxis().Visible());
    for (mainwindow::TChartAxis* axis :
         {&Chart1().BottomAxis(), &Chart1().LeftAxis(), &Chart1().RightAxis()})
        EXPECT_FALSE(axis->GridVisible());
    Execute("PaintYAxisActn");
    EXPECT_FALSE(Chart1().LeftAxis().Visible());

    Tabs().setCurrentIndex(3);
    EXPECT_FALSE(Chart("Chart4").BottomAxis().Visible()) << "a page change applies them";
    EXPECT_FALSE(Chart("Chart4").LeftAxis().GridVisible());
    Execute("PaintXAxisActn");
    Execute("PaintYAxisActn");
    EXPECT_TRUE(Chart("Chart4").BottomAxis().Visible());
    EXPECT_TRUE(Chart("Chart4").LeftAxis().Visible());
}

TEST_F(ViewToolsTest, Chart2ShowsTheAxesOfTheInstrumentsShown)
{
    Window();
    Tabs().setCurrentIndex(1);
    EXPECT_TRUE(Chart("Chart2").LeftAxis().Visible());
    EXPECT_FALSE(Chart("Chart2").RightAxis().Visible()) << "the external instrument is hidden";
    Execute("ShowDev1Actn");
    Execute("ShowDev2Actn");
    Tabs().setCurrentIndex(0);  // the page change applies the view options
    Tabs().setCurrentIndex(1);
    EXPECT_FALSE(Chart("Chart2").LeftAxis().Visible());
    EXPECT_TRUE(Chart("Chart2").RightAxis().Visible());
}

TEST_F(ViewToolsTest, BordersOptionGoesToBothSolvers)
{
    mainwindow::TForm1& window = Window();
    Execute("ShowBordersActn");
    EXPECT_FALSE(window.Actn(QStringLiteral("ShowBordersActn")).Checked());
    EXPECT_FALSE(window.PrimarySolver().Options().ShowBorders);
    EXPECT_FALSE(window.ExternalSolver().Options().ShowBorders);
    Execute("ShowBordersActn");
    EXPECT_TRUE(window.PrimarySolver().Options().ShowBorders);
    EXPECT_TRUE(window.ExternalSolver().Options().ShowBorders);
}

}
}
