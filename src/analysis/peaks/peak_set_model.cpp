#include "analysis/peaks/peak_set_model.h"

#include "analysis/peaks/peak_calculations.h"
#include "analysis/peaks/peak_range.h"
#include "common/errors.h"

#include <map>
#include <utility>

namespace lmv::analysis {

// Asks the window for each page's curve once per operation.
class TPeakSetModel::TCurveCache {
public:
    explicit TCurveCache(const PageCurves& curves) : curves_(curves) {}

    const TPageCurve* Of(std::int32_t page)
    {
        auto found = cache_.find(page);
        if (found == cache_.end())
            found = cache_.emplace(page, curves_ ? curves_(page) : std::nullopt).first;
        return found->second ? &*found->second : nullptr;
    }

    // The curve of the page when it has at least one point.
    const TPageCurve* NonEmptyOf(std::int32_t page)
    {
        const TPageCurve* curve = Of(page);
        return curve && !curve->X.empty() ? curve : nullptr;
    }

private:
    const PageCurves& curves_;
    std::map<std::int32_t, std::optional<TPageCurve>> cache_;
};

TPeakSetModel::TPeakSetModel(PageCurves curves, Changed changed)
    : curves_(std::move(curves)), changed_(std::move(changed))
{
}

void TPeakSetModel::TellChanged() const
{
    if (changed_)
        changed_();
}

void TPeakSetModel::AddPeak(const QString& name, std::int32_t startIdx, std::int32_t endIdx,
                            std::int32_t activePage)
{
    model::TPeakRec peak;
    peak.SetName(name);
    peak.StartIdx = startIdx;
    peak.EndIdx = endIdx;
    peak.PageIndex = activePage;
    params_.Peaks.push_back(peak);
}

bool TPeakSetModel::SetPeakRange(std::int32_t index, std::int32_t startIdx, std::int32_t endIdx)
{
    TCurveCache curves(curves_);
    return SetPeakRange(curves, index, startIdx, endIdx, std::nullopt);
}

bool TPeakSetModel::SetCalc(std::int32_t hitPeak, std::int32_t tag)
{
    if (hitPeak < 0 || std::size_t(hitPeak) >= params_.Peaks.size())
        return false;
    const model::TPeakRec& peak = params_.Peaks[std::size_t(hitPeak)];
    TCurveCache curves(curves_);
    return SetPeakRange(curves, hitPeak, peak.StartIdx, peak.EndIdx, tag);
}

bool TPeakSetModel::SetPeakRange(TCurveCache& curves, std::int32_t index, std::int32_t startIdx,
                                 std::int32_t endIdx, std::optional<std::int32_t> calcType)
{
    if (index < 0 || std::size_t(index) >= params_.Peaks.size())
        throw common::RangeError();
    model::TPeakRec& peak = params_.Peaks[std::size_t(index)];
    const TPageCurve* curve = curves.NonEmptyOf(peak.PageIndex);
    if (!curve)
        return false;
    if (calcType)
        peak.CalcType = *calcType;
    CalculatePeak(peak, *curve, startIdx, endIdx);
    UpdateIntegralCurves(curves);
    TellChanged();
    return true;
}

TRecalcReport TPeakSetModel::RecalculatePeaks()
{
    TRecalcReport report;
    const auto fail = [&report](std::int32_t index, const common::Error& error) {
        report.FailedPeaks.push_back(index);
        if (report.Message.isEmpty())
            report.Message = error.message();
    };
    TCurveCache curves(curves_);
    bool anyCalculated = false;
    for (std::size_t i = 0; i < params_.Peaks.size(); ++i) {
        model::TPeakRec& peak = params_.Peaks[i];
        const TPageCurve* curve = curves.NonEmptyOf(peak.PageIndex);
        if (!curve)
            continue;
        try {
            CalculatePeak(peak, *curve, peak.StartIdx, peak.EndIdx);
            anyCalculated = true;
        } catch (const common::Error& error) {
            fail(std::int32_t(i), error);
        }
    }
    if (!anyCalculated)
        return report;
    try {
        UpdateIntegralCurves(curves);
        TellChanged();
    } catch (const common::Error& error) {
        if (report.Message.isEmpty())
            report.Message = error.message();
    }
    return report;
}

TRecalcReport TPeakSetModel::SwitchIntegralCurves(bool checked)
{
    integralShown_ = checked;
    TRecalcReport report = RecalculatePeaks();
    // Switched off, no curve may stay on a chart, also when no peak could be recalculated
    // (the peaks were cleared, or none has a curve).
    if (!checked)
        HideIntegralCurves();
    return report;
}

void TPeakSetModel::ClearIntegralPoints()
{
    for (auto& entry : params_.IntegralSeries) {
        if (entry)
            entry->Points.clear();
    }
    ++integralRevision_;
}

void TPeakSetModel::CalculatePeak(model::TPeakRec& peak, const TPageCurve& curve,
                                  std::int32_t startIdx, std::int32_t endIdx)
{
    const TPeakRange range = ClampPeakRange(startIdx, endIdx, curve.View().Count());
    peak.StartIdx = range.Start;
    peak.EndIdx = range.End;
    if (const std::optional<double> value = PeakValue(curve.View(), peak))
        peak.Value = *value;
}

void TPeakSetModel::UpdateIntegralCurves(TCurveCache& curves)
{
    if (integralShown_)
        ShowIntegralCurves(curves);
    else
        HideIntegralCurves();
}

// Every peak's curve is rebuilt on its own page; the new set replaces the old one only when all
// were built, so a failure leaves the curves as they were.
void TPeakSetModel::ShowIntegralCurves(TCurveCache& curves)
{
    std::vector<std::optional<TIntegralCurve>> series(params_.Peaks.size());
    for (std::size_t i = 0; i < params_.Peaks.size(); ++i) {
        const model::TPeakRec& peak = params_.Peaks[i];
        TIntegralCurve& integral = series[i].emplace();
        if (const TPageCurve* curve = curves.Of(peak.PageIndex)) {
            integral.Points = RunningSum(curve->View(), peak.StartIdx, peak.EndIdx);
            integral.ChartPage = peak.PageIndex;
        }
    }
    params_.IntegralSeries = std::move(series);
    ++integralRevision_;
}

void TPeakSetModel::HideIntegralCurves()
{
    for (auto& entry : params_.IntegralSeries) {
        if (entry)
            entry->ChartPage.reset();
    }
    ++integralRevision_;
}

}
