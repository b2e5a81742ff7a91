// What the chart layer gives the view tools: axes that refuse ranges they cannot show, the undo
// of a mouse zoom, and cursor marks that cost a chart nothing until they are shown.
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/chart/series_kinds.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <limits>

namespace lmv::mainwindow {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

TEST(ChartViewTest, AnEmptyOrNonFiniteRangeLeavesTheAxisAsItWas)
{
    TChart chart(QStringLiteral("chart"));
    TChartAxis& axis = chart.LeftAxis();
    const double before[] = {axis.Minimum(), axis.Maximum()};
    const std::pair<double, double> ranges[] = {
        {3, 3}, {NaN, 1}, {0, Inf}, {-Inf, Inf}, {NaN, NaN}};
    for (const auto& [lower, upper] : ranges) {
        axis.SetMinMax(lower, upper);
        EXPECT_EQ(axis.Minimum(), before[0]) << lower << " .. " << upper;
        EXPECT_EQ(axis.Maximum(), before[1]);
        EXPECT_TRUE(axis.Automatic()) << "the automatic flag stays";
    }
}

void Drag(TChart& chart, QPoint from, QPoint to)
{
    auto send = [&chart](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                         QPoint at) {
        QMouseEvent event(type, at, chart.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, to);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
}

TEST(ChartViewTest, UndoingAZoomBringsBackTheAxesAndTheirAutomaticFlags)
{
    TChart chart(QStringLiteral("chart"));
    chart.resize(400, 300);
    TLineSeries series(QStringLiteral("s"), Qt::red, nullptr);
    chart.AddSeries(&series);
    for (int i = 0; i <= 10; ++i)
        series.AddXY(i, i);
    chart.LeftAxis().SetMinMax(-1, 11);
    chart.replot();
    TChartMouse mouse(chart);
    int zooms = 0;
    int undos = 0;
    QObject::connect(&mouse, &TChartMouse::ZoomedIn, [&zooms] { ++zooms; });
    QObject::connect(&mouse, &TChartMouse::ZoomUndone, [&undos] { ++undos; });
    const QPoint from(int(chart.xAxis->coordToPixel(2)), int(chart.yAxis->coordToPixel(8)));
    const QPoint to(int(chart.xAxis->coordToPixel(5)), int(chart.yAxis->coordToPixel(3)));
    Drag(chart, from, to);
    Drag(chart, to, to + QPoint(40, 40));
    EXPECT_EQ(zooms, 2);
    EXPECT_FALSE(chart.BottomAxis().Automatic());
    EXPECT_LT(chart.BottomAxis().Maximum(), 5.1);

    Drag(chart, to, from);
    EXPECT_EQ(undos, 1);
    EXPECT_TRUE(chart.BottomAxis().Automatic()) << "the axis before the first zoom";
    EXPECT_EQ(chart.LeftAxis().Minimum(), -1);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 11);
    EXPECT_FALSE(chart.LeftAxis().Automatic());
    mouse.UndoZoom();
    EXPECT_EQ(chart.LeftAxis().Maximum(), 11) << "nothing to undo";
}

// The peak marking switches zooming off while its button is held and on again as it is released,
// before or after the chart sees the release.
TEST(ChartViewTest, ADragDuringWhichZoomingWasOffZoomsNothing)
{
    TChart chart(QStringLiteral("chart"));
    chart.resize(400, 300);
    chart.replot();
    TChartMouse mouse(chart);
    const auto bottom = std::make_pair(chart.BottomAxis().Minimum(), chart.BottomAxis().Maximum());
    auto send = [&chart](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                         QPoint at) {
        QMouseEvent event(type, at, chart.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {100, 100});
    mouse.SetZoomEnabled(false);
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {200, 200});
    mouse.SetZoomEnabled(true);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {200, 200});
    EXPECT_FALSE(mouse.Zoomed());
    EXPECT_EQ(std::make_pair(chart.BottomAxis().Minimum(), chart.BottomAxis().Maximum()), bottom);

    Drag(chart, {100, 100}, {200, 200});
    EXPECT_TRUE(mouse.Zoomed()) << "the next drag zooms again";
}

TEST(ChartViewTest, CursorMarksMakeTheirItemsWhenFirstShown)
{
    TChart chart(QStringLiteral("chart"));
    TCursorMarks marks(chart);
    marks.HideAll();
    EXPECT_EQ(chart.itemCount(), 0);
    const QString text = QStringLiteral("X=1.0000 Y=2.0000");
    const QSizeF size = marks.LabelSize(text);
    EXPECT_GT(size.width(), size.height());
    marks.Show(1, {100, 80}, {75, 55},
               QRectF(QPointF(75, 55) - QPointF(size.width(), size.height()), size), text);
    EXPECT_EQ(chart.itemCount(), 2);
    EXPECT_FALSE(marks.Shown(0));
    EXPECT_TRUE(marks.Shown(1));
    EXPECT_EQ(marks.Text(1), text);
    EXPECT_EQ(marks.LabelRect(1).bottomRight(), QPointF(75, 55));
    marks.HideAll();
    EXPECT_FALSE(marks.Shown(1));
}

}
}
