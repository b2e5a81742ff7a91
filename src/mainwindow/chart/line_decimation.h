#pragma once
// What a line needs to look as it does with all its points, in a view of some columns of pixels:
// per column its first, lowest, highest and last point (and a break if it has one), in order of
// X, and the nearest point on either side of the view, so the line leaves the view as it would.
#include "mainwindow/chart/extremes_pyramid.h"

#include <QVector>

namespace lmv::mainwindow {

// points: in ascending order of X, with the pyramid up to date; lower < upper.
QVector<QCPGraphData> DecimatedForView(std::span<const QCPGraphData> points,
                                       const TExtremesPyramid& pyramid, double lower, double upper,
                                       int columns);

}
