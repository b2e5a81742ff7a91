// Recording control: the record action's start, stop and discard, live points on their series,
// time marks, the run clock, the 10-second autosave, the status text and the test generator.
#include "mainwindow/window_recording.h"

#include "mainwindow/form1.h"

#include "common/current_error.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/cursor_readout_view.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/recording/live_point_route.h"
#include "mainwindow/rules/page_layout.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/status_panels.h"
#include "store/record_folder.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QTabWidget>
#include <QTimer>

namespace lmv::mainwindow {

namespace {

constexpr int TestRampPoints = 60000;
constexpr int TestRampProgressStep = 1000;
constexpr int TestRampPanel = 3;
constexpr double TimeMarkHeight = 1000000.0;
constexpr int AutosaveIntervalMs = 10000;

}

// The recording's owner, made once the pages and the status bar exist and before the commands
// that read its run.
void TForm1::CreateRecording()
{
    LiveRecording = std::make_unique<TWindowRecording>(TWindowRecordingParts{
        .window = *this,
        .notifier = notifier_,
        .store = store_,
        .startStop = Actn(TActionId::StartStopActn),
        .addMark = Actn(TActionId::AddMarkActn),
        .lamp = ToolBars->Lamp(),
        .pages = *ChannelPages,
        .status = ClientArea->Status(),
        .curves = curves_,
        .curveViews = curveViews_,
        .shownRecord = shownRecord_,
        .deviceType = deviceType_,
        .stopByInstrument = stopByInstrument_,
        .newRecord = [this] { NewRecord(); },
        .finishRecord = [this] { FinishRecord(); },
        .refreshBaseList = [this] { RecordList->RefreshBaseList(); },
        .liveRecordIsShown = [this] { return RecordList->LiveRecordIsShown(); },
        .chartZoom = [this] { ChartZoom(); },
        .updateCursorReadout = [this] { Cursor->UpdateCursorReadout(); },
        .showError = [this](const QString& message) { ShowError(message); }});
    connect(&LiveRecording->AutosaveTimer(), &QTimer::timeout, this,
            [this] { RunReportingErrors([this] { Timer2Timer(); }); });
}

bool TForm1::Recording() const { return LiveRecording->LiveRun().Recording(); }

const QString& TForm1::AwaitingResultsFile() const
{
    return LiveRecording->LiveRun().AwaitingResultsFile();
}

bool TForm1::AutosaveBusy() const { return LiveRecording->AutosaveBusy(); }

void TForm1::AddPoint(int Channel, double X, double Y)
{
    LiveRecording->LiveRun().AddPoint(Channel, X, Y);
}

double TForm1::ElapsedRunTime() const { return LiveRecording->LiveRun().Elapsed(); }

TWindowRecording::TWindowRecording(TWindowRecordingParts parts)
    : parts_(std::move(parts)), timer2_(NewNamed<QTimer>(QStringLiteral("Timer2"), &parts_.window))
{
    timer2_->setInterval(AutosaveIntervalMs);
    timer2_->start();
}

TWindowRecording::TSaveCompletedAtExit::~TSaveCompletedAtExit() { store.FinishBackgroundSave(); }

void TWindowRecording::StartStopActnExecute()
{
    if (liveRun_.Recording())
        StopRecording();
    else
        StartRecording();
}

// All or nothing: a record file that cannot be made leaves the window idle and the error is
// passed on to be shown.
void TWindowRecording::StartRecording()
{
    liveRun_.Start(parts_.deviceType);
    ShowRunState();
    try {
        parts_.newRecord();
    } catch (...) {
        liveRun_.CancelStart();
        ShowRunState();
        throw;
    }
    for (const TCurveId curve : AllCurves)
        parts_.curveViews.Clear(curve);
    parts_.pages.TimeMarks().Clear();
    parts_.addMark.SetEnabled(true);
}

// The titration device's question is about the run that is recording now: if that run ended or
// another began while it was open, a Yes changes nothing.
void TWindowRecording::StopRecording()
{
    if (StopAsksFirst(parts_.deviceType, parts_.stopByInstrument)) {
        const int run = liveRun_.Run();
        const common::BoxAnswer answer = parts_.notifier.MessageBox(
            QStringLiteral("Для остановки процесса титрования используйте меню прибора.\r"
                           "Принудительно закончить регистрацию и удалить текущую запись?"),
            common::BoxIcon::Warning, common::BoxButtons::YesNo);
        if (answer == common::BoxAnswer::Yes && liveRun_.StillRecording(run))
            DiscardRun();
        return;
    }
    const QString fileName = liveRun_.FileName();
    EndRun();
    try {
        parts_.finishRecord();
    } catch (...) {
        liveRun_.Autosave().FinalSaveFailed(fileName);
        throw;
    }
}

void TWindowRecording::EndRun()
{
    liveRun_.Stop();
    ShowRunState();
    parts_.addMark.SetEnabled(false);
}

// The discarded file's name is forgotten whatever the deletion did, so no later end-of-run
// value writes the record back.
void TWindowRecording::DiscardRun()
{
    EndRun();
    auto forget = [this] {
        parts_.shownRecord.ForgetFile();
        parts_.refreshBaseList();
    };
    try {
        liveRun_.DiscardFile();
    } catch (...) {
        forget();
        throw;
    }
    forget();
}

void TWindowRecording::ShowRunState()
{
    TAction& startStop = parts_.startStop;
    const TRecordActionLook look = RecordActionLook(liveRun_.Recording());
    startStop.SetCaption(look.caption);
    startStop.SetHint(look.hint);
    startStop.Action()->setIcon(QIcon::fromTheme(look.iconName));
}

TWindowRecording::TLivePoints::TLivePoints(TWindowRecording& owner)
    : owner(owner), view(TChart::MinReplotInterval, [&owner] { owner.RefreshLiveView(); })
{
}

void TWindowRecording::TLivePoints::ShowLivePoint(int channel, double x, double y)
{
    if (owner.parts_.liveRecordIsShown())
        owner.DrawLivePoint(channel, x, y);
    view.MarkDue();
}

void TWindowRecording::RefreshLiveView()
{
    parts_.chartZoom();
    parts_.updateCursorReadout();
}

void TWindowRecording::DrawLivePoint(int channel, double x, double y)
{
    const std::optional<TLivePointRoute> route = LivePointRoute(channel);
    if (!route) {
        if (liveRun_.FirstUnknownChannel())
            parts_.notifier.MessageBox(UnknownChannelText(channel, x, y), common::BoxIcon::None);
        return;
    }
    for (const TCurveId curve : route->curves)
        parts_.curveViews.Add(curve, x, y);
    if (!parts_.pages.Tabs().isTabVisible(route->page))
        parts_.pages.Tabs().setTabVisible(route->page, true);
    if (channel == PairedYChannel)
        PairTwoParameterPoints();
}

void TWindowRecording::PairTwoParameterPoints()
{
    const TCurve& xs = parts_.curves.Curve(TCurveId::Series1);
    const TCurve& ys = parts_.curves.Curve(TCurveId::Series15);
    const TPairsToAdd pairs =
        PairsToAdd(parts_.curves.Curve(TCurveId::FastLineSeries5).Count(), xs.Count(), ys.Count());
    if (!pairs.due)
        return;
    for (int i = pairs.from; i < pairs.to; ++i)
        parts_.curveViews.Add(TCurveId::FastLineSeries5, xs.Y(i), ys.Y(i));
    parts_.pages.Tabs().setTabVisible(TwoParametersPage, true);
}

// Recording and time marks need an instrument that is sending: the lamp is not white.
void TWindowRecording::StartStopActnUpdate()
{
    parts_.startStop.SetEnabled(parts_.lamp.BrushColor() != Qt::white);
}

void TWindowRecording::AddMarkActnUpdate()
{
    parts_.addMark.SetEnabled(parts_.lamp.BrushColor() != Qt::white);
}

// The marks belong to the display only; the record does not keep them.
void TWindowRecording::AddMarkActnExecute()
{
    parts_.pages.TimeMarks().AddXY(liveRun_.Elapsed(), TimeMarkHeight);
}

// A run the close could not stop (no instrument sending, or the titration question answered
// No) and a final save still failing are written once more before the program ends.
void TWindowRecording::SaveLiveRecordAtClose()
{
    const QString fileName = liveRun_.AutosaveDue();
    if (fileName.isEmpty()) {
        parts_.store.FinishBackgroundSave();
        return;
    }
    parts_.store.SaveRecordFile(fileName, parts_.store.LiveRecord());
    liveRun_.Autosave().Outcome(fileName, {});
}

void TForm1::SetStatusText(const QString& text)
{
    statusText_ = text;
    ClientArea->Status().SetPanelText(TClientAreaView::StatusPanel, text);
}

// The hidden test generator: a ramp into channel 0 of the live record, not drawn.
void TWindowRecording::debug1Click()
{
    const int first = parts_.curves.Curve(TCurveId::Series1).Count();
    for (int i = first; i < first + TestRampPoints; ++i) {
        parts_.store.AddChannelPoint(0, i, i);
        if (i % TestRampProgressStep == 0) {
            parts_.status.SetPanelText(TestRampPanel, QString::number(i));
            QCoreApplication::processEvents();
        }
    }
}

}
