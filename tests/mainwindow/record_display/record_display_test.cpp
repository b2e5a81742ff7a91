// Where a shown record's channels go, the two-parameter curve and the end point's Y.
#include "mainwindow/record_display/channel_series.h"
#include "mainwindow/record_display/end_point.h"
#include "mainwindow/record_display/live_record_shown.h"
#include "mainwindow/record_display/two_parameter_curve.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

TEST(ChannelSeries, EveryDrawnChannelHasItsSeriesAndPage)
{
    const struct {
        int channel;
        const char* series;
        int page;
    } drawn[] = {{0, "Series1", 0},         {1, "FastLineSeries1", 1}, {2, "FastLineSeries2", 2},
                 {3, "FastLineSeries3", 3}, {4, "FastLineSeries4", 4}, {5, "Series7", 7},
                 {8, "Series15", 1}};
    for (const auto& row : drawn) {
        const auto series = SeriesOfChannel(row.channel);
        ASSERT_TRUE(series) << row.channel;
        EXPECT_EQ(CurveName(series->curve), QLatin1String(row.series));
        EXPECT_EQ(series->page, row.page);
    }
    for (const int undrawn : {6, 7, 9, -1})
        EXPECT_FALSE(SeriesOfChannel(undrawn)) << undrawn;
}

TEST(ChannelSeries, PagesWithACurve)
{
    EXPECT_EQ(SeriesOfPage(1), TCurveId::FastLineSeries1);  // not channel 8's Series15
    EXPECT_EQ(SeriesOfPage(7), TCurveId::Series7);
    for (const int page : {5, 6, 8, 13})
        EXPECT_FALSE(SeriesOfPage(page)) << page;
}

TEST(TwoParameterCurve, PairsTheYValuesInOrderOfXUpToTheShorterChannel)
{
    std::vector<model::TPoint> channel0;
    for (int i = 9; i >= 0; --i)  // stored out of order: the series sorts it
        channel0.push_back({double(i), 100.0 + i});
    std::vector<model::TPoint> channel8;
    for (int i = 0; i < 7; ++i)
        channel8.push_back({double(i), -double(i)});
    const auto curve = TwoParameterCurve(channel0, channel8);
    ASSERT_EQ(curve.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(curve[i], (model::TPoint{100.0 + i, -double(i)}));
    EXPECT_TRUE(TwoParameterCurve(channel0, {}).empty());
}

TEST(EndPoint, StoredYOrTheCurvesLastY)
{
    EXPECT_EQ(EndPointY(3.5, 7.0), 3.5);
    EXPECT_EQ(EndPointY(model::NoResult, 7.0), 7.0);
    EXPECT_FALSE(EndPointY(model::NoResult, std::nullopt));
}

TEST(LiveRecordShown, SameNameAndNoDiskBrowsed)
{
    EXPECT_TRUE(LiveRecordShown("5", "5", ""));
    EXPECT_TRUE(LiveRecordShown("", "", ""));
    EXPECT_FALSE(LiveRecordShown("5", "6", ""));
    EXPECT_FALSE(LiveRecordShown("5", "5", "/media/sd/"));
}

}
}
