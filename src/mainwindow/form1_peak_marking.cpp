// The operator's edits of the peaks: the marking mode, the automatic search by a threshold, the
// peak menu (its name, type, rename and removal) and the copy of the peak list.
#include "mainwindow/form1.h"

#include "common/desktop.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/peak_drawing_layer.h"
#include "mainwindow/peak_marking/peak_edits.h"
#include "mainwindow/rules/page_layout.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace lmv::mainwindow {

namespace {

constexpr std::array<const char*, 3> CalcActionOfType{"CalcS2Actn", "CalcIntSectActn", "CalcSActn"};

}

// The peak menus, and the peaks drawn on the charts of the pages 0 to 4 and 8.
void TForm1::CreatePeakMarking()
{
    for (int page : {0, 1, 2, 3, 4, TwoParametersPage}) {
        TChart& chart = *PageCharts[std::size_t(page)];
        auto scene = [this, page]() -> std::optional<TPeakScene> {
            const TChartSeries* series = CurveSeriesOfPage(page);
            if (PageControl1->currentIndex() != page || !PeakDrawingOn() || !series)
                return std::nullopt;
            const TCurvePoints curve{series->Count(), [series](int i) { return series->XValue(i); },
                                     [series](int i) { return series->YValue(i); }};
            QCPAxis* axis = series->OnRightAxis() ? series->ParentChart()->yAxis2
                                                  : series->ParentChart()->yAxis;
            return TPeakScene{PeakFigures(PeakSet.Peaks(), page, curve), axis, series->Color()};
        };
        new TPeakDrawingLayer(chart, TPeakDrawingLayer::TPart::Bands, scene);
        new TPeakDrawingLayer(chart, TPeakDrawingLayer::TPart::Labels, scene);
    }
    connect(PopupMenu1, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors(&TForm1::PopupMenu1Popup); });
    auto* button = findChild<QToolButton*>(QStringLiteral("ToolButton23"));
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, this,
            [this, button](const QPoint& at) { AddPeakPopupMenu->popup(button->mapToGlobal(at)); });
}

// Never while a record is being put on the charts.
bool TForm1::PeakDrawingOn() const
{
    return (Actn(QStringLiteral("ShowBordersActn")).Checked() ||
            Actn(QStringLiteral("SetPeakBordersActn")).Checked()) &&
        !ShownRecord.LoadingRecord();
}

void TForm1::SetPeakBordersActnExecute()
{
    TAction& marking = Actn(QStringLiteral("SetPeakBordersActn"));
    marking.SetChecked(!marking.Checked());
    RefreshPeakDrawing();
}

// The peaks change on every page.
void TForm1::PeakAutoSearchActnExecute()
{
    const std::optional<QString> text = desktop_.InputBox(
        QStringLiteral("Введите нижний порг значений"), QString(), QStringLiteral("3"));
    if (!text)
        return;
    const std::optional<double> threshold = common::ParseFloat(*text);
    if (!threshold)
        throw common::InvalidFloatError(*text);
    PeakSet.Peaks().clear();
    PeakMarking.PeaksReplaced();
    if (const std::optional<analysis::TPageCurve> curve =
            CurveOfPage(PageControl1->currentIndex())) {
        for (const TPeakRun& run : ThresholdRuns(curve->Y, *threshold))
            AddPeak(QString::number(PeakSet.Peaks().size()), run.startIdx, run.endIdx);
    }
    PeaksEdited();
}

void TForm1::CopyPeaksDataActnExecute()
{
    QGuiApplication::clipboard()->setText(
        PeaksCopyText(ShownRecord.Record().Title, PeakSet.Peaks()));
}

void TForm1::PopupMenu1Popup()
{
    const std::optional<int> hit = PeakMarking.HitPeak(PeakSet.Peaks());
    Actn(QStringLiteral("RenamePeakActn")).SetEnabled(hit.has_value());
    Actn(QStringLiteral("RemovePeakActn")).SetEnabled(hit.has_value());
    for (const char* name : CalcActionOfType)
        Actn(QString::fromLatin1(name)).SetChecked(false);
    QString name;
    if (hit) {
        const model::TPeakRec& peak = PeakSet.Peaks()[std::size_t(*hit)];
        if (peak.CalcType >= 0 && peak.CalcType < int(CalcActionOfType.size()))
            Actn(QString::fromLatin1(CalcActionOfType[std::size_t(peak.CalcType)]))
                .SetChecked(true);
        name = peak.GetName();
    }
    findChild<QAction*>(QStringLiteral("PeakNameItem"))->setText(name);
}

void TForm1::RenamePeakActnExecute()
{
    const std::optional<int> hit = PeakMarking.HitPeak(PeakSet.Peaks());
    if (!hit)
        return;
    const QString oldName = PeakSet.Peaks()[std::size_t(*hit)].GetName();
    const QString newName = AskPeakName(oldName);
    if (newName.isEmpty())
        return;
    RenamePeak(PeakSet.Peaks(), oldName, newName);
    PeaksEdited();
}

void TForm1::RemovePeakActnExecute()
{
    const std::optional<int> hit = PeakMarking.HitPeak(PeakSet.Peaks());
    if (!hit)
        return;
    DeletePeaksByName(PeakSet.Peaks(), PeakSet.Peaks()[std::size_t(*hit)].GetName());
    PeakMarking.PeaksReplaced();
    PeaksEdited();
}

// The parent item of the three calculation types does nothing of its own.
void TForm1::SetPeakTypeActnExecute() {}

QString TForm1::AskPeakName(const QString& preset)
{
    return desktop_.InputBox(QStringLiteral("Введите имя, пожалуйста"), QString(), preset)
        .value_or(QString());
}

// The record counts as changed, and the integral curves follow the peaks that are left.
void TForm1::PeaksEdited()
{
    RecalculateShownPeaks();
    SetModified(true);
    RefreshPeakDrawing();
}

void TForm1::RefreshPeakDrawing()
{
    const int page = PageControl1->currentIndex();
    if (page >= 0 && page < PageCount && PageCharts[std::size_t(page)])
        PageCharts[std::size_t(page)]->Refresh();
}

}
