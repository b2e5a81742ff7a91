#include "mainwindow/record_display/two_parameter_curve.h"

#include <algorithm>

namespace lmv::mainwindow {

namespace {

void SortByX(std::vector<model::TPoint>& points)
{
    std::stable_sort(points.begin(), points.end(),
                     [](const model::TPoint& a, const model::TPoint& b) { return a.X < b.X; });
}

}

std::vector<model::TPoint> TwoParameterCurve(std::vector<model::TPoint> xChannel,
                                             std::vector<model::TPoint> yChannel)
{
    SortByX(xChannel);
    SortByX(yChannel);
    const std::size_t count = std::min(xChannel.size(), yChannel.size());
    std::vector<model::TPoint> curve(count);
    for (std::size_t i = 0; i < count; ++i)
        curve[i] = {xChannel[i].Y, yChannel[i].Y};
    return curve;
}

}
