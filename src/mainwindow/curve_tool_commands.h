#pragma once
// The curve tools of the active page: the filter and the derivative, which change only the
// series on screen, the search of equivalence volumes, the two instruments' curves on Chart2 and
// the results page that lists what the solvers found (form1_curve_tools.cpp).
#include <functional>

namespace lmv::mainwindow {

class TAction;
class TChannelPagesView;
class TChart2Solvers;
class TCurveViews;
class TMainToolBarView;
class TPageCurves;
class TResultsPageView;

struct TCurveToolParts {
    TChannelPagesView& pages;
    const TMainToolBarView& toolBars;  // the filter width and the inflections searched
    const TPageCurves& curves;
    TCurveViews& curveViews;
    TResultsPageView& results;
    const TAction& showDev1;
    const TAction& showDev2;
    // The solvers are made at the window's start, after this owner.
    std::function<TChart2Solvers&()> solvers;
    std::function<void()> chartZoom;
};

class TCurveToolCommands {
public:
    explicit TCurveToolCommands(TCurveToolParts parts) : parts_(std::move(parts)) {}

    void FilterActnExecute();
    void ShowDerivativeActnExecute();
    void FindVolumesActnExecute();
    void ShowDevActnExecute(TAction& sender);
    void KTTResultSheetShow();
    void FillResultsGrid();

private:
    TCurveToolParts parts_;
};

}
