#pragma once
// Draws the peaks' integral curves: one line series on the right axis per curve of the peak
// model, on the chart of that curve's page or on none.
#include "analysis/peaks/integral_curve.h"

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

    // Series i shows integral curve i (nullptr where the model has none); series past the
    // model's count are freed.
    void Follow(const analysis::TIntegralCurves& curves);
    // Follows entry `index` alone, the others unchanged since the last Follow.
    void FollowOne(const analysis::TIntegralCurves& curves, std::size_t index);

    const std::vector<TLineSeries*>& Series() const { return series_; }

private:
    TLineSeries* SeriesFor(std::size_t index);
    void Show(const analysis::TIntegralCurves& curves, std::size_t index);

    TChartOfPage chartOfPage_;
    QObject& owner_;
    std::vector<TLineSeries*> series_;
};

}
