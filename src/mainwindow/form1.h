#pragma once
// The main window: it owns every control, chart and series and wires the instrument link, the
// record store and the analysis together. Each concern's glue to the controls is in
// form1_<concern>.cpp; how the window is organised is noted in CMakeLists.txt.
#include "analysis/peaks/peak_set_model.h"
#include "common/desktop.h"
#include "common/notifier.h"
#include "mainwindow/action_table.h"
#include "mainwindow/curve_views.h"
#include "mainwindow/form1_measurement_view.h"
#include "mainwindow/form1_options.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/readings_table_model.h"
#include "mainwindow/record_display/shown_record.h"
#include "mainwindow/record_display/table_on_show.h"
#include "mainwindow/rules/page_layout.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QWidget;

namespace lmv::analysis {
class TSolver;
}
namespace lmv::link {
class TInstrumentLink;
}

namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

class TAction;
class TChannelPagesView;
class TChart;
class TChartSeries;
class TChart2Solvers;
class TClientAreaView;
class TCurveToolCommands;
class TGraphFiles;
class TInstrumentService;
class TMainToolBarView;
class TPeakEditing;
class TReadingsTableCommands;
class TRecordListCommands;
class TRecordAreaView;
class TResultsPageView;
class TSaveDialog;
class TShownPeaks;
class TShownRecordProps;
class TTablePageView;
class TWindowConnection;
class TWindowMenus;
class TWindowRecording;
class TWindowReports;
class TTitrationParamsView;
class TWindowHelp;
class TCursorReadout;
class TViewTools;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int FormWidth = 968;
    static constexpr int FormHeight = 577;

    // The store and the desktop belong to the program and outlive the window.
    TForm1(common::Notifier& notifier, store::TRecordStore& store, common::TDesktop& desktop,
           TForm1Options options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Actions by their id, resolved when they are made; by component name for the tests.
    TAction& Actn(TActionId id) const { return *actionOf_[std::size_t(id)]; }
    TAction& Actn(const QString& name) const;
    const std::map<QString, TAction*>& Actions() const { return actions_; }

    link::TInstrumentLink& Link() const { return *link_; }

    // Device types and pages.
    void ConfigureForDevice(int code);
    TChart* GetCurrentChart() const;
    TChartSeries* GetCurrentSeries() const;
    // The same for any page: its chart, and the series of its curve.
    TChart* ChartOfPage(int page) const;
    TChartSeries* CurveSeriesOfPage(int page) const;
    TPageLayout CurrentPageLayout() const;

    // Window caption and application title.
    void SetCaptionAndTitle(const QString& text);
    // Lists a record folder, passing the store's errors on: a refused switch changes nothing;
    // after a switch the caption and the list follow the new folder first.
    void OpenBase(const QString& folder);

    void ApplyScale(TChart& chart);
    void PageControl1Change();

    // Handlers bound to actions and controls.
    void ShowAllTabsActnExecute();

    // Entry points shared across features: the live point (one per reading while recording,
    // and by the text import), the elapsed time of live points, the scale fields and cursor
    // readout, and status panel 2.
    void AddPoint(int Channel, double X, double Y);
    double ElapsedRunTime() const;
    // The autosave tick (Timer2's handler).
    void Timer2Timer();
    void ChartZoom();
    // The cursor readout brought up to date and taken away (form1_view_tools.cpp).
    void UpdateCursorReadout();
    void HideCursorReadout();
    void SetStatusText(const QString& text);

    // Recording control and the autosave (form1_recording.cpp): whether a run records, and the
    // titration run finished last, whose end-of-run values still go into its file ('' when
    // none waits); both read from the run.
    bool Recording() const;
    const QString& AwaitingResultsFile() const;

    // Peaks of the record on screen (form1_peaks.cpp). SetPeakRange passes a calculation error
    // on as common::Error and returns false when the peak's page has no curve.
    void AddPeak(const QString& name, int startIdx, int endIdx);
    bool SetPeakRange(int index, int startIdx, int endIdx);
    bool Modified() const;

    // The live record's life cycle and the record on screen (form1_records.cpp). ShowRecord
    // passes the error of a record file of another version on, the previous record kept; the
    // record on screen shown again after an end-of-run value may keep the table's rows.
    void NewRecord();
    void CreateRecordFile();
    void FinishRecord();
    void ShowRecord(const QString& fileName, TTableOnShow table = TTableOnShow::Emptied);
    void ShowEndPoint(double result1, double result2);
    // A line whose file cannot be shown gives the selection back to the shown record's line.
    void ListBox1Click();
    void SelectShownRecordsLine();
    // The record on screen is the live one (its name, no disk browsed).
    bool LiveRecordIsShown() const;
    void RefreshBaseList();

    // The readings table's commands (form1_readings_table.cpp); the page binds CheckBox2 here.
    void CheckBox2Click();

    // The text import (form1_graph_files.cpp): false when its recording did not start, and then
    // reads nothing; what stopped a file goes to problems.
    bool ImportTextFile(const QString& fileName, QStringList& problems);

    // Result and header frames: the page "Нолдирон" and the live record's parameters.
    void ShowTitrationParams(const TTitrationParamTexts& texts);

    // The report forms Form2 to Form8, which the program makes at start (form1_reports.cpp).
    void CreateReportForms();

    // Fields of the form.
    int DeviceType() const { return deviceType_; }
    bool StopByInstrument() const { return stopByInstrument_; }
    bool AutosaveBusy() const;
    // What the window holds, for reading: the record on screen and its peaks, the page curves,
    // the readings table, the solvers of Chart2 and status panel 2's text.
    const TShownRecord& ShownRecord() const { return shownRecord_; }
    const analysis::TPeakSetModel& PeakSet() const;
    const TPageCurves& Curves() const { return curves_; }
    const TReadingsTable& ReadingsTable() const { return readingsTable_; }
    const analysis::TSolver& PrimarySolver() const;
    const analysis::TSolver& ExternalSolver() const;
    const QString& StatusText() const { return statusText_; }
    // The router of the measurement frames, which the link hands them to.
    TMeasurementRouter& Measurements() { return measurements_->Router(); }
    const QString& SelectedFileName() const { return shownRecord_.FileName(); }
    static constexpr int StatusPanel = 2;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The concerns' owners, each holding its state and its handlers.
    std::unique_ptr<TCursorReadout> Cursor;
    std::unique_ptr<TViewTools> ViewTools;
    std::unique_ptr<TCurveToolCommands> CurveTools;
    std::unique_ptr<TPeakEditing> Peaks;
    std::unique_ptr<TWindowReports> Reports;
    // The curves of the record pages, and their series as views of them.
    TPageCurves curves_;
    TCurveViews curveViews_{curves_};
    // The record on screen, and whether it is being put on the charts.
    TShownRecord shownRecord_;
    // The peaks of the record on screen, after the record and the curves.
    std::unique_ptr<TShownPeaks> CreateShownPeaks();
    std::unique_ptr<TShownPeaks> ShownPeaks;
    QString statusText_;

    // The views that build and hold the controls, by groups of pages and bars.
    TMainToolBarView* ToolBars = nullptr;
    TClientAreaView* ClientArea = nullptr;
    TChannelPagesView* ChannelPages = nullptr;
    TTablePageView* ReadingsPage = nullptr;
    TResultsPageView* ResultsView = nullptr;
    TWindowMenus* Menus = nullptr;
    // The readings table that StringGrid1 shows (LiveRow is the grid's tag). The model goes
    // before the table; the view, a child widget deleted last, then falls back to an empty model.
    TReadingsTable readingsTable_;
    TReadingsTableModel ReadingsModel{readingsTable_, [this] { return ReadingsEditContext(); }};
    TSaveDialog* SaveDialog1 = nullptr;

    // The instrument of the last measurement frame, and whether the instrument asked the run to
    // stop.
    int deviceType_ = -1;
    bool stopByInstrument_ = false;

    // Creation of the window's components: the view tools and the cursor readout
    // (form1_view_tools.cpp), the curve tools (form1_curve_tools.cpp), the peak edits
    // (form1_peak_marking.cpp).
    void CreateViewTools();
    void CreateCurveTools();
    void CreatePeakMarking();
    void CreateActions();
    // Runs every update rule: while the program is idle and before a menu opens.
    void UpdateActions();
    void BindActionHandlers();
    void CreateToolBar2();
    void CreateRecordArea();
    void CreateClientArea();
    void CreatePages();
    void CreateServicePages();
    void CreateResultsPage();
    void ConnectServiceButtons();
    void CreateMenus();
    void CreateTimers();
    void CreateSaveDialog1();
    void CreateGraphFileDialogs();
    void CreateReports();
    void CreateConnection();

    // FormCreate and its steps.
    void FormCreate();
    void OpenDefaultRecordFolder();
    void CreateSolvers();
    std::unique_ptr<TChart2Solvers> Solvers;
    void CreateHelp();
    TWindowHelp* Help = nullptr;
    void UsePointAndDashSeparators();
    void FormClose();

    // The service pages' requests.
    std::unique_ptr<TInstrumentService> Service;
    TTitrationParamsView* TitrationParams = nullptr;  // the page "Нолдирон"
    TRecordAreaView* RecordArea = nullptr;

    // Connection.
    std::unique_ptr<TWindowConnection> Connection;

    void ApplyPageLayout(const TPageLayout& layout);
    // The application's handler of errors at the entries from the event loop: the message box.
    void ShowError(const QString& message);
    void RunReportingErrors(void (TForm1::*handler)());
    void RunReportingErrors(const std::function<void()>& step);

    common::Notifier& notifier_;
    store::TRecordStore& store_;
    common::TDesktop& desktop_;
    TForm1Options options_;
    link::TInstrumentLink* link_ = nullptr;
    std::map<QString, TAction*> actions_;
    std::array<TAction*, ActionCount> actionOf_{};

    // Readings table.
    TEditContext ReadingsEditContext() const;
    void CreateReadingsTableCommands();
    std::unique_ptr<TReadingsTableCommands> Table;

    // The record on screen and its properties.
    void CreateShownRecordProps();
    std::unique_ptr<TShownRecordProps> Props;
    void DrawRecordChannels();
    void DrawTwoParameterCurve();

    // The curves of the record pages and their series; a page's curve is the first of them on
    // its chart.
    void BindCurveViews();
    std::optional<TCurveId> CurveIdOfPage(int page) const;
    const TCurve* CurveOnPage(int page) const;

    // Graph files, text export and import.
    std::unique_ptr<TGraphFiles> GraphFiles;
    // The record list, its folder and removable disks (form1_record_list.cpp).
    void CreateRecordListCommands();
    std::unique_ptr<TRecordListCommands> RecordList;

    // Recording control and the autosave (form1_recording.cpp, form1_timers.cpp), made before
    // the commands that read its run. The save in flight is completed before the run goes,
    // since its outcome comes back to the run.
    void CreateRecording();
    std::unique_ptr<TWindowRecording> LiveRecording;

    // Measurement frames: the window as their router sees it, by concern.
    void CreateMeasurements();
    std::unique_ptr<TWindowMeasurements> measurements_;
};

}
