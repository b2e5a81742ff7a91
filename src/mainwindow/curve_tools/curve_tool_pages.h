#pragma once
// Which curves the curve tools act on, by the index of the active page (hidden pages counted).
#include "mainwindow/curves/curve_id.h"

#include <optional>
#include <vector>

namespace lmv::mainwindow {

// The curves the filter and the derivative change, in order; none off pages 0 to 4. On page 1
// the external instrument's curve follows, whether or not it is on the chart.
std::vector<TCurveId> TransformedSeriesOfPage(int page);

// The curve the volume search hands to the primary solver, on pages 0 to 4 and 7; on page 1
// the external curve then goes to the external solver.
std::optional<TCurveId> SearchedSeriesOfPage(int page);
inline constexpr TCurveId ExternalCurveSeries = TCurveId::Series15;
bool SearchesExternalCurve(TCurveId searched);

}
