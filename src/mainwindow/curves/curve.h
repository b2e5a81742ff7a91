#pragma once
// One curve as its series draws it: the points in the series' order, the running span of the
// finite ones, and the lookups by X. A curve kept in order of X places a new point as the series
// does (after the last unless it is below it, else before the first point of its X or above), and
// leaves out points whose X is NaN when it is assigned; a curve kept in arrival order keeps every
// point as it came.
#include "mainwindow/curves/value_range.h"
#include "model/recording_model.h"

#include <span>
#include <vector>

namespace lmv::mainwindow {

enum class TCurveOrder { ByX, Arrival };

class TCurve {
public:
    explicit TCurve(TCurveOrder order = TCurveOrder::ByX) : order_(order) {}

    TCurveOrder Order() const { return order_; }
    int Count() const { return int(points_.size()); }
    double X(int index) const { return points_[std::size_t(index)].X; }
    double Y(int index) const { return points_[std::size_t(index)].Y; }
    const std::vector<model::TPoint>& Points() const { return points_; }
    const TValueRange& XRange() const { return xRange_; }
    const TValueRange& YRange() const { return yRange_; }

    void Add(double x, double y);
    void Assign(std::span<const model::TPoint> points);
    void Clear();

    // The first point whose X is at least x, -1 when there is none: a binary search in order of
    // X, a walk from the first point in arrival order.
    int FirstIndexNotBelow(double x) const;

private:
    void Include(const model::TPoint& point);

    TCurveOrder order_;
    std::vector<model::TPoint> points_;
    TValueRange xRange_;
    TValueRange yRange_;
};

}
