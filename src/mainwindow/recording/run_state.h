#pragma once
// The recording state of the record action: idle or recording, the number of the run, the
// action's look per state, and what a stop must do first. A stop's question is asked about
// one run: its answer holds only while that run is still recording.
#include <QString>

namespace lmv::mainwindow {

struct TRecordActionLook {
    QString caption;
    QString hint;
    QString iconName;  // the theme's picture of the state
};

TRecordActionLook RecordActionLook(bool recording);

// The titration device is stopped from its own menu: an operator's stop asks before the run is
// ended, and a Yes discards the run.
bool StopAsksFirst(int deviceType, bool stopByInstrument);

class TRunState {
public:
    bool Recording() const { return recording_; }
    // The run that is recording or recorded last; 0 before the first.
    int Run() const { return run_; }
    bool StillRecording(int run) const { return recording_ && run_ == run; }

    void Start();
    void Stop() { recording_ = false; }
    // Undoes a start that could not create its record: idle again, the run not counted.
    void CancelStart();

    // True once per run: a point of a channel without a place is told only the first time.
    bool FirstUnknownChannel();

private:
    bool recording_ = false;
    int run_ = 0;
    bool unknownChannelTold_ = false;
};

}
