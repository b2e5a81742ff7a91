#include "mainwindow/readings_table/interval_counter.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <vector>

namespace lmv::mainwindow {
namespace {

std::vector<int> DueSeconds(TIntervalCounter& counter, int interval, int seconds)
{
    std::vector<int> due;
    for (int second = 1; second <= seconds; ++second)
        if (counter.Tick(interval))
            due.push_back(second);
    return due;
}

struct IntervalCase {
    const char* name;
    int interval;
    std::vector<int> due;  // within the first 10 seconds
};

void PrintTo(const IntervalCase& c, std::ostream* out) { *out << c.name; }

class IntervalStoring : public testing::TestWithParam<IntervalCase> {};

TEST_P(IntervalStoring, StoreAttemptsAfterSwitchingOn)
{
    TIntervalCounter counter;
    ASSERT_TRUE(counter.Toggle());
    EXPECT_EQ(DueSeconds(counter, GetParam().interval, 10), GetParam().due);
}

const std::vector<int> EverySecond = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

INSTANTIATE_TEST_SUITE_P(
    Intervals, IntervalStoring,
    testing::Values(IntervalCase{"Three", 3, {3, 6, 9}}, IntervalCase{"Ten", 10, {10}},
                    IntervalCase{"Eleven", 11, {}}, IntervalCase{"One", 1, EverySecond},
                    IntervalCase{"Zero", 0, EverySecond}, IntervalCase{"Negative", -5, EverySecond},
                    IntervalCase{"Lowest", INT_MIN, EverySecond},
                    IntervalCase{"Highest", INT_MAX, {}}),
    [](const auto& info) { return info.param.name; });

TEST(IntervalStoring, IntervalIsReadAtEveryTick)
{
    TIntervalCounter counter;
    counter.Toggle();
    EXPECT_EQ(DueSeconds(counter, 10, 5), std::vector<int>{});
    EXPECT_TRUE(counter.Tick(2)) << "six seconds counted are past the new interval";
    EXPECT_EQ(counter.Seconds(), 0);
    EXPECT_EQ(DueSeconds(counter, 2, 4), std::vector<int>({2, 4}));
}

TEST(IntervalStoring, ToggleRestartsTheCountAndStopsTicks)
{
    TIntervalCounter counter;
    counter.Toggle();
    DueSeconds(counter, 3, 2);
    EXPECT_FALSE(counter.Toggle());
    EXPECT_EQ(counter.Seconds(), 0);
    EXPECT_EQ(DueSeconds(counter, 1, 5), std::vector<int>{}) << "stopped";
    EXPECT_TRUE(counter.Toggle());
    EXPECT_EQ(DueSeconds(counter, 3, 3), std::vector<int>({3})) << "counts from zero again";
}

}
}
