#pragma once
// Where a live point is drawn: the curves of its channel (channels 2 to 4 also on the page
// "4+1") and the page whose tab it makes visible. Channel 8 also pairs with channel 0 on the
// page "Два параметра": the i-th point of each meets, index by index.
#include "mainwindow/curves/curve_id.h"

#include <QString>
#include <optional>
#include <span>

namespace lmv::mainwindow {

struct TLivePointRoute {
    std::span<const TCurveId> curves;
    int page = 0;
};

// No route for channels 6, 7 and unknown ones.
std::optional<TLivePointRoute> LivePointRoute(int channel);

constexpr int PairedXChannel = 0;
constexpr int PairedYChannel = 8;

// After a channel-8 point: when the two-parameter curve has fewer points than channel 8, the
// indexes of the pairs it lacks, from its count up to the smaller of the two channels' counts,
// and its page is shown.
struct TPairsToAdd {
    bool due = false;
    int from = 0;
    int to = 0;  // one past the last
};
TPairsToAdd PairsToAdd(int pairedCount, int xCount, int yCount);

// "Неизвестный код: %d %g %g", the numbers in C's six-digit general form.
QString UnknownChannelText(int channel, double x, double y);

}
