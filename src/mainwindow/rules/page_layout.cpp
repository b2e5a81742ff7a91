#include "mainwindow/rules/page_layout.h"

#include "mainwindow/rules/device_types.h"

namespace lmv::mainwindow {
namespace {

const char* const FormTabCaptions[PageCount] = {
    "Канал 1", "Канал 2",       "Канал 3",    "Канал 4",  "Температура",  "Таблица",  "4+1",
    "Test",    "Два параметра", "Калибровка", "Фотометр", "Кондуктометр", "Нолдирон", "Результаты",
};

// The temperature page reads "Канал 5" until its first reading names it.
const char* const ChannelTabCaptions[ChannelPageCount] = {
    "Канал 1", "Канал 2", "Канал 3", "Канал 4", "Канал 5",
};

const char* const ChannelChartTitles[ChannelPageCount] = {
    "Канал №1", "Канал №2", "Канал №3", "Канал №4", "Канал №5 Температура",
};

const char* const TitrationCurveCaption = "Кривая титрования";

void ResetChannelTexts(TPageLayout& layout)
{
    for (int page = 0; page < ChannelPageCount; ++page) {
        layout.tabCaptions[page] = QString::fromUtf8(ChannelTabCaptions[page]);
        layout.chartTitles[page] = QString::fromUtf8(ChannelChartTitles[page]);
    }
}

void ShowSinglePages(TPageLayout& layout, bool showAll, int openingPage)
{
    for (int page : {1, 2, 3, AllChannelsPage})
        layout.tabVisible[page] = showAll;
    layout.tabVisible[4] = true;
    if (!showAll)
        layout.activePage = openingPage;
}

void ShowMultiChannelPages(TPageLayout& layout)
{
    for (int page = 1; page <= AllChannelsPage; ++page)
        layout.tabVisible[page] = true;
    layout.activePage = 0;
}

void ShowTitrationPages(TPageLayout& layout, bool showAll)
{
    layout.activePage = 1;
    layout.tabVisible[1] = true;
    layout.tabCaptions[1] = QString::fromUtf8(TitrationCurveCaption);
    layout.chartTitles[1] = layout.tabCaptions[1];
    for (int page = 2; page <= AllChannelsPage; ++page)
        layout.tabVisible[page] = showAll;
}

void ApplyPageGroup(TPageLayout& layout, TPageGroup group, bool showAll)
{
    switch (group) {
    case TPageGroup::N:
    case TPageGroup::G:
        ShowSinglePages(layout, showAll, 0);
        break;
    case TPageGroup::T:
        ShowSinglePages(layout, showAll, TablePage);
        break;
    case TPageGroup::M:
        ShowMultiChannelPages(layout);
        break;
    case TPageGroup::K:
        ShowTitrationPages(layout, showAll);
        break;
    case TPageGroup::Other:
        // An unknown instrument keeps whatever the previous layout offered.
        break;
    }
}

}

TPageLayout FormPageLayout()
{
    TPageLayout layout;
    layout.pageControlVisible = true;
    layout.tabVisible.fill(true);
    for (int page = 0; page < PageCount; ++page)
        layout.tabCaptions[page] = QString::fromUtf8(FormTabCaptions[page]);
    for (int page = 0; page < ChannelPageCount; ++page)
        layout.chartTitles[page] = QString::fromUtf8(ChannelChartTitles[page]);
    return layout;
}

TPageLayout ConfigureLayout(const TPageLayout& previous, int code, bool showAll)
{
    TPageLayout layout = previous;
    const bool connected = code != dtNone;
    layout.pageControlVisible = connected || showAll;
    layout.tabVisible[0] = showAll || (connected && code != dtThermoAnalyzer && code != dtTitrator);
    ResetChannelTexts(layout);
    layout.tabVisible[TablePage] = connected || showAll;
    layout.tabVisible[ResultsPage] = code == dtTitrator || showAll;
    ApplyPageGroup(layout, PageGroupOf(code), showAll);
    layout.tabVisible[TestPage] = showAll;
    layout.tabVisible[CalibrationPage] = showAll;
    layout.tabVisible[TitratorPage] = showAll;
    layout.tabVisible[PhotometerPage] = code == dtPhotometer || showAll;
    layout.tabVisible[ConductometerPage] = code == dtConductometer || showAll;
    // TwoParametersPage stays as live plotting or the shown record left it.
    return layout;
}

}
