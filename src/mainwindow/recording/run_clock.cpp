#include "mainwindow/recording/run_clock.h"

#include <cmath>

namespace lmv::mainwindow {

namespace {

constexpr double MsPerDay = 86'400'000.0;

}

double TRunClock::Elapsed(model::TDateTime now) const
{
    const model::TDateTime origin = start_ != 0.0 ? start_ : std::floor(now);
    return double(std::llround((now - origin) * MsPerDay)) / 1000.0;
}

}
