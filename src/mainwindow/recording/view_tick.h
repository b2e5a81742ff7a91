#pragma once
// A view that follows its model at most once per tick: a change only marks it due, and the
// refresh runs from the event loop one tick after the first change it has not shown, or at
// once when asked.
#include <QTimer>
#include <chrono>
#include <functional>

namespace lmv::mainwindow {

class TViewTick {
public:
    TViewTick(std::chrono::milliseconds tick, std::function<void()> refresh);

    void MarkDue();
    bool Due() const { return timer_.isActive(); }
    // Refreshes now, in place of the pending refresh.
    void RefreshNow();

private:
    QTimer timer_;
    std::function<void()> refresh_;
};

}
