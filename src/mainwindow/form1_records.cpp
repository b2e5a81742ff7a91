// The live record's life cycle and the record on screen: its channels on their series, the
// two-parameter curve, the stored end point, its peaks and the record list's click.
#include "mainwindow/form1.h"

#include "analysis/titration_solver.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart2_solvers.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/record_area_view.h"
#include "mainwindow/record_display/channel_series.h"
#include "mainwindow/record_display/end_point.h"
#include "mainwindow/record_display/live_record_shown.h"
#include "mainwindow/record_display/two_parameter_curve.h"
#include "mainwindow/record_list/list_lines.h"
#include "mainwindow/shown_peaks.h"
#include "mainwindow/shown_record_props.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/widgets/record_list_view.h"
#include "mainwindow/window_recording.h"
#include "store/record_folder.h"

#include <QLabel>
#include <QSignalBlocker>
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

// Closing the properties window saves the edits of the record it showed; the record on screen
// stays that record until the run's own is shown, so no edit of it reaches the run.
void TForm1::NewRecord()
{
    Props->ClosePropFormForRun();
    LiveRecording->LiveRun().NewLiveRecord(deviceType_);
    CreateRecordFile();
}

// The run is shown also when the list's filter hides its line: its title is typed next.
void TForm1::CreateRecordFile()
{
    LiveRecording->LiveRun().CreateFile();
    ShowRecord(LiveRecording->LiveRun().FileName());
    RefreshBaseList();
    Props->ShowPropFormForTitle();
}

// The run's file is closed at every stop, also when its save fails (the autosave retries it).
// The titration device sends its end-of-run values after the stop: they go into the file it
// waits with.
void TForm1::FinishRecord()
{
    if (LiveRecording->LiveRun().FileName().isEmpty()) {
        notifier_.MessageBox(QStringLiteral("Пустое имя RecordFileName"), common::BoxIcon::None);
        return;
    }
    const bool shown = LiveRecordIsShown();
    if (shown)
        Props->SaveProps();
    // The record on screen was copied when the run began: from now on it is the file's record,
    // and an older copy written back would lose the run's points.
    if (shown)
        shownRecord_.Adopt(store_.LiveRecord());
    LiveRecording->LiveRun().FinishFile();
    if (shown)
        shownRecord_.SetModified(false);  // its edits went into the live record, now written
}

// A failed save of the record being left is told and does not keep the next one from showing.
void TForm1::ShowRecord(const QString& fileName, TTableOnShow table)
{
    Props->SaveProps();
    shownRecord_.SetLoadingRecord(true);
    const QString shownBefore = SelectedFileName();
    shownRecord_.Load(store_, fileName);
    const model::TBaseRecord& record = shownRecord_.Record();
    Props->ShowRecord(record, fileName);
    for (const TCurveId curve :
         {TCurveId::Series1, TCurveId::FastLineSeries1, TCurveId::FastLineSeries2,
          TCurveId::FastLineSeries3, TCurveId::FastLineSeries4, TCurveId::FastLineSeries5,
          TCurveId::Series7, TCurveId::Series15})
        curveViews_.Clear(curve);
    DrawRecordChannels();
    DrawTwoParameterCurve();
    Solvers->Primary().Clear();
    Solvers->External().Clear();
    ConfigureForDevice(record.Mode);
    // After the device's layout, which shows the pages for any instrument: a record without
    // channels (a missing file too) has nothing to show on them.
    ChannelPages->Tabs().setVisible(!record.Channels.empty());
    ClientArea->ConnectPanel().setVisible(record.Channels.empty());
    ClientArea->ConnectPanel().raise();
    if (record.Result1 != model::NoResult)
        ShowEndPoint(record.Result1, record.Result2);
    shownRecord_.SetModified(false);
    shownRecord_.SetLoadingRecord(false);
    ShownPeaks->RecalculateShownPeaks();
    // Recalculated peaks mark the record modified but are no edit of the operator's.
    shownRecord_.ForgetRecalculation();
    if (TableEmptiedOnShow(table, shownBefore, fileName))
        readingsTable_.ResetGrid(-1);
    ChartZoom();
}

void TForm1::DrawRecordChannels()
{
    for (const model::TSingleChannel& channel : shownRecord_.Record().Channels) {
        const std::optional<TChannelSeries> place = SeriesOfChannel(channel.Id);
        if (!place)
            continue;
        curveViews_.Assign(place->curve, channel.Points);
        ChannelPages->Tabs().setTabVisible(place->page, true);
    }
}

void TForm1::DrawTwoParameterCurve()
{
    const model::TBaseRecord& record = shownRecord_.Record();
    const model::TSingleChannel* xChannel = ChannelOf(record, TwoParametersXChannel);
    const model::TSingleChannel* yChannel = ChannelOf(record, TwoParametersYChannel);
    const bool drawn =
        xChannel && yChannel && !xChannel->Points.empty() && !yChannel->Points.empty();
    if (drawn) {
        curveViews_.Assign(TCurveId::FastLineSeries5,
                           TwoParameterCurve(xChannel->Points, yChannel->Points));
        ChannelPages->Chart(8).BottomAxis().SetAutomatic(true);
    }
    ChannelPages->Tabs().setTabVisible(TwoParametersPage, drawn);
}

void TForm1::ShowEndPoint(double result1, double result2)
{
    const std::optional<TCurveId> id = SeriesOfPage(ChannelPages->ActivePage());
    std::optional<double> lastY;
    if (id) {
        const QColor color = curveViews_.Series(*id).Color();
        Solvers->Primary().SetColor(analysis::RgbToColor(
            std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue())));
        const TCurve& curve = curves_.Curve(*id);
        if (curve.Count() > 0)
            lastY = curve.Y(curve.Count() - 1);
    }
    if (const std::optional<double> y = EndPointY(result2, lastY))
        Solvers->Primary().SetSingleMarker(result1, *y);
    ChannelPages->Tabs().setCurrentIndex(ResultsPage);
}

bool TForm1::LiveRecordIsShown() const
{
    return LiveRecordShown(SelectedFileName(), LiveRecording->LiveRun().FileName(),
                           store_.BrowseDir());
}

// A file that cannot be shown (a record of another version, an unreadable file) leaves the
// record on screen, the charts and the properties window as they were: the list goes back to
// that record's line (to none when it is not listed), so that all three name the same record.
// The error goes on to be told.
void TForm1::ListBox1Click()
{
    const int line = RecordArea->List().SelectedLine();
    if (line < 0)
        return;
    try {
        ShowRecord(store_.FilteredList()[std::size_t(line)].FileName);
    } catch (...) {
        SelectShownRecordsLine();
        throw;
    }
}

void TForm1::SelectShownRecordsLine()
{
    const QSignalBlocker quiet(RecordArea->List());
    const int shown = LineOfFile(store_.FilteredList(), SelectedFileName());
    RecordArea->List().setCurrentRow(shown);
    if (shown < 0)
        RecordArea->List().clearSelection();
}

// Selecting the shown record's line is no click: nothing is shown anew.
void TForm1::RefreshBaseList()
{
    const QSignalBlocker quiet(RecordArea->List());
    RecordArea->List().Refill([this] { store_.ApplyFilter(); });
    SelectShownRecordsLine();
}

}
