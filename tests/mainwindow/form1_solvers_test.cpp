// The two solvers on Chart2: their overlays appear on the chart on the side of their axis and go
// again when a solver is cleared.
#include "form1_fixture.h"

#include "analysis/titration_solver.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/solver_overlay_view.h"

#include <cmath>
#include <qcustomplot.h>

#include <QPointer>
#include <ostream>
#include <vector>

namespace lmv::test {
namespace {

analysis::TDataArr TitrationCurve(double equivalence)
{
    analysis::TDataArr curve;
    for (int i = 0; i <= 200; ++i) {
        const double volume = i * 0.1;
        curve.push_back({volume, 1000 * std::tanh((volume - equivalence) * 2)});
    }
    return curve;
}

struct SolverCase {
    const char* name;
    bool external;
    analysis::VerticalAxis axis;
};

void PrintTo(const SolverCase& c, std::ostream* out) { *out << c.name; }

class SolverOverlayTest : public Form1Test, public ::testing::WithParamInterface<SolverCase> {};

TEST_P(SolverOverlayTest, FoundVolumesAreMarkedOnChart2AndClearedAgain)
{
    mainwindow::TForm1& window = Form();
    analysis::TSolver& solver =
        GetParam().external ? window.ExternalSolver() : window.PrimarySolver();
    const mainwindow::TSolverOverlayView& view =
        GetParam().external ? *window.ExternalSolverView : *window.PrimarySolverView;
    EXPECT_EQ(solver.VertAxis(), GetParam().axis);
    const int before = window.Chart2->SeriesCount();

    solver.SetData(TitrationCurve(10.0));
    analysis::TDoubleArr volumes;
    solver.FindVolumes(volumes);
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_NEAR(volumes[0], 10.0, 0.05);

    ASSERT_FALSE(view.Series().isEmpty());
    EXPECT_EQ(window.Chart2->SeriesCount(), before + view.Series().size());
    const mainwindow::TChartSeries* marks = view.Series().last();
    ASSERT_EQ(marks->Count(), 1);
    EXPECT_NEAR(marks->XValue(0), volumes[0], 1e-9);
    EXPECT_EQ(marks->OnRightAxis(), GetParam().axis == analysis::VerticalAxis::Right);
    ASSERT_EQ(view.Labels().size(), 1);
    EXPECT_EQ(view.Labels()[0]->text(), analysis::MarkLabelText(volumes[0]));
    EXPECT_EQ(window.GetCurrentChart() == window.Chart2 ? window.GetCurrentSeries()
                                                        : window.FastLineSeries1,
              window.FastLineSeries1)
        << "the overlays stand after the page's curve";

    solver.Clear();
    EXPECT_TRUE(view.Labels().isEmpty());
    EXPECT_EQ(window.Chart2->SeriesCount(), before + view.Series().size());
    EXPECT_EQ(window.Chart2->itemCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Solvers, SolverOverlayTest,
    ::testing::Values(SolverCase{"Primary", false, analysis::VerticalAxis::Left},
                      SolverCase{"External", true, analysis::VerticalAxis::Right}),
    [](const auto& info) { return std::string(info.param.name); });

// The views go before what they draw from and on: when a view is destroyed its solver and Chart2
// still exist and its series have left the chart. (Under the sanitizer a view outliving either
// is a use after free.)
TEST_F(Form1Test, ClosingTheWindowDetachesTheSolverViewsFirst)
{
    mainwindow::TForm1& window = Form();
    window.PrimarySolver().SetData(TitrationCurve(10.0));
    analysis::TDoubleArr volumes;
    window.PrimarySolver().FindVolumes(volumes);
    ASSERT_FALSE(window.PrimarySolverView->Series().isEmpty());
    ASSERT_GT(window.Chart2->itemCount(), 0);

    const QPointer<mainwindow::TChart> chart = window.Chart2;
    const int seriesBefore =
        chart->SeriesCount() - static_cast<int>(window.PrimarySolverView->Series().size());
    struct Seen {
        bool chartAlive = false;
        bool solverAlive = false;
        int series = -1;
        int items = -1;
    };
    std::vector<Seen> seen;
    for (mainwindow::TSolverOverlayView* view :
         {window.PrimarySolverView, window.ExternalSolverView})
        QObject::connect(view, &QObject::destroyed, [&] {
            Seen now;
            now.chartAlive = !chart.isNull();
            now.solverAlive = window.PrimarySolver && window.ExternalSolver;
            if (now.chartAlive) {
                now.series = chart->SeriesCount();
                now.items = chart->itemCount();
            }
            seen.push_back(now);
        });

    form.reset();
    ASSERT_EQ(seen.size(), 2u);
    for (const Seen& now : seen) {
        EXPECT_TRUE(now.chartAlive);
        EXPECT_TRUE(now.solverAlive);
        EXPECT_EQ(now.series, seriesBefore);
        EXPECT_EQ(now.items, 0);
    }
}

}
}
