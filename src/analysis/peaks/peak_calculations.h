#pragma once
// The values of a peak over its range StartIdx .. EndIdx of a curve. Each reads the range from the
// peak, writes the fields its calculation defines and leaves every other field as it was. The
// range must satisfy 0 <= StartIdx <= EndIdx < curve count (common::RangeError otherwise).
// Floating-point faults are common::MathError, never infinities or NaN.
#include "analysis/peaks/page_curve.h"
#include "model/peak_record.h"

#include <cstdint>
#include <optional>

namespace lmv::analysis {

// Calculation types, the CalcType of a peak and the Tag of its action.
constexpr std::int32_t CalcHorizontalBase = 0;
constexpr std::int32_t CalcBendPoint = 1;
constexpr std::int32_t CalcSlopedBase = 2;

// Points that each end line of the bend point is fitted to.
constexpr std::int32_t BendLinePoints = 7;
// Fewer points than this give the height instead of the bend point.
constexpr std::int32_t BendPointMinPoints = 15;

// |Σ (Y[i] − Y[S])| for i = S .. E: Y units times points, the X spacing does not enter.
double HorizontalBaseArea(TCurveView curve, const model::TPeakRec& peak);

// Area between the curve and the straight line from its first to its last point, the line
// interpolated by point index, each step weighted by X[i+1] − X[i]. Stores X1, Y1, X2, Y2.
double SlopedBaseArea(TCurveView curve, model::TPeakRec& peak);

// |Y[MaxIdx] − Y[MinIdx]| over S .. E−1 (the last point is not examined; the first of equal
// values wins). Stores MinIdx and MaxIdx.
double PeakHeight(TCurveView curve, model::TPeakRec& peak);

// X of the crossing of the lines fitted to the first and the last 7 points (A0, A1 and B0, B1),
// 0 when it lies outside X[S] .. X[E]; stores it in X1 and the line's Y there in Y1. Fewer than
// 15 points give PeakHeight. Lines of equal slope are a common::MathError; line fields fitted
// before an error stay stored.
double BendPoint(TCurveView curve, model::TPeakRec& peak);

// The value of the peak's CalcType; nullopt for an unknown type.
std::optional<double> PeakValue(TCurveView curve, model::TPeakRec& peak);

}
