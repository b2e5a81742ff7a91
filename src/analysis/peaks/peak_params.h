#pragma once
// The peaks of the record on screen and, per peak, its integral curve as data.
#include "analysis/peaks/integral_curve.h"
#include "model/peak_record.h"

#include <optional>
#include <vector>

namespace lmv::analysis {

struct TParams {
    model::TPeaks Peaks;
    // Entry i is the integral curve of peak i, or empty. It may hold more entries than there are
    // peaks after peaks were removed, and fewer after peaks were added: the next showing of the
    // integral curves drops the surplus and adds the missing.
    std::vector<std::optional<TIntegralCurve>> IntegralSeries;
};

}
