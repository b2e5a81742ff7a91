// The chart view tools: automatic scaling, the "Y=" / "dY=" fields and their steps, the view
// options, mouse zoom and scroll.
#include "mainwindow/view_tools_commands.h"

#include "analysis/titration_solver.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/cursor_readout_view.h"
#include "mainwindow/form1.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/peak_editing.h"
#include "mainwindow/record_on_screen.h"
#include "mainwindow/shown_peaks.h"
#include "mainwindow/view_tools/fit_image_state.h"
#include "mainwindow/view_tools/scale_rules.h"
#include "mainwindow/widgets/scale_field.h"

#include <QLineEdit>

namespace lmv::mainwindow {

namespace {

constexpr double ScaleStep = 10;
constexpr int ShowBordersOption = 1;

enum ViewOptionTag { XAxisTag, YAxisTag, GridTag, BordersTag, IntegralTag };

// A field the operator is typing in keeps what is typed.
void WriteUnlessEditing(QLineEdit& field, double value)
{
    if (!field.hasFocus())
        WriteScaleField(field, ScaleFieldText(value));
}

// The left axis takes the fields' range, the bottom axis the curve's X range; a range that is
// empty or not finite changes neither.
void ShowFittedView(TChart& chart, const TValueRange& x, const std::optional<TScaleFields>& fields)
{
    if (fields)
        chart.LeftAxis().SetMinMax(fields->Lower(), fields->Upper());
    if (x.Found && UsableRange(x.Lower, x.Upper))
        chart.BottomAxis().SetMinMax(x.Lower, x.Upper);
    chart.Refresh();
}

}

void TForm1::CreateViewTools()
{
    Cursor = std::make_unique<TCursorReadout>(
        TCursorReadoutControls{.window = *this,
                               .charts = ChannelPages->ChartsByPage(),
                               .pages = ChannelPages->Tabs(),
                               .statusBar = ClientArea->Status()},
        [this] { return GetCurrentChart(); }, [this] { Peaks->PeakMouseMove(); });
    ViewTools = std::make_unique<TViewTools>(
        TViewToolParts{.notifier = notifier_,
                       .pages = *ChannelPages,
                       .toolBars = *ToolBars,
                       .cursor = *Cursor,
                       .action = [this](TActionId id) -> TAction& { return Actn(id); },
                       .currentChart = [this] { return GetCurrentChart(); },
                       .currentCurve = [this] { return curveViews_.CurveOn(GetCurrentChart()); },
                       .solvers = [this]() -> TChart2Solvers& { return OnScreen->Solvers(); },
                       .refreshPeakDrawing = [this] { Peaks->RefreshPeakDrawing(); },
                       .switchIntegralCurves = [this] { ShownPeaks->SwitchIntegralCurves(); },
                       .runReportingErrors =
                           [this](const std::function<void()>& step) { RunReportingErrors(step); }},
        *this);
}

void TForm1::ChartZoom() { ViewTools->ChartZoom(); }
void TForm1::ApplyScale(TChart& chart) { ViewTools->ApplyScale(chart); }

TViewTools::TViewTools(TViewToolParts parts, QObject& window) : parts_(std::move(parts))
{
    for (int page = 0; page < PageCount; ++page) {
        TChartMouse* mouse = parts_.cursor.MouseOfPage(page);
        if (!mouse)
            continue;
        // A zoom or its undo moves the curves under the cursor: the cursor goes until the
        // mouse moves again.
        for (auto zoomed : {&TChartMouse::ZoomedIn, &TChartMouse::ZoomUndone})
            QObject::connect(mouse, zoomed, &window, [this] {
                parts_.cursor.HideCursorReadout();
                parts_.runReportingErrors([this] { ChartZoom(); });
            });
        QObject::connect(mouse, &TChartMouse::Left, &window,
                         [this] { parts_.cursor.HideCursorReadout(); });
        QObject::connect(mouse, &TChartMouse::AllowScroll, &window,
                         [this] { parts_.runReportingErrors([this] { ChartAllowScroll(); }); });
        QObject::connect(mouse, &TChartMouse::MouseMoved, &window, [this] {
            parts_.runReportingErrors([this] { parts_.cursor.ChartMouseMove(); });
        });
    }
    for (QLineEdit* field : {&parts_.toolBars.ScaleHeight(), &parts_.toolBars.ScaleCentre()})
        QObject::connect(field, &QLineEdit::returnPressed, &window,
                         [this] { parts_.runReportingErrors([this] { Edit1KeyPress(); }); });
}

void TViewTools::FitImageActnExecute()
{
    TAction& fit = parts_.action(TActionId::FitImageActn);
    fit.SetChecked(FitImageAfter(fit.Checked(), TViewEvent::OperatorToggle));
    ApplyViewOptions();
}

void TViewTools::SetScaleActnExecute()
{
    TAction& fit = parts_.action(TActionId::FitImageActn);
    if (fit.Checked() != FitImageAfter(fit.Checked(), TViewEvent::ScaleSet))
        fit.Execute();
    if (TChart* chart = parts_.currentChart())
        ApplyScale(*chart);
}

// The journal is never kept: the action is invisible and does nothing.
void TViewTools::LogActnExecute() {}

void TViewTools::MultScaleBy10ActnExecute() { StepScale(ScaleStep); }
void TViewTools::DivScaleBy10ActnExecute() { StepScale(1 / ScaleStep); }

void TViewTools::StepScale(double factor)
{
    const std::optional<QString> text =
        SteppedScaleText(parts_.toolBars.ScaleHeight().text(), factor);
    if (!text)
        return;
    WriteScaleField(parts_.toolBars.ScaleHeight(), *text);
    parts_.action(TActionId::SetScaleActn).Execute();
}

void TViewTools::Edit1KeyPress() { parts_.action(TActionId::SetScaleActn).Execute(); }

// The fields follow the current curve's value range; with automatic scaling on, the chart shows
// the whole curve. The running ranges of the curve are read, never its points.
void TViewTools::ChartZoom()
{
    const TCurve* curve = parts_.currentCurve();
    if (!curve || !curve->YRange().Found)
        return;
    const std::optional<TScaleFields> fields =
        ZoomFields(curve->YRange().Lower, curve->YRange().Upper);
    if (fields) {
        WriteUnlessEditing(parts_.toolBars.ScaleCentre(), fields->Y);
        WriteUnlessEditing(parts_.toolBars.ScaleHeight(), fields->DY);
    }
    if (EndsInFittedView(parts_.action(TActionId::FitImageActn).Checked(), TViewEvent::Zoomed))
        ShowFittedView(*parts_.currentChart(), curve->XRange(), fields);
}

void TViewTools::ChartAllowScroll()
{
    TAction& fit = parts_.action(TActionId::FitImageActn);
    fit.SetChecked(FitImageAfter(fit.Checked(), TViewEvent::Scrolled));
    ChartZoom();
}

void TViewTools::ApplyViewOptions()
{
    TChart* chart = parts_.currentChart();
    if (!chart)
        return;
    // The undo of the zoom ends in its handler, ChartZoom, as a mouse undo does: with automatic
    // scaling on the fields take the curve's range before they are applied. With it off the
    // fields keep the scale the operator set.
    if (TChartMouse* mouse = parts_.cursor.MouseOf(chart)) {
        if (mouse->Zoomed())
            parts_.cursor.HideCursorReadout();
        mouse->UndoZoom();
    }
    const bool fit = parts_.action(TActionId::FitImageActn).Checked();
    if (EndsInFittedView(fit, TViewEvent::ZoomUndone))
        ChartZoom();
    if (fit)
        ApplyScale(*chart);
    const bool xAxis = parts_.action(TActionId::PaintXAxisActn).Checked();
    const bool yAxis = parts_.action(TActionId::PaintYAxisActn).Checked();
    const bool grid = parts_.action(TActionId::PaintGridActn).Checked();
    chart->BottomAxis().SetVisible(xAxis);
    chart->LeftAxis().SetVisible(yAxis);
    chart->RightAxis().SetVisible(yAxis);
    if (chart == &parts_.pages.Chart(1)) {
        chart->LeftAxis().SetVisible(yAxis && parts_.action(TActionId::ShowDev1Actn).Checked());
        chart->RightAxis().SetVisible(yAxis && parts_.action(TActionId::ShowDev2Actn).Checked());
    }
    for (TChartAxis* axis : {&chart->BottomAxis(), &chart->LeftAxis(), &chart->RightAxis()})
        axis->SetGridVisible(grid);
    chart->Refresh();
}

void TViewTools::PaintOptActnExecute(TAction& option)
{
    switch (option.Tag) {
    case XAxisTag:
    case YAxisTag:
    case GridTag:
        option.SetChecked(!option.Checked());
        ApplyViewOptions();
        break;
    case BordersTag:
        option.SetChecked(!option.Checked());
        parts_.solvers().Primary().SetOption(ShowBordersOption, option.Checked());
        parts_.solvers().External().SetOption(ShowBordersOption, option.Checked());
        parts_.refreshPeakDrawing();
        break;
    case IntegralTag:
        parts_.switchIntegralCurves();
        ApplyViewOptions();
        break;
    default:
        break;
    }
}

}
