#pragma once
// The main window: it owns every control, chart and series and wires the instrument link, the
// record store and the analysis together. Each concern's glue to the controls is in
// form1_<concern>.cpp; how the window is organised is noted in CMakeLists.txt.
#include "analysis/peaks/peak_set_model.h"
#include "common/desktop.h"
#include "common/notifier.h"
#include "mainwindow/action_table.h"
#include "mainwindow/curve_views.h"
#include "mainwindow/form1_options.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/readings_table_model.h"
#include "mainwindow/record_display/shown_record.h"
#include "mainwindow/record_display/table_on_show.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>

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
class TClientAreaView;
class TCurveToolCommands;
class TGraphFiles;
class TInstrumentService;
class TMainToolBarView;
class TPeakEditing;
class TReadingsTableCommands;
class TRecordAreaView;
class TRecordListCommands;
class TRecordOnScreen;
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
class TWindowMeasurements;
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
    // The router of the measurement frames, which the link hands them to.
    TMeasurementRouter& Measurements();

    // Device types and pages: the chart of the active page or of any page, and the series of its
    // curve, the first record curve on its chart.
    void ConfigureForDevice(int code);
    TChart* GetCurrentChart() const;
    TChartSeries* GetCurrentSeries() const;
    TChart* ChartOfPage(int page) const;
    TChartSeries* CurveSeriesOfPage(int page) const;

    // Window caption and application title.
    void SetCaptionAndTitle(const QString& text);
    // Lists a record folder, passing the store's errors on: a refused switch changes nothing;
    // after a switch the caption and the list follow the new folder first.
    void OpenBase(const QString& folder);

    // Entry points shared across features: the live point (one per reading while recording,
    // and by the text import), the elapsed time of live points, the autosave tick (Timer2's
    // handler), the scale fields and status panel 2.
    void AddPoint(int Channel, double X, double Y);
    double ElapsedRunTime() const;
    void Timer2Timer();
    void ChartZoom();
    void ApplyScale(TChart& chart);
    void SetStatusText(const QString& text);

    // Peaks of the record on screen (form1_peaks.cpp). SetPeakRange passes a calculation error
    // on as common::Error and returns false when the peak's page has no curve.
    void AddPeak(const QString& name, int startIdx, int endIdx);
    bool SetPeakRange(int index, int startIdx, int endIdx);

    // The live record's life cycle and the record on screen (form1_records.cpp). ShowRecord
    // passes the error of a record file of another version on, the previous record kept; the
    // record on screen shown again after an end-of-run value may keep the table's rows.
    void NewRecord();
    void FinishRecord();
    void ShowRecord(const QString& fileName, TTableOnShow table = TTableOnShow::Emptied);

    // The report forms Form2 to Form8, which the program makes at start (form1_reports.cpp).
    void CreateReportForms();

    // Fields of the form, read from their owners. Recording: whether a run records;
    // AwaitingResultsFile: the titration run finished last, whose end-of-run values still go into
    // its file ('' when none waits).
    int DeviceType() const { return deviceType_; }
    bool StopByInstrument() const { return stopByInstrument_; }
    bool Recording() const;
    const QString& AwaitingResultsFile() const;
    bool AutosaveBusy() const;
    bool Modified() const;
    const QString& SelectedFileName() const { return shownRecord_.FileName(); }
    // What the window holds, for reading: the record on screen and its peaks, the page curves,
    // the readings table, the solvers of Chart2 and status panel 2's text.
    const TShownRecord& ShownRecord() const { return shownRecord_; }
    const analysis::TPeakSetModel& PeakSet() const;
    const TPageCurves& Curves() const { return curves_; }
    const TReadingsTable& ReadingsTable() const { return readingsTable_; }
    const analysis::TSolver& PrimarySolver() const;
    const analysis::TSolver& ExternalSolver() const;
    const QString& StatusText() const { return statusText_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The owners of the concerns, each holding its state and its handlers, and the views that
    // build and hold the controls, made by the Create steps below. Members are destroyed in the
    // reverse of this order, which the owners rely on: keep it.
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
    std::unique_ptr<TShownPeaks> ShownPeaks;
    QString statusText_;
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
    std::unique_ptr<TRecordOnScreen> OnScreen;
    TWindowHelp* Help = nullptr;
    std::unique_ptr<TInstrumentService> Service;
    TTitrationParamsView* TitrationParams = nullptr;  // the page "Нолдирон"
    TRecordAreaView* RecordArea = nullptr;
    std::unique_ptr<TWindowConnection> Connection;
    common::Notifier& notifier_;
    store::TRecordStore& store_;
    common::TDesktop& desktop_;
    TForm1Options options_;
    link::TInstrumentLink* link_ = nullptr;
    std::map<QString, TAction*> actions_;
    std::array<TAction*, ActionCount> actionOf_{};
    std::unique_ptr<TReadingsTableCommands> Table;
    std::unique_ptr<TShownRecordProps> Props;
    std::unique_ptr<TGraphFiles> GraphFiles;
    std::unique_ptr<TRecordListCommands> RecordList;
    // The save in flight is completed before the run goes, since its outcome comes back to the
    // run.
    std::unique_ptr<TWindowRecording> LiveRecording;
    std::unique_ptr<TWindowMeasurements> measurements_;

    // The creation steps, each in the glue file of its concern (form1_<concern>.cpp).
    std::unique_ptr<TShownPeaks> CreateShownPeaks();
    void CreateActions();
    void BindActionHandlers();
    void CreateToolBar2();
    void CreateClientArea();
    void CreatePages();
    void CreateServicePages();
    void CreateRecording();
    void CreateRecordListCommands();
    void CreateMenus();
    void CreateViewTools();
    void CreateCurveTools();
    void CreatePeakMarking();
    void CreateReadingsTableCommands();
    void CreateGraphFileDialogs();
    void CreateReports();
    void CreateConnection();
    void CreateShownRecordProps();
    void CreateRecordOnScreen();
    void CreateHelp();
    void CreateMeasurements();
    // FormCreate completes the window once its components exist (form1_start_close.cpp).
    void FormCreate();
    void OpenDefaultRecordFolder();
    void FormClose();

    // Runs every update rule: while the program is idle and before a menu opens.
    void UpdateActions();
    void PageControl1Change();
    void ShowAllTabsActnExecute();
    TEditContext ReadingsEditContext() const;
    // The application's handler of errors at the entries from the event loop: the message box.
    void ShowError(const QString& message);
    void RunReportingErrors(const std::function<void()>& step);
};

}
