#pragma once
// The derivative the operator applies to a curve on screen: in place, the point count kept.
#include "analysis/titration_data.h"

namespace lmv::analysis {

// Each point but the last becomes the slope to its successor at the interval's midpoint, read
// from the curve as it was; over two points of equal X the Y stays as it is. The last point keeps
// its values, so a second call gives the second derivative. Fewer than 2 points: no change.
// A non-finite step or slope is a common::MathError, the points from that one on unchanged.
void DeriveSeries(TDataArr& points);

}
