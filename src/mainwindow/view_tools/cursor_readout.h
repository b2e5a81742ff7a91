#pragma once
// The cursor readout's choices and texts: which point of a curve the vertical cursor line marks,
// and the texts of the marks and of the status panel.
#include <QPointF>
#include <QRectF>
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

// A mark's label and its arrow's end in their usual place (the label above and left of the
// arrow's end), with the label moved only as far as it takes to lie inside the plot; a label
// larger than the plot keeps its left and top edges inside. The arrow then ends at the label's
// point nearest to where it would have ended, so it still meets the label.
struct TCursorLabelPlace {
    QRectF Label;
    QPointF ArrowEnd;
};
TCursorLabelPlace KeepCursorLabelInside(const QRectF& label, QPointF arrowEnd, const QRectF& plot);

// "X=… Y=…" of a cursor mark.
QString CursorMarkText(double x, double y);
// " yN=…" of the curve at position `seriesIndex` (0-based) in its chart's list.
QString ReadoutValueText(int seriesIndex, double y);
// The status panel's "x=…" followed by the marked curves' values.
QString ReadoutStatusText(double x, const QString& values);

}
