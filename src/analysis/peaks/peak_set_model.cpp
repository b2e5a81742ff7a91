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

TPeakSetModel::TPeakSetModel(model::TPeaks& peaks, PageCurves curves, Changed changed)
    : curves_(std::move(curves)), changed_(std::move(changed)), peaks_(peaks)
{
}

TPeakSetModel::~TPeakSetModel() = default;

void TPeakSetModel::HoldCurves() { heldCurves_ = std::make_unique<TCurveCache>(curves_); }
void TPeakSetModel::ReleaseCurves() { heldCurves_.reset(); }

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
    peaks_.push_back(peak);
}

bool TPeakSetModel::SetPeakRange(std::int32_t index, std::int32_t startIdx, std::int32_t endIdx)
{
    TCurveCache asked(curves_);
    return SetPeakRange(heldCurves_ ? *heldCurves_ : asked, index, startIdx, endIdx, std::nullopt);
}

bool TPeakSetModel::SetCalc(std::int32_t hitPeak, std::int32_t tag)
{
    if (hitPeak < 0 || std::size_t(hitPeak) >= peaks_.size())
        return false;
    const model::TPeakRec& peak = peaks_[std::size_t(hitPeak)];
    TCurveCache curves(curves_);
    return SetPeakRange(curves, hitPeak, peak.StartIdx, peak.EndIdx, tag);
}

bool TPeakSetModel::SetPeakRange(TCurveCache& curves, std::int32_t index, std::int32_t startIdx,
                                 std::int32_t endIdx, std::optional<std::int32_t> calcType)
{
    if (index < 0 || std::size_t(index) >= peaks_.size())
        throw common::RangeError();
    model::TPeakRec& peak = peaks_[std::size_t(index)];
    const TPageCurve* curve = curves.NonEmptyOf(peak.PageIndex);
    if (!curve)
        return false;
    if (calcType)
        peak.CalcType = *calcType;
    CalculatePeak(peak, *curve, startIdx, endIdx);
    UpdateIntegralCurves(curves, std::size_t(index));
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
    for (std::size_t i = 0; i < peaks_.size(); ++i) {
        model::TPeakRec& peak = peaks_[i];
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
    for (auto& entry : integralSeries_) {
        if (entry)
            entry->Points.clear();
    }
    lastIntegralChange_.reset();
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

void TPeakSetModel::UpdateIntegralCurves(TCurveCache& curves,
                                         std::optional<std::size_t> changedPeak)
{
    if (!integralShown_)
        HideIntegralCurves();
    else if (!changedPeak || !ShowIntegralCurve(curves, *changedPeak))
        ShowIntegralCurves(curves);
}

// Only the changed peak's curve is rebuilt when every peak already has its entry.
bool TPeakSetModel::ShowIntegralCurve(TCurveCache& curves, std::size_t peakIndex)
{
    if (integralSeries_.size() != peaks_.size())
        return false;
    const model::TPeakRec& peak = peaks_[peakIndex];
    TIntegralCurve integral;
    if (const TPageCurve* curve = curves.Of(peak.PageIndex)) {
        integral.Points = RunningSum(curve->View(), peak.StartIdx, peak.EndIdx);
        integral.ChartPage = peak.PageIndex;
    }
    integralSeries_[peakIndex] = std::move(integral);
    lastIntegralChange_ = peakIndex;
    ++integralRevision_;
    return true;
}

// Every peak's curve is rebuilt on its own page; the new set replaces the old one only when all
// were built, so a failure leaves the curves as they were.
void TPeakSetModel::ShowIntegralCurves(TCurveCache& curves)
{
    TIntegralCurves series(peaks_.size());
    for (std::size_t i = 0; i < peaks_.size(); ++i) {
        const model::TPeakRec& peak = peaks_[i];
        TIntegralCurve& integral = series[i].emplace();
        if (const TPageCurve* curve = curves.Of(peak.PageIndex)) {
            integral.Points = RunningSum(curve->View(), peak.StartIdx, peak.EndIdx);
            integral.ChartPage = peak.PageIndex;
        }
    }
    integralSeries_ = std::move(series);
    lastIntegralChange_.reset();
    ++integralRevision_;
}

void TPeakSetModel::HideIntegralCurves()
{
    for (auto& entry : integralSeries_) {
        if (entry)
            entry->ChartPage.reset();
    }
    lastIntegralChange_.reset();
    ++integralRevision_;
}

}
