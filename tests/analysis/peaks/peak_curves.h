#pragma once
// Small curves for the peak tests.
#include "analysis/peaks/page_curve.h"

#include <vector>

namespace lmv::test {

// X = 0, 1, 2, … for the given Y.
inline analysis::TPageCurve UnitSpaced(std::vector<double> y)
{
    analysis::TPageCurve curve;
    for (std::size_t i = 0; i < y.size(); ++i)
        curve.X.push_back(double(i));
    curve.Y = std::move(y);
    return curve;
}

// 15 points at X = 0 .. 14: the first 7 on first(X), the last 7 on last(X), the middle one on
// `middle`.
template <typename First, typename Last>
analysis::TPageCurve TwoLines(First first, Last last, double middle = 1000.0)
{
    analysis::TPageCurve curve;
    for (int i = 0; i < 15; ++i) {
        const double x = i;
        curve.X.push_back(x);
        curve.Y.push_back(i < 7 ? first(x) : i > 7 ? last(x) : middle);
    }
    return curve;
}

}
