// Executing an action: the update rule first, nothing while disabled, whatever triggers it.
#include "common/errors.h"
#include "mainwindow/action.h"
#include "mainwindow/action_table.h"

#include <QAction>
#include <gtest/gtest.h>
#include <ostream>

namespace lmv::mainwindow {
namespace {

const TActionDefinition Plain{.name = "PlainActn", .caption = "Plain"};
const TActionDefinition Checkable{
    .name = "CheckActn", .caption = "Check", .checkable = true, .checked = true};

struct Counters {
    int updates = 0;
    int executions = 0;
};

void Count(TAction& action, Counters& counters, bool enableInUpdate)
{
    action.SetOnUpdate([&action, &counters, enableInUpdate] {
        ++counters.updates;
        action.SetEnabled(enableInUpdate);
    });
    action.SetOnExecute([&counters] { ++counters.executions; });
}

struct TriggerCase {
    const char* name;
    bool enabledByRule;
    bool byQtTrigger;  // a button or menu item, else Execute from code
};

void PrintTo(const TriggerCase& c, std::ostream* out) { *out << c.name; }

class ActionExecuteTest : public ::testing::TestWithParam<TriggerCase> {};

TEST_P(ActionExecuteTest, UpdateRuleDecidesWhetherTheHandlerRuns)
{
    const TriggerCase& c = GetParam();
    TAction action(Plain, nullptr);
    Counters counters;
    Count(action, counters, c.enabledByRule);
    if (c.byQtTrigger)
        action.Action()->trigger();
    else
        EXPECT_EQ(action.Execute(), c.enabledByRule);
    EXPECT_EQ(counters.updates, 1);
    EXPECT_EQ(counters.executions, c.enabledByRule ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Sources, ActionExecuteTest,
                         ::testing::Values(TriggerCase{"CodeEnabled", true, false},
                                           TriggerCase{"CodeDisabled", false, false},
                                           TriggerCase{"TriggerEnabled", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ActionTest, DisabledWithoutUpdateRuleDoesNothing)
{
    TAction action(Plain, nullptr);
    int executions = 0;
    action.SetOnExecute([&executions] { ++executions; });
    action.SetEnabled(false);
    EXPECT_FALSE(action.Execute());
    action.Action()->trigger();
    EXPECT_EQ(executions, 0);
}

TEST(ActionTest, HandlerCalledDirectlyRunsWhileDisabled)
{
    TAction action(Plain, nullptr);
    Counters counters;
    Count(action, counters, false);
    action.Update();
    ASSERT_FALSE(action.Enabled());
    action.Handler()();
    EXPECT_EQ(counters.executions, 1);
}

TEST(ActionTest, HandlerOwnsTheCheckMarkWhenQtTriggers)
{
    TAction action(Checkable, nullptr);
    bool seenInHandler = false;
    action.SetOnExecute([&] {
        seenInHandler = action.Checked();
        action.SetChecked(!action.Checked());
    });
    action.Action()->trigger();
    EXPECT_TRUE(seenInHandler) << "the handler sees the mark as it was";
    EXPECT_FALSE(action.Checked());
    action.Action()->trigger();
    EXPECT_TRUE(action.Checked());
}

TEST(ActionTest, HandlerThatLeavesTheMarkKeepsIt)
{
    TAction action(Checkable, nullptr);
    action.SetOnExecute([] {});
    action.Action()->trigger();
    EXPECT_TRUE(action.Checked());
}

TEST(ActionTest, ErrorOfATriggeredActionGoesToTheReporterAndFromCodeToTheCaller)
{
    TAction action(Plain, nullptr);
    QStringList reported;
    action.SetErrorReporter([&reported](const QString& message) { reported << message; });
    action.SetOnExecute([] { throw common::Error(QStringLiteral("Неизвестный формат файла!")); });
    action.Action()->trigger();
    EXPECT_EQ(reported, QStringList({"Неизвестный формат файла!"}));
    EXPECT_THROW(action.Execute(), common::Error);
    EXPECT_EQ(reported.size(), 1);
}

}
}
