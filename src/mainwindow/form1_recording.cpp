// Recording control: the record action's start, stop and discard, live points on their series,
// time marks, the run clock, the 10-second autosave, the status text and the test generator.
#include "mainwindow/form1.h"

#include "common/current_error.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/recording/live_point_route.h"
#include "mainwindow/rules/page_layout.h"
#include "mainwindow/widgets/status_panels.h"
#include "store/record_folder.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QTabWidget>

namespace lmv::mainwindow {

namespace {

constexpr int TestRampPoints = 60000;
constexpr int TestRampProgressStep = 1000;
constexpr int TestRampPanel = 3;
constexpr double TimeMarkHeight = 1000000.0;

}

TForm1::TSaveCompletedAtExit::~TSaveCompletedAtExit() { store.FinishBackgroundSave(); }

void TForm1::StartStopActnExecute()
{
    if (LiveRun.Recording())
        StopRecording();
    else
        StartRecording();
}

// All or nothing: a record file that cannot be made leaves the window idle and the error is
// passed on to be shown.
void TForm1::StartRecording()
{
    LiveRun.Start(deviceType_);
    ShowRunState();
    try {
        NewRecord();
    } catch (...) {
        LiveRun.CancelStart();
        ShowRunState();
        throw;
    }
    for (const TCurveId curve : AllCurves)
        curveViews_.Clear(curve);
    ChannelPages->TimeMarks().Clear();
    Actn(TActionId::AddMarkActn).SetEnabled(true);
}

// The titration device's question is about the run that is recording now: if that run ended or
// another began while it was open, a Yes changes nothing.
void TForm1::StopRecording()
{
    if (StopAsksFirst(deviceType_, stopByInstrument_)) {
        const int run = LiveRun.Run();
        const common::BoxAnswer answer = notifier_.MessageBox(
            QStringLiteral("Для остановки процесса титрования используйте меню прибора.\r"
                           "Принудительно закончить регистрацию и удалить текущую запись?"),
            common::BoxIcon::Warning, common::BoxButtons::YesNo);
        if (answer == common::BoxAnswer::Yes && LiveRun.StillRecording(run))
            DiscardRun();
        return;
    }
    const QString fileName = LiveRun.FileName();
    EndRun();
    try {
        FinishRecord();
    } catch (...) {
        LiveRun.Autosave().FinalSaveFailed(fileName);
        throw;
    }
}

void TForm1::EndRun()
{
    LiveRun.Stop();
    ShowRunState();
    Actn(TActionId::AddMarkActn).SetEnabled(false);
}

// The discarded file's name is forgotten whatever the deletion did, so no later end-of-run
// value writes the record back.
void TForm1::DiscardRun()
{
    EndRun();
    auto forget = [this] {
        shownRecord_.ForgetFile();
        RefreshBaseList();
    };
    try {
        LiveRun.DiscardFile();
    } catch (...) {
        forget();
        throw;
    }
    forget();
}

void TForm1::ShowRunState()
{
    TAction& startStop = Actn(TActionId::StartStopActn);
    const TRecordActionLook look = RecordActionLook(Recording());
    startStop.SetCaption(look.caption);
    startStop.SetHint(look.hint);
    startStop.Action()->setIcon(QIcon::fromTheme(look.iconName));
}

void TForm1::AddPoint(int Channel, double X, double Y) { LiveRun.AddPoint(Channel, X, Y); }

TForm1::TLivePoints::TLivePoints(TForm1& form)
    : form(form), view(TChart::MinReplotInterval, [&form] { form.RefreshLiveView(); })
{
}

void TForm1::TLivePoints::ShowLivePoint(int channel, double x, double y)
{
    if (form.LiveRecordIsShown())
        form.DrawLivePoint(channel, x, y);
    view.MarkDue();
}

void TForm1::RefreshLiveView()
{
    ChartZoom();
    UpdateCursorReadout();
}

void TForm1::DrawLivePoint(int channel, double x, double y)
{
    const std::optional<TLivePointRoute> route = LivePointRoute(channel);
    if (!route) {
        if (LiveRun.FirstUnknownChannel())
            notifier_.MessageBox(UnknownChannelText(channel, x, y), common::BoxIcon::None);
        return;
    }
    for (const TCurveId curve : route->curves)
        curveViews_.Add(curve, x, y);
    if (!ChannelPages->Tabs().isTabVisible(route->page))
        ChannelPages->Tabs().setTabVisible(route->page, true);
    if (channel == PairedYChannel)
        PairTwoParameterPoints();
}

void TForm1::PairTwoParameterPoints()
{
    const TCurve& xs = curves_.Curve(TCurveId::Series1);
    const TCurve& ys = curves_.Curve(TCurveId::Series15);
    const TPairsToAdd pairs =
        PairsToAdd(curves_.Curve(TCurveId::FastLineSeries5).Count(), xs.Count(), ys.Count());
    if (!pairs.due)
        return;
    for (int i = pairs.from; i < pairs.to; ++i)
        curveViews_.Add(TCurveId::FastLineSeries5, xs.Y(i), ys.Y(i));
    ChannelPages->Tabs().setTabVisible(TwoParametersPage, true);
}

double TForm1::ElapsedRunTime() const { return LiveRun.Elapsed(); }

// The marks belong to the display only; the record does not keep them.
void TForm1::AddMarkActnExecute()
{
    ChannelPages->TimeMarks().AddXY(ElapsedRunTime(), TimeMarkHeight);
}

// The snapshot is taken here and written on a worker; the tick after a failure tries again.
void TForm1::Timer2Timer()
{
    if (autosaveBusy_)
        return;
    const QString fileName = LiveRun.AutosaveDue();
    if (fileName.isEmpty())
        return;
    autosaveBusy_ = true;
    try {
        store_.SaveRecordFileInBackground(
            fileName, store_.LiveRecord(),
            [this, fileName](const QString& error) { AutosaveDone(fileName, error); });
    } catch (...) {
        AutosaveDone(fileName, common::CurrentErrorMessage());
    }
}

// The message is shown from the event loop: a box opened inside the store's completion would
// let the next tick start a save while the caller that completed this one still writes.
void TForm1::AutosaveDone(const QString& fileName, const QString& error)
{
    autosaveBusy_ = false;
    if (LiveRun.Autosave().Outcome(fileName, error))
        QMetaObject::invokeMethod(
            this, [this, error] { ShowError(error); }, Qt::QueuedConnection);
}

// A run the close could not stop (no instrument sending, or the titration question answered
// No) and a final save still failing are written once more before the program ends.
void TForm1::SaveLiveRecordAtClose()
{
    const QString fileName = LiveRun.AutosaveDue();
    if (fileName.isEmpty()) {
        store_.FinishBackgroundSave();
        return;
    }
    store_.SaveRecordFile(fileName, store_.LiveRecord());
    LiveRun.Autosave().Outcome(fileName, {});
}

void TForm1::SetStatusText(const QString& text)
{
    statusText_ = text;
    ClientArea->Status().SetPanelText(StatusPanel, text);
}

// The hidden test generator: a ramp into channel 0 of the live record, not drawn.
void TForm1::debug1Click()
{
    const int first = curves_.Curve(TCurveId::Series1).Count();
    for (int i = first; i < first + TestRampPoints; ++i) {
        store_.AddChannelPoint(0, i, i);
        if (i % TestRampProgressStep == 0) {
            ClientArea->Status().SetPanelText(TestRampPanel, QString::number(i));
            QCoreApplication::processEvents();
        }
    }
}

}
