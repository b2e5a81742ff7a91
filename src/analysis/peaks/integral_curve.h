#pragma once
// The integral curve of a peak: the running sum of the raw Y values from its first point on,
// drawn on the right axis of its page's chart.
#include "analysis/peaks/page_curve.h"
#include "model/recording_model.h"

#include <optional>
#include <vector>

namespace lmv::analysis {

struct TIntegralCurve {
    std::vector<model::TPoint> Points;
    // The page whose chart shows the curve; nullopt while it is on no chart.
    std::optional<std::int32_t> ChartPage;
    bool operator==(const TIntegralCurve&) const = default;
};

// Entry i is the integral curve of peak i, or empty. It may hold more entries than there are
// peaks after peaks were removed, and fewer after peaks were added: the next showing of the
// integral curves drops the surplus and adds the missing.
using TIntegralCurves = std::vector<std::optional<TIntegralCurve>>;

// Points (X[j], Y[S] + … + Y[j]) for j = start .. end; no baseline, no X spacing. Empty unless
// both indexes lie within the curve.
std::vector<model::TPoint> RunningSum(TCurveView curve, std::int32_t start, std::int32_t end);

}
