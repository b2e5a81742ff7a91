#pragma once
// The one owner of the run: whether it records and its number, its instrument's device type,
// its clock and autosave, and the live record's file, opened and closed in the store so that the
// record folder is never switched under it. A live point is stored first, then shown.
#include "mainwindow/measurement/measurement_run.h"
#include "mainwindow/recording/autosave_policy.h"
#include "mainwindow/recording/run_clock.h"
#include "mainwindow/recording/run_state.h"

#include <QString>

namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

// Draws a live point that the run has stored.
class TLivePointView {
public:
    virtual ~TLivePointView() = default;
    virtual void ShowLivePoint(int channel, double x, double y) = 0;
};

class TLiveRun final : public TMeasurementRun {
public:
    TLiveRun(store::TRecordStore& store, TLivePointView& view) : store_(store), view_(view) {}

    bool Recording() const override { return state_.Recording(); }
    int Run() const override { return state_.Run(); }
    bool StillRecording(int run) const { return state_.StillRecording(run); }
    double Elapsed() const override;
    // The device type at the start, or the first reading's when that was unknown (-1).
    int DeviceType() const { return deviceType_; }
    bool TakesReadingOf(int deviceType) override;
    void AddPoint(int channel, double x, double y) override;

    // The live record's open file; '' between runs.
    const QString& FileName() const;
    // The titration run finished last, whose end-of-run values still go into its file.
    const QString& AwaitingResultsFile() const;
    // Where end-of-run values and the header go: the run's file while it records, else the
    // one awaiting them; '' when there is neither.
    const QString& EndOfRunFileName() const;

    // A start: recording and counted, its clock from now, the previous run's file no longer
    // waiting. The live record then starts afresh for the instrument connected and its file is
    // created.
    void Start(int deviceType);
    void NewLiveRecord(int deviceType);
    void CreateFile();
    // Undoes a start whose file could not be created.
    void CancelStart() { state_.CancelStart(); }
    void Stop() { state_.Stop(); }
    // The stopped run's file written and closed; a titration run's file waits for its values.
    void FinishFile();
    void DiscardFile();

    // True once per run: a point of a channel without a place is told only the first time.
    bool FirstUnknownChannel() { return state_.FirstUnknownChannel(); }
    TAutosavePolicy& Autosave() { return autosave_; }
    // The file the next autosave tick writes; '' when nothing is due.
    QString AutosaveDue() const;

private:
    store::TRecordStore& store_;
    TLivePointView& view_;
    TRunState state_;
    TRunClock clock_;
    TAutosavePolicy autosave_;
    int deviceType_ = -1;
};

}
