// The curve tools of the active page: the filter and the derivative, which change only the
// series on screen (never a record's channels), the search of equivalence volumes, the two
// instruments' curves on Chart2 and the results page.
#include "mainwindow/curve_tool_commands.h"

#include "analysis/curve_filters.h"
#include "analysis/series_derivative.h"
#include "analysis/titration_solver.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/curve_tools/curve_tool_pages.h"
#include "mainwindow/curve_tools/results_rows.h"
#include "mainwindow/curve_views.h"
#include "mainwindow/curves/page_curves.h"
#include "mainwindow/form1.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/record_on_screen.h"
#include "mainwindow/results_page_view.h"
#include "mainwindow/rules/page_layout.h"
#include "mainwindow/widgets/string_grid.h"

#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lmv::mainwindow {

namespace {

analysis::TColor SolverColorOf(const TChartSeries& series)
{
    const QColor color = series.Color();
    return analysis::RgbToColor(std::uint8_t(color.red()), std::uint8_t(color.green()),
                                std::uint8_t(color.blue()));
}

// The curve takes its transformed points only when the whole transform succeeded, so an
// error leaves the curve on screen as it was.
template <class TTransform>
void TransformCurve(TCurveViews& views, TCurveId curve, TTransform&& transform)
{
    analysis::TDataArr points = views.Curve(curve).Points();
    transform(points);
    views.Assign(curve, points);
    if (TChart* chart = views.Series(curve).ParentChart())
        chart->Refresh();
}

}

// The results page is the curve tools' view: it is filled each time it is opened.
void TForm1::CreateCurveTools()
{
    ResultsView = new TResultsPageView(&ChannelPages->Page(ResultsPage), this);
    connect(&ChannelPages->Tabs(), &QTabWidget::currentChanged, this, [this](int index) {
        if (index == ResultsPage)
            RunReportingErrors([this] { CurveTools->KTTResultSheetShow(); });
    });
    CurveTools = std::make_unique<TCurveToolCommands>(
        TCurveToolParts{.pages = *ChannelPages,
                        .toolBars = *ToolBars,
                        .curves = curves_,
                        .curveViews = curveViews_,
                        .results = *ResultsView,
                        .showDev1 = Actn(TActionId::ShowDev1Actn),
                        .showDev2 = Actn(TActionId::ShowDev2Actn),
                        .solvers = [this]() -> TChart2Solvers& { return OnScreen->Solvers(); },
                        .chartZoom = [this] { ChartZoom(); }});
}

void TCurveToolCommands::FilterActnExecute()
{
    for (const TCurveId curve : TransformedSeriesOfPage(parts_.pages.ActivePage()))
        TransformCurve(parts_.curveViews, curve, [this](analysis::TDataArr& points) {
            analysis::SmoothY(points, parts_.toolBars.FilterWidth().value());
        });
    parts_.chartZoom();
}

void TCurveToolCommands::ShowDerivativeActnExecute()
{
    for (const TCurveId curve : TransformedSeriesOfPage(parts_.pages.ActivePage()))
        TransformCurve(parts_.curveViews, curve, analysis::DeriveSeries);
    parts_.chartZoom();
}

// The whole curve goes to the solver, its last two points too.
void TCurveToolCommands::FindVolumesActnExecute()
{
    const std::optional<TCurveId> searched = SearchedSeriesOfPage(parts_.pages.ActivePage());
    if (!searched)
        return;
    TChart2Solvers& solvers = parts_.solvers();
    solvers.Primary().SetMaxInflections(parts_.toolBars.MaxInflections().value());
    solvers.External().SetMaxInflections(parts_.toolBars.MaxInflections().value());
    analysis::TDoubleArr volumes;
    solvers.Primary().SetData(parts_.curves.Curve(*searched).Points());
    solvers.Primary().SetColor(SolverColorOf(parts_.curveViews.Series(*searched)));
    solvers.Primary().FindVolumes(volumes);
    if (SearchesExternalCurve(*searched)) {
        solvers.External().SetData(parts_.curves.Curve(ExternalCurveSeries).Points());
        solvers.External().SetColor(SolverColorOf(parts_.curveViews.Series(ExternalCurveSeries)));
        solvers.External().FindVolumes(volumes);
    }
    if (TChart* chart = parts_.curveViews.Series(*searched).ParentChart())
        chart->Refresh();
}

void TCurveToolCommands::ShowDevActnExecute(TAction& action)
{
    action.SetChecked(!action.Checked());
    TChartSeries* curve =
        &parts_.pages.Series(action.Tag == 0 ? TCurveId::FastLineSeries1 : TCurveId::Series15);
    if (action.Checked() && !parts_.pages.Chart(1).HasSeries(curve))
        parts_.pages.Chart(1).AddSeries(curve);
    else if (!action.Checked())
        parts_.pages.Chart(1).RemoveSeries(curve);
    parts_.solvers().Primary().SetVisible(parts_.showDev1.Checked());
    parts_.solvers().External().SetVisible(parts_.showDev2.Checked());
    parts_.pages.Chart(1).Refresh();
}

void TCurveToolCommands::KTTResultSheetShow() { FillResultsGrid(); }

void TCurveToolCommands::FillResultsGrid()
{
    auto resultsOf = [](const analysis::TSolver& solver) {
        TSolverResults results;
        solver.GetVolumes(results.volumes);
        solver.GetValues(results.values);
        return results;
    };
    const QList<QStringList> rows =
        ResultsRows(resultsOf(parts_.solvers().Primary()), resultsOf(parts_.solvers().External()));
    parts_.results.Grid().SetColCount(2);
    parts_.results.Grid().SetRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 2; ++column)
            parts_.results.Grid().SetCells(column, row, rows[row][column]);
}

}
