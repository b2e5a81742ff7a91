// The two titration solvers on Chart2 and the views that draw their overlays there.
#include "mainwindow/form1.h"

#include "analysis/titration_solver.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/solver_overlay_view.h"

namespace lmv::mainwindow {

namespace {

// Charts are numbered by their component names.
constexpr analysis::ChartId Chart2Id = analysis::ChartId(2);

std::unique_ptr<analysis::TSolver> NewSolver(TChart& chart, analysis::VerticalAxis axis)
{
    auto solver =
        std::make_unique<analysis::TSolver>(Chart2Id, [&chart](analysis::VerticalAxis side) {
            TChartAxis& range =
                side == analysis::VerticalAxis::Right ? chart.RightAxis() : chart.LeftAxis();
            return analysis::TAxisRange{range.Minimum(), range.Maximum()};
        });
    solver->SetVertAxis(axis);
    return solver;
}

}

void TForm1::CreateSolvers()
{
    primarySolver_ = NewSolver(ChannelPages->Chart(1), analysis::VerticalAxis::Left);
    PrimarySolverView = new TSolverOverlayView(
        QStringLiteral("PrimarySolver"), ChannelPages->Chart(1), primarySolver_->Overlay(), this);
    primarySolver_->SetChangeListener([view = PrimarySolverView] { view->Rebuild(); });

    externalSolver_ = NewSolver(ChannelPages->Chart(1), analysis::VerticalAxis::Right);
    ExternalSolverView = new TSolverOverlayView(
        QStringLiteral("ExternalSolver"), ChannelPages->Chart(1), externalSolver_->Overlay(), this);
    externalSolver_->SetChangeListener([view = ExternalSolverView] { view->Rebuild(); });
}

// The views go first, while their solvers (members) and Chart2 (a child widget, deleted after
// the members) still exist.
void TForm1::DetachSolverViews()
{
    primarySolver_->SetChangeListener({});
    externalSolver_->SetChangeListener({});
    delete PrimarySolverView;
    delete ExternalSolverView;
    PrimarySolverView = ExternalSolverView = nullptr;
}

}
