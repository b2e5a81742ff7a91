// The measurement frames' steps on the window: pages, captions, value fields, chart titles,
// status panels, the readings table, live points and the titration device's end-of-run record.
#include "mainwindow/form1.h"

#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/record_display/live_record_shown.h"
#include "mainwindow/rules/device_types.h"
#include "mainwindow/table_page_view.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/steady_tabs.h"
#include "store/record_folder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QTabWidget>

namespace lmv::mainwindow {

QDateTime TForm1MeasurementTexts::Now() const { return QDateTime::currentDateTime(); }

bool TForm1MeasurementTexts::UnitsShown() const
{
    return form_.ReadingsPage->UnitsShown().isChecked();
}

void TForm1MeasurementTexts::SetPageCaption(int page, const QString& text)
{
    form_.ChannelPages->Tabs().setTabText(page, text);
}

void TForm1MeasurementTexts::SetValueField(int field, const QString& text)
{
    form_.ChannelPages->LegendText(field).setText(text);
}

void TForm1MeasurementTexts::SetChartTitle(int chart, const QString& text)
{
    form_.ChannelPages->Chart(chart).SetTitle(text);
}

void TForm1MeasurementTexts::SetStatusPanel(int panel, const QString& text)
{
    form_.ClientArea->Status().SetPanelText(panel, text);
}

void TForm1MeasurementTexts::SetCaptionAndTitle(const QString& text)
{
    form_.SetCaptionAndTitle(text);
}

void TForm1MeasurementTexts::ShowTitrationParams(const TTitrationParamTexts& texts)
{
    form_.ShowTitrationParams(texts);
}

void TForm1MeasurementTexts::SetStatusText(const QString& text) { form_.SetStatusText(text); }

QLocale TForm1MeasurementTexts::SystemLocale() const { return QLocale::system(); }

void TForm1MeasurementTexts::ShowError(const QString& message) { form_.ShowError(message); }

int TForm1DevicePages::DeviceType() const { return form_.deviceType_; }

void TForm1DevicePages::ChangeDeviceType(int code)
{
    form_.deviceType_ = code;
    form_.ConfigureForDevice(code);
    ForgetTabWidths(form_.ChannelPages->Tabs());
    form_.ReadingsPage->CorrosionPanel().setVisible(code == dtCorrosionMeter);
    form_.ReadingsPage->CorrosionBox().setVisible(code == dtCorrosionMeter);
}

void TForm1DevicePages::SetAddRowEnabled(bool enabled)
{
    form_.Actn(TActionId::AddRowToGridActn).SetEnabled(enabled);
}

// Straight onto the "4+1" page, whichever record is on screen.
void TForm1DevicePages::AddFourPlusOnePoint(TFourPlusOneLine line, double x, double y)
{
    form_.ChannelPages
        ->Series(line == TFourPlusOneLine::First ? TCurveId::Series2 : TCurveId::Series3)
        .AddXY(x, y);
}

TReadingsTable& TForm1ReadingsRows::Table() { return form_.readingsTable_; }

void TForm1ReadingsRows::StoreLiveRow() { form_.AddRowToGridActnExecute(); }

void TForm1ReadingsRows::SetRowFromFrame(bool fromFrame) { form_.Link().RowFromFrame = fromFrame; }

void TForm1ReadingsRows::ExecuteAddRow() { form_.Actn(TActionId::AddRowToGridActn).Execute(); }

QString TForm1RunRecord::EndOfRunFileName() const { return form_.LiveRun.EndOfRunFileName(); }

model::TBaseRecord* TForm1RunRecord::EndOfRunRecord()
{
    return EndOfRunFileName().isEmpty() ? nullptr : &form_.store_.EditLiveRecord();
}

void TForm1RunRecord::ScaleEndOfRunChannelX(int channel, double v)
{
    form_.store_.ScaleChannelX(channel, v);
}

// The record stays open for the run's further values until the next recording starts.
void TForm1RunRecord::SaveEndOfRunRecord()
{
    const QString fileName = EndOfRunFileName();
    form_.store_.SaveRecordFile(fileName, form_.store_.LiveRecord());
    if (form_.SelectedFileName() == fileName)
        form_.ShowRecord(fileName, TTableOnShow::KeptForSameRecord);
}

void TForm1RunRecord::ExecuteStartStop(bool byInstrument)
{
    form_.stopByInstrument_ = byInstrument;
    const auto reset = qScopeGuard([this] { form_.stopByInstrument_ = false; });
    form_.Actn(TActionId::StartStopActn).Execute();
}

model::TBaseRecord& TForm1RunRecord::LiveRecord() { return form_.store_.EditLiveRecord(); }

// The operator may be typing a title or comments into the window: only its grid follows.
void TForm1RunRecord::RefreshHeaderParams()
{
    const QString fileName = HeaderFileName();
    if (form_.PropForm && !fileName.isEmpty() &&
        LiveRecordShown(form_.SelectedFileName(), fileName, form_.store_.BrowseDir()))
        form_.PropForm->ShowParams(form_.store_.LiveRecord().Params);
}

QString TForm1RunRecord::HeaderFileName() const { return EndOfRunFileName(); }

void TForm1RunRecord::SaveHeader()
{
    const QString fileName = HeaderFileName();
    const model::TBaseRecord& record = form_.store_.LiveRecord();
    form_.store_.SaveRecordFile(fileName, record);
    if (form_.SelectedFileName() == fileName)
        form_.UpdateBaseListTitle(fileName, record.Title);
}

}
