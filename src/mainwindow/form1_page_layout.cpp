// The pages shown per device type, and the chart and curve of the active page.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace lmv::mainwindow {

TPageLayout TForm1::CurrentPageLayout() const
{
    TPageLayout layout;
    layout.pageControlVisible = !PageControl1->isHidden();
    layout.activePage = PageControl1->currentIndex();
    for (int index = 0; index < PageCount; ++index) {
        layout.tabVisible[index] = PageControl1->isTabVisible(index);
        layout.tabCaptions[index] = PageControl1->tabText(index);
    }
    for (int index = 0; index < ChannelPageCount; ++index)
        layout.chartTitles[index] = PageCharts[index]->Title();
    return layout;
}

void TForm1::ApplyPageLayout(const TPageLayout& layout)
{
    const QSignalBlocker quiet(PageControl1);
    for (int index = 0; index < PageCount; ++index) {
        PageControl1->setTabVisible(index, layout.tabVisible[index]);
        PageControl1->setTabText(index, layout.tabCaptions[index]);
    }
    for (int index = 0; index < ChannelPageCount; ++index)
        PageCharts[index]->SetTitle(layout.chartTitles[index]);
    PageControl1->setCurrentIndex(layout.activePage);
    PageControl1->setVisible(layout.pageControlVisible);
    ConnectPanel->setVisible(!layout.pageControlVisible);
    ConnectPanel->raise();
}

void TForm1::ConfigureForDevice(int code)
{
    const bool showAll = Actn(TActionId::ShowAllTabsActn).Checked();
    ApplyPageLayout(ConfigureLayout(CurrentPageLayout(), code, showAll));
    PageControl1Change();
}

void TForm1::ShowAllTabsActnExecute()
{
    TAction& showAll = Actn(TActionId::ShowAllTabsActn);
    showAll.SetChecked(!showAll.Checked());
    ConfigureForDevice(deviceType_);
}

TChart* TForm1::ChartOfPage(int page) const
{
    return page >= 0 && page < PageCount ? PageCharts[std::size_t(page)] : nullptr;
}

TChartSeries* TForm1::CurveSeriesOfPage(int page) const
{
    const std::optional<TCurveId> curve = CurveIdOfPage(page);
    return curve ? &curveViews_.Series(*curve) : nullptr;
}

// In the chart's order: a curve put back on Chart2 comes after the one that stayed.
std::optional<TCurveId> TForm1::CurveIdOfPage(int page) const
{
    const TChart* chart = ChartOfPage(page);
    if (!chart)
        return std::nullopt;
    for (const TChartSeries* series : chart->SeriesList()) {
        if (const std::optional<TCurveId> curve = curveViews_.CurveOf(series))
            return curve;
    }
    return std::nullopt;
}

const TCurve* TForm1::CurveOnPage(int page) const
{
    const std::optional<TCurveId> curve = CurveIdOfPage(page);
    return curve ? &curves_.Curve(*curve) : nullptr;
}

TChart* TForm1::GetCurrentChart() const { return ChartOfPage(PageControl1->currentIndex()); }

TChartSeries* TForm1::GetCurrentSeries() const
{
    return CurveSeriesOfPage(PageControl1->currentIndex());
}

// The cursor series follow the active page's chart.
void TForm1::PageControl1Change()
{
    TChart* chart = GetCurrentChart();
    if (chart && CursorLine && CursorPoints) {
        chart->AddSeries(CursorLine);
        chart->AddSeries(CursorPoints);
        CursorPoints->SetCustomVerticalAxis(PageAxes[PageControl1->currentIndex()]);
        HideCursorReadout();
    }
    ApplyViewOptions();
}

}
