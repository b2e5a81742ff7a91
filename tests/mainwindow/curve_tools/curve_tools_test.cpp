#include "mainwindow/curve_tools/curve_tool_pages.h"
#include "mainwindow/curve_tools/results_rows.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

TEST(CurveToolPages, SeriesOfEachPage)
{
    EXPECT_EQ(TransformedSeriesOfPage(0), QStringList{"Series1"});
    EXPECT_EQ(TransformedSeriesOfPage(1), (QStringList{"FastLineSeries1", "Series15"}));
    EXPECT_EQ(TransformedSeriesOfPage(4), QStringList{"FastLineSeries4"});
    for (int page : {-1, 5, 7, 8, 13})
        EXPECT_TRUE(TransformedSeriesOfPage(page).isEmpty()) << page;

    EXPECT_EQ(SearchedSeriesOfPage(0), QStringLiteral("Series1"));
    EXPECT_EQ(SearchedSeriesOfPage(3), QStringLiteral("FastLineSeries3"));
    EXPECT_EQ(SearchedSeriesOfPage(7), QStringLiteral("Series7"));
    for (int page : {-1, 5, 6, 8, 13})
        EXPECT_FALSE(SearchedSeriesOfPage(page)) << page;
    EXPECT_TRUE(SearchesExternalCurve(QStringLiteral("FastLineSeries1")));
    EXPECT_FALSE(SearchesExternalCurve(QStringLiteral("Series1")));
}

TEST(ResultsRows, HeadingsAndOneEmptyRowWithoutVolumes)
{
    EXPECT_EQ(ResultsRows({}, {}), (QList<QStringList>{{"Объём, мл", "Значение"}, {"", ""}}));
}

TEST(ResultsRows, PrimaryVolumesThenExternalOnesWithFourDecimals)
{
    const TSolverResults primary{{1.23456, 10.0}, {250.5, -0.00005}};
    const TSolverResults external{{7.5}, {}};
    EXPECT_EQ(ResultsRows(primary, external),
              (QList<QStringList>{{"Объём, мл", "Значение"},
                                  {"1.2346", "250.5000"},
                                  {"10.0000", "-0.0001"},
                                  {"7.5000", ""}}));
}

}
}
