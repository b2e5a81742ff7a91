#pragma once
// The page curves on their chart series, bound once at creation: every change goes to the curve,
// and its series then shows the curve as it is.
#include "mainwindow/curves/page_curves.h"

#include <array>
#include <optional>
#include <span>

namespace lmv::mainwindow {

class TChart;
class TChartSeries;

class TCurveViews {
public:
    explicit TCurveViews(TPageCurves& curves) : curves_(curves) {}

    void Bind(TCurveId id, TChartSeries& series) { series_[std::size_t(id)] = &series; }
    TChartSeries& Series(TCurveId id) const { return *series_[std::size_t(id)]; }
    const TCurve& Curve(TCurveId id) const { return curves_.Curve(id); }
    // The curve a series shows; none for the other series (cursor, solvers, integrals, marks).
    std::optional<TCurveId> CurveOf(const TChartSeries* series) const;
    // A page's curve is the first curve on its chart, in the chart's order: a curve put back on
    // Chart2 comes after the one that stayed. None for no chart.
    std::optional<TCurveId> FirstCurveOn(const TChart* chart) const;
    const TCurve* CurveOn(const TChart* chart) const;

    void Add(TCurveId id, double x, double y);
    void Assign(TCurveId id, std::span<const model::TPoint> points);
    void Clear(TCurveId id);

    // While held, the points added reach the curves only; the release shows each curve that
    // got some on its series in one assignment.
    void Hold() { held_ = true; }
    void Release();

private:
    TPageCurves& curves_;
    std::array<TChartSeries*, AllCurves.size()> series_{};
    bool held_ = false;
    std::array<bool, AllCurves.size()> behind_{};
};

}
