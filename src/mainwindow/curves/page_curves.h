#pragma once
// The curves of the record pages: what the record's channels, the live points, a graph file read
// into a page, the filter and the derivative left on each. Channel 5's curve keeps the arrival
// order; the others are kept in order of X.
#include "mainwindow/curves/curve.h"
#include "mainwindow/curves/curve_id.h"

#include <array>

namespace lmv::mainwindow {

class TPageCurves {
public:
    TPageCurves();

    const TCurve& Curve(TCurveId id) const { return curves_[std::size_t(id)]; }
    TCurve& Curve(TCurveId id) { return curves_[std::size_t(id)]; }

private:
    std::array<TCurve, AllCurves.size()> curves_;
};

}
