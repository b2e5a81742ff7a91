#pragma once
// The run as the measurement frames see it: whether it records, its clock and number, which
// instrument's readings it takes, and its live points.

namespace lmv::mainwindow {

class TMeasurementRun {
public:
    virtual ~TMeasurementRun() = default;

    virtual bool Recording() const = 0;
    // Seconds since the run started, for live points.
    virtual double Elapsed() const = 0;
    // Counts the runs started, so that a failure is told once per run.
    virtual int Run() const = 0;
    // Whether a reading of that device type belongs to the recording run. A run started before
    // any reading takes the first reading's type as its own.
    virtual bool TakesReadingOf(int deviceType) = 0;
    virtual void AddPoint(int channel, double x, double y) = 0;
};

}
