#include "mainwindow/recording/view_tick.h"

#include <utility>

namespace lmv::mainwindow {

TViewTick::TViewTick(std::chrono::milliseconds tick, std::function<void()> refresh)
    : refresh_(std::move(refresh))
{
    timer_.setSingleShot(true);
    timer_.setInterval(tick);
    QObject::connect(&timer_, &QTimer::timeout, [this] { refresh_(); });
}

void TViewTick::MarkDue()
{
    if (!timer_.isActive())
        timer_.start();
}

void TViewTick::RefreshNow()
{
    timer_.stop();
    refresh_();
}

}
