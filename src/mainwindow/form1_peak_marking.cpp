// The operator's edits of the peaks: the marking mode, the automatic search by a threshold, the
// peak menu (its name, type, rename and removal) and the copy of the peak list.
#include "mainwindow/peak_editing.h"

#include "common/desktop.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/cursor_readout_view.h"
#include "mainwindow/form1.h"
#include "mainwindow/peak_drawing_layer.h"
#include "mainwindow/peak_marking/peak_edits.h"
#include "mainwindow/rules/page_layout.h"
#include "mainwindow/shown_peaks.h"
#include "mainwindow/shown_record_props.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/window_menus.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace lmv::mainwindow {

namespace {

constexpr std::array<TActionId, 3> CalcActionOfType{
    TActionId::CalcS2Actn, TActionId::CalcIntSectActn, TActionId::CalcSActn};
constexpr std::array<int, 6> MarkingPages{0, 1, 2, 3, 4, TwoParametersPage};

// The active page as the marking mode's mouse sees it: its curve, in the pixels of its chart's
// bottom axis, and the window's steps on the peaks.
struct TMarkingParts {
    int page;
    TChart* chart;
    TChartMouse* mouse;
    const TCurve* curve;
    model::TPeaks& peaks;
    std::function<void(int, int)> addPeak;
    std::function<void(int, int, int)> setPeakRange;
    std::function<QString(const QString&)> askPeakName;
    std::function<void()> peaksEdited;
    std::function<void(const QString&)> showError;
};

class TActivePageMarking final : public TPeakMarkingHost {
public:
    explicit TActivePageMarking(TMarkingParts parts) : parts_(std::move(parts)) {}

    int PointCount() const override
    {
        return parts_.curve && parts_.chart ? parts_.curve->Count() : 0;
    }
    double PointPixel(int index) const override
    {
        return parts_.chart->xAxis->coordToPixel(parts_.curve->X(index));
    }
    // FindPointIndex: the first point whose X is at least the mouse's.
    int PointIndexAtPixel(double pixel) const override
    {
        return parts_.curve->FirstIndexNotBelow(parts_.chart->xAxis->pixelToCoord(pixel));
    }
    int ActivePage() const override { return parts_.page; }
    model::TPeaks& Peaks() override { return parts_.peaks; }
    void AddPeak(int startIdx, int endIdx) override { parts_.addPeak(startIdx, endIdx); }
    void SetPeakRange(int index, int startIdx, int endIdx) override
    {
        parts_.setPeakRange(index, startIdx, endIdx);
    }
    QString AskPeakName(const QString& preset) override { return parts_.askPeakName(preset); }
    void PeaksEdited() override { parts_.peaksEdited(); }
    void SetZoomAllowed(bool allowed) override
    {
        if (parts_.mouse)
            parts_.mouse->SetZoomEnabled(allowed);
    }
    void SetSplitCursor(bool on) override
    {
        if (parts_.chart)
            parts_.chart->setCursor(on ? Qt::SplitHCursor : Qt::ArrowCursor);
    }
    void ShowError(const QString& message) override { parts_.showError(message); }
    void Repaint() override
    {
        if (parts_.chart)
            parts_.chart->replot();
    }

private:
    TMarkingParts parts_;
};

}

std::unique_ptr<TPeakMarkingHost> TPeakEditing::ActivePageMarking()
{
    const int page = parts_.pages.currentIndex();
    TChart* chart = parts_.currentChart();
    return std::make_unique<TActivePageMarking>(TMarkingParts{
        .page = page,
        .chart = chart,
        .mouse = parts_.mouseOf(chart),
        .curve = parts_.curveOnPage(page),
        .peaks = parts_.peakSet.Peaks(),
        .addPeak = [this](int startIdx,
                          int endIdx) { parts_.addPeak(QString(), startIdx, endIdx); },
        .setPeakRange = parts_.setPeakRange,
        .askPeakName = [this](const QString& preset) { return AskPeakName(preset); },
        .peaksEdited = [this] { PeaksEdited(); },
        .showError = parts_.showError});
}

// The peak menus, and the peaks drawn on the charts of the pages 0 to 4 and 8.
void TForm1::CreatePeakMarking()
{
    Peaks = std::make_unique<TPeakEditing>(TPeakEditingParts{
        .peakSet = ShownPeaks->PeakSet(),
        .desktop = desktop_,
        .pages = ChannelPages->Tabs(),
        .peakMenu = Menus->PeakMenu(),
        .peakNameItem = *findChild<QAction*>(QStringLiteral("PeakNameItem")),
        .marking = Actn(TActionId::SetPeakBordersActn),
        .rename = Actn(TActionId::RenamePeakActn),
        .remove = Actn(TActionId::RemovePeakActn),
        .calcOfType = {&Actn(CalcActionOfType[0]), &Actn(CalcActionOfType[1]),
                       &Actn(CalcActionOfType[2])},
        .currentChart = [this] { return GetCurrentChart(); },
        .mouseOf = [this](const TChart* chart) { return Cursor->MouseOf(chart); },
        .curveOnPage = [this](int page) { return curveViews_.CurveOn(ChartOfPage(page)); },
        .curveOfPage = [this](int page) { return ShownPeaks->CurveOfPage(page); },
        .addPeak = [this](const QString& name, int startIdx,
                          int endIdx) { AddPeak(name, startIdx, endIdx); },
        .setPeakRange = [this](int index, int startIdx,
                               int endIdx) { SetPeakRange(index, startIdx, endIdx); },
        .recalculateShownPeaks = [this] { ShownPeaks->RecalculateShownPeaks(); },
        .setModified = [this] { shownRecord_.SetModified(true); },
        .typedTitle = [this] { return Props->PropForm().Title(); },
        .showError = [this](const QString& message) { ShowError(message); }});
    for (int page : MarkingPages) {
        TChart& chart = *ChannelPages->ChartOfPage(std::size_t(page));
        TChartMouse* mouse = Cursor->MouseOfPage(page);
        connect(mouse, &TChartMouse::Pressed, this, [this](Qt::MouseButton button, QPoint at) {
            RunReportingErrors([&] { Peaks->ChartMouseDown(button, at); });
        });
        connect(mouse, &TChartMouse::Released, this, [this](Qt::MouseButton button, QPoint at) {
            RunReportingErrors([&] { Peaks->ChartMouseUp(button, at); });
        });
        auto scene = [this, page]() -> std::optional<TPeakScene> {
            const std::optional<TCurveId> id = curveViews_.FirstCurveOn(ChartOfPage(page));
            if (ChannelPages->ActivePage() != page || !ShownPeaks->PeakDrawingOn() || !id)
                return std::nullopt;
            const TChartSeries* series = &curveViews_.Series(*id);
            const TCurve& points = curves_.Curve(*id);
            const TCurvePoints curve{points.Count(), [&points](int i) { return points.X(i); },
                                     [&points](int i) { return points.Y(i); }};
            QCPAxis* axis = series->OnRightAxis() ? series->ParentChart()->yAxis2
                                                  : series->ParentChart()->yAxis;
            return TPeakScene{PeakFigures(ShownPeaks->PeakSet().Peaks(), page, curve), axis,
                              series->Color()};
        };
        new TPeakDrawingLayer(chart, TPeakDrawingLayer::TPart::Bands, scene);
        new TPeakDrawingLayer(chart, TPeakDrawingLayer::TPart::Labels, scene);
    }
    connect(&Menus->PeakMenu(), &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { Peaks->PopupMenu1Popup(); }); });
    auto* button = findChild<QToolButton*>(QStringLiteral("ToolButton23"));
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, this, [this, button](const QPoint& at) {
        Menus->AddPeakMenu().popup(button->mapToGlobal(at));
    });
}

void TPeakEditing::SetPeakBordersActnExecute()
{
    parts_.marking.SetChecked(!parts_.marking.Checked());
    RefreshPeakDrawing();
}

// The peaks change on every page.
void TPeakEditing::PeakAutoSearchActnExecute()
{
    const std::optional<QString> text = parts_.desktop.InputBox(
        QStringLiteral("Введите нижний порг значений"), QString(), QStringLiteral("3"));
    if (!text)
        return;
    const std::optional<double> threshold = common::ParseFloat(*text);
    if (!threshold)
        throw common::InvalidFloatError(*text);
    parts_.peakSet.Peaks().clear();
    marking_.PeaksReplaced();
    if (const std::optional<analysis::TPageCurve> curve =
            parts_.curveOfPage(parts_.pages.currentIndex())) {
        for (const TPeakRun& run : ThresholdRuns(curve->Y, *threshold))
            parts_.addPeak(QString::number(parts_.peakSet.Peaks().size()), run.startIdx,
                           run.endIdx);
    }
    PeaksEdited();
}

// The title as typed, saved or not.
void TPeakEditing::CopyPeaksDataActnExecute()
{
    QGuiApplication::clipboard()->setText(
        PeaksCopyText(parts_.typedTitle(), parts_.peakSet.Peaks()));
}

void TPeakEditing::PopupMenu1Popup()
{
    const std::optional<int> hit = HitPeak();
    parts_.rename.SetEnabled(hit.has_value());
    parts_.remove.SetEnabled(hit.has_value());
    for (TAction* calc : parts_.calcOfType)
        calc->SetChecked(false);
    QString name;
    if (hit) {
        const model::TPeakRec& peak = parts_.peakSet.Peaks()[std::size_t(*hit)];
        if (peak.CalcType >= 0 && peak.CalcType < int(parts_.calcOfType.size()))
            parts_.calcOfType[std::size_t(peak.CalcType)]->SetChecked(true);
        name = peak.GetName();
    }
    parts_.peakNameItem.setText(name);
}

void TPeakEditing::RenamePeakActnExecute()
{
    const std::optional<int> hit = HitPeak();
    if (!hit)
        return;
    const QString oldName = parts_.peakSet.Peaks()[std::size_t(*hit)].GetName();
    const QString newName = AskPeakName(oldName);
    if (newName.isEmpty())
        return;
    RenamePeak(parts_.peakSet.Peaks(), oldName, newName);
    PeaksEdited();
}

void TPeakEditing::RemovePeakActnExecute()
{
    const std::optional<int> hit = HitPeak();
    if (!hit)
        return;
    DeletePeaksByName(parts_.peakSet.Peaks(), parts_.peakSet.Peaks()[std::size_t(*hit)].GetName());
    marking_.PeaksReplaced();
    PeaksEdited();
}

// The parent item of the three calculation types does nothing of its own.
void TPeakEditing::SetPeakTypeActnExecute() {}

QString TPeakEditing::AskPeakName(const QString& preset)
{
    return parts_.desktop.InputBox(QStringLiteral("Введите имя, пожалуйста"), QString(), preset)
        .value_or(QString());
}

// The record counts as changed, and the integral curves follow the peaks that are left.
void TPeakEditing::PeaksEdited()
{
    parts_.recalculateShownPeaks();
    parts_.setModified();
    RefreshPeakDrawing();
}

void TPeakEditing::RefreshPeakDrawing()
{
    if (TChart* chart = parts_.currentChart())
        chart->Refresh();
}

std::optional<int> TPeakEditing::HitPeak() const
{
    return marking_.HitPeak(parts_.peakSet.Peaks());
}

// The peak under a press is what the peak menu is about; a right click opens that menu only
// over a peak. In the marking mode a left press starts a new peak or grabs a border.
void TPeakEditing::ChartMouseDown(Qt::MouseButton button, QPoint at)
{
    const std::unique_ptr<TPeakMarkingHost> host = ActivePageMarking();
    const bool marking = parts_.marking.Checked();
    // The page's curve stays the same while a border is dragged.
    if (marking && button == Qt::LeftButton)
        parts_.peakSet.HoldCurves();
    marking_.MouseDown(*host, button == Qt::LeftButton, at.x(), marking && parts_.currentChart());
    rightClickAt_ = button == Qt::RightButton ? std::optional<QPoint>(at) : std::nullopt;
}

void TPeakEditing::ChartMouseUp(Qt::MouseButton button, QPoint at)
{
    const std::unique_ptr<TPeakMarkingHost> host = ActivePageMarking();
    parts_.peakSet.ReleaseCurves();
    if (parts_.currentChart())
        marking_.MouseUp(*host);
    const bool clicked =
        button == Qt::RightButton && rightClickAt_ && (at - *rightClickAt_).manhattanLength() <= 2;
    if (clicked && HitPeak())
        parts_.peakMenu.popup(parts_.currentChart()->mapToGlobal(at));
}

void TPeakEditing::PeakMouseMove()
{
    TChartMouse* mouse = parts_.mouseOf(parts_.currentChart());
    if (!mouse)
        return;
    marking_.MouseMove(*ActivePageMarking(), mouse->HeldButtons().testFlag(Qt::LeftButton),
                       mouse->Position().x(), parts_.marking.Checked());
}

}
