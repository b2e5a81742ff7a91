#pragma once
// The curves of the record pages, each drawn by the series of the same name.
#include <QString>
#include <array>

namespace lmv::mainwindow {

enum class TCurveId {
    Series1,
    FastLineSeries1,
    Series15,
    FastLineSeries2,
    FastLineSeries3,
    FastLineSeries4,
    Series2,
    Series3,
    Series4,
    Series5,
    Series6,
    Series7,
    FastLineSeries5,
};

inline constexpr std::array<TCurveId, 13> AllCurves{
    TCurveId::Series1,         TCurveId::FastLineSeries1, TCurveId::Series15,
    TCurveId::FastLineSeries2, TCurveId::FastLineSeries3, TCurveId::FastLineSeries4,
    TCurveId::Series2,         TCurveId::Series3,         TCurveId::Series4,
    TCurveId::Series5,         TCurveId::Series6,         TCurveId::Series7,
    TCurveId::FastLineSeries5,
};

// The component name of the curve's series.
QString CurveName(TCurveId id);

}
