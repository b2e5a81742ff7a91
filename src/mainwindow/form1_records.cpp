// The live record's life cycle and the record on screen: its channels on their series, the
// two-parameter curve, the stored end point and its peaks.
#include "mainwindow/record_on_screen.h"

#include "analysis/titration_solver.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/form1.h"
#include "mainwindow/record_display/channel_series.h"
#include "mainwindow/record_display/end_point.h"
#include "mainwindow/record_display/two_parameter_curve.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/shown_peaks.h"
#include "mainwindow/shown_record_props.h"
#include "mainwindow/window_recording.h"
#include "store/record_folder.h"

#include <QLabel>
#include <QTabWidget>

namespace lmv::mainwindow {

namespace {

const model::TSingleChannel* ChannelOf(const model::TBaseRecord& record, int id)
{
    for (const model::TSingleChannel& channel : record.Channels)
        if (channel.Id == id)
            return &channel;
    return nullptr;
}

}

// Made with the solvers, once Chart2's page axes and the cursor series are on it.
void TForm1::CreateRecordOnScreen()
{
    OnScreen = std::make_unique<TRecordOnScreen>(TRecordOnScreenParts{
        .notifier = notifier_,
        .store = store_,
        .shownRecord = shownRecord_,
        .curves = curves_,
        .curveViews = curveViews_,
        .run = LiveRecording->LiveRun(),
        .props = *Props,
        .shownPeaks = *ShownPeaks,
        .channelPages = *ChannelPages,
        .clientArea = *ClientArea,
        .readingsTable = readingsTable_,
        .deviceType = deviceType_,
        .window = *this,
        .liveRecordIsShown = [this] { return RecordList->LiveRecordIsShown(); },
        .refreshBaseList = [this] { RecordList->RefreshBaseList(); },
        .configureForDevice = [this](int code) { ConfigureForDevice(code); },
        .chartZoom = [this] { ChartZoom(); }});
}

void TForm1::NewRecord() { OnScreen->NewRecord(); }
void TForm1::FinishRecord() { OnScreen->FinishRecord(); }
void TForm1::ShowRecord(const QString& fileName, TTableOnShow table)
{
    OnScreen->ShowRecord(fileName, table);
}
const analysis::TSolver& TForm1::PrimarySolver() const { return OnScreen->Solvers().Primary(); }
const analysis::TSolver& TForm1::ExternalSolver() const { return OnScreen->Solvers().External(); }

TRecordOnScreen::TRecordOnScreen(TRecordOnScreenParts parts)
    : parts_(std::move(parts)), solvers_(parts_.channelPages.Chart(1), parts_.window)
{
}

// Closing the properties window saves the edits of the record it showed; the record on screen
// stays that record until the run's own is shown, so no edit of it reaches the run.
void TRecordOnScreen::NewRecord()
{
    parts_.props.ClosePropFormForRun();
    parts_.run.NewLiveRecord(parts_.deviceType);
    CreateRecordFile();
}

// The run is shown also when the list's filter hides its line: its title is typed next.
void TRecordOnScreen::CreateRecordFile()
{
    parts_.run.CreateFile();
    ShowRecord(parts_.run.FileName(), TTableOnShow::Emptied);
    parts_.refreshBaseList();
    parts_.props.ShowPropFormForTitle();
}

// The run's file is closed at every stop, also when its save fails (the autosave retries it).
// The titration device sends its end-of-run values after the stop: they go into the file it
// waits with.
void TRecordOnScreen::FinishRecord()
{
    if (parts_.run.FileName().isEmpty()) {
        parts_.notifier.MessageBox(QStringLiteral("Пустое имя RecordFileName"),
                                   common::BoxIcon::None);
        return;
    }
    TShownRecord& shown = parts_.shownRecord;
    const bool live = parts_.liveRecordIsShown();
    if (live)
        parts_.props.SaveProps();
    // The record on screen was copied when the run began: from now on it is the file's record,
    // and an older copy written back would lose the run's points.
    if (live)
        shown.Adopt(parts_.store.LiveRecord());
    parts_.run.FinishFile();
    if (live)
        shown.SetModified(false);  // its edits went into the live record, now written
}

// A failed save of the record being left is told and does not keep the next one from showing.
void TRecordOnScreen::ShowRecord(const QString& fileName, TTableOnShow table)
{
    TShownRecord& shown = parts_.shownRecord;
    parts_.props.SaveProps();
    shown.SetLoadingRecord(true);
    const QString shownBefore = shown.FileName();
    shown.Load(parts_.store, fileName);
    const model::TBaseRecord& record = shown.Record();
    parts_.props.ShowRecord(record, fileName);
    for (const TCurveId curve :
         {TCurveId::Series1, TCurveId::FastLineSeries1, TCurveId::FastLineSeries2,
          TCurveId::FastLineSeries3, TCurveId::FastLineSeries4, TCurveId::FastLineSeries5,
          TCurveId::Series7, TCurveId::Series15})
        parts_.curveViews.Clear(curve);
    DrawRecordChannels();
    DrawTwoParameterCurve();
    solvers_.Primary().Clear();
    solvers_.External().Clear();
    parts_.configureForDevice(record.Mode);
    // After the device's layout, which shows the pages for any instrument: a record without
    // channels (a missing file too) has nothing to show on them.
    parts_.channelPages.Tabs().setVisible(!record.Channels.empty());
    parts_.clientArea.ConnectPanel().setVisible(record.Channels.empty());
    parts_.clientArea.ConnectPanel().raise();
    if (record.Result1 != model::NoResult)
        ShowEndPoint(record.Result1, record.Result2);
    shown.SetModified(false);
    shown.SetLoadingRecord(false);
    parts_.shownPeaks.RecalculateShownPeaks();
    // Recalculated peaks mark the record modified but are no edit of the operator's.
    shown.ForgetRecalculation();
    if (TableEmptiedOnShow(table, shownBefore, fileName))
        parts_.readingsTable.ResetGrid(-1);
    parts_.chartZoom();
}

void TRecordOnScreen::DrawRecordChannels()
{
    for (const model::TSingleChannel& channel : parts_.shownRecord.Record().Channels) {
        const std::optional<TChannelSeries> place = SeriesOfChannel(channel.Id);
        if (!place)
            continue;
        parts_.curveViews.Assign(place->curve, channel.Points);
        parts_.channelPages.Tabs().setTabVisible(place->page, true);
    }
}

void TRecordOnScreen::DrawTwoParameterCurve()
{
    const model::TBaseRecord& record = parts_.shownRecord.Record();
    const model::TSingleChannel* xChannel = ChannelOf(record, TwoParametersXChannel);
    const model::TSingleChannel* yChannel = ChannelOf(record, TwoParametersYChannel);
    const bool drawn =
        xChannel && yChannel && !xChannel->Points.empty() && !yChannel->Points.empty();
    if (drawn) {
        parts_.curveViews.Assign(TCurveId::FastLineSeries5,
                                 TwoParameterCurve(xChannel->Points, yChannel->Points));
        parts_.channelPages.Chart(8).BottomAxis().SetAutomatic(true);
    }
    parts_.channelPages.Tabs().setTabVisible(TwoParametersPage, drawn);
}

void TRecordOnScreen::ShowEndPoint(double result1, double result2)
{
    const std::optional<TCurveId> id = SeriesOfPage(parts_.channelPages.ActivePage());
    std::optional<double> lastY;
    if (id) {
        const QColor color = parts_.curveViews.Series(*id).Color();
        solvers_.Primary().SetColor(analysis::RgbToColor(
            std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue())));
        const TCurve& curve = parts_.curves.Curve(*id);
        if (curve.Count() > 0)
            lastY = curve.Y(curve.Count() - 1);
    }
    if (const std::optional<double> y = EndPointY(result2, lastY))
        solvers_.Primary().SetSingleMarker(result1, *y);
    parts_.channelPages.Tabs().setCurrentIndex(ResultsPage);
}

}
