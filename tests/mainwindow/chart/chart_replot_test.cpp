// When a chart draws: at most ten times a second, never while hidden, always when rendered to a
// painter; and its plottables carry the names of their series.
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <vector>

namespace lmv::mainwindow {
namespace {

using namespace std::chrono_literals;
using model::TPoint;

// A chart with one series on a clock the test moves, counting its drawings.
class ChartReplotTest : public ::testing::Test {
protected:
    ChartReplotTest()
    {
        chart.resize(300, 200);
        chart.SetClock([this] { return now; });
        chart.AddSeries(&line);
        QCoreApplication::processEvents();  // the drawing QCustomPlot queues when it is made
        QObject::connect(&chart, &QCustomPlot::afterReplot, [this] { ++replots; });
    }
    int ReplotsAfterEvents()
    {
        QCoreApplication::processEvents();
        const int counted = replots;
        replots = 0;
        return counted;
    }

    std::chrono::milliseconds now{1000};
    TChart chart{QStringLiteral("chart")};
    TLineSeries line{QStringLiteral("line"), Qt::red, nullptr};
    int replots = 0;
};

TEST_F(ChartReplotTest, ManyPointsASecondGiveAtMostTenDrawings)
{
    chart.show();
    ReplotsAfterEvents();
    now += 1000ms;
    for (int tick = 0; tick < 40; ++tick) {  // 2 s of 50 ms chunks of a hundred points each
        for (int i = 0; i < 100; ++i)
            line.AddXY(tick * 100 + i, i);
        EXPECT_EQ(ReplotsAfterEvents(), tick % 2 == 0 ? 1 : 0) << "tick " << tick;
        now += 50ms;
    }
}

TEST_F(ChartReplotTest, AnEarlyRequestIsDrawnWhenItsTurnComes)
{
    chart.SetClock([] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    });
    chart.show();
    ReplotsAfterEvents();
    QTest::qWait(150);
    line.AddXY(1, 1);
    line.AddXY(2, 2);
    EXPECT_EQ(ReplotsAfterEvents(), 1);
    line.AddXY(3, 3);
    EXPECT_EQ(ReplotsAfterEvents(), 0);
    QTest::qWait(250);
    EXPECT_EQ(replots, 1) << "the point that came too early is drawn later";
    EXPECT_EQ(chart.BottomAxis().Maximum(), 3);
}

TEST_F(ChartReplotTest, HiddenChartDrawsNothingUntilShown)
{
    for (int i = 0; i < 50; ++i) {
        line.AddXY(i, i);
        now += 50ms;
        QCoreApplication::processEvents();
    }
    QTest::qWait(150);
    EXPECT_EQ(ReplotsAfterEvents(), 0);

    chart.show();
    EXPECT_EQ(ReplotsAfterEvents(), 1);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 49) << "drawn with the points that came while hidden";

    chart.hide();
    now += 1000ms;
    line.AddXY(100, 100);
    EXPECT_EQ(ReplotsAfterEvents(), 0);
    chart.show();
    EXPECT_EQ(ReplotsAfterEvents(), 1);
    EXPECT_EQ(ReplotsAfterEvents(), 0) << "nothing pending once drawn";
}

int PixelsOf(const QImage& image, QColor color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color ? 1 : 0;
    return count;
}

TEST_F(ChartReplotTest, RenderingToAPainterDrawsTheCurrentDataOfAHiddenChart)
{
    line.SetPenWidth(3);
    line.Assign(std::vector<TPoint>{{0, 0}, {10, 10}});
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QCPPainter painter(&image);
        chart.RenderTo(painter, image.width(), image.height());
    }
    EXPECT_EQ(chart.BottomAxis().Maximum(), 10);
    EXPECT_GT(PixelsOf(image, Qt::red), 100);
    EXPECT_EQ(replots, 0);

    line.Assign(std::vector<TPoint>{{0, 0}, {500, 1}});
    QCPPainter painter(&image);
    chart.RenderTo(painter, image.width(), image.height());
    EXPECT_EQ(chart.BottomAxis().Maximum(), 500);
}

TEST(ChartNamesTest, PlottablesCarryTheNamesOfTheirSeries)
{
    TChart chart(QStringLiteral("Chart1"));
    TLineSeries series1(QStringLiteral("Series1"), Qt::red, nullptr);
    TPointSeries cursor(QStringLiteral("CursorPoints"), Qt::black, nullptr);
    TBarSeries marks(QStringLiteral("Series8"), Qt::green, 1.0, nullptr);
    TArrivalOrderSeries deriv(QStringLiteral("Series7"), Qt::red, nullptr);
    for (TChartSeries* series :
         std::initializer_list<TChartSeries*>{&series1, &cursor, &marks, &deriv})
        chart.AddSeries(series);
    for (TChartSeries* series : chart.SeriesList()) {
        auto* plottable = chart.findChild<QCPAbstractPlottable*>(series->objectName());
        ASSERT_NE(plottable, nullptr) << series->objectName().toStdString();
        EXPECT_EQ(plottable->objectName(), series->objectName());
    }
    series1.setObjectName(QStringLiteral("FastLineSeries5"));
    EXPECT_EQ(chart.plottable(0)->objectName(), QStringLiteral("FastLineSeries5"));

    TChart other(QStringLiteral("Chart2"));
    other.AddSeries(&series1);
    EXPECT_EQ(other.plottable(0)->objectName(), QStringLiteral("FastLineSeries5"));
}

}
}
