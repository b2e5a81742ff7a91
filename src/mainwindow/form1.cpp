#include "mainwindow/form1.h"

#include "common/current_error.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/chart2_solvers.h"
#include "mainwindow/cursor_readout_view.h"
#include "mainwindow/curve_tool_commands.h"
#include "mainwindow/form1_measurement_view.h"
#include "mainwindow/graph_files.h"
#include "mainwindow/instrument_service.h"
#include "mainwindow/peak_editing.h"
#include "mainwindow/readings_table_commands.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/record_on_screen.h"
#include "mainwindow/shown_peaks.h"
#include "mainwindow/shown_record_props.h"
#include "mainwindow/view_tools_commands.h"
#include "mainwindow/window_connection.h"
#include "mainwindow/window_recording.h"
#include "mainwindow/window_reports.h"

#include <QGuiApplication>
#include <QScreen>
#include <exception>

namespace lmv::mainwindow {

TForm1::TForm1(common::Notifier& notifier, store::TRecordStore& store, common::TDesktop& desktop,
               TForm1Options options, QWidget* parent)
    : QMainWindow(parent), ShownPeaks(CreateShownPeaks()), notifier_(notifier), store_(store),
      desktop_(desktop), options_(std::move(options))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Лумивер-00х"));
    setProperty("HelpContext", 2);
    resize(FormWidth, FormHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    link_ = new link::TInstrumentLink(notifier_, this);
    link_->Driver().setObjectName(QStringLiteral("SerialDriver1"));

    CreateActions();
    CreateToolBar2();
    CreateClientArea();
    CreateRecording();
    CreateRecordListCommands();
    CreateMenus();
    CreateViewTools();
    CreateCurveTools();
    CreatePeakMarking();
    CreateReadingsTableCommands();
    CreateGraphFileDialogs();
    CreateReports();
    BindActionHandlers();
    CreateConnection();
    CreateShownRecordProps();
    FormCreate();
    Props->CreatePropForm();
    CreateMeasurements();
}

TForm1::~TForm1() { link_->SetHandlers(nullptr); }

TAction& TForm1::Actn(const QString& name) const { return *actions_.at(name); }

void TForm1::ShowError(const QString& message)
{
    notifier_.MessageBox(message, common::BoxIcon::Error, common::BoxButtons::Ok);
}

void TForm1::RunReportingErrors(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        ShowError(common::CurrentErrorMessage());
    }
}

}
