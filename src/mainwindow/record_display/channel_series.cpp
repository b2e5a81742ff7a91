#include "mainwindow/record_display/channel_series.h"

#include <array>

namespace lmv::mainwindow {

namespace {

struct TChannelRow {
    int channelId;
    const char* series;
    int page;
};

constexpr std::array<TChannelRow, 7> ChannelTable{{
    {0, "Series1", 0},
    {1, "FastLineSeries1", 1},
    {2, "FastLineSeries2", 2},
    {3, "FastLineSeries3", 3},
    {4, "FastLineSeries4", 4},
    {5, "Series7", 7},
    {8, "Series15", 1},
}};

}

std::optional<TChannelSeries> SeriesOfChannel(int channelId)
{
    for (const TChannelRow& row : ChannelTable)
        if (row.channelId == channelId)
            return TChannelSeries{QString::fromLatin1(row.series), row.page};
    return std::nullopt;
}

std::optional<QString> SeriesOfPage(int page)
{
    // Channel 8 shares page 1 with channel 1, whose curve is the page's own.
    for (const TChannelRow& row : ChannelTable)
        if (row.page == page && row.channelId != 8)
            return QString::fromLatin1(row.series);
    return std::nullopt;
}

}
