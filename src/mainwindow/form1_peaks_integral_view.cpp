#include "mainwindow/form1_peaks_integral_view.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"

namespace lmv::mainwindow {

namespace {

const QColor IntegralColor(0, 128, 128);

}

TPeakIntegralView::TPeakIntegralView(TChartOfPage chartOfPage, QObject& owner)
    : chartOfPage_(std::move(chartOfPage)), owner_(owner)
{
}

void TPeakIntegralView::Follow(const analysis::TPeakSetModel& peaks)
{
    if (peaks.IntegralRevision() == shownRevision_)
        return;
    const std::optional<std::size_t> one = peaks.LastIntegralChange();
    if (one && peaks.IntegralRevision() == shownRevision_ + 1 &&
        series_.size() == peaks.IntegralSeries().size())
        Show(peaks.IntegralSeries(), *one);
    else
        FollowAll(peaks.IntegralSeries());
    shownRevision_ = peaks.IntegralRevision();
}

void TPeakIntegralView::FollowAll(const analysis::TIntegralCurves& curves)
{
    while (series_.size() > curves.size()) {
        delete series_.back();
        series_.pop_back();
    }
    series_.resize(curves.size(), nullptr);
    for (std::size_t i = 0; i < curves.size(); ++i)
        Show(curves, i);
}

void TPeakIntegralView::Show(const analysis::TIntegralCurves& curves, std::size_t index)
{
    const auto& curve = curves[index];
    if (!curve) {
        delete series_[index];
        series_[index] = nullptr;
        return;
    }
    TLineSeries* series = SeriesFor(index);
    TChart* shownOn = curve->ChartPage ? chartOfPage_(*curve->ChartPage) : nullptr;
    if (series->ParentChart() && series->ParentChart() != shownOn)
        series->ParentChart()->RemoveSeries(series);
    series->Assign(curve->Points);
    if (shownOn && series->ParentChart() != shownOn)
        shownOn->AddSeries(series);
}

TLineSeries* TPeakIntegralView::SeriesFor(std::size_t index)
{
    if (!series_[index]) {
        series_[index] =
            new TLineSeries(QStringLiteral("IntegralSeries%1").arg(index), IntegralColor, &owner_);
        series_[index]->SetOnRightAxis(true);
    }
    return series_[index];
}

}
