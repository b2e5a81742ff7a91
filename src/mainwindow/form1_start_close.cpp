// The window's creation steps after its components exist, and the close.
#include "mainwindow/form1.h"

#include "common/current_error.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/cursor_readout_view.h"
#include "mainwindow/instrument_service.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/readings_table_commands.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/rules/device_types.h"
#include "mainwindow/service_pages_view.h"
#include "mainwindow/shown_record_props.h"
#include "mainwindow/table_page_view.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/window_recording.h"
#include "store/record_folder.h"
#include "store/start_dir.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <exception>

namespace lmv::mainwindow {

void TForm1::FormCreate()
{
    OpenDefaultRecordFolder();
    LiveRecording->ShowRunState();
    deviceType_ = dtNone;
    ConfigureForDevice(dtNone);
    ToolBars->PortChooser().setCurrentIndex(-1);
    ToolBars->PortChooser().setEditText(QStringLiteral("COM??"));
    ApplyScale(ChannelPages->Chart(0));
    Table->Start();
    ReadingsPage->TableFileName().clear();
    Service->Pages().Start();
    RecordList->InitRecordFilter();
    ChannelPages->CreatePageAxes();
    Cursor->CreateCursorSeries();
    CreateRecordOnScreen();
    PageControl1Change();
    CreateHelp();
    // Numbers are written and read with '.' everywhere: the program's own helpers always do so, and
    // the widgets follow the C locale. Dates print through common::ShortDatePattern: the system's
    // numeric pattern with '-' for '/', the Russian one where the system's names months.
    QLocale::setDefault(QLocale::c());
    ChannelPages->Chart(1).RemoveSeries(&ChannelPages->Series(TCurveId::Series15));
}

// An error of the record folder (an index of another version) is shown, and the window is still
// completed by the steps after it.
void TForm1::OpenDefaultRecordFolder()
{
    try {
        OpenBase(store::DefaultRecordDir(store_.StartDir()));
    } catch (...) {
        ShowError(common::CurrentErrorMessage());
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

// Nothing may keep the window from closing: an error of a step is shown and the next step runs.
void TForm1::FormClose()
{
    if (Recording())
        Actn(TActionId::StartStopActn).ExecuteReportingErrors();
    RunReportingErrors([this] { LiveRecording->SaveLiveRecordAtClose(); });
    if (Modified())
        RunReportingErrors([this] { Props->SaveProps(); });
}

}
