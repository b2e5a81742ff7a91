#pragma once
// The cursor readout's choices and texts: which point of a curve the vertical cursor line marks,
// and the texts of the marks and of the status panel.
#include <QString>
#include <functional>

namespace lmv::mainwindow {

// At most this many curves of a chart get a mark.
constexpr int MaxCursorMarks = 2;

// The first index whose X is not below x, count when there is none, for X ascending with the
// index; a binary search, so the points are never walked.
int FirstIndexNotBelow(int count, const std::function<double(int)>& xAt, double x);
// The point just left of the mouse, given FirstIndexNotBelow: -1 when it is point 0 or there
// is none (the mouse left of point 1 or right of the last point).
int CursorPointIndex(int firstNotBelow, int count);

// "X=… Y=…" of a cursor mark.
QString CursorMarkText(double x, double y);
// " yN=…" of the curve at position `seriesIndex` (0-based) in its chart's list.
QString ReadoutValueText(int seriesIndex, double y);
// The status panel's "x=…" followed by the marked curves' values.
QString ReadoutStatusText(double x, const QString& values);

}
