#pragma once
// Draws the peaks' integral curves: one line series on the right axis per curve of the peak
// model, on the chart of that curve's page or on none.
#include "analysis/peaks/integral_curve.h"
#include "analysis/peaks/peak_set_model.h"
#include "mainwindow/rules/page_layout.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QObject;

namespace lmv::mainwindow {

class TChart;
class TLineSeries;

class TPeakIntegralView {
public:
    // The chart of a page, or none.
    using TChartOfPage = std::function<TChart*(int page)>;
    TPeakIntegralView(TChartOfPage chartOfPage, QObject& owner);

    // Brings the series up to the model's integral curves when their revision moved: series i
    // shows curve i (none where the model has none), series past the model's count are freed.
    // A dragged border changes one curve at a time, and only that one is redrawn.
    void Follow(const analysis::TPeakSetModel& peaks);

    const std::vector<TLineSeries*>& Series() const { return series_; }

private:
    void FollowAll(const analysis::TIntegralCurves& curves);
    TLineSeries* SeriesFor(std::size_t index);
    void Show(const analysis::TIntegralCurves& curves, std::size_t index);

    TChartOfPage chartOfPage_;
    QObject& owner_;
    std::vector<TLineSeries*> series_;
    std::uint64_t shownRevision_ = 0;
};

}
