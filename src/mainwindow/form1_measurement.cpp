// The measurement frames' steps on the window: pages, captions, value fields, chart titles,
// status panels, the readings table, live points and the titration device's end-of-run record.
#include "mainwindow/form1.h"

#include "mainwindow/form1_measurement_view.h"

#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/readings_table_commands.h"
#include "mainwindow/record_display/live_record_shown.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/recording/live_run.h"
#include "mainwindow/rules/device_types.h"
#include "mainwindow/shown_record_props.h"
#include "mainwindow/table_page_view.h"
#include "mainwindow/titration_params_view.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/steady_tabs.h"
#include "mainwindow/window_recording.h"
#include "store/record_folder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QTabWidget>

namespace lmv::mainwindow {

TWindowMeasurements::TWindowMeasurements(TMeasurementTextParts texts, TDevicePageParts pages,
                                         TReadingsRowParts rows, TRunRecordParts record,
                                         TLiveRun& run)
    : texts_(std::move(texts)), pages_(std::move(pages)), rows_(std::move(rows)),
      record_(std::move(record)), router_({texts_, pages_, rows_, record_, run})
{
}

// Made once the controls and the properties window exist; from then on the link hands it the
// measurement frames.
void TForm1::CreateMeasurements()
{
    measurements_ = std::make_unique<TWindowMeasurements>(
        TMeasurementTextParts{
            .unitsBox = ReadingsPage->UnitsShown(),
            .pages = ChannelPages->Tabs(),
            .valueFields = ChannelPages->LegendTexts(),
            .charts = ChannelPages->ChartsByPage(),
            .statusBar = ClientArea->Status(),
            .setCaptionAndTitle = [this](const QString& text) { SetCaptionAndTitle(text); },
            .setStatusText = [this](const QString& text) { SetStatusText(text); },
            .showTitrationParams =
                [this](const TTitrationParamTexts& texts) { TitrationParams->Show(texts); },
            .showError = [this](const QString& message) { ShowError(message); }},
        TDevicePageParts{.deviceType = deviceType_,
                         .configureForDevice = [this](int code) { ConfigureForDevice(code); },
                         .pages = ChannelPages->Tabs(),
                         .corrosionPanel = ReadingsPage->CorrosionPanel(),
                         .corrosionBox = ReadingsPage->CorrosionBox(),
                         .curves = curveViews_,
                         .addRow = Actn(TActionId::AddRowToGridActn)},
        TReadingsRowParts{.table = readingsTable_,
                          .link = *link_,
                          .addRow = Actn(TActionId::AddRowToGridActn),
                          .storeLiveRow = [this] { Table->AddRowToGridActnExecute(); }},
        TRunRecordParts{.store = store_,
                        .run = LiveRecording->LiveRun(),
                        .stopByInstrument = stopByInstrument_,
                        .startStop = Actn(TActionId::StartStopActn),
                        .propForm = Props->PropForm(),
                        .shownFileName = [this] { return SelectedFileName(); },
                        .showRecord = [this](const QString& fileName,
                                             TTableOnShow table) { ShowRecord(fileName, table); },
                        .updateListTitle =
                            [this](const QString& fileName, const QString& title) {
                                RecordList->UpdateBaseListTitle(fileName, title);
                            }},
        LiveRecording->LiveRun());
    link_->SetHandlers(&measurements_->Router());
}

TMeasurementRouter& TForm1::Measurements() { return measurements_->Router(); }

QDateTime TForm1MeasurementTexts::Now() const { return QDateTime::currentDateTime(); }

bool TForm1MeasurementTexts::UnitsShown() const { return parts_.unitsBox.isChecked(); }

void TForm1MeasurementTexts::SetPageCaption(int page, const QString& text)
{
    parts_.pages.setTabText(page, text);
}

void TForm1MeasurementTexts::SetValueField(int field, const QString& text)
{
    parts_.valueFields.at(std::size_t(field))->setText(text);
}

void TForm1MeasurementTexts::SetChartTitle(int chart, const QString& text)
{
    parts_.charts.at(std::size_t(chart))->SetTitle(text);
}

void TForm1MeasurementTexts::SetStatusPanel(int panel, const QString& text)
{
    parts_.statusBar.SetPanelText(panel, text);
}

void TForm1MeasurementTexts::SetCaptionAndTitle(const QString& text)
{
    parts_.setCaptionAndTitle(text);
}

void TForm1MeasurementTexts::ShowTitrationParams(const TTitrationParamTexts& texts)
{
    parts_.showTitrationParams(texts);
}

void TForm1MeasurementTexts::SetStatusText(const QString& text) { parts_.setStatusText(text); }

QLocale TForm1MeasurementTexts::SystemLocale() const { return QLocale::system(); }

void TForm1MeasurementTexts::ShowError(const QString& message) { parts_.showError(message); }

int TForm1DevicePages::DeviceType() const { return parts_.deviceType; }

void TForm1DevicePages::ChangeDeviceType(int code)
{
    parts_.deviceType = code;
    parts_.configureForDevice(code);
    ForgetTabWidths(parts_.pages);
    parts_.corrosionPanel.setVisible(code == dtCorrosionMeter);
    parts_.corrosionBox.setVisible(code == dtCorrosionMeter);
}

void TForm1DevicePages::SetAddRowEnabled(bool enabled) { parts_.addRow.SetEnabled(enabled); }

// Straight onto the "4+1" page, whichever record is on screen.
void TForm1DevicePages::AddFourPlusOnePoint(TFourPlusOneLine line, double x, double y)
{
    parts_.curves.Add(line == TFourPlusOneLine::First ? TCurveId::Series2 : TCurveId::Series3, x,
                      y);
}

TReadingsTable& TForm1ReadingsRows::Table() { return parts_.table; }

void TForm1ReadingsRows::StoreLiveRow() { parts_.storeLiveRow(); }

void TForm1ReadingsRows::SetRowFromFrame(bool fromFrame) { parts_.link.RowFromFrame = fromFrame; }

void TForm1ReadingsRows::ExecuteAddRow() { parts_.addRow.Execute(); }

QString TForm1RunRecord::EndOfRunFileName() const { return parts_.run.EndOfRunFileName(); }

model::TBaseRecord* TForm1RunRecord::EndOfRunRecord()
{
    return EndOfRunFileName().isEmpty() ? nullptr : &parts_.store.EditLiveRecord();
}

void TForm1RunRecord::ScaleEndOfRunChannelX(int channel, double v)
{
    parts_.store.ScaleChannelX(channel, v);
}

// The record stays open for the run's further values until the next recording starts.
void TForm1RunRecord::SaveEndOfRunRecord()
{
    const QString fileName = EndOfRunFileName();
    parts_.store.SaveRecordFile(fileName, parts_.store.LiveRecord());
    if (parts_.shownFileName() == fileName)
        parts_.showRecord(fileName, TTableOnShow::KeptForSameRecord);
}

void TForm1RunRecord::ExecuteStartStop(bool byInstrument)
{
    parts_.stopByInstrument = byInstrument;
    const auto reset = qScopeGuard([this] { parts_.stopByInstrument = false; });
    parts_.startStop.Execute();
}

model::TBaseRecord& TForm1RunRecord::LiveRecord() { return parts_.store.EditLiveRecord(); }

// The operator may be typing a title or comments into the window: only its grid follows.
void TForm1RunRecord::RefreshHeaderParams()
{
    const QString fileName = HeaderFileName();
    if (!fileName.isEmpty() &&
        LiveRecordShown(parts_.shownFileName(), fileName, parts_.store.BrowseDir()))
        parts_.propForm.ShowParams(parts_.store.LiveRecord().Params);
}

QString TForm1RunRecord::HeaderFileName() const { return EndOfRunFileName(); }

void TForm1RunRecord::SaveHeader()
{
    const QString fileName = HeaderFileName();
    const model::TBaseRecord& record = parts_.store.LiveRecord();
    parts_.store.SaveRecordFile(fileName, record);
    if (parts_.shownFileName() == fileName)
        parts_.updateListTitle(fileName, record.Title);
}

}
