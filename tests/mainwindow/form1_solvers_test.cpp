// The two solvers on Chart2: their overlays appear on the chart on the side of their axis and go
// again when a solver is cleared.
#include "form1_fixture.h"
#include "shown_channels.h"

#include "analysis/titration_solver.h"
#include "mainwindow/action.h"
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
    int channel;  // the instrument's channel of the record, which page 1 shows
    const char* view;
    analysis::VerticalAxis axis;
};

void PrintTo(const SolverCase& c, std::ostream* out) { *out << c.name; }

const mainwindow::TChart& Chart2(const mainwindow::TForm1& window)
{
    return Named<mainwindow::TChart>(window, QStringLiteral("Chart2"));
}

class SolverOverlayTest : public Form1Test, public ::testing::WithParamInterface<SolverCase> {
protected:
    const analysis::TSolver& Solver()
    {
        return GetParam().axis == analysis::VerticalAxis::Right ? Form().ExternalSolver()
                                                                : Form().PrimarySolver();
    }
};

TEST_P(SolverOverlayTest, FoundVolumesAreMarkedOnChart2AndClearedAgain)
{
    mainwindow::TForm1& window = Form();
    const auto& view =
        Named<mainwindow::TSolverOverlayView>(window, QString::fromLatin1(GetParam().view));
    EXPECT_EQ(Solver().VertAxis(), GetParam().axis);
    ShowChannels(window, store, 41, {{GetParam().channel, TitrationCurve(10.0)}});
    const int before = Chart2(window).SeriesCount();

    window.Actn(QStringLiteral("FindVolumesActn")).Execute();
    analysis::TDoubleArr volumes;
    Solver().GetVolumes(volumes);
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_NEAR(volumes[0], 10.0, 0.05);

    ASSERT_FALSE(view.Series().isEmpty());
    EXPECT_EQ(Chart2(window).SeriesCount(), before + view.Series().size());
    const mainwindow::TChartSeries* marks = view.Series().last();
    ASSERT_EQ(marks->Count(), 1);
    EXPECT_NEAR(marks->XValue(0), volumes[0], 1e-9);
    EXPECT_EQ(marks->OnRightAxis(), GetParam().axis == analysis::VerticalAxis::Right);
    ASSERT_EQ(view.Labels().size(), 1);
    EXPECT_EQ(view.Labels()[0]->text(), analysis::MarkLabelText(volumes[0]));
    ASSERT_EQ(window.GetCurrentChart(), &Chart2(window));
    EXPECT_EQ(window.GetCurrentSeries(),
              &Named<mainwindow::TChartSeries>(window, QStringLiteral("FastLineSeries1")))
        << "the overlays stand after the page's curve";

    ShowChannels(window, store, 41, {{GetParam().channel, TitrationCurve(10.0)}});
    EXPECT_TRUE(view.Labels().isEmpty()) << "a record shown clears the solvers";
    EXPECT_EQ(Chart2(window).SeriesCount(), before + view.Series().size());
    EXPECT_EQ(Chart2(window).itemCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Solvers, SolverOverlayTest,
    ::testing::Values(SolverCase{"Primary", 1, "PrimarySolver", analysis::VerticalAxis::Left},
                      SolverCase{"External", 8, "ExternalSolver", analysis::VerticalAxis::Right}),
    [](const auto& info) { return std::string(info.param.name); });

// The views go before what they draw from and on: when a view is destroyed its solver and Chart2
// still exist and its series have left the chart. (Under the sanitizer a view outliving either
// is a use after free.)
TEST_F(Form1Test, ClosingTheWindowDetachesTheSolverViewsFirst)
{
    mainwindow::TForm1& window = Form();
    ShowChannels(window, store, 41, {{1, TitrationCurve(10.0)}});
    window.Actn(QStringLiteral("FindVolumesActn")).Execute();
    const auto& primaryView =
        Named<mainwindow::TSolverOverlayView>(window, QStringLiteral("PrimarySolver"));
    ASSERT_FALSE(primaryView.Series().isEmpty());
    ASSERT_GT(Chart2(window).itemCount(), 0);

    const QPointer<const mainwindow::TChart> chart = &Chart2(window);
    const int seriesBefore = chart->SeriesCount() - static_cast<int>(primaryView.Series().size());
    struct Seen {
        bool chartAlive = false;
        bool solverAlive = false;
        int series = -1;
        int items = -1;
    };
    std::vector<Seen> seen;
    for (const char* name : {"PrimarySolver", "ExternalSolver"})
        QObject::connect(&Named<mainwindow::TSolverOverlayView>(window, QString::fromLatin1(name)),
                         &QObject::destroyed, [&] {
                             Seen now;
                             now.chartAlive = !chart.isNull();
                             now.solverAlive = window.PrimarySolver().VertAxis() ==
                                     analysis::VerticalAxis::Left &&
                                 window.ExternalSolver().VertAxis() ==
                                     analysis::VerticalAxis::Right;
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
