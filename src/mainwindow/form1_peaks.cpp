// The peaks of the record on screen: their model, the curve each is calculated on, the
// calculation-type actions and the integral curves; the Modified flag lives in the record on
// screen.
#include "mainwindow/shown_peaks.h"

#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/form1.h"
#include "mainwindow/peak_editing.h"

#include <QTabWidget>

namespace lmv::mainwindow {

// Made with the window's members, after the record on screen and the curves.
std::unique_ptr<TShownPeaks> TForm1::CreateShownPeaks()
{
    return std::make_unique<TShownPeaks>(TShownPeaksParts{
        .shownRecord = shownRecord_,
        .seriesParent = *this,
        .curveOnPage = [this](int page) { return curveViews_.CurveOn(ChartOfPage(page)); },
        .chartOfPage = [this](int page) { return ChartOfPage(page); },
        .activePage = [this] { return ChannelPages->ActivePage(); },
        .hitPeak = [this] { return Peaks->HitPeak(); },
        .action = [this](TActionId id) -> TAction& { return Actn(id); },
        .showError = [this](const QString& message) { ShowError(message); }});
}

const analysis::TPeakSetModel& TForm1::PeakSet() const { return ShownPeaks->PeakSet(); }
void TForm1::AddPeak(const QString& name, int startIdx, int endIdx)
{
    ShownPeaks->AddPeak(name, startIdx, endIdx);
}
bool TForm1::SetPeakRange(int index, int startIdx, int endIdx)
{
    return ShownPeaks->SetPeakRange(index, startIdx, endIdx);
}
bool TForm1::Modified() const { return shownRecord_.Modified(); }

TShownPeaks::TShownPeaks(TShownPeaksParts parts)
    : parts_(std::move(parts)),
      peakSet_(
          parts_.shownRecord.Peaks(), [this](std::int32_t page) { return CurveOfPage(page); },
          [this] { parts_.shownRecord.SetModified(true); }),
      integrals_(parts_.chartOfPage, parts_.seriesParent)
{
}

void TShownPeaks::AddPeak(const QString& name, int startIdx, int endIdx)
{
    peakSet_.AddPeak(name, startIdx, endIdx, parts_.activePage());
}

bool TShownPeaks::SetPeakRange(int index, int startIdx, int endIdx)
{
    const bool calculated = peakSet_.SetPeakRange(index, startIdx, endIdx);
    FollowIntegralCurves();
    return calculated;
}

void TShownPeaks::SetCalc(const TAction& sender)
{
    peakSet_.SetCalc(parts_.hitPeak().value_or(-1), sender.Tag);
    FollowIntegralCurves();
}

// Every peak is recalculated, which shows or hides its integral curve; a failing peak does not
// stop the others, and its message is shown once.
void TShownPeaks::SwitchIntegralCurves()
{
    TAction& showIntegral = parts_.action(TActionId::ShowIntegeralActn);
    showIntegral.SetChecked(!showIntegral.Checked());
    const analysis::TRecalcReport report = peakSet_.SwitchIntegralCurves(showIntegral.Checked());
    FollowIntegralCurves();
    if (report.Failed())
        parts_.showError(report.Message);
}

// Every peak is calculated anew on its page's curve, which marks the record as changed; a
// failing peak does not stop the others, and its message is shown once.
void TShownPeaks::RecalculateShownPeaks()
{
    peakSet_.ClearIntegralPoints();
    const analysis::TRecalcReport report = peakSet_.RecalculatePeaks();
    FollowIntegralCurves();
    if (report.Failed())
        parts_.showError(report.Message);
}

void TShownPeaks::FollowIntegralCurves() { integrals_.Follow(peakSet_); }

std::optional<analysis::TPageCurve> TShownPeaks::CurveOfPage(int page) const
{
    const TCurve* onPage = parts_.curveOnPage(page);
    if (!onPage)
        return std::nullopt;
    const std::vector<model::TPoint>& points = onPage->Points();
    analysis::TPageCurve curve;
    curve.X.reserve(points.size());
    curve.Y.reserve(points.size());
    for (const model::TPoint& point : points) {
        curve.X.push_back(point.X);
        curve.Y.push_back(point.Y);
    }
    return curve;
}

// Never while a record is being put on the charts.
bool TShownPeaks::PeakDrawingOn() const
{
    return (parts_.action(TActionId::ShowBordersActn).Checked() ||
            parts_.action(TActionId::SetPeakBordersActn).Checked()) &&
        !parts_.shownRecord.LoadingRecord();
}

}
