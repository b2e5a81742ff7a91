#include "mainwindow/curve_tools/curve_tool_pages.h"
#include "mainwindow/curve_tools/results_rows.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

QStringList NamesOf(const std::vector<TCurveId>& curves)
{
    QStringList names;
    for (const TCurveId curve : curves)
        names << CurveName(curve);
    return names;
}

TEST(CurveToolPages, SeriesOfEachPage)
{
    EXPECT_EQ(NamesOf(TransformedSeriesOfPage(0)), QStringList{"Series1"});
    EXPECT_EQ(NamesOf(TransformedSeriesOfPage(1)), (QStringList{"FastLineSeries1", "Series15"}));
    EXPECT_EQ(NamesOf(TransformedSeriesOfPage(4)), QStringList{"FastLineSeries4"});
    for (int page : {-1, 5, 7, 8, 13})
        EXPECT_TRUE(TransformedSeriesOfPage(page).empty()) << page;

    EXPECT_EQ(SearchedSeriesOfPage(0), TCurveId::Series1);
    EXPECT_EQ(SearchedSeriesOfPage(3), TCurveId::FastLineSeries3);
    EXPECT_EQ(SearchedSeriesOfPage(7), TCurveId::Series7);
    for (int page : {-1, 5, 6, 8, 13})
        EXPECT_FALSE(SearchedSeriesOfPage(page)) << page;
    EXPECT_TRUE(SearchesExternalCurve(TCurveId::FastLineSeries1));
    EXPECT_FALSE(SearchesExternalCurve(TCurveId::Series1));
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
