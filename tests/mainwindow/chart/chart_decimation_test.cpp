// Long lines drawn from a few points per pixel column: the min/max pyramid against a plain scan,
// the points kept per column, and the series keeping its plottable's points in step.
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/line_decimation.h"
#include "mainwindow/chart/series_kinds.h"

#include <QPicture>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace lmv::mainwindow {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
using TKeyValues = std::vector<std::pair<double, double>>;

// Steady readings with jitter, random values, a few breaks and tall spikes.
std::vector<QCPGraphData> Readings(int count, bool withBreaks)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> jitter(0, 0.009), value(-10, 10);
    std::vector<QCPGraphData> points;
    for (int i = 0; i < count; ++i) {
        double y = value(random);
        if (i % 997 == 0)
            y *= 100;
        if (withBreaks && i % 1499 == 5)
            y = NaN;
        points.emplace_back(i * 0.01 + jitter(random), y);
    }
    return points;
}

TKeyValues KeyValues(const QCPGraphDataContainer& data)
{
    TKeyValues values;
    for (auto p = data.constBegin(); p != data.constEnd(); ++p)
        values.emplace_back(p->key, p->value);
    return values;
}

TKeyValues KeyValues(const QVector<QCPGraphData>& data)
{
    TKeyValues values;
    for (const QCPGraphData& p : data)
        values.emplace_back(p.key, p.value);
    return values;
}

TEST(ExtremesPyramidTest, UpdatedPieceByPieceItEqualsARebuildAndAgreesWithAScan)
{
    std::vector<QCPGraphData> points = Readings(5000, true);
    const std::span<const QCPGraphData> all(points);
    TExtremesPyramid pieceByPiece;
    std::mt19937 random(3);
    for (std::size_t held = 0; held < points.size();) {
        held = std::min(points.size(), held + 1 + random() % 300);
        pieceByPiece.Update(all.first(held));
    }
    TExtremesPyramid rebuilt;
    rebuilt.Update(all);
    EXPECT_EQ(pieceByPiece.Levels(), rebuilt.Levels());

    points[1234].value = 1e9;
    pieceByPiece.Invalidate(1234);
    pieceByPiece.Update(all);
    TExtremesPyramid afterChange;
    afterChange.Update(all);
    EXPECT_EQ(pieceByPiece.Levels(), afterChange.Levels());

    for (int trial = 0; trial < 300; ++trial) {
        const int begin = int(random() % 5000);
        const int end = begin + 1 + int(random() % (5000 - begin));
        const TExtremesPyramid::TExtremes got = pieceByPiece.Query(all, begin, end);
        double low = std::numeric_limits<double>::infinity(), high = -low;
        bool gap = false;
        for (int i = begin; i < end; ++i) {
            gap = gap || std::isnan(points[std::size_t(i)].value);
            if (!std::isnan(points[std::size_t(i)].value)) {
                low = std::min(low, points[std::size_t(i)].value);
                high = std::max(high, points[std::size_t(i)].value);
            }
        }
        ASSERT_EQ(got.Gap >= 0, gap) << begin << ".." << end;
        if (got.Min >= 0) {
            ASSERT_EQ(points[std::size_t(got.Min)].value, low) << begin << ".." << end;
            ASSERT_EQ(points[std::size_t(got.Max)].value, high) << begin << ".." << end;
        }
    }

    pieceByPiece.Invalidate(0);
    pieceByPiece.Update(all.first(100));
    TExtremesPyramid small;
    small.Update(all.first(100));
    EXPECT_EQ(pieceByPiece.Levels(), small.Levels());
}

TEST(LineDecimationTest, EveryColumnKeepsItsEndsAndExtremesAndTheLineLeavesTheView)
{
    const std::vector<QCPGraphData> points = Readings(20000, true);
    TExtremesPyramid pyramid;
    pyramid.Update(points);
    const double lower = 31.234, upper = 162.5;
    const int columns = 300;
    const QVector<QCPGraphData> view = DecimatedForView(points, pyramid, lower, upper, columns);

    ASSERT_LE(view.size(), 5 * columns + 2);
    EXPECT_TRUE(std::is_sorted(view.begin(), view.end(),
                               [](const auto& a, const auto& b) { return a.key < b.key; }));
    const auto firstIn =
        std::lower_bound(points.begin(), points.end(), lower,
                         [](const QCPGraphData& p, double k) { return p.key < k; });
    EXPECT_EQ(view.first().key, (firstIn - 1)->key);
    const auto after = std::upper_bound(points.begin(), points.end(), upper,
                                        [](double k, const QCPGraphData& p) { return k < p.key; });
    EXPECT_EQ(view.last().key, after->key);

    const double width = (upper - lower) / columns;
    auto from = firstIn;
    for (int column = 1; column <= columns; ++column) {
        const double end = lower + width * column;
        auto to = from;
        while (to != after && (column == columns || to->key < end))
            ++to;
        if (from == to)
            continue;
        // A break is neither the lowest nor the highest point.
        const auto low = std::min_element(from, to, [](const auto& a, const auto& b) {
            return !std::isnan(a.value) && (std::isnan(b.value) || a.value < b.value);
        });
        const auto high = std::max_element(from, to, [](const auto& a, const auto& b) {
            return std::isnan(a.value) ? !std::isnan(b.value)
                                       : !std::isnan(b.value) && a.value < b.value;
        });
        for (const double key : {from->key, (to - 1)->key, low->key, high->key}) {
            ASSERT_TRUE(std::any_of(view.begin(), view.end(),
                                    [&](const QCPGraphData& p) { return p.key == key; }))
                << "column " << column << " lost the point at " << key;
        }
        if (std::any_of(from, to, [](const auto& p) { return std::isnan(p.value); })) {
            EXPECT_TRUE(std::any_of(view.begin(), view.end(),
                                    [&](const QCPGraphData& p) {
                                        return p.key >= from->key && p.key <= (to - 1)->key &&
                                            std::isnan(p.value);
                                    }))
                << "column " << column << " lost its break";
        }
        from = to;
    }
}

// Breaks compare equal to each other, so two views can be compared as they would be drawn.
TKeyValues Drawn(const QVector<QCPGraphData>& data)
{
    TKeyValues values = KeyValues(data);
    for (auto& [key, value] : values)
        value = std::isnan(value) ? std::numeric_limits<double>::infinity() : value;
    return values;
}

QVector<QCPGraphData> FreshView(const std::vector<QCPGraphData>& points, double lower, double upper,
                                int columns)
{
    TExtremesPyramid pyramid;
    pyramid.Update(points);
    return DecimatedForView(points, pyramid, lower, upper, columns);
}

// Values on a coarse grid (so many are equal), steep runs (so extremes sit at the ends of
// columns), breaks, and a point of new readings every tenth of a second.
QCPGraphData Reading(std::mt19937& random, double key)
{
    const double value = std::round(std::sin(key / 3) * 20) + double(random() % 3);
    return {key, random() % 211 == 0 ? NaN : value};
}

TEST(ViewDecimationTest, KeptColumnsGiveWhatAFreshDecimationGives)
{
    std::mt19937 random(11);
    std::vector<QCPGraphData> points;
    for (int i = 0; i < 20000; ++i)
        points.push_back(Reading(random, i * 0.1));
    TViewDecimation kept;
    double lower = 0, upper = 2000;
    int columns = 300;
    const auto check = [&](const char* step) {
        ASSERT_EQ(Drawn(kept.ForView(points, lower, upper, columns)),
                  Drawn(FreshView(points, lower, upper, columns)))
            << step << " at " << points.size() << " points, view " << lower << ".." << upper;
    };
    check("first view");
    for (int step = 0; step < 400; ++step) {
        switch (step % 8) {
        case 0:  // new readings, the axis stretched to them
        case 1:
        case 2: {
            kept.Invalidate(int(points.size()));
            for (int n = 1 + int(random() % 3); n > 0; --n)
                points.push_back(Reading(random, points.back().key + 0.1));
            upper = points.back().key;
            check("append");
            break;
        }
        case 3: {  // a point put in among the others
            const std::size_t at = 1 + random() % (points.size() - 1);
            points.insert(points.begin() + long(at),
                          {(points[at - 1].key + points[at].key) / 2, 1e3});
            kept.Invalidate(int(at));
            check("insert");
            break;
        }
        case 4: {  // a point changed in place, and one taken out
            const std::size_t at = random() % points.size();
            points[at].value = -1e3;
            kept.Invalidate(int(at));
            check("change");
            points.erase(points.begin() + long(at));
            kept.Invalidate(int(at));
            check("remove");
            break;
        }
        case 5:  // panned a little, then zoomed in and out
            lower += 0.37;
            upper += 0.37;
            check("pan");
            lower += 100;
            check("zoom in");
            lower = std::max(0.0, lower - 150);
            check("zoom out");
            break;
        case 6:  // a wider or narrower drawing
            columns = 200 + int(random() % 400);
            check("columns");
            break;
        case 7:
            if (step % 80 == 7) {
                points.resize(100 + random() % 5000);
                kept.Invalidate(0);
                check("refilled");
            }
            break;
        }
    }
}

class DecimatedSeriesTest : public ::testing::Test {
protected:
    DecimatedSeriesTest()
    {
        chart_.resize(400, 300);
        chart_.AddSeries(&series_);
    }

    QCPGraph& Graph() { return *static_cast<QCPGraph*>(chart_.plottable(0)); }
    std::vector<QCPGraphData> Held() const
    {
        std::vector<QCPGraphData> held;
        for (int i = 0; i < series_.Count(); ++i)
            held.emplace_back(series_.XValue(i), series_.YValue(i));
        return held;
    }
    // What the plottable must hold for the bottom axis's range, worked out from scratch.
    TKeyValues Expected(int columns)
    {
        const std::vector<QCPGraphData> held = Held();
        TExtremesPyramid pyramid;
        pyramid.Update(held);
        const QCPRange range = chart_.xAxis->range();
        return KeyValues(DecimatedForView(held, pyramid, range.lower, range.upper, columns));
    }

    TChart chart_{QStringLiteral("Chart1")};
    TLineSeries series_{QStringLiteral("line"), Qt::red, nullptr};
};

TEST_F(DecimatedSeriesTest, PlottableFollowsEveryChangeOfThePoints)
{
    const std::vector<QCPGraphData> readings = Readings(30000, false);
    std::vector<model::TPoint> first, middle;
    for (std::size_t i = 0; i < readings.size(); ++i)
        (i % 3 ? first : middle).push_back({readings[i].key, readings[i].value});

    std::size_t added = 0;
    for (; added < first.size() / 2; added += 700)
        series_.AddPoints(std::span(first).subspan(added, 700));
    chart_.replot();
    EXPECT_EQ(KeyValues(*Graph().data()), Expected(chart_.width()));

    for (; added < first.size(); ++added)
        series_.AddXY(first[added].X, first[added].Y);
    series_.AddXY(150.005, 1e6);
    chart_.replot();
    EXPECT_EQ(KeyValues(*Graph().data()), Expected(chart_.width()));

    series_.AddPoints(middle);
    chart_.replot();
    EXPECT_EQ(KeyValues(*Graph().data()), Expected(chart_.width()));
    EXPECT_LT(Graph().data()->size(), 5 * chart_.width());

    QPicture picture;
    QCPPainter painter(&picture);
    chart_.RenderTo(painter, 1500, 400);
    painter.end();
    EXPECT_EQ(KeyValues(*Graph().data()), Expected(1500));

    series_.Assign(std::span(middle).first(200));
    chart_.replot();
    EXPECT_EQ(Graph().data()->size(), 200);

    series_.Assign(first);
    chart_.replot();
    EXPECT_EQ(KeyValues(*Graph().data()), Expected(chart_.width()));

    series_.Clear();
    chart_.replot();
    EXPECT_TRUE(Graph().data()->isEmpty());
}

TEST_F(DecimatedSeriesTest, ZoomingInDrawsThePointsOfTheNewViewSmoothed)
{
    std::vector<model::TPoint> points;
    for (const QCPGraphData& p : Readings(50000, false))
        points.push_back({p.key, p.value});
    series_.Assign(points);
    chart_.replot();
    const TKeyValues whole = KeyValues(*Graph().data());
    EXPECT_FALSE(Graph().antialiased()) << "columns of many points are upright strokes";

    chart_.BottomAxis().SetMinMax(100, 101);
    chart_.replot();
    const TKeyValues zoomed = KeyValues(*Graph().data());
    EXPECT_TRUE(Graph().antialiased()) << "a line of few points per column is smoothed";
    EXPECT_NE(zoomed, whole);
    EXPECT_EQ(zoomed, Expected(chart_.width()));
    // A hundred points are in view, all of them drawn, with one on either side.
    EXPECT_EQ(zoomed.size(), 102u);
    EXPECT_LT(zoomed.front().first, 100);
    EXPECT_GT(zoomed.back().first, 101);
}

}
}
