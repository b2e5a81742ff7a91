// The recording rules without a window: the run clock across midnight, the autosave's retries
// and messages, the question's run, the two-parameter pairs and the unknown channel's text.
#include "common/day_count.h"
#include "mainwindow/recording/autosave_policy.h"
#include "mainwindow/recording/live_point_route.h"
#include "mainwindow/recording/run_clock.h"
#include "mainwindow/recording/run_state.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

model::TDateTime At(QDate date, QTime time) { return common::DateTimeToDays({date, time}); }

TEST(RunClockTest, CountsFromTheStartDateAcrossMidnightAndTheTimeOfDayBeforeAnyStart)
{
    TRunClock clock;
    EXPECT_DOUBLE_EQ(clock.Elapsed(At({2018, 3, 26}, {0, 1, 30, 500})), 90.5);
    clock.Start(At({2018, 3, 26}, {23, 59, 50}));
    EXPECT_DOUBLE_EQ(clock.Elapsed(At({2018, 3, 26}, {23, 59, 59, 250})), 9.25);
    EXPECT_DOUBLE_EQ(clock.Elapsed(At({2018, 3, 27}, {0, 0, 10})), 20.0);
    EXPECT_DOUBLE_EQ(clock.Elapsed(At({2018, 3, 27}, {10, 0, 0})), 36010.0);
}

TEST(AutosavePolicyTest, FailuresAreToldOncePerRunOfFailuresAndRetried)
{
    TAutosavePolicy policy;
    EXPECT_EQ(policy.Due(false, "0"), "") << "idle";
    EXPECT_EQ(policy.Due(true, ""), "") << "no file";
    EXPECT_EQ(policy.Due(true, "0"), "0");
    EXPECT_TRUE(policy.Outcome("0", "disk full"));
    EXPECT_FALSE(policy.Outcome("0", "disk full"));
    EXPECT_EQ(policy.Due(true, "0"), "0") << "the next tick tries again";
    EXPECT_FALSE(policy.Outcome("0", ""));
    EXPECT_TRUE(policy.Outcome("0", "disk full")) << "a new run of failures is told";
}

TEST(AutosavePolicyTest, FailedFinalSaveIsRetriedSilentlyUntilSavedOrTheNextRun)
{
    TAutosavePolicy policy;
    policy.FinalSaveFailed("3");
    EXPECT_EQ(policy.Due(false, ""), "3");
    EXPECT_FALSE(policy.Outcome("3", "still failing")) << "the stop told it already";
    EXPECT_EQ(policy.Due(false, ""), "3");
    policy.Outcome("3", "");
    EXPECT_EQ(policy.Due(false, ""), "");

    policy.FinalSaveFailed("4");
    policy.RunStarted();
    EXPECT_EQ(policy.Due(true, "5"), "5");
}

TEST(RunStateTest, QuestionHoldsOnlyForItsRunAndUnknownChannelIsToldOncePerRun)
{
    TRunState state;
    state.Start();
    const int asked = state.Run();
    EXPECT_TRUE(state.StillRecording(asked));
    state.Stop();
    EXPECT_FALSE(state.StillRecording(asked)) << "stopped by the instrument meanwhile";
    state.Start();
    EXPECT_FALSE(state.StillRecording(asked)) << "another run";
    EXPECT_TRUE(state.FirstUnknownChannel());
    EXPECT_FALSE(state.FirstUnknownChannel());
    state.Stop();
    state.Start();
    EXPECT_TRUE(state.FirstUnknownChannel());
    state.CancelStart();
    EXPECT_FALSE(state.Recording());
    EXPECT_EQ(state.Run(), asked + 1);

    EXPECT_TRUE(StopAsksFirst(41, false));
    EXPECT_FALSE(StopAsksFirst(41, true));
    EXPECT_FALSE(StopAsksFirst(1, false));
}

TEST(LivePointRouteTest, PairsFromTheCurvesCountToTheSmallerChannel)
{
    const TPairsToAdd pairs = PairsToAdd(1, 5, 3);
    EXPECT_TRUE(pairs.due);
    EXPECT_EQ(pairs.from, 1);
    EXPECT_EQ(pairs.to, 3);
    EXPECT_FALSE(PairsToAdd(3, 5, 3).due);
    const TPairsToAdd noChannelZero = PairsToAdd(0, 0, 2);
    EXPECT_TRUE(noChannelZero.due) << "the page is shown all the same";
    EXPECT_EQ(noChannelZero.to, 0);

    const std::span<const TCurveId> curves = LivePointRoute(3)->curves;
    EXPECT_EQ(std::vector(curves.begin(), curves.end()),
              (std::vector{TCurveId::FastLineSeries3, TCurveId::Series5}));
    EXPECT_EQ(LivePointRoute(5)->page, 7);
    EXPECT_FALSE(LivePointRoute(6));
    EXPECT_FALSE(LivePointRoute(-1));
    EXPECT_EQ(UnknownChannelText(7, 1234567.0, 0.1), "Неизвестный код: 7 1.23457e+06 0.1");
}

}
}
