// The points of a series: running ranges, bulk replace and append, the point nearest an X.
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

namespace lmv::mainwindow {
namespace {

using model::TPoint;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

std::vector<TPoint> PointsOf(const TChartSeries& series)
{
    std::vector<TPoint> points;
    for (int i = 0; i < series.Count(); ++i)
        points.push_back({series.XValue(i), series.YValue(i)});
    return points;
}

std::vector<std::unique_ptr<TChartSeries>> EveryKind()
{
    std::vector<std::unique_ptr<TChartSeries>> kinds;
    kinds.push_back(std::make_unique<TLineSeries>(QStringLiteral("line"), Qt::red, nullptr));
    kinds.push_back(std::make_unique<TPointSeries>(QStringLiteral("points"), Qt::red, nullptr));
    kinds.push_back(std::make_unique<TBarSeries>(QStringLiteral("bars"), Qt::red, 1.0, nullptr));
    kinds.push_back(
        std::make_unique<TArrivalOrderSeries>(QStringLiteral("curve"), Qt::red, nullptr));
    return kinds;
}

TValueRange Span(double lower, double upper) { return {lower, upper, true}; }

TEST(SeriesRangeTest, NonFinitePointsStretchNoRangeWhicheverWayTheyCome)
{
    const std::vector<TPoint> points{{1, NaN}, {Inf, 5}, {4, -1}, {-2, 3}, {0, -Inf}, {NaN, 9}};
    for (const auto& series : EveryKind()) {
        SCOPED_TRACE(series->objectName().toStdString());
        for (const TPoint& p : points)
            series->AddXY(p.X, p.Y);
        EXPECT_EQ(series->XRange(), Span(-2, 4));
        EXPECT_EQ(series->YRange(), Span(-1, 3));

        series->Clear();
        EXPECT_FALSE(series->XRange().Found);
        EXPECT_FALSE(series->YRange().Found);

        series->AddPoints(points);
        EXPECT_EQ(series->XRange(), Span(-2, 4));
        series->Assign(std::vector<TPoint>{{10, 20}, {NaN, NaN}});
        EXPECT_EQ(series->XRange(), Span(10, 10)) << "a replace forgets the old points";
        EXPECT_EQ(series->YRange(), Span(20, 20));
        series->Assign({});
        EXPECT_FALSE(series->XRange().Found);
    }
}

TEST(SeriesBulkTest, SortedKindsSortOnceAndKeepTheOrderOfEqualX)
{
    TLineSeries line(QStringLiteral("line"), Qt::red, nullptr);
    TBarSeries bars(QStringLiteral("bars"), Qt::red, 1.0, nullptr);
    for (TChartSeries* series : std::initializer_list<TChartSeries*>{&line, &bars}) {
        series->Assign(std::vector<TPoint>{{3, 30}, {1, 10}, {2, 20}, {1, 11}, {NaN, 0}});
        EXPECT_EQ(PointsOf(*series), (std::vector<TPoint>{{1, 10}, {1, 11}, {2, 20}, {3, 30}}))
            << "a point with X NaN has no place in an order by X";
        series->AddPoints(std::vector<TPoint>{{2.5, 25}, {0, 0}, {1, 12}, {9, 90}});
        EXPECT_EQ(PointsOf(*series),
                  (std::vector<TPoint>{
                      {0, 0}, {1, 10}, {1, 11}, {1, 12}, {2, 20}, {2.5, 25}, {3, 30}, {9, 90}}));
    }
}

TEST(SeriesBulkTest, ArrivalOrderKindKeepsTheGivenOrder)
{
    TArrivalOrderSeries curve(QStringLiteral("curve"), Qt::red, nullptr);
    curve.AddXY(7, 7);
    const std::vector<TPoint> given{{3, 30}, {1, 10}, {NaN, 0}, {2, 20}};
    curve.Assign(given);
    EXPECT_EQ(curve.Count(), 4);
    EXPECT_EQ(curve.XValue(0), 3);
    EXPECT_EQ(curve.XValue(3), 2);
    curve.AddPoints(std::vector<TPoint>{{0, 0}, {5, 50}});
    curve.AddXY(-1, -10);
    const std::vector<double> xs{curve.XValue(4), curve.XValue(5), curve.XValue(6)};
    EXPECT_EQ(xs, (std::vector<double>{0, 5, -1}));
}

TEST(SeriesBulkTest, UnsortedBulkReplaceOfManyPointsMatchesPointByPoint)
{
    std::vector<TPoint> points;
    for (int i = 0; i < 2000; ++i)
        points.push_back({double((i * 7919) % 2000), double(i)});
    TLineSeries bulk(QStringLiteral("bulk"), Qt::red, nullptr);
    TLineSeries single(QStringLiteral("single"), Qt::red, nullptr);
    bulk.Assign(points);
    for (const TPoint& p : points)
        single.AddXY(p.X, p.Y);
    EXPECT_EQ(PointsOf(bulk), PointsOf(single));
}

// Y numbers the points, so that a change in the order of equal X shows.
TEST(SeriesBulkTest, BulkReplaceOfManyPointsKeepsTheOrderOfEqualXWhateverTheX)
{
    constexpr double tiny = std::numeric_limits<double>::denorm_min();
    struct Case {
        const char* name;
        double (*x)(int i);
    };
    const Case cases[] = {
        {"few values", [](int i) { return double((i * 7919) % 13); }},
        {"both signs and both zeros",
         [](int i) {
             return i % 3 == 0 ? (i % 2 ? -0.0 : 0.0) : ((i * 7919) % 2001 - 1000) * 0.25;
         }},
        {"infinities, tiny and huge",
         [](int i) {
             const double xs[] = {Inf, -Inf, tiny, -tiny, 1e300, -1e300, 1, -0.0};
             return xs[(i * 7919) % 8];
         }},
        {"descending", [](int i) { return -double(i / 2); }},
    };
    for (const Case& c : cases) {
        std::vector<TPoint> points;
        for (int i = 0; i < 10000; ++i)
            points.push_back({c.x(i), double(i)});
        std::vector<TPoint> sorted = points;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const TPoint& a, const TPoint& b) { return a.X < b.X; });
        TLineSeries line(QStringLiteral("line"), Qt::red, nullptr);
        TBarSeries bars(QStringLiteral("bars"), Qt::red, 1.0, nullptr);
        for (TChartSeries* series : std::initializer_list<TChartSeries*>{&line, &bars}) {
            series->Assign(points);
            EXPECT_EQ(PointsOf(*series), sorted) << c.name;
        }
    }
}

struct NearestCase {
    const char* name;
    double x;
    int index;
};

class NearestIndexTest : public ::testing::TestWithParam<NearestCase> {};

TEST_P(NearestIndexTest, FindsThePointNearestToX)
{
    TLineSeries line(QStringLiteral("line"), Qt::red, nullptr);
    line.Assign(std::vector<TPoint>{{1, 0}, {2, 0}, {2, 0}, {4, 0}});
    EXPECT_EQ(line.NearestIndex(GetParam().x), GetParam().index);
    TBarSeries bars(QStringLiteral("bars"), Qt::red, 1.0, nullptr);
    bars.Assign(std::vector<TPoint>{{1, 0}, {2, 0}, {2, 0}, {4, 0}});
    EXPECT_EQ(bars.NearestIndex(GetParam().x), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Xs, NearestIndexTest,
    ::testing::Values(NearestCase{"minus_infinity", -Inf, 0},
                      NearestCase{"before_the_first", -5, 0}, NearestCase{"on_the_first", 1, 0},
                      NearestCase{"tie_takes_the_lower", 1.5, 0},
                      NearestCase{"nearer_the_upper", 1.6, 1},
                      NearestCase{"on_equals_takes_the_first", 2, 1},
                      NearestCase{"tie_after_equals", 3, 1}, NearestCase{"nearer_the_last", 3.1, 3},
                      NearestCase{"after_the_last", 100, 3}, NearestCase{"plus_infinity", Inf, 3},
                      NearestCase{"nan", NaN, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NearestIndexTest, EmptyAndSinglePointSeries)
{
    TLineSeries line(QStringLiteral("line"), Qt::red, nullptr);
    EXPECT_EQ(line.NearestIndex(0), -1);
    line.AddXY(5, 1);
    EXPECT_EQ(line.NearestIndex(-1e300), 0);
    EXPECT_EQ(line.NearestIndex(1e300), 0);
}

// The axes fitted from the running ranges span what the plottables' own fitting would.
TEST(ChartFitTest, AutomaticAxesMatchThePlottablesOwnRescale)
{
    TChart chart(QStringLiteral("chart"));
    chart.resize(400, 300);
    TLineSeries line(QStringLiteral("line"), Qt::red, nullptr);
    TBarSeries marks(QStringLiteral("marks"), Qt::green, 1.0, nullptr);
    TArrivalOrderSeries right(QStringLiteral("right"), Qt::blue, nullptr);
    right.SetOnRightAxis(true);
    for (TChartSeries* series : std::initializer_list<TChartSeries*>{&line, &marks, &right})
        chart.AddSeries(series);
    line.Assign(std::vector<TPoint>{{10, 5}, {20, 7}, {15, 6}});
    marks.Assign(std::vector<TPoint>{{12, 3}, {25, 4}});
    right.Assign(std::vector<TPoint>{{30, -1}, {5, 2}});
    chart.replot();
    const QCPRange bottom = chart.xAxis->range(), left = chart.yAxis->range(),
                   rightRange = chart.yAxis2->range();
    EXPECT_EQ(left, QCPRange(0, 7)) << "bars stand on zero";
    EXPECT_EQ(rightRange, QCPRange(-1, 2));
    chart.xAxis->rescale();
    chart.yAxis->rescale();
    chart.yAxis2->rescale();
    EXPECT_EQ(bottom, chart.xAxis->range());
    EXPECT_EQ(left, chart.yAxis->range());
    EXPECT_EQ(rightRange, chart.yAxis2->range());
}

TEST(ChartFitTest, SingleValueCentresTheAxisAndNonFiniteIsIgnored)
{
    TChart chart(QStringLiteral("chart"));
    TLineSeries line(QStringLiteral("line"), Qt::red, nullptr);
    chart.AddSeries(&line);
    chart.LeftAxis().SetMinMax(0, 10);
    chart.LeftAxis().SetAutomatic(true);
    line.Assign(std::vector<TPoint>{{1, 50}, {2, Inf}, {3, 50}, {NaN, 1}});
    chart.replot();
    EXPECT_EQ(chart.LeftAxis().Minimum(), 45);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 55);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 1);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 3);
}

}
}
