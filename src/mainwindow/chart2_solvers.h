#pragma once
// The solvers of the primary curve (left axis) and of the external one (right axis) on Chart2,
// and the views that draw their overlays there (form1_solvers.cpp). The views are the window's
// children by name; they go with this owner, while Chart2 and the solvers still exist.
#include <memory>

class QObject;

namespace lmv::analysis {
class TSolver;
}

namespace lmv::mainwindow {

class TChart;
class TSolverOverlayView;

class TChart2Solvers {
public:
    TChart2Solvers(TChart& chart2, QObject& window);
    ~TChart2Solvers();
    TChart2Solvers(const TChart2Solvers&) = delete;
    TChart2Solvers& operator=(const TChart2Solvers&) = delete;

    analysis::TSolver& Primary() { return *primary_; }
    analysis::TSolver& External() { return *external_; }
    const analysis::TSolver& Primary() const { return *primary_; }
    const analysis::TSolver& External() const { return *external_; }

private:
    std::unique_ptr<analysis::TSolver> primary_;
    std::unique_ptr<analysis::TSolver> external_;
    TSolverOverlayView* primaryView_;
    TSolverOverlayView* externalView_;
};

}
