#pragma once
// Interval storing: the check mark of "Запись через интервал" and the seconds its one-second
// timer has counted since the last store attempt (Timer1.Tag).
namespace lmv::mainwindow {

class TIntervalCounter {
public:
    // Toggles interval storing and restarts the count; returns whether the timer is to run.
    bool Toggle();

    bool IsRunning() const { return running_; }
    int Seconds() const { return seconds_; }

    // One timer tick. The interval (seconds, read at every tick, any value) is due once the
    // count reaches it, so an interval of 1 or less is due every second. When due, the count
    // restarts and the caller tries to store a row. A tick while stopped counts nothing.
    bool Tick(int intervalSeconds);

private:
    bool running_ = false;
    int seconds_ = 0;
};

}
