#pragma once
// The peaks of the record on screen: their model, the curve each is calculated on, the
// calculation-type actions and the integral curves (form1_peaks.cpp). The Modified flag lives in
// the record on screen.
#include "analysis/peaks/page_curve.h"
#include "analysis/peaks/peak_set_model.h"
#include "mainwindow/action_table.h"
#include "mainwindow/form1_peaks_integral_view.h"

#include <QString>
#include <functional>
#include <optional>

class QObject;

namespace lmv::mainwindow {

class TAction;
class TChart;
class TCurve;
class TShownRecord;

struct TShownPeaksParts {
    TShownRecord& shownRecord;
    QObject& seriesParent;  // of the integral curves' series
    std::function<const TCurve*(int)> curveOnPage;
    std::function<TChart*(int)> chartOfPage;
    std::function<int()> activePage;
    std::function<std::optional<int>()> hitPeak;  // the peak the peak menu is about
    std::function<TAction&(TActionId)> action;
    std::function<void(const QString&)> showError;
};

class TShownPeaks {
public:
    explicit TShownPeaks(TShownPeaksParts parts);

    analysis::TPeakSetModel& PeakSet() { return peakSet_; }
    const analysis::TPeakSetModel& PeakSet() const { return peakSet_; }

    // SetPeakRange passes a calculation error on as common::Error and returns false when the
    // peak's page has no curve.
    void AddPeak(const QString& name, int startIdx, int endIdx);
    bool SetPeakRange(int index, int startIdx, int endIdx);
    void SetCalc(const TAction& sender);
    void SwitchIntegralCurves();
    void RecalculateShownPeaks();
    std::optional<analysis::TPageCurve> CurveOfPage(int page) const;
    // Whether the operator is drawing a peak.
    bool PeakDrawingOn() const;

private:
    void FollowIntegralCurves();

    TShownPeaksParts parts_;
    // Each peak is calculated on its own page's curve; a calculation marks the record on screen
    // as modified.
    analysis::TPeakSetModel peakSet_;
    TPeakIntegralView integrals_;
};

}
