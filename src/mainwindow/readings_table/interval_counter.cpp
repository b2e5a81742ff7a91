#include "mainwindow/readings_table/interval_counter.h"

namespace lmv::mainwindow {

bool TIntervalCounter::Toggle()
{
    running_ = !running_;
    seconds_ = 0;
    return running_;
}

bool TIntervalCounter::Tick(int intervalSeconds)
{
    if (!running_)
        return false;
    // The count never passes the largest interval it met, so it cannot overflow.
    ++seconds_;
    if (intervalSeconds > seconds_)
        return false;
    seconds_ = 0;
    return true;
}

}
