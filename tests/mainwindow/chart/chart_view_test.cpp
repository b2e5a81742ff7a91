// What the chart layer gives the view tools: axes that refuse ranges they cannot show and label
// every tick apart from its neighbours, the undo of a mouse zoom, cursor marks that cost a chart
// nothing until they are shown, what only the screen shows, and points that can be seen.
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/chart/series_kinds.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QMouseEvent>
#include <QSet>
#include <gtest/gtest.h>
#include <limits>
#include <qcustomplot.h>

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

// The library's own label of a tick: its 'g' format with so many significant digits.
QString LibraryLabel(double tick, int digits) { return QLocale::c().toString(tick, 'g', digits); }

TEST(TickLabelsTest, NeighbouringTicksOfANarrowRangeGetTheDigitsThatTellThemApart)
{
    const QVector<double> ticks{-199.98002, -199.98001, -199.98, -199.97999};
    EXPECT_EQ(LibraryLabel(ticks[0], 6), LibraryLabel(ticks[1], 6)) << "the default repeats";
    EXPECT_EQ(DistinctTickLabels(ticks, 6, LibraryLabel),
              QVector<QString>({"-199.98002", "-199.98001", "-199.98", "-199.97999"}));
}

TEST(TickLabelsTest, TicksAlreadyApartKeepTheAxisFormat)
{
    EXPECT_EQ(DistinctTickLabels({0, 0.5, 1, 1.5}, 6, LibraryLabel),
              QVector<QString>({"0", "0.5", "1", "1.5"}));
    EXPECT_EQ(DistinctTickLabels({1e6, 2e6}, 6, LibraryLabel),
              QVector<QString>({"1e+06", "2e+06"}));
    EXPECT_EQ(DistinctTickLabels({}, 6, LibraryLabel), QVector<QString>());
}

TEST(TickLabelsTest, EqualTicksStopAtFifteenDigits)
{
    int widest = 0;
    const auto label = [&widest](double tick, int digits) {
        widest = std::max(widest, digits);
        return LibraryLabel(tick, digits);
    };
    EXPECT_EQ(DistinctTickLabels({2, 2}, 6, label).size(), 2);
    EXPECT_EQ(widest, 15);
}

// Every axis of a chart, the extra vertical ones too, labels its ticks apart.
TEST(TickLabelsTest, AChartsAxesNeverRepeatALabel)
{
    TChart chart(QStringLiteral("chart"));
    chart.resize(400, 577);
    TChartAxis* extra = chart.AddCustomVerticalAxis();
    for (TChartAxis* axis : {&chart.LeftAxis(), &chart.BottomAxis(), extra})
        axis->SetMinMax(-199.98004, -199.97996);
    chart.replot();
    for (TChartAxis* axis : {&chart.LeftAxis(), &chart.BottomAxis(), extra}) {
        const QVector<QString> labels = axis->Axis()->tickVectorLabels();
        ASSERT_GE(labels.size(), 3);
        EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size())
            << labels.join(u' ').toStdString();
        EXPECT_TRUE(labels.contains(QStringLiteral("-199.98"))) << "as few digits as will do";
    }
}

// The pixels clearly of this hue (smoothed edges count too): red, green or blue stronger than
// the other two by far.
int PixelsOfColour(const QImage& image, Qt::GlobalColor hue)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int r = pixel.red(), g = pixel.green(), b = pixel.blue();
            const bool strong = hue == Qt::red ? r - std::max(g, b) > 60
                : hue == Qt::blue              ? b - std::max(r, g) > 60
                                               : g - std::max(r, b) > 60;
            count += strong ? 1 : 0;
        }
    }
    return count;
}

// A page or a picture never shows the cursor: its series and marks are drawn on screen only.
TEST(ScreenOnlyTest, RenderToLeavesOutTheScreenOnlySeriesAndMarks)
{
    TChart chart(QStringLiteral("chart"));
    chart.resize(300, 200);
    TLineSeries curve(QStringLiteral("curve"), Qt::red, nullptr);
    TLineSeries cursor(QStringLiteral("cursor"), Qt::blue, nullptr);
    cursor.SetScreenOnly(true);
    chart.AddSeries(&curve);
    chart.AddSeries(&cursor);
    curve.Assign(std::vector<model::TPoint>{{0, 0}, {10, 10}});
    cursor.Assign(std::vector<model::TPoint>{{5, 0}, {5, 10}});
    TCursorMarks marks(chart);
    marks.Show(0, {150, 100}, {125, 75}, QRectF(20, 20, 100, 50), QStringLiteral("X=5"));
    ASSERT_EQ(chart.layer(QStringLiteral("screenOnly")), chart.ScreenOnlyLayer());
    chart.replot();

    const QImage screen = chart.toPixmap(300, 200).toImage();
    EXPECT_GT(PixelsOfColour(screen, Qt::blue), 20) << "the screen shows the cursor";

    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QCPPainter painter(&picture);
    chart.RenderTo(painter, picture.width(), picture.height());
    painter.end();
    EXPECT_GT(PixelsOfColour(picture, Qt::red), 20);
    EXPECT_EQ(PixelsOfColour(picture, Qt::blue), 0);
    EXPECT_TRUE(chart.ScreenOnlyLayer()->visible()) << "the screen still shows it";

    cursor.SetScreenOnly(false);
    QImage page(300, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    QCPPainter pagePainter(&page);
    chart.RenderTo(pagePainter, page.width(), page.height());
    pagePainter.end();
    EXPECT_GT(PixelsOfColour(page, Qt::blue), 20);
}

// Measured points are circles of 7 pixels, and the automatic axes keep them off the frame.
TEST(PointStyleTest, CirclesAreSevenPixelsAndSitInsideTheFrame)
{
    TChart chart(QStringLiteral("chart"));
    chart.resize(300, 200);
    TPointSeries points(QStringLiteral("points"), Qt::green, nullptr);
    EXPECT_EQ(points.PointStyle(), TPointStyle::Dot);
    points.SetPointStyle(TPointStyle::Circle);
    chart.AddSeries(&points);
    points.Assign(std::vector<model::TPoint>{{0.1, 1}, {0.5, 3}, {0.9, 2}});
    chart.replot();
    const auto* graph = static_cast<const QCPGraph*>(chart.plottable(0));
    EXPECT_EQ(graph->scatterStyle().shape(), QCPScatterStyle::ssCircle);
    EXPECT_EQ(graph->scatterStyle().size(), TPointSeries::CircleSize);
    const QRect frame = chart.axisRect()->rect();
    const double radius = TPointSeries::CircleSize / 2.0;
    for (int i = 0; i < points.Count(); ++i) {
        const double x = chart.xAxis->coordToPixel(points.XValue(i));
        const double y = chart.yAxis->coordToPixel(points.YValue(i));
        EXPECT_GT(x - radius, frame.left()) << i;
        EXPECT_LT(x + radius, frame.right()) << i;
        EXPECT_GT(y - radius, frame.top()) << i;
        EXPECT_LT(y + radius, frame.bottom()) << i;
    }
}

}
}
