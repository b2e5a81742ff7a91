#pragma once
// Zooming and scrolling a chart with the mouse, and where the mouse is over it. A left drag down
// and to the right zooms into the rectangle dragged, a left drag up or to the left undoes the
// zoom; a right drag scrolls. The axes before the first zoom are kept for the undo.
#include "mainwindow/view_tools/drag_gesture.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>
#include <vector>

class QRubberBand;

namespace lmv::mainwindow {

class TChart;
class TChartAxis;

class TChartMouse : public QObject {
    Q_OBJECT
public:
    using TPointerSource = std::function<QPoint()>;

    // Watches the chart's mouse events; a child of the chart.
    explicit TChartMouse(TChart& chart);

    bool ZoomEnabled() const { return zoomEnabled_; }
    // A drag during which zooming was off at any moment zooms nothing, even when it is switched
    // back on before the button is released.
    void SetZoomEnabled(bool enabled);
    bool Zoomed() const { return saved_.has_value(); }
    // The axes as they were before the first zoom; nothing when not zoomed. Signals nothing.
    void UndoZoom();

    // Where the mouse is, in the chart's pixels: the system pointer unless a source is set
    // (tests inject the position).
    QPoint Position() const;
    void SetPointerSource(TPointerSource source) { pointer_ = std::move(source); }
    // The mouse is over the chart: it entered the chart or moved on it, and has not left it
    // since.
    bool Over() const { return over_; }
    // The buttons held at the last mouse move.
    Qt::MouseButtons HeldButtons() const { return heldButtons_; }

signals:
    void ZoomedIn();
    void ZoomUndone();
    // Before every step of a scroll, which always goes ahead.
    void AllowScroll();
    void MouseMoved();
    // The mouse has left the chart.
    void Left();
    // Before the chart's own handling of a press, so that the zoom can be switched off for it;
    // after its handling of a release.
    void Pressed(Qt::MouseButton button, QPoint at);
    void Released(Qt::MouseButton button, QPoint at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TSavedAxis {
        TChartAxis* axis;
        double minimum;
        double maximum;
        bool automatic;
    };

    std::vector<TChartAxis*> Axes() const;
    void Press(TDragButton button, QPoint at);
    void Move(QPoint at);
    void Release(QPoint at);
    void ZoomInto(QPoint from, QPoint to);
    void ScrollBy(QPoint delta);

    TChart& chart_;
    bool zoomEnabled_ = true;
    bool zoomRefused_ = false;
    std::optional<TDragButton> held_;
    QPoint start_;
    QPoint last_;
    QRubberBand* band_ = nullptr;
    std::optional<std::vector<TSavedAxis>> saved_;
    TPointerSource pointer_;
    Qt::MouseButtons heldButtons_;
    bool over_ = false;
};

}
