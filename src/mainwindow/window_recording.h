#pragma once
// Recording control and the autosave: the record action's start, stop and discard, live points
// on their series, time marks, the 10-second autosave and the test generator
// (form1_recording.cpp, form1_timers.cpp).
#include "mainwindow/recording/live_run.h"
#include "mainwindow/recording/view_tick.h"

#include <QString>
#include <functional>

class QObject;
class QTimer;

namespace lmv::common {
class Notifier;
}
namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

class TAction;
class TChannelPagesView;
class TCurveViews;
class TLampShape;
class TPageCurves;
class TShownRecord;
class TStatusPanels;

struct TWindowRecordingParts {
    QObject& window;  // where the autosave's error box is queued
    common::Notifier& notifier;
    store::TRecordStore& store;
    TAction& startStop;
    TAction& addMark;
    const TLampShape& lamp;
    TChannelPagesView& pages;
    TStatusPanels& status;
    const TPageCurves& curves;
    TCurveViews& curveViews;
    TShownRecord& shownRecord;
    const int& deviceType;
    const bool& stopByInstrument;
    std::function<void()> newRecord;
    std::function<void()> finishRecord;
    std::function<void()> refreshBaseList;
    std::function<bool()> liveRecordIsShown;
    std::function<void()> chartZoom;
    std::function<void()> updateCursorReadout;
    std::function<void(const QString&)> showError;
};

class TWindowRecording {
public:
    explicit TWindowRecording(TWindowRecordingParts parts);

    void StartStopActnExecute();
    void StartStopActnUpdate();
    void AddMarkActnExecute();
    void AddMarkActnUpdate();
    void Timer2Timer();
    void debug1Click();
    void ShowRunState();
    void SaveLiveRecordAtClose();

    TLiveRun& LiveRun() { return liveRun_; }
    const TLiveRun& LiveRun() const { return liveRun_; }
    bool AutosaveBusy() const { return autosaveBusy_; }
    // Timer2, the window's child by name, which ticks the autosave from the start.
    QTimer& AutosaveTimer() const { return *timer2_; }
    // Draws what is due at once, not waiting for the replot tick.
    void RefreshLiveViewNow() { livePoints_.view.RefreshNow(); }

private:
    void StartRecording();
    void StopRecording();
    void EndRun();
    void DiscardRun();
    void DrawLivePoint(int channel, double x, double y);
    void PairTwoParameterPoints();
    void AutosaveDone(const QString& fileName, const QString& error);
    void RefreshLiveView();

    TWindowRecordingParts parts_;
    QTimer* timer2_;
    bool autosaveBusy_ = false;
    // The run and where its live points are drawn: a point is drawn at once, the scale fields
    // and the cursor readout follow once per replot tick. The save completed at exit tells its
    // outcome to the run's autosave, which outlives it.
    struct TLivePoints final : TLivePointView {
        explicit TLivePoints(TWindowRecording& owner);
        void ShowLivePoint(int channel, double x, double y) override;
        TWindowRecording& owner;
        TViewTick view;
    } livePoints_{*this};
    TLiveRun liveRun_{parts_.store, livePoints_};
    struct TSaveCompletedAtExit {
        store::TRecordStore& store;
        ~TSaveCompletedAtExit();
    } saveCompletedAtExit_{parts_.store};
};

}
