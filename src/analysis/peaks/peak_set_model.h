#pragma once
// The window's peak state without widgets: the peaks of the record on screen (the record's own
// list, which the model works on), their integral curves and the check of the integral switch.
// Every calculation tells the window through Changed, so that the record on screen counts as
// modified without the window's help.
//
// Every peak is calculated on the curve of its own page (PageIndex), which the window answers
// through PageCurves, and its integral curve belongs to that page's chart; a peak whose page has
// no curve, or an empty one, is left unchanged. The active page only matters to AddPeak.
//
// How the window uses it:
//   - construct it over the peaks of the record on screen, with a PageCurves that answers the
//     points of the first non-cursor series of a page's chart (the rule of GetCurrentSeries,
//     asked for any page), and a Changed that sets the window's Modified;
//   - mouse marking and the automatic search: AddPeak(name, start, end, active page), then
//     SetPeakRange; a thrown common::Error goes to the message box;
//   - CalcS2Actn, CalcSActn, CalcIntSectActn: SetCalc(HitPeak, the action's Tag);
//   - ShowIntegeralActn flipped: SwitchIntegralCurves(its new check); one message box when the
//     report Failed();
//   - showing a record puts its peaks in place; later, where Modified was cleared,
//     ClearIntegralPoints(), RecalculatePeaks(), one message box on failure;
//   - naming, renaming, removing peaks and the automatic search edit Peaks() and set the
//     window's Modified, as does the properties window;
//   - after any of these, when IntegralRevision() moved: keep one right-axis line series per
//     IntegralSeries() entry that has a value, with that entry's points, on the chart of its
//     ChartPage or on none, and free the window's series past the entry count.
// Errors are common::Error (MathError for the calculations, RangeError for a bad index); single
// operations throw them, recalculations of every peak collect them in a TRecalcReport.
#include "analysis/peaks/integral_curve.h"
#include "analysis/peaks/page_curve.h"
#include "model/peak_record.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lmv::analysis {

// The outcome of recalculating every peak: each failing peak stays as its failure left it while
// the others are calculated; the window shows Message once.
struct TRecalcReport {
    std::vector<std::int32_t> FailedPeaks;
    QString Message;  // the first failure's message; empty when nothing failed
    bool Failed() const { return !Message.isEmpty(); }
};

class TPeakSetModel {
public:
    using Changed = std::function<void()>;

    // Works on `peaks`, which must outlive the model.
    TPeakSetModel(model::TPeaks& peaks, PageCurves curves, Changed changed = {});
    ~TPeakSetModel();

    const model::TPeaks& Peaks() const { return peaks_; }
    // For the edits that need no calculation (renaming, removal, replacing all peaks); the
    // integral curves catch up at the next recalculation.
    model::TPeaks& Peaks() { return peaks_; }
    const TIntegralCurves& IntegralSeries() const { return integralSeries_; }

    // Check of the integral switch: while on, every recalculation shows the integral curves (one
    // per peak: the running sum over its range on its page's curve, on that page's chart; empty
    // when the range lies outside the curve; empty and on no chart when the page has no curve;
    // surplus entries dropped); while off, it takes every curve off its chart, points kept.
    bool IntegralShown() const { return integralShown_; }
    // Flips the switch to `checked` and recalculates every peak, which shows or hides the curves.
    TRecalcReport SwitchIntegralCurves(bool checked);

    // Moves whenever IntegralSeries() changed.
    std::uint64_t IntegralRevision() const { return integralRevision_; }
    // The one entry of IntegralSeries() the last move of the revision changed (a single
    // peak's range set with the curves shown), or none when any entry may have changed.
    std::optional<std::size_t> LastIntegralChange() const { return lastIntegralChange_; }

    // While held, each page's curve is asked once and kept, so the moves of a dragged border do
    // not copy the curve again; release it when the drag ends, before the curves change.
    void HoldCurves();
    void ReleaseCurves();

    // Appends a peak: the name cut to 255 characters, the range as given, PageIndex = activePage,
    // everything else zero. Neither orders, clamps nor calculates; Changed is not told.
    void AddPeak(const QString& name, std::int32_t startIdx, std::int32_t endIdx,
                 std::int32_t activePage);

    // Sets the range of peak `index` on the curve of its page (ordered, clamped into the curve),
    // recalculates its value by CalcType, shows or hides the integral curves and tells Changed.
    // Returns false, changing nothing, when the page has no curve or an empty one. A calculation
    // error is thrown with the range and the line fields fitted so far stored, Value, the
    // integral curves not updated and Changed not told. An index beyond the peaks is a RangeError.
    bool SetPeakRange(std::int32_t index, std::int32_t startIdx, std::int32_t endIdx);

    // The calculation-type actions: peak hitPeak gets CalcType = tag and is recalculated on its
    // own range as SetPeakRange does. Returns false, changing nothing (the type neither), when
    // hitPeak addresses no peak or its page has no curve.
    bool SetCalc(std::int32_t hitPeak, std::int32_t tag);

    // SetPeakRange for every peak in order with its own range, going on past a failing peak; the
    // integral curves follow once at the end, and Changed is told when any peak was calculated.
    TRecalcReport RecalculatePeaks();

    // Empties every integral curve that exists, keeping it on its chart.
    void ClearIntegralPoints();

private:
    class TCurveCache;

    bool SetPeakRange(TCurveCache& curves, std::int32_t index, std::int32_t startIdx,
                      std::int32_t endIdx, std::optional<std::int32_t> calcType);
    void CalculatePeak(model::TPeakRec& peak, const TPageCurve& curve, std::int32_t startIdx,
                       std::int32_t endIdx);
    void UpdateIntegralCurves(TCurveCache& curves, std::optional<std::size_t> changedPeak = {});
    void ShowIntegralCurves(TCurveCache& curves);
    bool ShowIntegralCurve(TCurveCache& curves, std::size_t peakIndex);
    void HideIntegralCurves();
    void TellChanged() const;

    PageCurves curves_;
    Changed changed_;
    model::TPeaks& peaks_;
    TIntegralCurves integralSeries_;
    bool integralShown_ = false;
    std::uint64_t integralRevision_ = 0;
    std::optional<std::size_t> lastIntegralChange_;
    std::unique_ptr<TCurveCache> heldCurves_;
};

}
