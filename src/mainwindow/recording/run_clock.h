#pragma once
// The one clock of a run: the elapsed seconds of live points and time marks, counted from the
// run's start date and time, so a run across midnight keeps rising.
#include "model/recording_model.h"

namespace lmv::mainwindow {

class TRunClock {
public:
    void Start(model::TDateTime now) { start_ = now; }
    // Seconds since the start, to the millisecond. Before the first start: the time of day in
    // seconds, as a run started at midnight would count.
    double Elapsed(model::TDateTime now) const;

private:
    model::TDateTime start_ = 0.0;
};

}
