// The chart view tools: automatic scaling, the "Y=" / "dY=" fields and their steps, the view
// options, mouse zoom and scroll.
#include "mainwindow/form1.h"

#include "analysis/titration_solver.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/chart2_solvers.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/cursor_readout_view.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/peak_editing.h"
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
                               .statusBar = ClientArea->Status(),
                               .cursorLine = CursorLine,
                               .cursorPoints = CursorPoints},
        [this] { return GetCurrentChart(); }, [this] { Peaks->PeakMouseMove(); });
    for (int page = 0; page < PageCount; ++page) {
        TChartMouse* mouse = Cursor->MouseOfPage(page);
        if (!mouse)
            continue;
        // A zoom or its undo moves the curves under the cursor: the cursor goes until the
        // mouse moves again.
        connect(mouse, &TChartMouse::ZoomedIn, this, [this] {
            HideCursorReadout();
            RunReportingErrors(&TForm1::ChartZoom);
        });
        connect(mouse, &TChartMouse::ZoomUndone, this, [this] {
            HideCursorReadout();
            RunReportingErrors(&TForm1::ChartZoom);
        });
        connect(mouse, &TChartMouse::Left, this, [this] { Cursor->HideCursorReadout(); });
        connect(mouse, &TChartMouse::AllowScroll, this,
                [this] { RunReportingErrors(&TForm1::ChartAllowScroll); });
        connect(mouse, &TChartMouse::MouseMoved, this,
                [this] { RunReportingErrors([this] { Cursor->ChartMouseMove(); }); });
    }
    for (QLineEdit* field : {&ToolBars->ScaleHeight(), &ToolBars->ScaleCentre()})
        connect(field, &QLineEdit::returnPressed, this,
                [this] { RunReportingErrors(&TForm1::Edit1KeyPress); });
}

TChartMouse* TForm1::ChartMouseOf(const TChart* chart) const { return Cursor->MouseOf(chart); }

void TForm1::UpdateCursorReadout() { Cursor->UpdateCursorReadout(); }
void TForm1::HideCursorReadout() { Cursor->HideCursorReadout(); }

void TForm1::FitImageActnExecute()
{
    TAction& fit = Actn(TActionId::FitImageActn);
    fit.SetChecked(FitImageAfter(fit.Checked(), TViewEvent::OperatorToggle));
    ApplyViewOptions();
}

void TForm1::SetScaleActnExecute()
{
    TAction& fit = Actn(TActionId::FitImageActn);
    if (fit.Checked() != FitImageAfter(fit.Checked(), TViewEvent::ScaleSet))
        fit.Execute();
    if (TChart* chart = GetCurrentChart())
        ApplyScale(*chart);
}

void TForm1::MultScaleBy10ActnExecute()
{
    const std::optional<QString> text = SteppedScaleText(ToolBars->ScaleHeight().text(), ScaleStep);
    if (!text)
        return;
    WriteScaleField(ToolBars->ScaleHeight(), *text);
    Actn(TActionId::SetScaleActn).Execute();
}

void TForm1::DivScaleBy10ActnExecute()
{
    const std::optional<QString> text =
        SteppedScaleText(ToolBars->ScaleHeight().text(), 1 / ScaleStep);
    if (!text)
        return;
    WriteScaleField(ToolBars->ScaleHeight(), *text);
    Actn(TActionId::SetScaleActn).Execute();
}

void TForm1::Edit1KeyPress() { Actn(TActionId::SetScaleActn).Execute(); }

// The fields follow the current curve's value range; with automatic scaling on, the chart shows
// the whole curve. The running ranges of the curve are read, never its points.
void TForm1::ChartZoom()
{
    const TCurve* curve = CurveOnPage(ChannelPages->ActivePage());
    if (!curve || !curve->YRange().Found)
        return;
    const std::optional<TScaleFields> fields =
        ZoomFields(curve->YRange().Lower, curve->YRange().Upper);
    if (fields) {
        WriteUnlessEditing(ToolBars->ScaleCentre(), fields->Y);
        WriteUnlessEditing(ToolBars->ScaleHeight(), fields->DY);
    }
    if (EndsInFittedView(Actn(TActionId::FitImageActn).Checked(), TViewEvent::Zoomed))
        ShowFittedView(*GetCurrentChart(), curve->XRange(), fields);
}

void TForm1::ChartAllowScroll()
{
    TAction& fit = Actn(TActionId::FitImageActn);
    fit.SetChecked(FitImageAfter(fit.Checked(), TViewEvent::Scrolled));
    ChartZoom();
}

void TForm1::ApplyViewOptions()
{
    TChart* chart = GetCurrentChart();
    if (!chart)
        return;
    // The undo of the zoom ends in its handler, ChartZoom, as a mouse undo does: with automatic
    // scaling on the fields take the curve's range before they are applied. With it off the
    // fields keep the scale the operator set.
    if (TChartMouse* mouse = ChartMouseOf(chart)) {
        if (mouse->Zoomed())
            HideCursorReadout();
        mouse->UndoZoom();
    }
    const bool fit = Actn(TActionId::FitImageActn).Checked();
    if (EndsInFittedView(fit, TViewEvent::ZoomUndone))
        ChartZoom();
    if (fit)
        ApplyScale(*chart);
    const bool xAxis = Actn(TActionId::PaintXAxisActn).Checked();
    const bool yAxis = Actn(TActionId::PaintYAxisActn).Checked();
    const bool grid = Actn(TActionId::PaintGridActn).Checked();
    chart->BottomAxis().SetVisible(xAxis);
    chart->LeftAxis().SetVisible(yAxis);
    chart->RightAxis().SetVisible(yAxis);
    if (chart == &ChannelPages->Chart(1)) {
        chart->LeftAxis().SetVisible(yAxis && Actn(TActionId::ShowDev1Actn).Checked());
        chart->RightAxis().SetVisible(yAxis && Actn(TActionId::ShowDev2Actn).Checked());
    }
    for (TChartAxis* axis : {&chart->BottomAxis(), &chart->LeftAxis(), &chart->RightAxis()})
        axis->SetGridVisible(grid);
    chart->Refresh();
}

void TForm1::PaintOptActnExecute(TAction& option)
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
        Solvers->Primary().SetOption(ShowBordersOption, option.Checked());
        Solvers->External().SetOption(ShowBordersOption, option.Checked());
        Peaks->RefreshPeakDrawing();
        break;
    case IntegralTag:
        SwitchIntegralCurves();
        ApplyViewOptions();
        break;
    default:
        break;
    }
}

}
