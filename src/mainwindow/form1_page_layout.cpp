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
#include <QTabWidget>

namespace lmv::mainwindow {

void TForm1::ConfigureForDevice(int code)
{
    const bool showAll = Actn(TActionId::ShowAllTabsActn).Checked();
    ChannelPages->ApplyLayout(ConfigureLayout(ChannelPages->Layout(), code, showAll));
    ClientArea->ConnectPanel().setVisible(ChannelPages->Tabs().isHidden());
    ClientArea->ConnectPanel().raise();
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
    const std::optional<TCurveId> curve = curveViews_.FirstCurveOn(ChartOfPage(page));
    return curve ? &curveViews_.Series(*curve) : nullptr;
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
        Cursor->HideCursorReadout();
    }
    ViewTools->ApplyViewOptions();
}

}
