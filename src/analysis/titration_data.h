#pragma once
// The data a titration search works on and what it finds.
#include "model/recording_model.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lmv::analysis {

// A curve: X the dosed volume (ml), Y the signal.
using TDataArr = std::vector<model::TPoint>;
using TDoubleArr = std::vector<double>;

// One equivalence point found by the search.
struct TMarkerRec {
    std::int32_t Width = 0;  // width of the fit window in points
    double R = 0.0;  // correlation coefficient of the last fit
    std::array<double, 7>
        Coef{};  // V(s) = Coef[0] + Coef[1]·s + Coef[2]·s² + Coef[3]·s³; 4..6 stay 0
    double Volume = 0.0;  // equivalence volume, ml
    std::int32_t Center = 0;  // window centre: derivative point i lies between curve points i, i+1
    double Value = 0.0;  // signal at the equivalence point (the cubic's inflection)
};

using TMarkersArr = std::vector<TMarkerRec>;

}
