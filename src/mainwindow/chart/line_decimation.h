#pragma once
// What a line needs to look as it does with all its points, in a view of some columns of pixels:
// per column its first, lowest, highest and last point (and a break if it has one), in order of
// X, and the nearest point on either side of the view, so the line leaves the view as it would.
#include "mainwindow/chart/extremes_pyramid.h"

#include <QVector>
#include <vector>

namespace lmv::mainwindow {

// points: in ascending order of X, with the pyramid up to date; lower < upper.
QVector<QCPGraphData> DecimatedForView(std::span<const QCPGraphData> points,
                                       const TExtremesPyramid& pyramid, double lower, double upper,
                                       int columns);

// The same for a line drawn again and again. Each column's extremes are kept with the run of
// points they came from; a view that moved a little (the axis stretched by a new reading) shifts
// each run by a point or two, so only the points that entered a run are read, and a run is read
// afresh only when it lost one of its extremes.
class TViewDecimation {
public:
    // The points from this index on were changed, inserted or removed.
    void Invalidate(int from);
    // points: in ascending order of X; lower < upper.
    QVector<QCPGraphData> ForView(std::span<const QCPGraphData> points, double lower, double upper,
                                  int columns);

private:
    using TExtremes = TExtremesPyramid::TExtremes;
    struct TRun {
        int Begin = 0;
        int End = 0;
        TExtremes Extremes;
    };
    TExtremes ExtremesOf(std::span<const QCPGraphData> points, int column, int begin, int end);
    bool Reusable(const TRun& run, int begin, int end) const;

    TExtremesPyramid pyramid_;
    std::vector<TRun> runs_;
    // Runs reaching beyond this many points may hold points that changed since.
    int validCount_ = 0;
};

}
