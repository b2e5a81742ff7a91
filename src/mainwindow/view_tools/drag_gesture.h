#pragma once
// What a drag over a chart means: with the left button down and to the right it zooms into the
// rectangle dragged, up or to the left it undoes the zoom; with the right button it scrolls.
// A left drag shorter than MinimumDragPixels is a click.
#include <QPoint>

namespace lmv::mainwindow {

enum class TDragButton { Left, Right, Other };
enum class TDragGesture { None, ZoomIn, UndoZoom, Scroll };

constexpr int MinimumDragPixels = 8;

// start and end in the chart's pixels (y grows downwards).
TDragGesture ClassifyDrag(TDragButton button, QPoint start, QPoint end, bool zoomEnabled);

}
