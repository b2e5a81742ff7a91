// The curve tools of the active page: the filter and the derivative, which change only the
// series on screen (never a record's channels), the search of equivalence volumes, the two
// instruments' curves on Chart2 and the results page.
#include "mainwindow/form1.h"

#include "mainwindow/chart2_solvers.h"

#include "analysis/curve_filters.h"
#include "analysis/series_derivative.h"
#include "analysis/titration_solver.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/curve_tools/curve_tool_pages.h"
#include "mainwindow/curve_tools/results_rows.h"
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
    QWidget* page = Pages[ResultsPage];
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    Label7 = new QLabel(QStringLiteral("Результаты измерения"), page);
    Label7->setObjectName(QStringLiteral("Label7"));
    column->addWidget(Label7);
    ResultsGrid = new TStringGrid(QStringLiteral("ResultsGrid"), 3, 2, page);
    column->addWidget(ResultsGrid);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == ResultsPage)
            RunReportingErrors(&TForm1::KTTResultSheetShow);
    });
}

void TForm1::FilterActnExecute()
{
    for (const TCurveId curve : TransformedSeriesOfPage(PageControl1->currentIndex()))
        TransformCurve(curveViews_, curve, [this](analysis::TDataArr& points) {
            analysis::SmoothY(points, FiltrSpinEdit->value());
        });
    ChartZoom();
}

void TForm1::ShowDerivativeActnExecute()
{
    for (const TCurveId curve : TransformedSeriesOfPage(PageControl1->currentIndex()))
        TransformCurve(curveViews_, curve, analysis::DeriveSeries);
    ChartZoom();
}

// The whole curve goes to the solver, its last two points too.
void TForm1::FindVolumesActnExecute()
{
    const std::optional<TCurveId> searched = SearchedSeriesOfPage(PageControl1->currentIndex());
    if (!searched)
        return;
    Solvers->Primary().SetMaxInflections(WavesSpinEdit->value());
    Solvers->External().SetMaxInflections(WavesSpinEdit->value());
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
    TChartSeries* curve = action.Tag == 0 ? FastLineSeries1 : Series15;
    if (action.Checked() && !Chart2->HasSeries(curve))
        Chart2->AddSeries(curve);
    else if (!action.Checked())
        Chart2->RemoveSeries(curve);
    Solvers->Primary().SetVisible(Actn(TActionId::ShowDev1Actn).Checked());
    Solvers->External().SetVisible(Actn(TActionId::ShowDev2Actn).Checked());
    Chart2->Refresh();
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
    ResultsGrid->SetColCount(2);
    ResultsGrid->SetRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 2; ++column)
            ResultsGrid->SetCells(column, row, rows[row][column]);
}

}
