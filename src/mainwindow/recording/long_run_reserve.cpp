#include "mainwindow/recording/long_run_reserve.h"

namespace lmv::mainwindow {

void ReserveForLongRun(model::TBaseRecord& live)
{
    for (model::TSingleChannel& channel : live.Channels)
        channel.Points.reserve(LongRunPointsPerChannel);
}

}
