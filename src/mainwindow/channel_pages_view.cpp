// The pages and the record pages' charts, built once in their fixed index order.
#include "mainwindow/channel_pages_view.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/steady_tabs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <stdexcept>

namespace lmv::mainwindow {

namespace {

const char* const SheetNames[PageCount] = {
    "TabSheet1",  "TabSheet2",  "TabSheet3",  "TabSheet4",      "TabSheet5",
    "TabSheet6",  "TabSheet7",  "TabSheet8",  "TabSheet13",     "TabSheet9",
    "TabSheet10", "TabSheet11", "TabSheet12", "KTTResultSheet",
};

constexpr int ChannelAxisLimit = 4000;
constexpr double TimeMarkWidthPercent = 1.0;
constexpr int PageAxisPages[] = {0, 1, 2, 3, 4, TwoParametersPage};

const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor Maroon(128, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Aqua(0, 255, 255);
const QColor Fuchsia(255, 0, 255);

QVBoxLayout* ColumnOf(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    return column;
}

}

TChannelPagesView::TChannelPagesView(const TPageLayout& form, QObject* seriesOwner, QObject* parent)
    : QObject(parent)
{
    PageControl1 = NewNamed<TSteadyTabWidget>(QStringLiteral("PageControl1"));
    // With every page shown the captions do not fit: they stay whole and the bar scrolls.
    PageControl1->setElideMode(Qt::ElideNone);
    PageControl1->setUsesScrollButtons(true);
    for (int index = 0; index < PageCount; ++index) {
        Pages[index] = NewNamed<QWidget>(QString::fromLatin1(SheetNames[index]));
        PageControl1->addTab(Pages[index], form.tabCaptions[index]);
    }
    CreateChannelPages(seriesOwner);
    CreateFourPlusOnePage(seriesOwner);
    CreateTestAndTwoParameterPages(seriesOwner);
    for (int index = 0; index < ChannelPageCount; ++index)
        PageCharts[index]->SetTitle(form.chartTitles[index]);
}

int TChannelPagesView::ActivePage() const { return PageControl1->currentIndex(); }

TChart* TChannelPagesView::ChartOfPage(int page) const
{
    return page >= 0 && page < PageCount ? PageCharts[std::size_t(page)] : nullptr;
}

TChart& TChannelPagesView::Chart(int page) const
{
    TChart* chart = page == TestPage ? Chart7 : ChartOfPage(page);
    if (!chart)
        throw std::out_of_range("no chart on page " + std::to_string(page));
    return *chart;
}

std::vector<TChart*> TChannelPagesView::PageChartList() const
{
    std::vector<TChart*> charts;
    for (TChart* chart : PageCharts) {
        if (chart)
            charts.push_back(chart);
    }
    return charts;
}

TChartSeries* TChannelPagesView::AddLine(TChart& chart, TCurveId curve, QColor color,
                                         QObject* owner, int width)
{
    auto* series = new TLineSeries(CurveName(curve), color, owner);
    series->SetPenWidth(width);
    chart.AddSeries(series);
    series_[std::size_t(curve)] = series;
    return series;
}

void TChannelPagesView::CreateChannelPages(QObject* seriesOwner)
{
    for (int index = 0; index < ChannelPageCount; ++index) {
        auto* chart = new TChart(QStringLiteral("Chart%1").arg(index + 1), Pages[index]);
        chart->LeftAxis().SetMinMax(-ChannelAxisLimit, ChannelAxisLimit);
        ColumnOf(Pages[index])->addWidget(chart);
        PageCharts[index] = chart;
    }
    AddLine(*PageCharts[0], TCurveId::Series1, Red, seriesOwner, 2);
    Series8 = new TBarSeries(QStringLiteral("Series8"), Green, TimeMarkWidthPercent, seriesOwner);
    PageCharts[0]->AddSeries(Series8);
    AddLine(*PageCharts[1], TCurveId::FastLineSeries1, Red, seriesOwner);
    AddLine(*PageCharts[1], TCurveId::Series15, Green, seriesOwner)->SetOnRightAxis(true);
    AddLine(*PageCharts[2], TCurveId::FastLineSeries2, Red, seriesOwner);
    AddLine(*PageCharts[3], TCurveId::FastLineSeries3, Red, seriesOwner);
    AddLine(*PageCharts[4], TCurveId::FastLineSeries4, Red, seriesOwner);
}

void TChannelPagesView::CreateFourPlusOnePage(QObject* seriesOwner)
{
    QWidget* page = Pages[AllChannelsPage];
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    auto* chart = new TChart(QStringLiteral("Chart6"), page);
    PageCharts[AllChannelsPage] = chart;
    row->addWidget(chart, 1);
    AddLine(*chart, TCurveId::Series2, Red, seriesOwner);
    AddLine(*chart, TCurveId::Series3, Maroon, seriesOwner);
    AddLine(*chart, TCurveId::Series4, Navy, seriesOwner);
    AddLine(*chart, TCurveId::Series5, Aqua, seriesOwner);
    AddLine(*chart, TCurveId::Series6, Fuchsia, seriesOwner);
    CreateFourPlusOneLegend(page);
    row->addWidget(Panel5);
}

void TChannelPagesView::CreateFourPlusOneLegend(QWidget* page)
{
    Panel5 = NewNamed<QWidget>(QStringLiteral("Panel5"), page);
    auto* legend = new QGridLayout(Panel5);
    const TCurveId lines[] = {TCurveId::Series2, TCurveId::Series3, TCurveId::Series4,
                              TCurveId::Series5, TCurveId::Series6};
    const char* const labels[] = {"1", "2", "3", "4", "C"};
    for (int line = 0; line < 5; ++line) {
        auto* swatch = new QLabel(QString::fromLatin1(labels[line]), Panel5);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setFixedSize(20, 16);
        swatch->setStyleSheet(QStringLiteral("background-color: %1; color: white;")
                                  .arg(Series(lines[line]).Color().name()));
        legend->addWidget(swatch, line, 0);
        auto* text = NewNamed<QLabel>(QStringLiteral("StaticText%1").arg(11 + line), Panel5);
        text->setMinimumWidth(80);
        legend->addWidget(text, line, 1);
        StaticText11To15[line] = text;
    }
    legend->setRowStretch(5, 1);
}

void TChannelPagesView::CreateTestAndTwoParameterPages(QObject* seriesOwner)
{
    Chart7 = new TChart(QStringLiteral("Chart7"), Pages[TestPage]);
    ColumnOf(Pages[TestPage])->addWidget(Chart7);
    auto* arrivals = new TArrivalOrderSeries(CurveName(TCurveId::Series7), Red, seriesOwner);
    Chart7->AddSeries(arrivals);
    series_[std::size_t(TCurveId::Series7)] = arrivals;

    auto* chart = new TChart(QStringLiteral("Chart11"), Pages[TwoParametersPage]);
    PageCharts[TwoParametersPage] = chart;
    ColumnOf(Pages[TwoParametersPage])->addWidget(chart);
    AddLine(*chart, TCurveId::FastLineSeries5, Red, seriesOwner, 2);
}

void TChannelPagesView::CreatePageAxes()
{
    for (int page : PageAxisPages) {
        TChartAxis* axis = PageCharts[std::size_t(page)]->AddCustomVerticalAxis();
        axis->SetVisible(false);
        // The cursor's points stand on it at the pixels of the points they mark, so it keeps a
        // fixed range (any will do) that they never refit under them.
        axis->SetMinMax(0, 1);
        PageAxes[std::size_t(page)] = axis;
    }
}

TPageLayout TChannelPagesView::Layout() const
{
    TPageLayout layout;
    layout.pageControlVisible = !PageControl1->isHidden();
    layout.activePage = ActivePage();
    for (int index = 0; index < PageCount; ++index) {
        layout.tabVisible[index] = PageControl1->isTabVisible(index);
        layout.tabCaptions[index] = PageControl1->tabText(index);
    }
    for (int index = 0; index < ChannelPageCount; ++index)
        layout.chartTitles[index] = ChartOfPage(index)->Title();
    return layout;
}

void TChannelPagesView::ApplyLayout(const TPageLayout& layout)
{
    const QSignalBlocker quiet(PageControl1);
    for (int index = 0; index < PageCount; ++index) {
        PageControl1->setTabVisible(index, layout.tabVisible[index]);
        PageControl1->setTabText(index, layout.tabCaptions[index]);
    }
    for (int index = 0; index < ChannelPageCount; ++index)
        ChartOfPage(index)->SetTitle(layout.chartTitles[index]);
    PageControl1->setCurrentIndex(layout.activePage);
    PageControl1->setVisible(layout.pageControlVisible);
}

}
