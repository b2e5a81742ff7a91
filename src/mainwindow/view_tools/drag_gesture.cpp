#include "mainwindow/view_tools/drag_gesture.h"

#include <algorithm>
#include <cstdlib>

namespace lmv::mainwindow {

namespace {

TDragGesture ClassifyLeftDrag(QPoint delta)
{
    if (delta.x() >= MinimumDragPixels && delta.y() >= MinimumDragPixels)
        return TDragGesture::ZoomIn;
    const bool long_ = std::max(std::abs(delta.x()), std::abs(delta.y())) >= MinimumDragPixels;
    if (long_ && (delta.x() < 0 || delta.y() < 0))
        return TDragGesture::UndoZoom;
    return TDragGesture::None;
}

}

TDragGesture ClassifyDrag(TDragButton button, QPoint start, QPoint end, bool zoomEnabled)
{
    const QPoint delta = end - start;
    switch (button) {
    case TDragButton::Left:
        return zoomEnabled ? ClassifyLeftDrag(delta) : TDragGesture::None;
    case TDragButton::Right:
        return delta.isNull() ? TDragGesture::None : TDragGesture::Scroll;
    case TDragButton::Other:
        break;
    }
    return TDragGesture::None;
}

}
