// The curve tools in the running window: they change the series on screen and never the
// record's channels, the search runs on the active page's curve (both instruments' on page 1),
// the instruments' curves come and go on Chart2 and the results page is rebuilt when shown.
#include "form1_fixture.h"
#include "shown_channels.h"

#include "analysis/titration_solver.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/rules/page_layout.h"
#include "mainwindow/widgets/string_grid.h"

#include <QSpinBox>
#include <QTabWidget>
#include <cmath>

namespace lmv::test {
namespace {

using model::TPoint;

std::vector<TPoint> PointsOf(const mainwindow::TChartSeries& series)
{
    std::vector<TPoint> points;
    for (int i = 0; i < series.Count(); ++i)
        points.push_back({series.XValue(i), series.YValue(i)});
    return points;
}

std::vector<TPoint> TitrationCurve(double equivalence)
{
    std::vector<TPoint> curve;
    for (int i = 0; i <= 200; ++i) {
        const double volume = i * 0.1;
        curve.push_back({volume, 1000 * std::tanh((volume - equivalence) * 2)});
    }
    return curve;
}

class Form1CurveToolsTest : public Form1Test {
protected:
    void ShowStored(const std::vector<model::TSingleChannel>& channels)
    {
        ShowChannels(Form(), store, 41, channels, "c.lmv");
    }

    mainwindow::TStringGrid& Results()
    {
        return Named<mainwindow::TStringGrid>(Form(), "ResultsGrid");
    }
    QStringList ResultsRow(int row) { return {Results().Cells(0, row), Results().Cells(1, row)}; }
    mainwindow::TChartSeries& Series(const char* name)
    {
        return Named<mainwindow::TChartSeries>(Form(), QString::fromLatin1(name));
    }
    // Whether Chart2 shows that instrument's curve.
    bool OnChart2(const char* series)
    {
        return Named<mainwindow::TChart>(Form(), "Chart2").HasSeries(&Series(series));
    }
    void ShowPage(int page) { Named<QTabWidget>(Form(), "PageControl1").setCurrentIndex(page); }
    QSpinBox& SpinEdit(const char* name)
    {
        return Named<QSpinBox>(Form(), QString::fromLatin1(name));
    }
};

TEST_F(Form1CurveToolsTest, DerivativeOnPageOneChangesBothCurvesButNotTheRecord)
{
    const std::vector<TPoint> primary{{0, 0}, {1, 2}, {3, 4}};
    const std::vector<TPoint> external{{0, 1}, {2, 5}};
    ShowStored({{1, primary}, {8, external}});
    ASSERT_FALSE(OnChart2("Series15"));
    ShowPage(1);

    form->Actn("ShowDerivativeActn").Execute();
    EXPECT_EQ(PointsOf(Series("FastLineSeries1")), (std::vector<TPoint>{{0.5, 2}, {2, 1}, {3, 4}}));
    EXPECT_EQ(PointsOf(Series("Series15")), (std::vector<TPoint>{{1, 2}, {2, 5}}));
    EXPECT_EQ(form->ShownRecord().Record().Channels[0].Points, primary);

    form->ShowRecord("c.lmv");
    EXPECT_EQ(PointsOf(Series("FastLineSeries1")), primary);
}

TEST_F(Form1CurveToolsTest, FilterTakesTheWidthOnItsPageAndIsIdleOffTheCurvePages)
{
    ShowStored({{0, {{0, 0}, {1, 0}, {2, 6}, {3, 0}, {4, 0}}}, {2, {{0, 6}, {1, 0}}}});
    SpinEdit("FiltrSpinEdit").setValue(1);
    ShowPage(0);
    form->Actn("FilterActn").Execute();
    EXPECT_EQ(PointsOf(Series("Series1")),
              (std::vector<TPoint>{{0, 0}, {1, 1.5}, {2, 3}, {3, 1.5}, {4, 0}}));
    EXPECT_EQ(PointsOf(Series("FastLineSeries2")), (std::vector<TPoint>{{0, 6}, {1, 0}}));

    ShowPage(mainwindow::ResultsPage);
    form->Actn("FilterActn").Execute();
    form->Actn("ShowDerivativeActn").Execute();
    EXPECT_EQ(PointsOf(Series("Series1")),
              (std::vector<TPoint>{{0, 0}, {1, 1.5}, {2, 3}, {3, 1.5}, {4, 0}}));
}

TEST_F(Form1CurveToolsTest, SearchOnPageOneFindsBothInstrumentsVolumesForTheResultsPage)
{
    ShowStored({{1, TitrationCurve(10.0)}, {8, TitrationCurve(6.0)}});
    SpinEdit("WavesSpinEdit").setValue(3);
    ShowPage(1);
    form->Actn("FindVolumesActn").Execute();
    EXPECT_EQ(form->PrimarySolver().MaxInflections(), 3);
    EXPECT_EQ(form->ExternalSolver().MaxInflections(), 3);
    ASSERT_EQ(form->PrimarySolver().Markers().size(), 1u);
    ASSERT_EQ(form->ExternalSolver().Markers().size(), 1u);

    ShowPage(mainwindow::ResultsPage);
    ASSERT_EQ(Results().RowCount(), 3);
    EXPECT_EQ(ResultsRow(0), (QStringList{"Объём, мл", "Значение"}));
    EXPECT_NEAR(ResultsRow(1)[0].toDouble(), 10.0, 0.05);
    EXPECT_NEAR(ResultsRow(2)[0].toDouble(), 6.0, 0.05);
    EXPECT_EQ(ResultsRow(1)[0].section('.', 1).size(), 4);
}

TEST_F(Form1CurveToolsTest, ResultsPageWithoutVolumesShowsHeadingsAndOneEmptyRow)
{
    ShowPage(mainwindow::ResultsPage);
    ASSERT_EQ(Results().RowCount(), 2);
    EXPECT_EQ(ResultsRow(1), (QStringList{"", ""}));
}

TEST_F(Form1CurveToolsTest, InstrumentCurvesComeAndGoOnChart2)
{
    mainwindow::TAction& first = Form().Actn("ShowDev1Actn");
    mainwindow::TAction& second = form->Actn("ShowDev2Actn");
    second.Execute();
    EXPECT_TRUE(second.Checked());
    EXPECT_TRUE(OnChart2("Series15"));
    first.Execute();
    EXPECT_FALSE(first.Checked());
    EXPECT_FALSE(OnChart2("FastLineSeries1"));
    first.Execute();
    EXPECT_TRUE(OnChart2("FastLineSeries1"));
    second.Execute();
    EXPECT_FALSE(OnChart2("Series15"));
}

}
}
