#pragma once
// Synthetic titration curves: a sum of tanh steps over equally spaced volumes, with an optional
// reproducible noise.
#include "analysis/titration_data.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace lmv::test {

struct TanhStep {
    double Volume;  // the inflection, ml
    double Height;  // signal change across the step (negative: falling)
    double Width;  // ml; the slope at the inflection is Height / (2 · Width)
};

struct CurveShape {
    int Points = 201;
    double XMax = 20.0;
    double Base = 2.0;
    std::vector<TanhStep> Steps;
    double Noise = 0.0;  // amplitude of the uniform noise added to Y
};

inline analysis::TDataArr TanhCurve(const CurveShape& shape)
{
    analysis::TDataArr curve;
    std::uint32_t seed = 12345;
    for (int i = 0; i < shape.Points; ++i) {
        const double x = shape.XMax * i / (shape.Points - 1);
        double y = shape.Base;
        for (const TanhStep& step : shape.Steps)
            y += step.Height / 2 * (1 + std::tanh((x - step.Volume) / step.Width));
        seed = seed * 1664525u + 1013904223u;
        y += shape.Noise * (double(seed >> 8) / double(1u << 24) - 0.5);
        curve.push_back({x, y});
    }
    return curve;
}

}
