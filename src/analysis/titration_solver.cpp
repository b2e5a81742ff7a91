#include "analysis/titration_solver.h"

#include "analysis/checked_math.h"
#include "analysis/curve_filters.h"
#include "analysis/marker_fit.h"
#include "analysis/marker_list.h"
#include "common/errors.h"

#include <cmath>
#include <limits>

namespace lmv::analysis {

namespace {

constexpr std::int32_t MinSearchPoints = 5;
constexpr std::int32_t MaxSmoothPasses = 20;
constexpr double ClearSignShare = 0.06;

}

TSolver::TSolver() = default;

TSolver::TSolver(ChartId chart, AxisRangeSource axisRange)
{
    SetChart(chart, std::move(axisRange));
}

void TSolver::SetData(TDataArr data)
{
    // The derivative skips the signals of equal volumes, so they are checked here.
    for (const model::TPoint& point : data) {
        Checked(point.X);
        Checked(point.Y);
    }
    TDataArr deriv;
    Derivative(data, deriv);
    data_ = std::move(data);
    deriv_ = std::move(deriv);
    markers_.clear();
}

void TSolver::FindVolumes(TDoubleArr& volumes)
{
    ClearLineSeries();
    if (data_.size() < std::size_t(MinSearchPoints))
        return;
    if (data_.size() > std::size_t(std::numeric_limits<std::int32_t>::max() / 4))
        throw common::RangeError();

    TDataArr deriv;
    Derivative(data_, deriv);
    deriv.pop_back();
    deriv_ = std::move(deriv);

    const TExtremes extremes = SmoothDerivative();
    NormaliseSign(extremes);
    const double threshold =
        Checked(Checked(extremes.MaxY - extremes.MinY) * thresholdPercent_ / 100);
    FindPeaks(threshold);

    if (filterMarkers_ && markers_.size() >= 2)
        FilterMarkers(markers_, data_, extremes.MaxX);
    if (mergeOverlaps_)
        MergeOverlaps(markers_);
    CutToCount(markers_, maxInflections_);
    SortMarkers(markers_);
    GetVolumes(volumes);
    Redraw();
}

// Smooths with growing windows until the derivative has one clear sign.
TSolver::TExtremes TSolver::SmoothDerivative()
{
    const auto n = std::int64_t(data_.size());
    smoothPasses_ = 0;
    for (;;) {
        if (smoothPasses_ > 0)
            SmoothY(deriv_, smoothPasses_);
        const TExtremes extremes = FindExtremes();
        ++smoothPasses_;
        const double range = Checked(extremes.MaxY - extremes.MinY);
        if (range == 0.0)
            return extremes;
        if (std::fabs(extremes.MaxY) / range < ClearSignShare)
            return extremes;
        if (std::fabs(extremes.MinY) / range < ClearSignShare)
            return extremes;
        if (n <= smoothPasses_ || smoothPasses_ > MaxSmoothPasses)
            return extremes;
    }
}

TSolver::TExtremes TSolver::FindExtremes() const
{
    TExtremes extremes{deriv_[0].Y, deriv_[0].Y, data_[0].X};
    for (std::size_t i = 1; i < deriv_.size(); ++i) {
        if (deriv_[i].Y > extremes.MaxY)
            extremes.MaxY = deriv_[i].Y;
        if (deriv_[i].Y < extremes.MinY)
            extremes.MinY = deriv_[i].Y;
        if (data_[i].X > extremes.MaxX)
            extremes.MaxX = data_[i].X;
    }
    return extremes;
}

// Turns the derivative so that its peaks point upwards.
void TSolver::NormaliseSign(const TExtremes& extremes)
{
    if (!(std::fabs(extremes.MaxY) < std::fabs(extremes.MinY)))
        return;
    for (model::TPoint& point : deriv_)
        point.Y = -point.Y;
}

// Takes the derivative's peaks above the threshold from the highest down, each outside the
// windows of those found before.
void TSolver::FindPeaks(double threshold)
{
    markers_.clear();
    const auto m = std::int32_t(deriv_.size());
    for (;;) {
        double best = deriv_[0].Y;
        std::int32_t index = -1;
        for (std::int32_t i = 0; i < m; ++i) {
            if (deriv_[i].Y > best && IsOutsideMarkers(markers_, i)) {
                best = deriv_[i].Y;
                index = i;
            }
        }
        if (index < 0 || best <= threshold)
            return;
        AddPeakMarker(index, threshold);
    }
}

void TSolver::AddPeakMarker(std::int32_t index, double threshold)
{
    const auto m = std::int32_t(deriv_.size());
    std::int32_t right = 1;
    for (std::int32_t j = index; j < m - 1 && deriv_[j].Y > threshold; ++j)
        ++right;
    std::int32_t left = 1;
    for (std::int32_t j = index; j > 0 && deriv_[j].Y > threshold; --j)
        ++left;

    TMarkerRec marker;
    marker.Center = index + (right - left) / 2;
    markers_.push_back(marker);
    try {
        FitMarker(data_, markers_.back(), right + left);
    } catch (...) {
        // A marker without a fit has no inflection to draw.
        markers_.pop_back();
        throw;
    }
}

void TSolver::GetVolumes(TDoubleArr& volumes) const
{
    volumes.resize(markers_.size());
    for (std::size_t i = 0; i < markers_.size(); ++i)
        volumes[i] = markers_[i].Volume;
}

void TSolver::GetValues(TDoubleArr& values) const
{
    values.resize(markers_.size());
    for (std::size_t i = 0; i < markers_.size(); ++i)
        values[i] = markers_[i].Value;
}

void TSolver::SetSingleMarker(double x, double y)
{
    markers_.resize(1);
    markers_[0].Volume = x;
    markers_[0].Value = y;
    Redraw();
}

void TSolver::Clear()
{
    data_.clear();
    deriv_.clear();
    markers_.clear();
    overlay_.ClearMarks();
    Redraw();
}

void TSolver::SetChart(ChartId chart, AxisRangeSource axisRange)
{
    axisRange_ = std::move(axisRange);
    overlay_.SetChart(chart);
}

void TSolver::SetVertAxis(VerticalAxis value) { overlay_.SetVertAxis(value); }

void TSolver::SetColor(TColor value)
{
    color_ = value;
    overlay_.SetBorderColor(value);
}

void TSolver::SetVisible(bool value) { overlay_.SetVisible(value); }

void TSolver::SetOption(std::int32_t index, bool value)
{
    switch (index) {
    case 0:
        options_.ShowDeriv = value;
        break;
    case 1:
        options_.ShowBorders = value;
        break;
    case 2:
        options_.ShowFit = value;
        break;
    case 3:
        options_.ShowFitDeriv = value;
        break;
    default:
        break;
    }
    Redraw();
}

void TSolver::Redraw()
{
    const TAxisRange range = axisRange_ ? axisRange_(overlay_.VertAxis()) : TAxisRange{};
    overlay_.Rebuild(TOverlaySource{data_, deriv_, markers_, options_, fitSamples_, color_}, range);
}

void TSolver::ClearLineSeries() { overlay_.ClearLineSeries(); }

}
