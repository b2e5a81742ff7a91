#include "mainwindow/rules/page_layout.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <set>

namespace lmv::mainwindow {
namespace {

using PageSet = std::set<int>;
constexpr int KeepsActive = -1;
constexpr int PreviousActive = 3;

PageSet VisiblePages(const TPageLayout& layout)
{
    PageSet pages;
    for (int page = 0; page < PageCount; ++page)
        if (layout.tabVisible[page])
            pages.insert(page);
    return pages;
}

// A layout left behind by an earlier instrument and by live readings: odd tabs shown, readings in
// the channel captions, the Test page active.
TPageLayout UsedLayout()
{
    TPageLayout layout = FormPageLayout();
    for (int page = 0; page < PageCount; ++page)
        layout.tabVisible[page] = page % 2 == 1;
    for (int page = 0; page < ChannelPageCount; ++page) {
        layout.tabCaptions[page] = QStringLiteral("12.5 pH");
        layout.chartTitles[page] = QStringLiteral("old title");
    }
    layout.activePage = PreviousActive;
    return layout;
}

PageSet AllPagesBut8()
{
    PageSet pages;
    for (int page = 0; page < PageCount; ++page)
        if (page != TwoParametersPage)
            pages.insert(page);
    return pages;
}

struct LayoutCase {
    int code;
    bool showAll;
    bool pageControlVisible;
    PageSet visibleBut8;
    int activePage;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << "code " << c.code << (c.showAll ? " all" : "");
}

const PageSet Single{0, 4, 5};
const PageSet Multi{0, 1, 2, 3, 4, 5, 6};

const LayoutCase LayoutCases[] = {
    {-1, false, false, {4}, 0},
    {0, false, true, Single, 0},
    {1, false, true, Single, 0},
    {2, false, true, Single, 0},
    {3, false, true, Single, 0},
    {4, false, true, Single, 0},
    {5, false, true, Multi, 0},
    {6, false, true, Multi, 0},
    {7, false, true, Multi, 0},
    {8, false, true, Multi, 0},
    {9, false, true, {4, 5}, TablePage},
    {13, false, true, {0, 4, 5, ConductometerPage}, 0},
    {16, false, true, {0, 4, 5, PhotometerPage}, 0},
    {35, false, true, Multi, 0},
    {38, false, true, Multi, 0},
    {39, false, true, Multi, 0},
    {41, false, true, {1, ResultsPage}, 1},
    {48, false, true, Single, 0},
    {49, false, true, Single, 0},
    // With every tab shown, only the multi-channel and titration groups still pick a page.
    {-1, true, true, AllPagesBut8(), KeepsActive},
    {0, true, true, AllPagesBut8(), KeepsActive},
    {1, true, true, AllPagesBut8(), KeepsActive},
    {4, true, true, AllPagesBut8(), KeepsActive},
    {5, true, true, AllPagesBut8(), 0},
    {8, true, true, AllPagesBut8(), 0},
    {9, true, true, AllPagesBut8(), KeepsActive},
    {13, true, true, AllPagesBut8(), KeepsActive},
    {16, true, true, AllPagesBut8(), KeepsActive},
    {35, true, true, AllPagesBut8(), 0},
    {38, true, true, AllPagesBut8(), 0},
    {39, true, true, AllPagesBut8(), 0},
    {41, true, true, AllPagesBut8(), 1},
    {48, true, true, AllPagesBut8(), KeepsActive},
    {49, true, true, AllPagesBut8(), KeepsActive},
    // An unknown code adds pages 0 and 5 to the odd pages (1, 3) the used layout showed.
    {200, false, true, {0, 1, 3, 5}, KeepsActive},
    {200, true, true, {0, 1, 3, 5, 7, 9, 10, 11, 12, 13}, KeepsActive},
};

class ConfigureLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(ConfigureLayoutTest, PagesAndActivePage)
{
    const LayoutCase& c = GetParam();
    const TPageLayout layout = ConfigureLayout(UsedLayout(), c.code, c.showAll);
    PageSet visible = VisiblePages(layout);
    visible.erase(TwoParametersPage);
    EXPECT_EQ(layout.pageControlVisible, c.pageControlVisible);
    EXPECT_EQ(visible, c.visibleBut8);
    EXPECT_EQ(layout.activePage, c.activePage == KeepsActive ? PreviousActive : c.activePage);
}

TEST_P(ConfigureLayoutTest, ChannelTextsAreResetAndTitrationNamesItsCurve)
{
    const LayoutCase& c = GetParam();
    const TPageLayout layout = ConfigureLayout(UsedLayout(), c.code, c.showAll);
    const bool titration = c.code == 41;
    const QString page1 =
        titration ? QStringLiteral("Кривая титрования") : QStringLiteral("Канал 2");
    const QString chart2 =
        titration ? QStringLiteral("Кривая титрования") : QStringLiteral("Канал №2");
    const std::array<QString, ChannelPageCount> captions{
        QStringLiteral("Канал 1"), page1, QStringLiteral("Канал 3"), QStringLiteral("Канал 4"),
        QStringLiteral("Канал 5")};
    const std::array<QString, ChannelPageCount> titles{
        QStringLiteral("Канал №1"), chart2, QStringLiteral("Канал №3"), QStringLiteral("Канал №4"),
        QStringLiteral("Канал №5 Температура")};
    EXPECT_EQ(layout.chartTitles, titles);
    EXPECT_EQ(layout.chart2Title(), chart2);
    for (int page = 0; page < PageCount; ++page) {
        const QString expected =
            page < ChannelPageCount ? captions[page] : FormPageLayout().tabCaptions[page];
        EXPECT_EQ(layout.tabCaptions[page], expected) << "page " << page;
    }
}

TEST_P(ConfigureLayoutTest, TwoParametersPageIsLeftAsItWas)
{
    const LayoutCase& c = GetParam();
    for (bool shown : {false, true}) {
        TPageLayout previous = UsedLayout();
        previous.tabVisible[TwoParametersPage] = shown;
        EXPECT_EQ(ConfigureLayout(previous, c.code, c.showAll).tabVisible[TwoParametersPage],
                  shown);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCode, ConfigureLayoutTest, testing::ValuesIn(LayoutCases),
                         lmv::test::PrintedName());

TEST(FormPageLayoutTest, EveryTabShownOnFormCaptions)
{
    const TPageLayout form = FormPageLayout();
    EXPECT_EQ(VisiblePages(form).size(), std::size_t(PageCount));
    EXPECT_EQ(form.activePage, 0);
    const char* const captions[PageCount] = {
        "Канал 1",  "Канал 2",      "Канал 3",  "Канал 4",       "Температура",
        "Таблица",  "4+1",          "Test",     "Два параметра", "Калибровка",
        "Фотометр", "Кондуктометр", "Нолдирон", "Результаты"};
    for (int page = 0; page < PageCount; ++page)
        EXPECT_EQ(form.tabCaptions[page], QString::fromUtf8(captions[page])) << "page " << page;
}

TEST(ConfigureLayoutSequenceTest, StartShowsOnlyTheConnectPanel)
{
    const TPageLayout start = ConfigureLayout(FormPageLayout(), -1, false);
    EXPECT_FALSE(start.pageControlVisible);
    EXPECT_EQ(VisiblePages(start), (PageSet{4, TwoParametersPage}));
}

TEST(ConfigureLayoutSequenceTest, UnknownCodeKeepsThePagesOfTheInstrumentBefore)
{
    struct Case {
        int before;
        PageSet visible;
        int activePage;
    };
    const Case cases[] = {
        {38, {0, 1, 2, 3, 4, 5, 6, 8}, 0},
        {9, {0, 4, 5, 8}, TablePage},
        {41, {0, 1, 5, 8}, 1},
        {-1, {0, 4, 5, 8}, 0},
    };
    for (const Case& c : cases) {
        const TPageLayout before =
            ConfigureLayout(ConfigureLayout(FormPageLayout(), -1, false), c.before, false);
        const TPageLayout after = ConfigureLayout(before, 200, false);
        EXPECT_TRUE(after.pageControlVisible) << c.before;
        EXPECT_EQ(VisiblePages(after), c.visible) << c.before;
        EXPECT_EQ(after.activePage, c.activePage) << c.before;
    }
}

TEST(ConfigureLayoutSequenceTest, UnknownCodeAfterTitrationDropsTheTitrationNames)
{
    const TPageLayout titration = ConfigureLayout(FormPageLayout(), 41, false);
    const TPageLayout unknown = ConfigureLayout(titration, 200, false);
    EXPECT_EQ(unknown.tabCaptions[1], QStringLiteral("Канал 2"));
    EXPECT_EQ(unknown.chart2Title(), QStringLiteral("Канал №2"));
    EXPECT_FALSE(unknown.tabVisible[ResultsPage]);
}

TEST(ConfigureLayoutSequenceTest, TurningShowAllOffHidesThePagesAgain)
{
    const TPageLayout all = ConfigureLayout(FormPageLayout(), 9, true);
    const TPageLayout back = ConfigureLayout(all, 9, false);
    EXPECT_EQ(VisiblePages(back), (PageSet{4, 5, TwoParametersPage}));
    EXPECT_EQ(back.activePage, TablePage);
}

TEST(ConfigureLayoutSequenceTest, SameCodeTwiceGivesTheSameLayout)
{
    for (int code : {-1, 0, 9, 13, 16, 38, 41, 49, 200})
        for (bool showAll : {false, true}) {
            const TPageLayout once = ConfigureLayout(UsedLayout(), code, showAll);
            EXPECT_TRUE(ConfigureLayout(once, code, showAll) == once)
                << code << (showAll ? " all" : "");
        }
}

}
}
