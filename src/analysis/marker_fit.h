#pragma once
// The fit of one equivalence point: a cubic of volume against signal over a window of curve
// points around the marker's centre, grown while the fit improves.
#include "analysis/titration_data.h"

#include <cstdint>

namespace lmv::analysis {

// Grows the fit window of `marker` from `startWidth` (at least 7) and leaves in it the width,
// the coefficients, R, the volume at the cubic's inflection and the signal there. Errors of the
// fit (a singular system, a cubic without inflection) pass as common::MathError.
void FitMarker(const TDataArr& data, TMarkerRec& marker, std::int32_t startWidth);

// The curve indexes of the first and last point of a marker's window, held within the curve.
struct TWindowEnds {
    std::int32_t First = 0;
    std::int32_t Last = 0;
};

TWindowEnds MarkerWindow(const TMarkerRec& marker, std::int32_t curvePoints);

}
