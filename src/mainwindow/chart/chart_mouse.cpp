#include "mainwindow/chart/chart_mouse.h"

#include "mainwindow/chart/chart.h"

#include <QCursor>
#include <QMouseEvent>
#include <QRect>
#include <QRubberBand>

namespace lmv::mainwindow {

namespace {

std::optional<TDragButton> DragButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return TDragButton::Left;
    case Qt::RightButton:
        return TDragButton::Right;
    default:
        return std::nullopt;
    }
}

}

TChartMouse::TChartMouse(TChart& chart) : QObject(&chart), chart_(chart)
{
    chart.setMouseTracking(true);
    chart.installEventFilter(this);
}

void TChartMouse::SetZoomEnabled(bool enabled)
{
    zoomEnabled_ = enabled;
    if (enabled)
        return;
    zoomRefused_ = true;
    if (band_)
        band_->hide();
}

void TChartMouse::UndoZoom()
{
    if (!saved_)
        return;
    for (const TSavedAxis& saved : *saved_) {
        saved.axis->SetMinMax(saved.minimum, saved.maximum);
        saved.axis->SetAutomatic(saved.automatic);
    }
    saved_.reset();
    chart_.Refresh();
}

QPoint TChartMouse::Position() const
{
    return pointer_ ? pointer_() : chart_.mapFromGlobal(QCursor::pos());
}

bool TChartMouse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &chart_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        emit Pressed(mouse->button(), mouse->position().toPoint());
        if (const std::optional<TDragButton> button = DragButtonOf(mouse->button()))
            Press(*button, mouse->position().toPoint());
        break;
    }
    case QEvent::Enter:
        over_ = true;
        break;
    case QEvent::Leave:
        over_ = false;
        emit Left();
        break;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        over_ = true;
        heldButtons_ = mouse->buttons();
        Move(mouse->position().toPoint());
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Release(mouse->position().toPoint());
        emit Released(mouse->button(), mouse->position().toPoint());
        break;
    }
    default:
        break;
    }
    return false;
}

// The axes the mouse moves: the bottom, left and right ones and the extra vertical ones.
std::vector<TChartAxis*> TChartMouse::Axes() const
{
    std::vector<TChartAxis*> axes{&chart_.BottomAxis(), &chart_.LeftAxis(), &chart_.RightAxis()};
    for (int index = 0; index < chart_.CustomAxisCount(); ++index)
        axes.push_back(chart_.CustomAxis(index));
    return axes;
}

void TChartMouse::Press(TDragButton button, QPoint at)
{
    held_ = button;
    zoomRefused_ = !zoomEnabled_;
    start_ = last_ = at;
}

void TChartMouse::Move(QPoint at)
{
    if (held_ == TDragButton::Right && at != last_) {
        emit AllowScroll();
        ScrollBy(at - last_);
    } else if (held_ == TDragButton::Left && !zoomRefused_) {
        if (!band_)
            band_ = new QRubberBand(QRubberBand::Rectangle, &chart_);
        band_->setGeometry(QRect(start_, at).normalized());
        band_->show();
    }
    last_ = at;
    emit MouseMoved();
}

void TChartMouse::Release(QPoint at)
{
    if (!held_)
        return;
    const TDragButton button = *held_;
    held_.reset();
    if (band_)
        band_->hide();
    switch (ClassifyDrag(button, start_, at, !zoomRefused_)) {
    case TDragGesture::ZoomIn:
        ZoomInto(start_, at);
        emit ZoomedIn();
        break;
    case TDragGesture::UndoZoom:
        UndoZoom();
        emit ZoomUndone();
        break;
    case TDragGesture::Scroll:
    case TDragGesture::None:
        break;
    }
}

void TChartMouse::ZoomInto(QPoint from, QPoint to)
{
    if (!saved_) {
        saved_.emplace();
        for (TChartAxis* axis : Axes())
            saved_->push_back({axis, axis->Minimum(), axis->Maximum(), axis->Automatic()});
    }
    for (TChartAxis* axis : Axes()) {
        QCPAxis* plotAxis = axis->Axis();
        const bool horizontal = plotAxis->orientation() == Qt::Horizontal;
        axis->SetMinMax(plotAxis->pixelToCoord(horizontal ? from.x() : from.y()),
                        plotAxis->pixelToCoord(horizontal ? to.x() : to.y()));
    }
    chart_.Refresh();
}

// The view follows the mouse: what was under it stays under it.
void TChartMouse::ScrollBy(QPoint delta)
{
    for (TChartAxis* axis : Axes()) {
        QCPAxis* plotAxis = axis->Axis();
        const bool horizontal = plotAxis->orientation() == Qt::Horizontal;
        const double shift = horizontal ? delta.x() : delta.y();
        const double lower = plotAxis->coordToPixel(axis->Minimum()) - shift;
        const double upper = plotAxis->coordToPixel(axis->Maximum()) - shift;
        axis->SetMinMax(plotAxis->pixelToCoord(lower), plotAxis->pixelToCoord(upper));
    }
    chart_.Refresh();
}

}
