#pragma once
// The two curve transforms of the titration search: a moving average and a finite difference.
#include "analysis/titration_data.h"

#include <cstdint>

namespace lmv::analysis {

// Moving average of the Y values over W+1 points in place, a forward pass then a backward pass;
// nothing changes when W > N−1. A negative W is a common::RangeError.
void SmoothY(TDataArr& A, std::int32_t W);

// Dst gets the N−1 slopes of Src at the interval midpoints; a slope over two points of equal X
// stays 0. An empty Src leaves Dst as it was.
void Derivative(const TDataArr& Src, TDataArr& Dst);

}
