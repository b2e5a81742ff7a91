#include "mainwindow/curve_views.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"

#include <algorithm>
#include <utility>

namespace lmv::mainwindow {

std::optional<TCurveId> TCurveViews::CurveOf(const TChartSeries* series) const
{
    const auto found = std::find(series_.begin(), series_.end(), series);
    if (!series || found == series_.end())
        return std::nullopt;
    return AllCurves[std::size_t(found - series_.begin())];
}

std::optional<TCurveId> TCurveViews::FirstCurveOn(const TChart* chart) const
{
    if (!chart)
        return std::nullopt;
    for (const TChartSeries* series : chart->SeriesList()) {
        if (const std::optional<TCurveId> curve = CurveOf(series))
            return curve;
    }
    return std::nullopt;
}

const TCurve* TCurveViews::CurveOn(const TChart* chart) const
{
    const std::optional<TCurveId> curve = FirstCurveOn(chart);
    return curve ? &curves_.Curve(*curve) : nullptr;
}

void TCurveViews::Add(TCurveId id, double x, double y)
{
    curves_.Curve(id).Add(x, y);
    if (held_)
        behind_[std::size_t(id)] = true;
    else
        Series(id).AddXY(x, y);
}

void TCurveViews::Release()
{
    held_ = false;
    for (const TCurveId id : AllCurves)
        if (std::exchange(behind_[std::size_t(id)], false))
            Series(id).Assign(curves_.Curve(id).Points());
}

void TCurveViews::Assign(TCurveId id, std::span<const model::TPoint> points)
{
    TCurve& curve = curves_.Curve(id);
    curve.Assign(points);
    Series(id).Assign(curve.Points());
}

void TCurveViews::Clear(TCurveId id)
{
    curves_.Curve(id).Clear();
    Series(id).Clear();
}

}
