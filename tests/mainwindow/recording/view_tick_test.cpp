// The view that follows at most once per tick: many changes, one refresh after the tick, and a
// refresh asked for at once takes the pending one's place.
#include "mainwindow/recording/view_tick.h"

#include <QTest>
#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

using std::chrono::milliseconds;

TEST(ViewTick, ManyChangesAreShownByOneRefreshAfterTheTick)
{
    int refreshes = 0;
    TViewTick tick(milliseconds(20), [&refreshes] { ++refreshes; });
    for (int i = 0; i < 1000; ++i)
        tick.MarkDue();
    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(QTest::qWaitFor([&refreshes] { return refreshes > 0; }));
    QTest::qWait(60);
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(tick.Due());
}

TEST(ViewTick, ARefreshNowTakesThePendingOnesPlace)
{
    int refreshes = 0;
    TViewTick tick(milliseconds(20), [&refreshes] { ++refreshes; });
    tick.MarkDue();
    tick.RefreshNow();
    EXPECT_EQ(refreshes, 1);
    QTest::qWait(60);
    EXPECT_EQ(refreshes, 1);
}

}
}
