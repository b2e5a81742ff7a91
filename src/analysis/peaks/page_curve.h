#pragma once
// The curve a peak is calculated on: the points of one chart page, as two parallel arrays.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace lmv::analysis {

// A read-only view of a curve: point i is (X[i], Y[i]); both spans have the same length.
struct TCurveView {
    std::span<const double> X;
    std::span<const double> Y;
    std::int32_t Count() const { return static_cast<std::int32_t>(X.size()); }
};

// The points of a page's curve, owned.
struct TPageCurve {
    std::vector<double> X;
    std::vector<double> Y;
    TCurveView View() const { return {X, Y}; }
};

// Answers, for a page index, the points of the first series of that page's chart that is not a
// cursor series; nullopt when the page has no chart or its chart no such series.
using PageCurves = std::function<std::optional<TPageCurve>(std::int32_t page)>;

}
