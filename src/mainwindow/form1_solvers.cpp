// The two titration solvers on Chart2 and the views that draw their overlays there.
#include "mainwindow/chart2_solvers.h"

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

TChart2Solvers::TChart2Solvers(TChart& chart2, QObject& window)
    : primary_(NewSolver(chart2, analysis::VerticalAxis::Left)),
      external_(NewSolver(chart2, analysis::VerticalAxis::Right)),
      primaryView_(new TSolverOverlayView(QStringLiteral("PrimarySolver"), chart2,
                                          primary_->Overlay(), &window)),
      externalView_(new TSolverOverlayView(QStringLiteral("ExternalSolver"), chart2,
                                           external_->Overlay(), &window))
{
    primary_->SetChangeListener([view = primaryView_] { view->Rebuild(); });
    external_->SetChangeListener([view = externalView_] { view->Rebuild(); });
}

TChart2Solvers::~TChart2Solvers()
{
    primary_->SetChangeListener({});
    external_->SetChangeListener({});
    delete primaryView_;
    delete externalView_;
}

}
