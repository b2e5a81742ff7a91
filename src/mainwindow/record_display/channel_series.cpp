#include "mainwindow/record_display/channel_series.h"

#include <array>

namespace lmv::mainwindow {

namespace {

struct TChannelRow {
    int channelId;
    TCurveId curve;
    int page;
};

constexpr std::array<TChannelRow, 7> ChannelTable{{
    {0, TCurveId::Series1, 0},
    {1, TCurveId::FastLineSeries1, 1},
    {2, TCurveId::FastLineSeries2, 2},
    {3, TCurveId::FastLineSeries3, 3},
    {4, TCurveId::FastLineSeries4, 4},
    {5, TCurveId::Series7, 7},
    {8, TCurveId::Series15, 1},
}};

}

std::optional<TChannelSeries> SeriesOfChannel(int channelId)
{
    for (const TChannelRow& row : ChannelTable)
        if (row.channelId == channelId)
            return TChannelSeries{row.curve, row.page};
    return std::nullopt;
}

std::optional<TCurveId> SeriesOfPage(int page)
{
    // Channel 8 shares page 1 with channel 1, whose curve is the page's own.
    for (const TChannelRow& row : ChannelTable)
        if (row.page == page && row.channelId != 8)
            return row.curve;
    return std::nullopt;
}

}
