// The peaks of the record on screen: their model, the curve each is calculated on, the
// calculation-type actions and the integral curves; the Modified flag lives in the record on
// screen.
#include "mainwindow/form1.h"

#include "mainwindow/peak_editing.h"

#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"

#include <QTabWidget>

namespace lmv::mainwindow {

void TForm1::AddPeak(const QString& name, int startIdx, int endIdx)
{
    peakSet_.AddPeak(name, startIdx, endIdx, ChannelPages->ActivePage());
}

bool TForm1::SetPeakRange(int index, int startIdx, int endIdx)
{
    const bool calculated = peakSet_.SetPeakRange(index, startIdx, endIdx);
    FollowIntegralCurves();
    return calculated;
}

void TForm1::SetCalc(const TAction& sender)
{
    peakSet_.SetCalc(Peaks->HitPeak().value_or(-1), sender.Tag);
    FollowIntegralCurves();
}

bool TForm1::Modified() const { return shownRecord_.Modified(); }
void TForm1::SetModified(bool value) { shownRecord_.SetModified(value); }

// Every peak is recalculated, which shows or hides its integral curve; a failing peak does not
// stop the others, and its message is shown once.
void TForm1::SwitchIntegralCurves()
{
    TAction& showIntegral = Actn(TActionId::ShowIntegeralActn);
    showIntegral.SetChecked(!showIntegral.Checked());
    const analysis::TRecalcReport report = peakSet_.SwitchIntegralCurves(showIntegral.Checked());
    FollowIntegralCurves();
    if (report.Failed())
        ShowError(report.Message);
}

void TForm1::FollowIntegralCurves() { PeakIntegrals.Follow(peakSet_); }

std::optional<analysis::TPageCurve> TForm1::CurveOfPage(int page) const
{
    const TCurve* onPage = CurveOnPage(page);
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

}
