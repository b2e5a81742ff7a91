// Mouse zoom and scroll on the charts, and the cursor readout that follows the mouse, driven by
// synthetic mouse events and an injected mouse position.
#include "form1_fixture.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/widgets/status_panels.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
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
        window.PageControl1->setCurrentIndex(page);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        chart = window.GetCurrentChart();
        ASSERT_NE(chart, nullptr);
        chart->replot();
        mouse = window.ChartMice[std::size_t(page)];
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
    void Points(mainwindow::TCurveId curve, int count, double slope)
    {
        for (int i = 0; i < count; ++i)
            form->CurveViews.Add(curve, i, i * slope);
    }
    void AutomaticScaling(bool on)
    {
        mainwindow::TAction& fit = Form().Actn(QStringLiteral("FitImageActn"));
        if (fit.Checked() != on)
            fit.Execute();
        chart->replot();
    }
    QString Readout() const { return form->StatusBar1->PanelText(4); }

    TChart* chart = nullptr;
    mainwindow::TChartMouse* mouse = nullptr;
    QPoint pointer;
};

TEST_F(ChartMouseTest, LeftDragDownRightZoomsInAndUpLeftUndoesIt)
{
    Points(mainwindow::TCurveId::Series1, 11, 10);
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
    Points(mainwindow::TCurveId::Series1, 11, 10);
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
    Points(mainwindow::TCurveId::Series1, 11, 10);
    AutomaticScaling(false);
    mouse->SetZoomEnabled(false);
    const auto bottom = Range(chart->BottomAxis());
    Drag(Qt::LeftButton, {PixelX(2), PixelY(80)}, {PixelX(6), PixelY(20)});
    EXPECT_EQ(Range(chart->BottomAxis()), bottom);
    EXPECT_FALSE(mouse->Zoomed());
}

TEST_F(ChartMouseTest, RightDragScrollsAndEndsAutomaticScaling)
{
    Points(mainwindow::TCurveId::Series1, 11, 10);
    form->ChartZoom();
    chart->replot();
    const auto bottom = Range(chart->BottomAxis());
    const int step = PixelX(2) - PixelX(0);
    Drag(Qt::RightButton, {PixelX(5), PixelY(50)}, {PixelX(5) + step, PixelY(50)});
    EXPECT_FALSE(form->Actn(QStringLiteral("FitImageActn")).Checked());
    EXPECT_NEAR(chart->BottomAxis().Minimum(), bottom.first - 2, 0.05);
    EXPECT_NEAR(chart->BottomAxis().Maximum(), bottom.second - 2, 0.05);
    EXPECT_NEAR(chart->LeftAxis().Minimum(), -5, 1e-9) << "a level drag keeps the left axis";
    EXPECT_EQ(form->Edit2->text(), "50.000000");
}

TEST_F(ChartMouseTest, ApplyingTheViewOptionsUndoesAZoom)
{
    Points(mainwindow::TCurveId::Series1, 11, 10);
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
    Points(mainwindow::TCurveId::Series1, 5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    EXPECT_EQ(Readout(), "x=1.0000 y1=10.0000");
    ASSERT_EQ(form->CursorLine->Count(), 2);
    EXPECT_EQ(form->CursorLine->XValue(0), 1);
    EXPECT_EQ(form->CursorLine->YValue(0), chart->LeftAxis().Maximum());
    EXPECT_EQ(form->CursorLine->YValue(1), chart->LeftAxis().Minimum());
    EXPECT_EQ(form->CursorMarkValid, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(form->CursorSeriesGetMarkText(0), "X=1.0000 Y=10.0000");
    EXPECT_EQ(form->CursorSeriesGetMarkText(1), "");

    const mainwindow::TCursorMarks& marks = *form->CursorMarks[0];
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
    Points(mainwindow::TCurveId::Series1, 5, 10);
    form->ChartZoom();
    chart->replot();
    for (double x : {0.5, 4.5}) {
        MoveTo({PixelX(x), PixelY(50)});
        EXPECT_EQ(Readout(), "") << x;
        EXPECT_EQ(form->CursorLine->Count(), 0);
        EXPECT_FALSE(form->CursorMarks[0]->Shown(0));
        EXPECT_EQ(form->CursorMarkValid, (std::array<bool, 2>{false, false}));
    }
}

TEST_F(ChartMouseTest, OnlyTheFirstTwoCurvesOfAChartAreMarked)
{
    Show(6);
    Points(mainwindow::TCurveId::Series2, 5, 1);
    Points(mainwindow::TCurveId::Series3, 5, 2);
    Points(mainwindow::TCurveId::Series4, 5, 3);
    chart->replot();
    MoveTo({PixelX(2.5), PixelY(1)});
    EXPECT_EQ(Readout(), "x=2.0000 y1=2.0000 y2=4.0000");
    EXPECT_EQ(form->CursorLine->Count(), 4);
    EXPECT_TRUE(form->CursorMarks[6]->Shown(1));
    EXPECT_EQ(form->CursorMarks[6]->Text(1), "X=2.0000 Y=4.0000");
}

TEST_F(ChartMouseTest, LivePointsKeepTheReadoutWithoutAMouseMove)
{
    Points(mainwindow::TCurveId::Series1, 3, 10);
    chart->replot();
    pointer = {PixelX(1.5), PixelY(5)};
    form->CurveViews.Add(mainwindow::TCurveId::Series1, 3, 30);
    form->UpdateCursorReadout();
    EXPECT_EQ(Readout(), "x=1.0000 y1=10.0000");
}

TEST_F(ChartMouseTest, APageWithoutAChartClearsTheCursorAndChangesNothingElse)
{
    Points(mainwindow::TCurveId::Series1, 5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_TRUE(form->CursorMarks[0]->Shown(0));
    form->PageControl1->setCurrentIndex(5);
    form->UpdateCursorReadout();
    EXPECT_EQ(form->CursorLine->Count(), 0);
    EXPECT_FALSE(form->CursorMarks[0]->Shown(0));
    EXPECT_TRUE(form->Chart1->HasSeries(form->CursorLine)) << "the cursor stays on the last chart";
    EXPECT_EQ(Readout(), "x=1.0000 y1=10.0000");
}

// The label of a point near the plot's left edge moves right only as far as it must: it is read
// whole ("X=1.0000 Y=1.0000", not "000 Y=1.0000"), its bottom stays 25 pixels above the point.
TEST_F(ChartMouseTest, ALabelNearThePlotsLeftEdgeStaysInsideThePlot)
{
    Points(mainwindow::TCurveId::Series1, 101, 1);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    const mainwindow::TCursorMarks& marks = *form->CursorMarks[0];
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
    Points(mainwindow::TCurveId::Series1, 5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_TRUE(form->CursorMarks[0]->Shown(0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chart, &leave);
    EXPECT_EQ(form->CursorLine->Count(), 0);
    EXPECT_FALSE(form->CursorMarks[0]->Shown(0));
    EXPECT_EQ(form->CursorMarkValid, (std::array<bool, 2>{false, false}));

    form->CurveViews.Add(mainwindow::TCurveId::Series1, 5, 50);
    form->UpdateCursorReadout();
    EXPECT_EQ(form->CursorLine->Count(), 0) << "a live point does not bring it back";
    EXPECT_FALSE(form->CursorMarks[0]->Shown(0));
    EXPECT_EQ(Readout(), "");

    MoveTo({PixelX(2.5), PixelY(50)});
    EXPECT_TRUE(form->CursorMarks[0]->Shown(0)) << "the mouse back on the chart";
}

TEST_F(ChartMouseTest, TheCursorGoesWhenAZoomIsMadeOrUndone)
{
    Points(mainwindow::TCurveId::Series1, 11, 10);
    form->ChartZoom();
    AutomaticScaling(false);
    const QPoint from(PixelX(2), PixelY(80));
    const QPoint to(PixelX(6), PixelY(20));
    Drag(Qt::LeftButton, from, to);
    ASSERT_TRUE(mouse->Zoomed());
    EXPECT_EQ(form->CursorLine->Count(), 0) << "zoomed in";
    EXPECT_FALSE(form->CursorMarks[0]->Shown(0));

    MoveTo({PixelX(4.5), PixelY(50)});
    ASSERT_TRUE(form->CursorMarks[0]->Shown(0));
    Drag(Qt::LeftButton, {PixelX(5), PixelY(40)}, {PixelX(3), PixelY(60)});
    ASSERT_FALSE(mouse->Zoomed());
    EXPECT_EQ(form->CursorLine->Count(), 0) << "the zoom undone";
    EXPECT_FALSE(form->CursorMarks[0]->Shown(0));
    EXPECT_EQ(form->CursorMarkValid, (std::array<bool, 2>{false, false}));

    Drag(Qt::LeftButton, from, to);
    MoveTo({PixelX(4.5), PixelY(50)});
    ASSERT_TRUE(form->CursorMarks[0]->Shown(0));
    form->Actn(QStringLiteral("PaintGridActn")).Execute();
    EXPECT_FALSE(mouse->Zoomed());
    EXPECT_EQ(form->CursorLine->Count(), 0) << "the view options undid the zoom";
    EXPECT_FALSE(form->CursorMarks[0]->Shown(0));
}

TEST_F(ChartMouseTest, MarksOfAPageLeftBehindDoNotComeBackWithIt)
{
    Points(mainwindow::TCurveId::Series1, 5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_TRUE(form->CursorMarks[0]->Shown(0));
    Show(2);
    EXPECT_FALSE(form->CursorMarks[0]->Shown(0));
    Show(0);
    EXPECT_FALSE(form->CursorMarks[0]->Shown(0));
}

// Only a cursor point with a valid mark is drawn: none sits at (0, 0) of the page's axis.
class NoStrayCursorPointTest : public ChartMouseTest, public ::testing::WithParamInterface<int> {};

TEST_P(NoStrayCursorPointTest, ACursorPointWithoutAValidMarkIsNotDrawn)
{
    Show(GetParam());
    mainwindow::TChartAxis* axis = form->PageAxes[std::size_t(GetParam())];
    if (!axis)
        axis = &chart->LeftAxis();
    ASSERT_EQ(form->CursorPoints->CustomVerticalAxis(), form->PageAxes[std::size_t(GetParam())]);
    for (mainwindow::TChartAxis* shown : {&chart->BottomAxis(), axis})
        shown->SetMinMax(-1, 1);
    chart->replot();
    ASSERT_EQ(form->CursorPoints->Count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(std::isnan(form->CursorPoints->YValue(i))) << i;
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
    Points(mainwindow::TCurveId::Series1, 5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_EQ(form->CursorPoints->Count(), 2);
    std::vector<model::TPoint> valued;
    for (const model::TPoint& point : form->CursorPoints->Points()) {
        if (!std::isnan(point.Y))
            valued.push_back(point);
    }
    ASSERT_EQ(valued.size(), 1u) << "the unmarked point has no value";
    EXPECT_EQ(valued[0].X, 1);
    const QCPAxis* pointAxis = form->PageAxes[0]->Axis();
    ASSERT_EQ(form->CursorPoints->CustomVerticalAxis(), form->PageAxes[0]);
    chart->replot();
    EXPECT_NEAR(pointAxis->coordToPixel(valued[0].Y), chart->yAxis->coordToPixel(10), 0.01)
        << "the point is drawn on the curve's point";
}

// Pictures of a chart never show the cursor that is on screen.
TEST_F(ChartMouseTest, ACopiedChartShowsNoCursor)
{
    Points(mainwindow::TCurveId::Series1, 5, 10);
    form->ChartZoom();
    chart->replot();
    MoveTo({PixelX(1.5), PixelY(50)});
    ASSERT_TRUE(form->CursorMarks[0]->Shown(0));
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
    form->asBitMap1Click();
    const QImage picture = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(bluePixels(picture), 0);
    EXPECT_TRUE(form->CursorMarks[0]->Shown(0)) << "the screen keeps it";
}

class EveryChartPageTest : public ChartMouseTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryChartPageTest, ScaleZoomAndReadoutWorkOnThePagesChart)
{
    Show(GetParam());
    mainwindow::TChartSeries* series = form->GetCurrentSeries();
    ASSERT_NE(series, nullptr);
    Points(*form->CurveViews.CurveOf(series), 11, 10);
    form->ChartZoom();
    EXPECT_EQ(form->Edit2->text(), "50.000000");
    chart->replot();
    MoveTo({PixelX(3.5), PixelY(50)});
    EXPECT_EQ(Readout(), "x=3.0000 y1=30.0000");
    AutomaticScaling(false);
    Drag(Qt::LeftButton, {PixelX(2), PixelY(80)}, {PixelX(6), PixelY(20)});
    EXPECT_TRUE(mouse->Zoomed());
    EXPECT_NEAR(chart->BottomAxis().Minimum(), 2, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryChartPageTest, ::testing::Values(0, 1, 2, 3, 4, 6, 8));

}
}
