#include "analysis/peaks/integral_curve.h"

#include "analysis/checked_math.h"

namespace lmv::analysis {

std::vector<model::TPoint> RunningSum(TCurveView curve, std::int32_t start, std::int32_t end)
{
    const auto within = [&](std::int32_t i) {
        return i >= 0 && i < curve.Count() && i < std::int32_t(curve.Y.size());
    };
    std::vector<model::TPoint> points;
    if (!within(start) || !within(end) || end < start)
        return points;
    points.reserve(std::size_t(end - start) + 1);
    double sum = 0.0;
    for (std::int32_t j = start; j <= end; ++j) {
        sum += curve.Y[j];
        points.push_back({curve.X[j], Checked(sum)});
    }
    return points;
}

}
