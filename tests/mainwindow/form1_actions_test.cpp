// The 44 actions of the main window as the operator meets them.
#include "form1_fixture.h"
#include "mainwindow/action.h"
#include "mainwindow/action_table.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_axis.h"
#include "mainwindow/chart/chart_series.h"
#include "named_child.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <set>
#include <string_view>

namespace lmv::test {
namespace {

// The start changes two actions after they are made: the record filter by day is executed, and
// the record button gets its hint.
bool CheckedAtStart(const mainwindow::TActionDefinition& row)
{
    return row.checked || row.name == std::string_view("ByDateActn");
}
QString HintAtStart(const mainwindow::TActionDefinition& row)
{
    return row.name == std::string_view("StartStopActn")
        ? QStringLiteral("Начать регистрацию данных")
        : QString::fromUtf8(row.hint);
}

TEST_F(Form1Test, EveryRowOfTheActionTableIsOneActionOfTheWindow)
{
    const auto rows = mainwindow::ActionDefinitions();
    ASSERT_EQ(rows.size(), 44u);
    std::set<QString> names;
    for (const mainwindow::TActionDefinition& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(names.insert(name).second) << "named twice";
        const mainwindow::TAction& action = Form().Actn(name);
        EXPECT_EQ(action.Action()->objectName(), name);
        EXPECT_EQ(action.Caption(), QString::fromUtf8(row.caption));
        EXPECT_EQ(action.Hint(), HintAtStart(row));
        EXPECT_EQ(action.Tag, row.tag);
        EXPECT_EQ(action.HelpContext, row.helpContext);
        EXPECT_EQ(action.Action()->isCheckable(), row.checkable);
        EXPECT_EQ(action.Checked(), CheckedAtStart(row));
        EXPECT_EQ(action.Visible(), row.visible);
        EXPECT_EQ(action.Action()->shortcut(), QKeySequence(QString::fromLatin1(row.shortcut)));
        EXPECT_TRUE(action.Handler()) << "no handler bound";
    }
    EXPECT_EQ(Form().Actions().size(), rows.size());
}

// The operator meets every action: in a menu, on a tool bar or its button, as the title of a
// submenu, or behind its short cut.
TEST_F(Form1Test, EveryActionIsOfferedSomewhere)
{
    std::set<const QAction*> offered;
    QStringList submenus;
    for (const QWidget* holder : Form().findChildren<QWidget*>()) {
        if (qobject_cast<const QMenu*>(holder) || qobject_cast<const QToolBar*>(holder)) {
            for (const QAction* item : holder->actions())
                offered.insert(item);
        }
        if (const auto* menu = qobject_cast<const QMenu*>(holder))
            submenus << menu->title();
        if (const auto* button = qobject_cast<const QToolButton*>(holder))
            offered.insert(button->defaultAction());
    }
    for (const auto& [name, action] : Form().Actions()) {
        const bool met = offered.count(action->Action()) || submenus.contains(action->Caption()) ||
            !action->Action()->shortcut().isEmpty();
        EXPECT_TRUE(met) << name.toStdString();
    }
}

TEST_F(Form1Test, OnlyTheTextImportHasAShortcut)
{
    QStringList withKeys;
    for (const QAction* action : Form().findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty())
            withKeys << action->objectName() + ' ' + action->shortcut().toString();
    }
    EXPECT_EQ(withKeys, QStringList{"Action1 Ctrl+I"});
    Form().Actn(QStringLiteral("Action1")).Action()->trigger();
    ASSERT_EQ(desktop.openRequests.size(), 1u) << "the import asks for its files";
}

// The update rules run while the program is idle: recording and marks wait for a sending
// instrument, copying for a page with a table.
TEST_F(Form1Test, UpdateRulesRunWhileIdle)
{
    std::set<QString> ruled;
    for (const auto& [name, action] : Form().Actions()) {
        if (action->HasUpdateRule())
            ruled.insert(name);
    }
    EXPECT_EQ(ruled,
              (std::set<QString>{"AddMarkActn", "CopyGridActn", "RemoveActn", "StartStopActn"}));
    Named<QTabWidget>(Form(), QStringLiteral("PageControl1")).setCurrentIndex(5);
    for (const QString& name : ruled)
        Form().Actn(name).SetEnabled(name != QStringLiteral("CopyGridActn"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Form().Actn(QStringLiteral("CopyGridActn")).Enabled(); }, 2000));
    EXPECT_FALSE(Form().Actn(QStringLiteral("StartStopActn")).Enabled());
    EXPECT_FALSE(Form().Actn(QStringLiteral("AddMarkActn")).Enabled());
}

// The three view options start shown, as their checks say, and each hides its own part only:
// their tags tell the handler they share which part that is.
TEST_F(Form1Test, EachViewOptionShowsAndHidesItsOwnPartOfTheChart)
{
    mainwindow::TChart& chart = Named<mainwindow::TChart>(Form(), QStringLiteral("Chart1"));
    const auto parts = [&chart] {
        return std::array{chart.BottomAxis().Visible(), chart.LeftAxis().Visible(),
                          chart.BottomAxis().GridVisible()};
    };
    ASSERT_EQ(Named<QTabWidget>(Form(), QStringLiteral("PageControl1")).currentIndex(), 0);
    EXPECT_EQ(parts(), (std::array{true, true, true}));
    const char* const options[] = {"PaintXAxisActn", "PaintYAxisActn", "PaintGridActn"};
    for (std::size_t part = 0; part < std::size(options); ++part) {
        SCOPED_TRACE(options[part]);
        mainwindow::TAction& option = Form().Actn(QString::fromLatin1(options[part]));
        option.Execute();
        std::array<bool, 3> expected{true, true, true};
        expected[part] = false;
        EXPECT_EQ(parts(), expected);
        EXPECT_FALSE(option.Checked());
        option.Execute();
        EXPECT_EQ(parts(), (std::array{true, true, true}));
    }
}

// The primary instrument's curve is on the chart at start, the external one's is not; each
// action adds or takes its own.
TEST_F(Form1Test, EachInstrumentsActionShowsItsOwnCurve)
{
    const mainwindow::TChart& chart = Named<mainwindow::TChart>(Form(), QStringLiteral("Chart2"));
    const auto& primary =
        Named<mainwindow::TChartSeries>(Form(), QStringLiteral("FastLineSeries1"));
    const auto& external = Named<mainwindow::TChartSeries>(Form(), QStringLiteral("Series15"));
    EXPECT_TRUE(chart.HasSeries(&primary));
    EXPECT_FALSE(chart.HasSeries(&external));
    Form().Actn(QStringLiteral("ShowDev2Actn")).Execute();
    EXPECT_TRUE(chart.HasSeries(&external));
    Form().Actn(QStringLiteral("ShowDev1Actn")).Execute();
    EXPECT_FALSE(chart.HasSeries(&primary));
    EXPECT_TRUE(chart.HasSeries(&external));
}

// Their handlers set these marks: the record filter, the properties window, the view options,
// the peak marking and types, the interval rows and the two instruments' curves.
TEST_F(Form1Test, ActionsWhoseHandlersSetAMarkCanShowIt)
{
    for (const char* name :
         {"FitImageActn", "ShowPropsActn", "ShowAllActn", "ByDateActn", "PaintXAxisActn",
          "PaintYAxisActn", "PaintGridActn", "ShowBordersActn", "ShowIntegeralActn",
          "ShowAllTabsActn", "SetPeakBordersActn", "AddRowWithTimerActn", "CalcS2Actn", "CalcSActn",
          "CalcIntSectActn", "ShowDev1Actn", "ShowDev2Actn"}) {
        mainwindow::TAction& action = Form().Actn(QString::fromLatin1(name));
        const bool before = action.Checked();
        action.SetChecked(!before);
        EXPECT_NE(action.Checked(), before) << name;
    }
}

TEST_F(Form1Test, HiddenJournalActionOnly)
{
    for (const auto& [name, action] : Form().Actions())
        EXPECT_EQ(action->Visible(), name != QStringLiteral("LogActn")) << name.toStdString();
}

TEST_F(Form1Test, ButtonsAndMenuItemsShareOneActionEach)
{
    QAction* startStop = Form().Actn(QStringLiteral("StartStopActn")).Action();
    EXPECT_TRUE(Named<QToolBar>(Form(), QStringLiteral("ToolBar2")).actions().contains(startStop));
    bool inMenu = false;
    for (QMenu* menu : Named<QMenuBar>(Form(), QStringLiteral("MainMenu1")).findChildren<QMenu*>())
        inMenu = inMenu || menu->actions().contains(startStop);
    EXPECT_TRUE(inMenu);
}

TEST_F(Form1Test, RecordAndMarkNeedASendingInstrumentWhoeverExecutes)
{
    for (const char* name : {"StartStopActn", "AddMarkActn"}) {
        mainwindow::TAction& action = Form().Actn(QString::fromLatin1(name));
        action.SetEnabled(true);
        int runs = 0;
        action.SetOnExecute([&runs] { ++runs; });
        EXPECT_FALSE(action.Execute()) << name << ": the lamp is white";
        action.Action()->trigger();
        EXPECT_EQ(runs, 0) << name;
        EXPECT_FALSE(action.Enabled()) << name;
    }
}

}
}
