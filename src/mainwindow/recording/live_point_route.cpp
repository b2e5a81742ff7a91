#include "mainwindow/recording/live_point_route.h"

#include <QString>
#include <algorithm>

namespace lmv::mainwindow {

std::optional<TLivePointRoute> LivePointRoute(int channel)
{
    switch (channel) {
    case 0:
        return TLivePointRoute{{QStringLiteral("Series1")}, 0};
    case 1:
        return TLivePointRoute{{QStringLiteral("FastLineSeries1")}, 1};
    case 2:
        return TLivePointRoute{{QStringLiteral("FastLineSeries2"), QStringLiteral("Series4")}, 2};
    case 3:
        return TLivePointRoute{{QStringLiteral("FastLineSeries3"), QStringLiteral("Series5")}, 3};
    case 4:
        return TLivePointRoute{{QStringLiteral("FastLineSeries4"), QStringLiteral("Series6")}, 4};
    case 5:
        return TLivePointRoute{{QStringLiteral("Series7")}, 7};
    case 8:
        return TLivePointRoute{{QStringLiteral("Series15")}, 1};
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
