// Mouse zoom and scroll on the charts, and the cursor readout that follows the mouse, driven by
// synthetic mouse events and an injected mouse position, over the curves of records shown and of
// a run's live points.
#include "connect_device.h"
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "shown_channels.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/widgets/status_panels.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <qcustomplot.h>

namespace lmv::test {
namespace {

using mainwindow::TChart;

class ChartMouseTest : public Form1Test {
protected:
    void SetUp() override
    {
        mainwindow::TForm1& window = Form();
        window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
        window.ConfigureForDevice(1);
        Show(0);
    }
    void Show(int page)
    {
        mainwindow::TForm1& window = Form();
        Tabs().setCurrentIndex(page);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        chart = window.GetCurrentChart();
        ASSERT_NE(chart, nullptr);
        chart->replot();
        mouse = chart->findChild<mainwindow::TChartMouse*>();
        mouse->SetPointerSource([this] { return pointer; });
        QEvent enter(QEvent::Enter);  // the mouse is over the chart
        QApplication::sendEvent(chart, &enter);
    }
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        QMouseEvent event(type, at, chart->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(chart, &event);
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        Send(QEvent::MouseButtonPress, button, button, from);
        Send(QEvent::MouseMove, Qt::NoButton, button, (from + to) / 2);
        Send(QEvent::MouseMove, Qt::NoButton, button, to);
        Send(QEvent::MouseButtonRelease, button, Qt::NoButton, to);
        chart->replot();
    }
    void MoveTo(QPoint at)
    {
        pointer = at;
        Send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, at);
    }
    int PixelX(double x) const { return int(chart->xAxis->coordToPixel(x)); }
    int PixelY(double y) const { return int(chart->yAxis->coordToPixel(y)); }
    std::pair<double, double> Range(mainwindow::TChartAxis& axis) const
    {
        return {axis.Minimum(), axis.Maximum()};
    }
    static std::vector<model::TPoint> Line(int count, double slope)
    {
        std::vector<model::TPoint> points;
        for (int i = 0; i < count; ++i)
            points.push_back({double(i), i * slope});
        return points;
    }
    // A pH record shown whose channel 0, the curve of Chart1, has these points.
    void Points(int count, double slope)
    {
        ShowChannels(*form, store, 1, {{0, Line(count, slope)}});
        Show(0);
    }
    // A run of the pH meter; its live points are drawn at once, the scale fields and the
    // readout follow on the replot tick.
    void StartRun()
    {
        ConnectDevice(*form, 1);
        line.SendBareFrame();
        form->Actn(QStringLiteral("StartStopActn")).Execute();
        ASSERT_TRUE(form->Recording());
    }
    void LivePoints(int channel, int count, double slope)
    {
        for (const model::TPoint& point : Line(count, slope))
            form->AddPoint(channel, point.X, point.Y);
    }
    void AutomaticScaling(bool on)
    {
        mainwindow::TAction& fit = Form().Actn(QStringLiteral("FitImageActn"));
        if (fit.Checked() != on)
            fit.Execute();
        chart->replot();
    }
    QString Readout() const
    {
        return Named<mainwindow::TStatusPanels>(*form, QStringLiteral("StatusBar1")).PanelText(4);
    }
    QTabWidget& Tabs() const { return Named<QTabWidget>(*form, QStringLiteral("PageControl1")); }
    mainwindow::TChartSeries& CursorLine() const
    {
        return Named<mainwindow::TChartSeries>(*form, QStringLiteral("CursorLine"));
    }
    mainwindow::TChartSeries& CursorPoints() const
    {
        return Named<mainwindow::TChartSeries>(*form, QStringLiteral("CursorPoints"));
    }
    const mainwindow::TCursorMarks& Marks(int page) const
    {
        return *form->ChartOfPage(page)->findChild<mainwindow::TCursorMarks*>();
    }
    // The hidden axis of the page that the cursor points stand on, if it has one.
    mainwindow::TChartAxis* PageAxis(int page) const
    {
        const TChart& pageChart = *form->ChartOfPage(page);
        return pageChart.CustomAxisCount() > 0 ? pageChart.CustomAxis(0) : nullptr;
    }
    // A cursor point has a value only while its mark is valid; the marks are taken in order.
    std::array<bool, 2> MarksValid() const
    {
        int valued = 0;
        for (const model::TPoint& point : CursorPoints().Points())
            valued += std::isnan(point.Y) ? 0 : 1;
        return {valued > 0, valued > 1};
    }

    TChart* chart = nullptr;
    mainwindow::TChartMouse* mouse = nullptr;
    QPoint pointer;
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return *form; }};
};

TEST_F(ChartMouseTest, LeftDragDownRightZoomsInAndUpLeftUndoesIt)
{
    Points(11, 10);
    form->ChartZoom();
    AutomaticScaling(false);
    const auto bottom = Range(chart->BottomAxis());
    const auto left = Range(chart->LeftAxis());
    const QPoint from(PixelX(2), PixelY(80));
    const QPoint to(PixelX(6), PixelY(20));
    Drag(Qt::LeftButton, from, to);
    EXPECT_NEAR(chart->BottomAxis().Minimum(), 2, 0.05);
    EXPECT_NEAR(chart->BottomAxis().Maximum(), 6, 0.05);
    EXPECT_NEAR(chart->LeftAxis().Minimum(), 20, 0.5);
    EXPECT_NEAR(chart->LeftAxis().Maximum(), 80, 0.5);
    EXPECT_TRUE(mouse->Zoomed());

    Drag(Qt::LeftButton, to, from - QPoint(0, 40));
    EXPECT_EQ(Range(chart->BottomAxis()), bottom);
    EXPECT_EQ(Range(chart->LeftAxis()), left);
    EXPECT_FALSE(mouse->Zoomed());
}

TEST_F(ChartMouseTest, WithAutomaticScalingAZoomEndsInTheFittedView)
{
    Points(11, 10);
    form->ChartZoom();
    chart->replot();
    Drag(Qt::LeftButton, {PixelX(2), PixelY(80)}, {PixelX(6), PixelY(20)});
    EXPECT_EQ(Range(chart->BottomAxis()), std::make_pair(0.0, 10.0));
    EXPECT_NEAR(chart->LeftAxis().Minimum(), -5, 1e-9);
    EXPECT_NEAR(chart->LeftAxis().Maximum(), 105, 1e-9);
    EXPECT_TRUE(form->Actn(QStringLiteral("FitImageActn")).Checked());
}

TEST_F(ChartMouseTest, ZoomingSwitchedOffLeavesLeftDragsAlone)
{
    Points(11, 10);
    AutomaticScaling(false);
    mouse->SetZoomEnabled(false);
    const auto bottom = Range(chart->BottomAxis());
    Drag(Qt::LeftButton, {PixelX(2), PixelY(80)}, {PixelX(6), PixelY(20)});
    EXPECT_EQ(Range(chart->BottomAxis()), bottom);
    EXPECT_FALSE(mouse->Zoomed());
}

TEST_F(ChartMouseTest, RightDragScrollsAndEndsAutomaticScaling)
{
    Points(11, 10);
    form->ChartZoom();
    chart->replot();
    const auto bottom = Range(chart->BottomAxis());
    const int step = PixelX(2) - PixelX(0);
    Drag(Qt::RightButton, {PixelX(5), PixelY(50)}, {PixelX(5) + step, PixelY(50)});
    EXPECT_FALSE(form->Actn(QStringLiteral("FitImageActn")).Checked());
    EXPECT_NEAR(chart->BottomAxis().Minimum(), bottom.first - 2, 0.05);
    EXPECT_NEAR(chart->BottomAxis().Maximum(), bottom.second - 2, 0.05);
    EXPECT_NEAR(chart->LeftAxis().Minimum(), -5, 1e-9) << "a level drag keeps the left axis";
    EXPECT_EQ(Named<QLineEdit>(*form, QStringLiteral("Edit2")).text(), "50.000000");
}

TEST_F(ChartMouseTest, ApplyingTheViewOptionsUndoesAZoom)
{
    Points(11, 10);
    form->ChartZoom();
    AutomaticScaling(false);
    const auto bottom = Range(chart->BottomAxis());
    Drag(Qt::LeftButton, {PixelX(2), PixelY(80)}, {PixelX(6), PixelY(20)});
    ASSERT_TRUE(mouse->Zoomed());
    form->Actn(QStringLiteral("PaintGridActn")).Execute();
    EXPECT_EQ(Range(chart->BottomAxis()), bottom);
    EXPECT_FALSE(mouse->Zoomed());
}

TEST_F(ChartMouseTest, CursorMarksThePointJustLeftOfTheMouse)
{
    Points(5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    EXPECT_EQ(Readout(), "x=1.0000 y1=10.0000");
    ASSERT_EQ(CursorLine().Count(), 2);
    EXPECT_EQ(CursorLine().XValue(0), 1);
    EXPECT_EQ(CursorLine().YValue(0), chart->LeftAxis().Maximum());
    EXPECT_EQ(CursorLine().YValue(1), chart->LeftAxis().Minimum());
    EXPECT_EQ(MarksValid(), (std::array<bool, 2>{true, false}));

    const mainwindow::TCursorMarks& marks = Marks(0);
    ASSERT_TRUE(marks.Shown(0));
    EXPECT_FALSE(marks.Shown(1));
    EXPECT_EQ(marks.Text(0), "X=1.0000 Y=10.0000");
    const QPointF point(chart->xAxis->coordToPixel(1), chart->yAxis->coordToPixel(10));
    EXPECT_EQ(marks.ArrowStart(0), point);
    EXPECT_EQ(marks.LabelRect(0).bottomRight(), point - QPointF(25, 25));
    EXPECT_EQ(form->property("HelpContext").toInt(), 3) << "the mouse over a chart";
}

TEST_F(ChartMouseTest, NoMarkLeftOfPointOneOrRightOfTheLastPoint)
{
    Points(5, 10);
    form->ChartZoom();
    chart->replot();
    for (double x : {0.5, 4.5}) {
        MoveTo({PixelX(x), PixelY(50)});
        EXPECT_EQ(Readout(), "") << x;
        EXPECT_EQ(CursorLine().Count(), 0);
        EXPECT_FALSE(Marks(0).Shown(0));
        EXPECT_EQ(MarksValid(), (std::array<bool, 2>{false, false}));
    }
}

// Channels 2 to 4 of a run are also drawn on the page "4+1", as its third to fifth curves.
TEST_F(ChartMouseTest, OnlyTheFirstTwoCurvesOfAChartAreMarked)
{
    StartRun();
    for (int channel = 2; channel <= 4; ++channel)
        LivePoints(channel, 5, channel - 1);
    Show(6);
    ASSERT_EQ(Named<mainwindow::TChartSeries>(*form, QStringLiteral("Series6")).Count(), 5);
    chart->replot();
    MoveTo({PixelX(2.5), PixelY(1)});
    EXPECT_EQ(Readout(), "x=2.0000 y3=2.0000 y4=4.0000");
    EXPECT_EQ(CursorLine().Count(), 4);
    EXPECT_TRUE(Marks(6).Shown(1));
    EXPECT_EQ(Marks(6).Text(1), "X=2.0000 Y=4.0000");
}

TEST_F(ChartMouseTest, LivePointsKeepTheReadoutWithoutAMouseMove)
{
    StartRun();
    Show(0);
    LivePoints(0, 3, 10);
    chart->replot();
    pointer = {PixelX(1.5), PixelY(5)};
    form->AddPoint(0, 2, 25);  // within the curve's span: the axes stay under the mouse
    ASSERT_EQ(Readout(), "");
    EXPECT_TRUE(QTest::qWaitFor([this] { return Readout() == "x=1.0000 y1=10.0000"; }))
        << Readout().toStdString();
}

TEST_F(ChartMouseTest, APageWithoutAChartClearsTheCursorAndChangesNothingElse)
{
    StartRun();
    Show(0);
    LivePoints(0, 5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_TRUE(Marks(0).Shown(0));
    Tabs().setCurrentIndex(5);
    ASSERT_EQ(CursorLine().Count(), 2);
    form->AddPoint(0, 5, 50);  // the readout follows on the tick
    EXPECT_TRUE(QTest::qWaitFor([this] { return CursorLine().Count() == 0; }));
    EXPECT_FALSE(Marks(0).Shown(0));
    EXPECT_TRUE(form->ChartOfPage(0)->HasSeries(&CursorLine()))
        << "the cursor stays on the last chart";
    EXPECT_EQ(Readout(), "x=1.0000 y1=10.0000");
}

// The label of a point near the plot's left edge moves right only as far as it must: it is read
// whole ("X=1.0000 Y=1.0000", not "000 Y=1.0000"), its bottom stays 25 pixels above the point.
TEST_F(ChartMouseTest, ALabelNearThePlotsLeftEdgeStaysInsideThePlot)
{
    Points(101, 1);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    const mainwindow::TCursorMarks& marks = Marks(0);
    ASSERT_TRUE(marks.Shown(0));
    EXPECT_EQ(marks.Text(0), "X=1.0000 Y=1.0000");
    const QRectF plot = QRectF(chart->axisRect()->rect());
    const QRectF label = marks.LabelRect(0);
    const QPointF point(chart->xAxis->coordToPixel(1), chart->yAxis->coordToPixel(1));
    ASSERT_LT(point.x() - 25 - label.width(), plot.left()) << "in its usual place it is cut";
    EXPECT_EQ(label.left(), plot.left());
    EXPECT_EQ(label.bottom(), point.y() - 25);
    EXPECT_EQ(marks.ArrowStart(0), point);
}

TEST_F(ChartMouseTest, TheCursorGoesWhenTheMouseLeavesTheChart)
{
    StartRun();
    Show(0);
    LivePoints(0, 5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_TRUE(Marks(0).Shown(0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chart, &leave);
    EXPECT_EQ(CursorLine().Count(), 0);
    EXPECT_FALSE(Marks(0).Shown(0));
    EXPECT_EQ(MarksValid(), (std::array<bool, 2>{false, false}));

    form->AddPoint(0, 5, 50);
    QLineEdit& y = Named<QLineEdit>(*form, QStringLiteral("Edit2"));
    ASSERT_TRUE(QTest::qWaitFor([&y] { return y.text() == "25.000000"; })) << "the tick came";
    EXPECT_EQ(CursorLine().Count(), 0) << "a live point does not bring it back";
    EXPECT_FALSE(Marks(0).Shown(0));
    EXPECT_EQ(Readout(), "");

    MoveTo({PixelX(2.5), PixelY(50)});
    EXPECT_TRUE(Marks(0).Shown(0)) << "the mouse back on the chart";
}

TEST_F(ChartMouseTest, TheCursorGoesWhenAZoomIsMadeOrUndone)
{
    Points(11, 10);
    form->ChartZoom();
    AutomaticScaling(false);
    const QPoint from(PixelX(2), PixelY(80));
    const QPoint to(PixelX(6), PixelY(20));
    Drag(Qt::LeftButton, from, to);
    ASSERT_TRUE(mouse->Zoomed());
    EXPECT_EQ(CursorLine().Count(), 0) << "zoomed in";
    EXPECT_FALSE(Marks(0).Shown(0));

    MoveTo({PixelX(4.5), PixelY(50)});
    ASSERT_TRUE(Marks(0).Shown(0));
    Drag(Qt::LeftButton, {PixelX(5), PixelY(40)}, {PixelX(3), PixelY(60)});
    ASSERT_FALSE(mouse->Zoomed());
    EXPECT_EQ(CursorLine().Count(), 0) << "the zoom undone";
    EXPECT_FALSE(Marks(0).Shown(0));
    EXPECT_EQ(MarksValid(), (std::array<bool, 2>{false, false}));

    Drag(Qt::LeftButton, from, to);
    MoveTo({PixelX(4.5), PixelY(50)});
    ASSERT_TRUE(Marks(0).Shown(0));
    form->Actn(QStringLiteral("PaintGridActn")).Execute();
    EXPECT_FALSE(mouse->Zoomed());
    EXPECT_EQ(CursorLine().Count(), 0) << "the view options undid the zoom";
    EXPECT_FALSE(Marks(0).Shown(0));
}

TEST_F(ChartMouseTest, MarksOfAPageLeftBehindDoNotComeBackWithIt)
{
    Points(5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_TRUE(Marks(0).Shown(0));
    Show(2);
    EXPECT_FALSE(Marks(0).Shown(0));
    Show(0);
    EXPECT_FALSE(Marks(0).Shown(0));
}

// Only a cursor point with a valid mark is drawn: none sits at (0, 0) of the page's axis.
class NoStrayCursorPointTest : public ChartMouseTest, public ::testing::WithParamInterface<int> {};

TEST_P(NoStrayCursorPointTest, ACursorPointWithoutAValidMarkIsNotDrawn)
{
    Show(GetParam());
    mainwindow::TChartAxis* axis = PageAxis(GetParam());
    ASSERT_EQ(CursorPoints().CustomVerticalAxis(), axis);
    if (!axis)
        axis = &chart->LeftAxis();
    for (mainwindow::TChartAxis* shown : {&chart->BottomAxis(), axis})
        shown->SetMinMax(-1, 1);
    chart->replot();
    ASSERT_EQ(CursorPoints().Count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(std::isnan(CursorPoints().YValue(i))) << i;
    const QImage screen = chart->grab().toImage();
    const QPoint origin(int(chart->xAxis->coordToPixel(0)), int(axis->Axis()->coordToPixel(0)));
    int dark = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            dark += screen.pixelColor(origin + QPoint(dx, dy)).lightness() < 100 ? 1 : 0;
    EXPECT_EQ(dark, 0);
}

INSTANTIATE_TEST_SUITE_P(Pages, NoStrayCursorPointTest, ::testing::Values(6, 8));

// The marked cursor point is drawn on the point of the curve it marks; the other has no value.
TEST_F(ChartMouseTest, OnlyTheMarkedCursorPointHasAValue)
{
    Points(5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_EQ(CursorPoints().Count(), 2);
    std::vector<model::TPoint> valued;
    for (const model::TPoint& point : CursorPoints().Points()) {
        if (!std::isnan(point.Y))
            valued.push_back(point);
    }
    ASSERT_EQ(valued.size(), 1u) << "the unmarked point has no value";
    EXPECT_EQ(valued[0].X, 1);
    const QCPAxis* pointAxis = PageAxis(0)->Axis();
    ASSERT_EQ(CursorPoints().CustomVerticalAxis(), PageAxis(0));
    chart->replot();
    EXPECT_NEAR(pointAxis->coordToPixel(valued[0].Y), chart->yAxis->coordToPixel(10), 0.01)
        << "the point is drawn on the curve's point";
}

// Pictures of a chart never show the cursor that is on screen.
TEST_F(ChartMouseTest, ACopiedChartShowsNoCursor)
{
    Points(5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_TRUE(Marks(0).Shown(0));
    chart->replot();
    const auto bluePixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                count += pixel.blue() - std::max(pixel.red(), pixel.green()) > 60 ? 1 : 0;
            }
        return count;
    };
    ASSERT_GT(bluePixels(chart->grab().toImage()), 50) << "the screen shows the cursor line";
    Named<QAction>(*form, QStringLiteral("asBitMap1")).trigger();
    const QImage picture = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(bluePixels(picture), 0);
    EXPECT_TRUE(Marks(0).Shown(0)) << "the screen keeps it";
}

class EveryChartPageTest : public ChartMouseTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryChartPageTest, ScaleZoomAndReadoutWorkOnThePagesChart)
{
    // Channels 0 to 4 are the curves of pages 0 to 4; channel 0's values against channel 8's
    // make the curve of the page "Два параметра".
    const int page = GetParam();
    ShowChannels(*form, store, 1,
                 page == 8 ? std::vector<model::TSingleChannel>{{0, Line(11, 1)}, {8, Line(11, 10)}}
                           : std::vector<model::TSingleChannel>{{page, Line(11, 10)}});
    Show(GetParam());
    ASSERT_EQ(form->CurveSeriesOfPage(GetParam()), form->GetCurrentSeries());
    ASSERT_EQ(form->GetCurrentSeries()->Count(), 11);
    form->ChartZoom();
    EXPECT_EQ(Named<QLineEdit>(*form, QStringLiteral("Edit2")).text(), "50.000000");
    chart->replot();
    MoveTo({PixelX(3.5), PixelY(50)});
    EXPECT_EQ(Readout(), "x=3.0000 y1=30.0000");
    AutomaticScaling(false);
    Drag(Qt::LeftButton, {PixelX(2), PixelY(80)}, {PixelX(6), PixelY(20)});
    EXPECT_TRUE(mouse->Zoomed());
    EXPECT_NEAR(chart->BottomAxis().Minimum(), 2, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryChartPageTest, ::testing::Values(0, 1, 2, 3, 4, 8));

}
}
