#pragma once
// Where a record's channels are drawn: the series of each channel and the page it makes visible,
// and the series whose curve each page shows. Channels 6, 7 and unknown ones are not drawn.
#include <QString>
#include <optional>

namespace lmv::mainwindow {

struct TChannelSeries {
    QString series;  // component name of the series
    int page = 0;  // index of the page made visible, hidden pages counted
};

std::optional<TChannelSeries> SeriesOfChannel(int channelId);

// The series of the curve of a page that carries one (pages 0 to 4 and 7).
std::optional<QString> SeriesOfPage(int page);

// The channels put against each other on the page "Два параметра".
constexpr int TwoParametersXChannel = 0;
constexpr int TwoParametersYChannel = 8;

}
