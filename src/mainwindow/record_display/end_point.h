#pragma once
// The Y at which a stored end point is marked: the stored value, or the last Y of the active
// page's curve when the instrument sent none. Nothing to mark when neither exists.
#include <optional>

namespace lmv::mainwindow {

std::optional<double> EndPointY(double result2, std::optional<double> lastCurveY);

}
