// The pages shown for a device type, and the chart and curve of the active page.
#include "form1_fixture.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>

#include <ostream>

namespace lmv::test {
namespace {

QList<int> VisibleTabs(const QTabWidget& pages)
{
    QList<int> visible;
    for (int index = 0; index < pages.count(); ++index) {
        if (pages.isTabVisible(index))
            visible << index;
    }
    return visible;
}

struct LayoutCase {
    const char* name;
    int code;
    bool showAll;
    QList<int> tabs;
    int activePage;
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

const QList<int> EveryPage{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

class ConfigureForDeviceTest : public Form1Test,
                               public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(ConfigureForDeviceTest, ShowsThePagesOfTheDeviceType)
{
    const LayoutCase& c = GetParam();
    mainwindow::TForm1& window = Form();
    if (c.showAll)
        window.ShowAllTabsActnExecute();
    window.ConfigureForDevice(c.code);
    EXPECT_FALSE(window.PageControl1->isHidden());
    EXPECT_TRUE(window.ConnectPanel->isHidden());
    EXPECT_EQ(VisibleTabs(*window.PageControl1), c.tabs);
    EXPECT_EQ(window.PageControl1->currentIndex(), c.activePage);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ConfigureForDeviceTest,
    ::testing::Values(LayoutCase{"NoneShowAll", -1, true, EveryPage, 0},
                      LayoutCase{"IonMeter", 1, false, {0, 4, 5, 8}, 0},
                      LayoutCase{"ThermoAnalyzer", 9, false, {4, 5, 8}, 5},
                      LayoutCase{"Conductometer", 13, false, {0, 4, 5, 8, 11}, 0},
                      LayoutCase{"Photometer", 16, false, {0, 4, 5, 8, 10}, 0},
                      LayoutCase{"Coulometer", 38, false, {0, 1, 2, 3, 4, 5, 6, 8}, 0},
                      LayoutCase{"CoulometerShowAll", 38, true, EveryPage, 0},
                      LayoutCase{"Titrator", 41, false, {1, 8, 13}, 1},
                      LayoutCase{"TitratorShowAll", 41, true, EveryPage, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, TitratorNamesItsCurvePage)
{
    Form().ConfigureForDevice(41);
    EXPECT_EQ(Form().PageControl1->tabText(1), QStringLiteral("Кривая титрования"));
    EXPECT_EQ(Form().Chart2->Title(), QStringLiteral("Кривая титрования"));
    EXPECT_EQ(Form().GetCurrentChart(), Form().Chart2);
    Form().ConfigureForDevice(1);
    EXPECT_EQ(Form().PageControl1->tabText(1), QStringLiteral("Канал 2"));
    EXPECT_EQ(Form().Chart2->Title(), QStringLiteral("Канал №2"));
    EXPECT_EQ(Form().PageControl1->tabText(4), QStringLiteral("Канал 5"));
    EXPECT_EQ(Form().Chart5->Title(), QStringLiteral("Канал №5 Температура"));
}

TEST_F(Form1Test, UnknownCodeKeepsChannelPagesActivePageAndPageEight)
{
    mainwindow::TForm1& window = Form();
    window.ConfigureForDevice(38);
    window.PageControl1->setCurrentIndex(3);
    window.PageControl1->setTabVisible(8, false);
    window.ConfigureForDevice(200);
    EXPECT_EQ(VisibleTabs(*window.PageControl1), QList<int>({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(window.PageControl1->currentIndex(), 3);
}

TEST_F(Form1Test, ShowAllTabsTogglesAndLaysOutForTheConnectedType)
{
    mainwindow::TForm1& window = Form();
    window.ShowAllTabsActnExecute();
    EXPECT_TRUE(window.Actn(QStringLiteral("ShowAllTabsActn")).Checked());
    EXPECT_EQ(VisibleTabs(*window.PageControl1), EveryPage);
    window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
    EXPECT_FALSE(window.Actn(QStringLiteral("ShowAllTabsActn")).Checked());
    EXPECT_TRUE(window.PageControl1->isHidden());
    EXPECT_FALSE(window.ConnectPanel->isHidden());
}

TEST_F(Form1Test, ShowAllTabsFromTheMenuFlipsTheMarkOnce)
{
    QAction* item = Form().Actn(QStringLiteral("ShowAllTabsActn")).Action();
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(VisibleTabs(*Form().PageControl1), EveryPage);
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(Form().PageControl1->isHidden());
}

struct CurrentCase {
    int page;
    const char* chart;  // "" none
    const char* series;  // "" none
};

TEST_F(Form1Test, CurrentChartAndSeriesFollowTheActivePage)
{
    const CurrentCase cases[] = {
        {0, "Chart1", "Series1"},
        {1, "Chart2", "FastLineSeries1"},
        {2, "Chart3", "FastLineSeries2"},
        {3, "Chart4", "FastLineSeries3"},
        {4, "Chart5", "FastLineSeries4"},
        {5, "", ""},
        {6, "Chart6", "Series2"},
        {7, "", ""},
        {8, "Chart11", "FastLineSeries5"},
        {9, "", ""},
        {10, "", ""},
        {11, "", ""},
        {12, "", ""},
        {13, "", ""},
    };
    mainwindow::TForm1& window = Form();
    window.ShowAllTabsActnExecute();
    for (const CurrentCase& c : cases) {
        window.PageControl1->setCurrentIndex(c.page);
        const mainwindow::TChart* chart = window.GetCurrentChart();
        const mainwindow::TChartSeries* series = window.GetCurrentSeries();
        EXPECT_EQ(chart ? chart->objectName() : QString(), QString::fromLatin1(c.chart)) << c.page;
        EXPECT_EQ(series ? series->objectName() : QString(), QString::fromLatin1(c.series))
            << c.page;
        if (chart) {
            EXPECT_EQ(window.CursorLine->ParentChart(), chart)
                << "the cursor follows page " << c.page;
        }
    }
}

TEST_F(Form1Test, CurrentSeriesSkipsTheCursorAndFollowsTheChartOrder)
{
    mainwindow::TForm1& window = Form();
    window.ConfigureForDevice(41);
    mainwindow::TChart& chart2 = *window.Chart2;
    chart2.AddSeries(window.Series15);
    chart2.RemoveSeries(window.FastLineSeries1);
    chart2.AddSeries(window.FastLineSeries1);
    EXPECT_EQ(window.GetCurrentSeries(), window.Series15);

    chart2.RemoveSeries(window.Series15);
    chart2.RemoveSeries(window.FastLineSeries1);
    ASSERT_TRUE(chart2.HasSeries(window.CursorLine));
    EXPECT_EQ(window.GetCurrentSeries(), nullptr) << "only the cursor series are left";
}

// A peak's integral curve stands on its page's chart but is no curve of the page: with the page's
// own curves taken off, the page has none to calculate on.
TEST_F(Form1Test, AnIntegralCurveIsNoPageCurve)
{
    mainwindow::TForm1& window = Form();
    window.ConfigureForDevice(41);
    for (int i = 0; i < 5; ++i)
        window.CurveViews.Add(mainwindow::TCurveId::FastLineSeries1, i, i % 2);
    window.AddPeak(QStringLiteral("Пик"), 0, 4);
    window.Actn(QStringLiteral("ShowIntegeralActn")).Execute();
    window.Actn(QStringLiteral("ShowDev1Actn")).Execute();
    ASSERT_FALSE(window.Chart2->HasSeries(window.FastLineSeries1));
    ASSERT_GT(window.Chart2->SeriesCount(), 2) << "the integral curve stays";
    EXPECT_EQ(window.GetCurrentSeries(), nullptr);
}

}
}
