#include "analysis/peaks/peak_calculations.h"

#include "analysis/checked_math.h"
#include "analysis/curve_fit.h"
#include "common/errors.h"

#include <array>
#include <cmath>

namespace lmv::analysis {
namespace {

struct Range {
    std::int32_t S;
    std::int32_t E;
};

Range CheckedRange(TCurveView curve, const model::TPeakRec& peak)
{
    const std::int32_t s = peak.StartIdx;
    const std::int32_t e = peak.EndIdx;
    if (curve.X.size() != curve.Y.size() || s < 0 || s > e || e >= curve.Count())
        throw common::RangeError();
    return {s, e};
}

struct Line {
    double Intercept;
    double Slope;
};

Line FitLine(std::span<const double> x, std::span<const double> y, Line previous)
{
    std::array<double, 2> coef{previous.Intercept, previous.Slope};
    double unusedGoodness = 0.0;
    PolyFit(x, y, coef, unusedGoodness, BendLinePoints, 2);
    return {coef[0], coef[1]};
}

}

double HorizontalBaseArea(TCurveView curve, const model::TPeakRec& peak)
{
    const auto [s, e] = CheckedRange(curve, peak);
    const double base = curve.Y[s];
    double sum = 0.0;
    for (std::int32_t i = s; i <= e; ++i)
        sum += curve.Y[i] - base;
    return Checked(std::fabs(sum));
}

double SlopedBaseArea(TCurveView curve, model::TPeakRec& peak)
{
    const auto [s, e] = CheckedRange(curve, peak);
    peak.X1 = curve.X[s];
    peak.Y1 = curve.Y[s];
    peak.X2 = curve.X[e];
    peak.Y2 = curve.Y[e];
    double sum = 0.0;
    for (std::int32_t i = s; i < e; ++i) {
        const double baseline = peak.Y1 + (peak.Y2 - peak.Y1) / double(e - s) * double(i - s);
        sum += (curve.Y[i] - baseline) * (curve.X[i + 1] - curve.X[i]);
    }
    return Checked(std::fabs(sum));
}

double PeakHeight(TCurveView curve, model::TPeakRec& peak)
{
    const auto [s, e] = CheckedRange(curve, peak);
    peak.MinIdx = s;
    peak.MaxIdx = s;
    for (std::int32_t i = s + 1; i < e; ++i) {
        if (curve.Y[i] < curve.Y[peak.MinIdx])
            peak.MinIdx = i;
        if (curve.Y[i] > curve.Y[peak.MaxIdx])
            peak.MaxIdx = i;
    }
    return Checked(std::fabs(curve.Y[peak.MaxIdx] - curve.Y[peak.MinIdx]));
}

double BendPoint(TCurveView curve, model::TPeakRec& peak)
{
    const auto [s, e] = CheckedRange(curve, peak);
    if (e - s < BendPointMinPoints - 1)
        return PeakHeight(curve, peak);

    const Line first = FitLine(curve.X.subspan(s, BendLinePoints),
                               curve.Y.subspan(s, BendLinePoints), {peak.A0, peak.A1});
    peak.A0 = first.Intercept;
    peak.A1 = first.Slope;

    // The last line's points go in from the range's end backwards.
    std::array<double, BendLinePoints> lastX{};
    std::array<double, BendLinePoints> lastY{};
    for (std::int32_t k = 0; k < BendLinePoints; ++k) {
        lastX[k] = curve.X[e - k];
        lastY[k] = curve.Y[e - k];
    }
    const Line last = FitLine(lastX, lastY, {peak.B0, peak.B1});
    peak.B0 = last.Intercept;
    peak.B1 = last.Slope;

    double x = CheckedDivide(peak.A0 - peak.B0, peak.B1 - peak.A1);
    const double low = std::fmin(curve.X[s], curve.X[e]);
    const double high = std::fmax(curve.X[s], curve.X[e]);
    if (x < low || x > high)
        x = 0.0;
    const double y = Checked(peak.A1 * x + peak.A0);
    peak.X1 = x;
    peak.Y1 = y;
    return x;
}

std::optional<double> PeakValue(TCurveView curve, model::TPeakRec& peak)
{
    switch (peak.CalcType) {
    case CalcHorizontalBase:
        return HorizontalBaseArea(curve, peak);
    case CalcBendPoint:
        return BendPoint(curve, peak);
    case CalcSlopedBase:
        return SlopedBaseArea(curve, peak);
    default:
        return std::nullopt;
    }
}

}
