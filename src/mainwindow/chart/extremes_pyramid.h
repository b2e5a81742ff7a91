#pragma once
// The lowest and highest value of every block of 2^k points of a line kept in order of X, for
// each k: the extremes of any run of points come from a few blocks, however long the run is.
// Blocks are brought up to date before they are read, from the first point that changed on, so
// appending at the end costs little and a change in the middle rebuilds from there.
#include <qcustomplot.h>
#include <span>
#include <vector>

namespace lmv::mainwindow {

class TExtremesPyramid {
public:
    // Indices of points; -1: none. Gap is a point whose value is NaN, drawn as a break. The
    // values are kept beside the indices so that reading a block touches no point. Of equal
    // values, and of breaks, the first point is kept, so the extremes of a run do not depend on
    // how it was split into parts.
    struct TExtremes {
        double Low = 0;
        double High = 0;
        int Min = -1;
        int Max = -1;
        int Gap = -1;
        bool operator==(const TExtremes&) const = default;
        void Include(const TExtremes& part);
    };
    // The smallest blocks hold 2^FirstShift points; shorter runs are read point by point.
    static constexpr int FirstShift = 3;

    // The points from this index on were changed, inserted or removed.
    void Invalidate(int from);
    void Update(std::span<const QCPGraphData> points);
    // The extremes of the points [begin, end); the pyramid must be up to date with points.
    TExtremes Query(std::span<const QCPGraphData> points, int begin, int end) const;

    const std::vector<std::vector<TExtremes>>& Levels() const { return levels_; }

private:
    std::vector<std::vector<TExtremes>> levels_;
    int validCount_ = 0;
};

}
