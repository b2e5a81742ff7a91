#include "mainwindow/recording/live_point_route.h"

#include <algorithm>
#include <array>

namespace lmv::mainwindow {

namespace {

using enum TCurveId;

constexpr std::array Channel0{Series1};
constexpr std::array Channel1{FastLineSeries1};
constexpr std::array Channel2{FastLineSeries2, Series4};
constexpr std::array Channel3{FastLineSeries3, Series5};
constexpr std::array Channel4{FastLineSeries4, Series6};
constexpr std::array Channel5{Series7};
constexpr std::array Channel8{Series15};

}

std::optional<TLivePointRoute> LivePointRoute(int channel)
{
    switch (channel) {
    case 0:
        return TLivePointRoute{Channel0, 0};
    case 1:
        return TLivePointRoute{Channel1, 1};
    case 2:
        return TLivePointRoute{Channel2, 2};
    case 3:
        return TLivePointRoute{Channel3, 3};
    case 4:
        return TLivePointRoute{Channel4, 4};
    case 5:
        return TLivePointRoute{Channel5, 7};
    case 8:
        return TLivePointRoute{Channel8, 1};
    default:
        return std::nullopt;
    }
}

TPairsToAdd PairsToAdd(int pairedCount, int xCount, int yCount)
{
    if (pairedCount >= yCount)
        return {false, pairedCount, pairedCount};
    return {true, pairedCount, std::max(pairedCount, std::min(xCount, yCount))};
}

QString UnknownChannelText(int channel, double x, double y)
{
    return QStringLiteral("Неизвестный код: ") + QString::asprintf("%d %g %g", channel, x, y);
}

}
