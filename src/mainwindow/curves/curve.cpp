#include "mainwindow/curves/curve.h"

#include <algorithm>
#include <cmath>

namespace lmv::mainwindow {

namespace {

bool XBelow(const model::TPoint& point, double x) { return point.X < x; }

}

void TCurve::Add(double x, double y)
{
    const model::TPoint point{x, y};
    if (order_ == TCurveOrder::Arrival || points_.empty() || !(x < points_.back().X))
        points_.push_back(point);
    else
        points_.insert(std::lower_bound(points_.begin(), points_.end(), x, XBelow), point);
    Include(point);
}

void TCurve::Assign(std::span<const model::TPoint> points)
{
    Clear();
    points_.reserve(points.size());
    for (const model::TPoint& point : points) {
        if (order_ == TCurveOrder::Arrival || !std::isnan(point.X)) {
            points_.push_back(point);
            Include(point);
        }
    }
    if (order_ == TCurveOrder::ByX)
        std::stable_sort(points_.begin(), points_.end(),
                         [](const model::TPoint& a, const model::TPoint& b) { return a.X < b.X; });
}

void TCurve::Clear()
{
    points_.clear();
    xRange_ = {};
    yRange_ = {};
}

int TCurve::FirstIndexNotBelow(double x) const
{
    if (order_ == TCurveOrder::Arrival) {
        const auto found = std::find_if(points_.begin(), points_.end(),
                                        [x](const model::TPoint& point) { return point.X >= x; });
        return found == points_.end() ? -1 : int(found - points_.begin());
    }
    if (std::isnan(x))
        return -1;
    const auto found = std::lower_bound(points_.begin(), points_.end(), x, XBelow);
    return found == points_.end() ? -1 : int(found - points_.begin());
}

// As the series: a point is in the spans when both its values are finite.
void TCurve::Include(const model::TPoint& point)
{
    if (!std::isfinite(point.X) || !std::isfinite(point.Y))
        return;
    xRange_.Include(point.X);
    yRange_.Include(point.Y);
}

}
