// The chart layer: where points land, series taken off and put back, axes.
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"

#include "support/param_name.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

namespace lmv::mainwindow {
namespace {

std::vector<double> XsOf(const TChartSeries& series)
{
    std::vector<double> xs;
    for (int i = 0; i < series.Count(); ++i)
        xs.push_back(series.XValue(i));
    return xs;
}

struct OrderCase {
    const char* name;
    std::vector<double> added;
    std::vector<double> sortedXs;
};

void PrintTo(const OrderCase& c, std::ostream* out) { *out << c.name; }

class PointOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PointOrderTest, LineSeriesInsertsByXCurveKeepsArrival)
{
    const OrderCase& c = GetParam();
    TLineSeries line(QStringLiteral("line"), Qt::red, nullptr);
    TArrivalOrderSeries curve(QStringLiteral("curve"), Qt::red, nullptr);
    for (double x : c.added) {
        line.AddXY(x, x * 10);
        curve.AddXY(x, x * 10);
    }
    EXPECT_EQ(XsOf(line), c.sortedXs);
    EXPECT_EQ(XsOf(curve), c.added);
    for (int i = 0; i < line.Count(); ++i)
        EXPECT_EQ(line.YValue(i), line.XValue(i) * 10) << "Y travels with its X";
}

INSTANTIATE_TEST_SUITE_P(Orders, PointOrderTest,
                         ::testing::Values(OrderCase{"ascending", {1, 2, 3}, {1, 2, 3}},
                                           OrderCase{"descending", {3, 2, 1}, {1, 2, 3}},
                                           OrderCase{"middle", {1, 5, 3}, {1, 3, 5}},
                                           OrderCase{"repeated", {2, 1, 2, 0}, {0, 1, 2, 2}},
                                           OrderCase{"negative", {0, -4, 4}, {-4, 0, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartLayerTest, TakenOffSeriesKeepsPointsAndReturnsAtTheEnd)
{
    TChart chart(QStringLiteral("chart"));
    TLineSeries first(QStringLiteral("first"), Qt::red, nullptr);
    TLineSeries second(QStringLiteral("second"), Qt::green, nullptr);
    chart.AddSeries(&first);
    chart.AddSeries(&second);
    first.AddXY(1, 1);
    first.AddXY(2, 2);

    chart.RemoveSeries(&first);
    EXPECT_EQ(first.ParentChart(), nullptr);
    EXPECT_EQ(first.Count(), 2);
    EXPECT_EQ(chart.SeriesList(), QList<TChartSeries*>({&second}));
    EXPECT_EQ(chart.plottableCount(), 1);

    chart.AddSeries(&first);
    EXPECT_EQ(chart.SeriesList(), QList<TChartSeries*>({&second, &first}));
    EXPECT_EQ(first.ParentChart(), &chart);
    EXPECT_EQ(first.Count(), 2);
    EXPECT_EQ(chart.plottableCount(), 2);

    chart.AddSeries(&first);
    EXPECT_EQ(chart.SeriesCount(), 2) << "a series stands on its chart once";
}

TEST(ChartLayerTest, SeriesMovesBetweenChartsAndDropsItsCustomAxis)
{
    TChart from(QStringLiteral("from"));
    TChart to(QStringLiteral("to"));
    TLineSeries cursor(QStringLiteral("cursor"), Qt::blue, nullptr);
    from.AddSeries(&cursor);
    TChartAxis* extra = from.AddCustomVerticalAxis();
    cursor.SetCustomVerticalAxis(extra);
    ASSERT_EQ(from.plottableCount(), 1);
    EXPECT_EQ(from.plottable(0)->valueAxis(), extra->Axis());

    to.AddSeries(&cursor);
    EXPECT_EQ(from.SeriesCount(), 0);
    EXPECT_EQ(from.plottableCount(), 0);
    EXPECT_EQ(cursor.ParentChart(), &to);
    EXPECT_EQ(cursor.CustomVerticalAxis(), nullptr);
    EXPECT_EQ(to.plottable(0)->valueAxis(), to.yAxis);
}

TEST(ChartLayerTest, EitherMayBeDestroyedFirst)
{
    auto series = std::make_unique<TLineSeries>(QStringLiteral("s"), Qt::red, nullptr);
    {
        TChart chart(QStringLiteral("chart"));
        chart.AddSeries(series.get());
    }
    EXPECT_EQ(series->ParentChart(), nullptr);
    series->AddXY(1, 1);

    TChart chart(QStringLiteral("chart"));
    chart.AddSeries(series.get());
    series.reset();
    EXPECT_EQ(chart.SeriesCount(), 0);
    EXPECT_EQ(chart.plottableCount(), 0);
}

TEST(ChartLayerTest, RightAxisShowsOnlyWhileASeriesStandsOnIt)
{
    TChart chart(QStringLiteral("chart"));
    TLineSeries external(QStringLiteral("external"), Qt::green, nullptr);
    external.SetOnRightAxis(true);
    EXPECT_FALSE(chart.yAxis2->visible());
    chart.AddSeries(&external);
    EXPECT_TRUE(chart.yAxis2->visible());
    EXPECT_EQ(chart.plottable(0)->valueAxis(), chart.yAxis2);
    chart.RemoveSeries(&external);
    EXPECT_FALSE(chart.yAxis2->visible());
}

struct RangeCase {
    double first, second, minimum, maximum;
};

void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.first << ".." << c.second; }

class AxisRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(AxisRangeTest, FixedRangeIsOrderedAndStopsAutomaticScaling)
{
    TChart chart(QStringLiteral("chart"));
    TLineSeries series(QStringLiteral("s"), Qt::red, nullptr);
    chart.AddSeries(&series);
    chart.LeftAxis().SetMinMax(GetParam().first, GetParam().second);
    series.AddXY(0, 1e6);
    chart.replot();
    EXPECT_EQ(chart.LeftAxis().Minimum(), GetParam().minimum);
    EXPECT_EQ(chart.LeftAxis().Maximum(), GetParam().maximum);
    EXPECT_FALSE(chart.LeftAxis().Automatic());
}

INSTANTIATE_TEST_SUITE_P(Ranges, AxisRangeTest,
                         ::testing::Values(RangeCase{-4000, 4000, -4000, 4000},
                                           RangeCase{2, 1, 1, 2},
                                           RangeCase{-0.5, 10.5, -0.5, 10.5}),
                         lmv::test::PrintedName());

TEST(ChartLayerTest, AutomaticAxesSpanTheData)
{
    TChart chart(QStringLiteral("chart"));
    TLineSeries series(QStringLiteral("s"), Qt::red, nullptr);
    chart.AddSeries(&series);
    series.AddXY(10, -3);
    series.AddXY(20, 7);
    chart.replot();
    EXPECT_EQ(chart.BottomAxis().Minimum(), 10);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 20);
    EXPECT_EQ(chart.LeftAxis().Minimum(), -3);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 7);
}

TEST(ChartLayerTest, ClearEmptiesTheSeriesOnAndOffTheChart)
{
    TChart chart(QStringLiteral("chart"));
    TBarSeries marks(QStringLiteral("marks"), Qt::green, 1.0, nullptr);
    chart.AddSeries(&marks);
    marks.AddXY(90.5, 1e6);
    marks.Clear();
    EXPECT_EQ(marks.Count(), 0);
    chart.RemoveSeries(&marks);
    marks.AddXY(1, 1);
    marks.Clear();
    EXPECT_EQ(marks.Count(), 0);
}

}
}
