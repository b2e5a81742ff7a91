#pragma once
// The curve of the page "Два параметра": point i takes the Y of point i of channel 0 as its X and
// the Y of point i of channel 8 as its Y, both channels in ascending order of X as their series
// keep them, up to the shorter of the two.
#include "model/recording_model.h"

#include <vector>

namespace lmv::mainwindow {

std::vector<model::TPoint> TwoParameterCurve(std::vector<model::TPoint> xChannel,
                                             std::vector<model::TPoint> yChannel);

}
