// The curve tools of the active page: the filter and the derivative, which change only the
// series on screen (never a record's channels), the search of equivalence volumes, the two
// instruments' curves on Chart2 and the results page.
#include "mainwindow/form1.h"

#include "analysis/curve_filters.h"
#include "analysis/series_derivative.h"
#include "analysis/titration_solver.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart2_solvers.h"
#include "mainwindow/curve_tools/curve_tool_pages.h"
#include "mainwindow/curve_tools/results_rows.h"
#include "mainwindow/main_tool_bar_view.h"
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

void TForm1::CreateResultsPage()
{
    ResultsView = new TResultsPageView(&ChannelPages->Page(ResultsPage), this);
    connect(&ChannelPages->Tabs(), &QTabWidget::currentChanged, this, [this](int index) {
        if (index == ResultsPage)
            RunReportingErrors(&TForm1::KTTResultSheetShow);
    });
}

void TForm1::FilterActnExecute()
{
    for (const TCurveId curve : TransformedSeriesOfPage(ChannelPages->ActivePage()))
        TransformCurve(curveViews_, curve, [this](analysis::TDataArr& points) {
            analysis::SmoothY(points, ToolBars->FilterWidth().value());
        });
    ChartZoom();
}

void TForm1::ShowDerivativeActnExecute()
{
    for (const TCurveId curve : TransformedSeriesOfPage(ChannelPages->ActivePage()))
        TransformCurve(curveViews_, curve, analysis::DeriveSeries);
    ChartZoom();
}

// The whole curve goes to the solver, its last two points too.
void TForm1::FindVolumesActnExecute()
{
    const std::optional<TCurveId> searched = SearchedSeriesOfPage(ChannelPages->ActivePage());
    if (!searched)
        return;
    Solvers->Primary().SetMaxInflections(ToolBars->MaxInflections().value());
    Solvers->External().SetMaxInflections(ToolBars->MaxInflections().value());
    analysis::TDoubleArr volumes;
    Solvers->Primary().SetData(curves_.Curve(*searched).Points());
    Solvers->Primary().SetColor(SolverColorOf(curveViews_.Series(*searched)));
    Solvers->Primary().FindVolumes(volumes);
    if (SearchesExternalCurve(*searched)) {
        Solvers->External().SetData(curves_.Curve(ExternalCurveSeries).Points());
        Solvers->External().SetColor(SolverColorOf(curveViews_.Series(ExternalCurveSeries)));
        Solvers->External().FindVolumes(volumes);
    }
    if (TChart* chart = curveViews_.Series(*searched).ParentChart())
        chart->Refresh();
}

void TForm1::ShowDevActnExecute(TAction& action)
{
    action.SetChecked(!action.Checked());
    TChartSeries* curve =
        &ChannelPages->Series(action.Tag == 0 ? TCurveId::FastLineSeries1 : TCurveId::Series15);
    if (action.Checked() && !ChannelPages->Chart(1).HasSeries(curve))
        ChannelPages->Chart(1).AddSeries(curve);
    else if (!action.Checked())
        ChannelPages->Chart(1).RemoveSeries(curve);
    Solvers->Primary().SetVisible(Actn(TActionId::ShowDev1Actn).Checked());
    Solvers->External().SetVisible(Actn(TActionId::ShowDev2Actn).Checked());
    ChannelPages->Chart(1).Refresh();
}

void TForm1::KTTResultSheetShow() { FillResultsGrid(); }

void TForm1::FillResultsGrid()
{
    auto resultsOf = [](const analysis::TSolver& solver) {
        TSolverResults results;
        solver.GetVolumes(results.volumes);
        solver.GetValues(results.values);
        return results;
    };
    const QList<QStringList> rows =
        ResultsRows(resultsOf(Solvers->Primary()), resultsOf(Solvers->External()));
    ResultsView->Grid().SetColCount(2);
    ResultsView->Grid().SetRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 2; ++column)
            ResultsView->Grid().SetCells(column, row, rows[row][column]);
}

}
