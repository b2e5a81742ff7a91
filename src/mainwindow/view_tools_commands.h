#pragma once
// The chart view tools: automatic scaling, the "Y=" / "dY=" fields and their steps, the view
// options and the mouse zoom and scroll of the page charts (form1_view_tools.cpp, the fields
// applied to a chart in form1_scale.cpp).
#include "mainwindow/action_table.h"

#include <functional>

class QObject;

namespace lmv::common {
class Notifier;
}

namespace lmv::mainwindow {

class TAction;
class TChannelPagesView;
class TChart;
class TChart2Solvers;
class TCurve;
class TCursorReadout;
class TMainToolBarView;

struct TViewToolParts {
    common::Notifier& notifier;
    TChannelPagesView& pages;
    TMainToolBarView& toolBars;
    TCursorReadout& cursor;
    std::function<TAction&(TActionId)> action;
    std::function<TChart*()> currentChart;
    // The curve of the active page, or null.
    std::function<const TCurve*()> currentCurve;
    // The solvers are made at the window's start, after this owner.
    std::function<TChart2Solvers&()> solvers;
    std::function<void()> refreshPeakDrawing;
    std::function<void()> switchIntegralCurves;
    // An entry from the event loop: its error goes to the operator.
    std::function<void(const std::function<void()>&)> runReportingErrors;
};

class TViewTools {
public:
    // The mouse tools and the scale fields are wired here, in the window's context.
    TViewTools(TViewToolParts parts, QObject& window);

    void LogActnExecute();
    void FitImageActnExecute();
    void SetScaleActnExecute();
    void MultScaleBy10ActnExecute();
    void DivScaleBy10ActnExecute();
    void PaintOptActnExecute(TAction& sender);
    void Edit1KeyPress();
    void ChartAllowScroll();
    void ChartZoom();
    void ApplyScale(TChart& chart);
    void ApplyViewOptions();

private:
    void StepScale(double factor);

    TViewToolParts parts_;
};

}
