#include "mainwindow/view_tools/scale_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace lmv::mainwindow {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Max = std::numeric_limits<double>::max();

TEST(ScaleRulesTest, ZoomFieldsWidenTheValueRangeByFivePercentAtEachEnd)
{
    const std::optional<TScaleFields> fields = ZoomFields(0, 10);
    ASSERT_TRUE(fields);
    EXPECT_EQ(ScaleFieldText(fields->Y), "5.000000");
    EXPECT_EQ(ScaleFieldText(fields->DY), "5.500000");
    EXPECT_DOUBLE_EQ(fields->Lower(), -0.5);
    EXPECT_DOUBLE_EQ(fields->Upper(), 10.5);
}

TEST(ScaleRulesTest, NoFieldsForAnEmptyOrNonFiniteRange)
{
    const std::pair<double, double> unusable[] = {{3, 3},   {0, Inf},    {-Inf, 0}, {NaN, 1},
                                                  {1, NaN}, {-Max, Max}, {Max, Max}};
    for (const auto& [lowest, highest] : unusable)
        EXPECT_FALSE(ZoomFields(lowest, highest)) << lowest << " .. " << highest;
}

TEST(ScaleRulesTest, UsableRangeIsFiniteAndNotEmpty)
{
    EXPECT_TRUE(UsableRange(-1, 1));
    EXPECT_FALSE(UsableRange(1, 1));
    EXPECT_FALSE(UsableRange(2, 1));
    EXPECT_FALSE(UsableRange(NaN, 1));
    EXPECT_FALSE(UsableRange(0, Inf));
}

struct StepCase {
    const char* text;
    double factor;
    const char* after;  // "" no step
};

class SteppedScaleTextTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(SteppedScaleTextTest, StepsANumberAndLeavesAnythingElse)
{
    const StepCase& c = GetParam();
    const std::optional<QString> after = SteppedScaleText(QString::fromUtf8(c.text), c.factor);
    if (*c.after)
        EXPECT_EQ(after.value_or(QStringLiteral("none")), QString::fromUtf8(c.after));
    else
        EXPECT_FALSE(after) << after->toStdString();
}

INSTANTIATE_TEST_SUITE_P(Texts, SteppedScaleTextTest,
                         ::testing::Values(StepCase{"4000", 10, "40000.000000"},
                                           StepCase{"4000", 0.1, "400.000000"},
                                           StepCase{"0,5", 10, "5.000000"},
                                           StepCase{"-2", 10, "-20.000000"},
                                           StepCase{"0", 10, "0.000000"}, StepCase{"abc", 10, ""},
                                           StepCase{"", 0.1, ""}, StepCase{"1e308", 10, ""}));

}
}
