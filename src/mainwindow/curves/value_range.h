#pragma once
// The span of the finite values seen so far, kept as values arrive so that fitting an axis
// need not walk the points again.
#include <algorithm>
#include <cmath>

namespace lmv::mainwindow {

struct TValueRange {
    double Lower = 0.0;
    double Upper = 0.0;
    bool Found = false;

    void Include(double value)
    {
        if (!std::isfinite(value))
            return;
        Lower = Found ? std::min(Lower, value) : value;
        Upper = Found ? std::max(Upper, value) : value;
        Found = true;
    }
    void Include(const TValueRange& other)
    {
        if (!other.Found)
            return;
        Include(other.Lower);
        Include(other.Upper);
    }
    bool operator==(const TValueRange&) const = default;
};

}
