#include "mainwindow/curve_views.h"

#include "mainwindow/chart/chart_series.h"

#include <algorithm>

namespace lmv::mainwindow {

std::optional<TCurveId> TCurveViews::CurveOf(const TChartSeries* series) const
{
    const auto found = std::find(series_.begin(), series_.end(), series);
    if (!series || found == series_.end())
        return std::nullopt;
    return AllCurves[std::size_t(found - series_.begin())];
}

void TCurveViews::Add(TCurveId id, double x, double y)
{
    curves_.Curve(id).Add(x, y);
    Series(id).AddXY(x, y);
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
