// The pages shown per device type, and the chart and curve of the active page.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/cursor_readout_view.h"
#include "mainwindow/view_tools_commands.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace lmv::mainwindow {

TPageLayout TForm1::CurrentPageLayout() const
{
    TPageLayout layout;
    layout.pageControlVisible = !ChannelPages->Tabs().isHidden();
    layout.activePage = ChannelPages->ActivePage();
    for (int index = 0; index < PageCount; ++index) {
        layout.tabVisible[index] = ChannelPages->Tabs().isTabVisible(index);
        layout.tabCaptions[index] = ChannelPages->Tabs().tabText(index);
    }
    for (int index = 0; index < ChannelPageCount; ++index)
        layout.chartTitles[index] = ChannelPages->ChartOfPage(index)->Title();
    return layout;
}

void TForm1::ApplyPageLayout(const TPageLayout& layout)
{
    const QSignalBlocker quiet(&ChannelPages->Tabs());
    for (int index = 0; index < PageCount; ++index) {
        ChannelPages->Tabs().setTabVisible(index, layout.tabVisible[index]);
        ChannelPages->Tabs().setTabText(index, layout.tabCaptions[index]);
    }
    for (int index = 0; index < ChannelPageCount; ++index)
        ChannelPages->ChartOfPage(index)->SetTitle(layout.chartTitles[index]);
    ChannelPages->Tabs().setCurrentIndex(layout.activePage);
    ChannelPages->Tabs().setVisible(layout.pageControlVisible);
    ClientArea->ConnectPanel().setVisible(!layout.pageControlVisible);
    ClientArea->ConnectPanel().raise();
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
    return page >= 0 && page < PageCount ? ChannelPages->ChartOfPage(page) : nullptr;
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

TChart* TForm1::GetCurrentChart() const { return ChartOfPage(ChannelPages->ActivePage()); }

TChartSeries* TForm1::GetCurrentSeries() const
{
    return CurveSeriesOfPage(ChannelPages->ActivePage());
}

// The cursor series follow the active page's chart.
void TForm1::PageControl1Change()
{
    TChart* chart = GetCurrentChart();
    if (chart && Cursor->CursorLine() && Cursor->CursorPoints()) {
        chart->AddSeries(Cursor->CursorLine());
        chart->AddSeries(Cursor->CursorPoints());
        Cursor->CursorPoints()->SetCustomVerticalAxis(
            ChannelPages->PageAxis(ChannelPages->ActivePage()));
        HideCursorReadout();
    }
    ViewTools->ApplyViewOptions();
}

}
