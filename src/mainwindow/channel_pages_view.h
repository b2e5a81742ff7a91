#pragma once
// PageControl1 with its fourteen pages, and the record pages' charts: Chart1 to Chart5 of the
// channels, the "4+1" page's Chart6 with its legend, the test page's Chart7 and the two-parameter
// page's Chart11, their series and the hidden axes the cursor's points stand on. The series belong
// to the window, as every chart series does; the curve views find them there by name.
#include "mainwindow/curves/curve_id.h"
#include "mainwindow/rules/page_layout.h"

#include <QColor>
#include <QObject>
#include <array>
#include <vector>

class QLabel;
class QTabWidget;
class QWidget;

namespace lmv::mainwindow {

class TChart;
class TChartAxis;
class TChartSeries;

// The curve of each channel page, Chart1 to Chart5.
inline constexpr std::array<TCurveId, ChannelPageCount> ChannelCurves{
    TCurveId::Series1, TCurveId::FastLineSeries1, TCurveId::FastLineSeries2,
    TCurveId::FastLineSeries3, TCurveId::FastLineSeries4};

class TChannelPagesView : public QObject {
public:
    TChannelPagesView(const TPageLayout& form, QObject* seriesOwner, QObject* parent);

    QTabWidget& Tabs() const { return *PageControl1; }
    int ActivePage() const;
    QWidget& Page(int page) const { return *Pages.at(std::size_t(page)); }
    // The chart that stands for its page (none for the test page and the pages without one, nor
    // for an index out of range), and the chart placed on a page, the test page's included.
    TChart* ChartOfPage(int page) const;
    TChart& Chart(int page) const;
    // The charts that stand for their pages, in page order.
    std::vector<TChart*> PageChartList() const;
    const std::array<TChart*, PageCount>& ChartsByPage() const { return PageCharts; }
    TChartSeries& Series(TCurveId curve) const { return *series_.at(std::size_t(curve)); }
    TChartSeries& TimeMarks() const { return *Series8; }
    // The "4+1" legend's text of a line, StaticText11 to StaticText15.
    QLabel& LegendText(int line) const { return *StaticText11To15.at(std::size_t(line)); }
    const std::array<QLabel*, 5>& LegendTexts() const { return StaticText11To15; }

    // Which pages show, their captions, the charts' titles and the active page.
    TPageLayout Layout() const;
    void ApplyLayout(const TPageLayout& layout);

    // The hidden vertical axis of a page's chart, made after the window's start has scaled the
    // charts; none on the pages without one.
    void CreatePageAxes();
    TChartAxis* PageAxis(int page) const { return PageAxes.at(std::size_t(page)); }

private:
    void CreateChannelPages(QObject* seriesOwner);
    void CreateFourPlusOnePage(QObject* seriesOwner);
    void CreateFourPlusOneLegend(QWidget* page);
    void CreateTestAndTwoParameterPages(QObject* seriesOwner);
    TChartSeries* AddLine(TChart& chart, TCurveId curve, QColor color, QObject* owner,
                          int width = 1);

    QTabWidget* PageControl1 = nullptr;
    std::array<QWidget*, PageCount> Pages{};
    std::array<TChart*, PageCount> PageCharts{};
    TChart* Chart7 = nullptr;
    std::array<TChartSeries*, AllCurves.size()> series_{};  // by TCurveId
    TChartSeries* Series8 = nullptr;
    QWidget* Panel5 = nullptr;
    std::array<QLabel*, 5> StaticText11To15{};
    std::array<TChartAxis*, PageCount> PageAxes{};
};

}
