// The pages shown for a device type, and the chart and curve of the active page.
#include "form1_fixture.h"
#include "shown_channels.h"

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

QTabWidget& Pages(const mainwindow::TForm1& window)
{
    return Named<QTabWidget>(window, QStringLiteral("PageControl1"));
}
const QLabel& ConnectPanel(const mainwindow::TForm1& window)
{
    return Named<QLabel>(window, QStringLiteral("ConnectPanel"));
}
mainwindow::TChart& Chart2(const mainwindow::TForm1& window)
{
    return Named<mainwindow::TChart>(window, QStringLiteral("Chart2"));
}
const mainwindow::TChartSeries* Series(const mainwindow::TForm1& window, const char* name)
{
    return &Named<mainwindow::TChartSeries>(window, QString::fromLatin1(name));
}

const QList<int> EveryPage{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

class ConfigureForDeviceTest : public Form1Test,
                               public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(ConfigureForDeviceTest, ShowsThePagesOfTheDeviceType)
{
    const LayoutCase& c = GetParam();
    mainwindow::TForm1& window = Form();
    if (c.showAll)
        window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
    window.ConfigureForDevice(c.code);
    EXPECT_FALSE(Pages(window).isHidden());
    EXPECT_TRUE(ConnectPanel(window).isHidden());
    EXPECT_EQ(VisibleTabs(Pages(window)), c.tabs);
    EXPECT_EQ(Pages(window).currentIndex(), c.activePage);
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
    EXPECT_EQ(Pages(Form()).tabText(1), QStringLiteral("Кривая титрования"));
    EXPECT_EQ(Chart2(Form()).Title(), QStringLiteral("Кривая титрования"));
    EXPECT_EQ(Form().GetCurrentChart(), &Chart2(Form()));
    Form().ConfigureForDevice(1);
    EXPECT_EQ(Pages(Form()).tabText(1), QStringLiteral("Канал 2"));
    EXPECT_EQ(Chart2(Form()).Title(), QStringLiteral("Канал №2"));
    EXPECT_EQ(Pages(Form()).tabText(4), QStringLiteral("Канал 5"));
    EXPECT_EQ(Named<mainwindow::TChart>(Form(), QStringLiteral("Chart5")).Title(),
              QStringLiteral("Канал №5 Температура"));
}

TEST_F(Form1Test, UnknownCodeKeepsChannelPagesActivePageAndPageEight)
{
    mainwindow::TForm1& window = Form();
    window.ConfigureForDevice(38);
    Pages(window).setCurrentIndex(3);
    Pages(window).setTabVisible(8, false);
    window.ConfigureForDevice(200);
    EXPECT_EQ(VisibleTabs(Pages(window)), QList<int>({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Pages(window).currentIndex(), 3);
}

TEST_F(Form1Test, ShowAllTabsTogglesAndLaysOutForTheConnectedType)
{
    mainwindow::TForm1& window = Form();
    window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
    EXPECT_TRUE(window.Actn(QStringLiteral("ShowAllTabsActn")).Checked());
    EXPECT_EQ(VisibleTabs(Pages(window)), EveryPage);
    window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
    EXPECT_FALSE(window.Actn(QStringLiteral("ShowAllTabsActn")).Checked());
    EXPECT_TRUE(Pages(window).isHidden());
    EXPECT_FALSE(ConnectPanel(window).isHidden());
}

TEST_F(Form1Test, ShowAllTabsFromTheMenuFlipsTheMarkOnce)
{
    QAction* item = Form().Actn(QStringLiteral("ShowAllTabsActn")).Action();
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(VisibleTabs(Pages(Form())), EveryPage);
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(Pages(Form()).isHidden());
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
    window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
    for (const CurrentCase& c : cases) {
        Pages(window).setCurrentIndex(c.page);
        const mainwindow::TChart* chart = window.GetCurrentChart();
        const mainwindow::TChartSeries* series = window.GetCurrentSeries();
        EXPECT_EQ(chart ? chart->objectName() : QString(), QString::fromLatin1(c.chart)) << c.page;
        EXPECT_EQ(series ? series->objectName() : QString(), QString::fromLatin1(c.series))
            << c.page;
        if (chart) {
            EXPECT_EQ(Series(window, "CursorLine")->ParentChart(), chart)
                << "the cursor follows page " << c.page;
        }
    }
}

TEST_F(Form1Test, CurrentSeriesSkipsTheCursorAndFollowsTheChartOrder)
{
    mainwindow::TForm1& window = Form();
    window.ConfigureForDevice(41);
    mainwindow::TAction& primary = window.Actn(QStringLiteral("ShowDev1Actn"));
    mainwindow::TAction& external = window.Actn(QStringLiteral("ShowDev2Actn"));
    external.Execute();
    primary.Execute();
    primary.Execute();
    ASSERT_TRUE(Chart2(window).HasSeries(Series(window, "FastLineSeries1")));
    EXPECT_EQ(window.GetCurrentSeries(), Series(window, "Series15"));

    external.Execute();
    primary.Execute();
    ASSERT_FALSE(Chart2(window).HasSeries(Series(window, "Series15")));
    ASSERT_FALSE(Chart2(window).HasSeries(Series(window, "FastLineSeries1")));
    ASSERT_TRUE(Chart2(window).HasSeries(Series(window, "CursorLine")));
    EXPECT_EQ(window.GetCurrentSeries(), nullptr) << "only the cursor series are left";
}

// A peak's integral curve stands on its page's chart but is no curve of the page: with the page's
// own curves taken off, the page has none to calculate on.
TEST_F(Form1Test, AnIntegralCurveIsNoPageCurve)
{
    mainwindow::TForm1& window = Form();
    std::vector<model::TPoint> points;
    for (int i = 0; i < 5; ++i)
        points.push_back({double(i), double(i % 2)});
    ShowChannels(window, store, 41, {{1, points}});
    window.AddPeak(QStringLiteral("Пик"), 0, 4);
    window.Actn(QStringLiteral("ShowIntegeralActn")).Execute();
    window.Actn(QStringLiteral("ShowDev1Actn")).Execute();
    ASSERT_FALSE(Chart2(window).HasSeries(Series(window, "FastLineSeries1")));
    ASSERT_GT(Chart2(window).SeriesCount(), 2) << "the integral curve stays";
    EXPECT_EQ(window.GetCurrentSeries(), nullptr);
}

}
}
