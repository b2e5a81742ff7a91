#pragma once
// The live record's channels are given room for a 10-hour run at 10 readings a second at its
// start, so a long run never copies a whole channel to grow it. The memory is only reserved:
// the system hands out the pages as the points arrive.
#include "model/recording_model.h"

#include <cstddef>

namespace lmv::mainwindow {

constexpr std::size_t LongRunPointsPerChannel = 10 * 3600 * 10;

void ReserveForLongRun(model::TBaseRecord& live);

}
