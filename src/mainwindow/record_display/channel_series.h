#pragma once
// Where a record's channels are drawn: the curve of each channel and the page it makes visible,
// and the curve each page shows. Channels 6, 7 and unknown ones are not drawn.
#include "mainwindow/curves/curve_id.h"

#include <optional>

namespace lmv::mainwindow {

struct TChannelSeries {
    TCurveId curve;
    int page = 0;  // index of the page made visible, hidden pages counted
};

std::optional<TChannelSeries> SeriesOfChannel(int channelId);

// The curve of a page that carries one (pages 0 to 4 and 7).
std::optional<TCurveId> SeriesOfPage(int page);

// The channels put against each other on the page "Два параметра".
constexpr int TwoParametersXChannel = 0;
constexpr int TwoParametersYChannel = 8;

}
