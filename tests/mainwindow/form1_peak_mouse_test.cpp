// The marking mode with the mouse on a running window's chart, driven by synthetic mouse events
// and an injected mouse position: a drag draws a named peak instead of zooming, a border is
// dragged, and a right click opens the peak menu only over a peak.
#include "form1_fixture.h"
#include "shown_channels.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <qcustomplot.h>

namespace lmv::test {
namespace {

class Form1PeakMouseTest : public Form1Test {
protected:
    void SetUp() override
    {
        mainwindow::TForm1& window = Form();
        std::vector<model::TPoint> curve;
        for (int i = 0; i < 20; ++i)
            curve.push_back({double(i), 10.0 + (i % 5)});
        ShowChannels(window, store, 1, {{0, curve}});
        Named<QTabWidget>(window, QStringLiteral("PageControl1")).setCurrentIndex(0);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        chart = &Named<mainwindow::TChart>(window, QStringLiteral("Chart1"));
        chart->replot();
        mouse = chart->findChild<mainwindow::TChartMouse*>();
        mouse->SetPointerSource([this] { return pointer; });
    }
    // A tenth of a point before x, within the grab tolerance of a border there on the shown
    // chart: the press takes the first point at or right of the mouse.
    QPoint At(double x, int down = 0) const
    {
        return {int(std::lround(chart->xAxis->coordToPixel(x - 0.1))),
                chart->axisRect()->rect().center().y() + down};
    }
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        pointer = at;
        QMouseEvent event(type, at, chart->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(chart, &event);
    }
    // Down and to the right, as a zoom goes, when it goes right.
    void Drag(Qt::MouseButton button, double from, double to)
    {
        const int down = to > from ? 60 : 0;
        Send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, At(from));
        Send(QEvent::MouseButtonPress, button, button, At(from));
        Send(QEvent::MouseMove, Qt::NoButton, button, At((from + to) / 2, down / 2));
        Send(QEvent::MouseMove, Qt::NoButton, button, At(to, down));
        Send(QEvent::MouseButtonRelease, button, Qt::NoButton, At(to, down));
    }
    void Click(Qt::MouseButton button, double x)
    {
        Send(QEvent::MouseButtonPress, button, button, At(x));
        Send(QEvent::MouseButtonRelease, button, Qt::NoButton, At(x));
    }
    std::pair<double, double> BottomRange() const
    {
        return {chart->xAxis->range().lower, chart->xAxis->range().upper};
    }
    const model::TPeaks& Peaks() { return form->PeakSet().Peaks(); }
    QMenu& PeakMenu() { return Named<QMenu>(*form, QStringLiteral("PopupMenu1")); }

    mainwindow::TChart* chart = nullptr;
    mainwindow::TChartMouse* mouse = nullptr;
    QPoint pointer;
};

TEST_F(Form1PeakMouseTest, DragInTheMarkingModeDrawsANamedPeakAndZoomsNothing)
{
    form->Actn("SetPeakBordersActn").Execute();
    const auto before = BottomRange();
    desktop.inputs.push_back(QStringLiteral("A"));
    Drag(Qt::LeftButton, 12, 4);
    ASSERT_EQ(Peaks().size(), 1u);
    EXPECT_EQ(Peaks()[0].GetName(), "A");
    EXPECT_EQ(Peaks()[0].StartIdx, 4);
    EXPECT_EQ(Peaks()[0].EndIdx, 12);
    EXPECT_EQ(BottomRange(), before);
    EXPECT_TRUE(mouse->ZoomEnabled());
    EXPECT_TRUE(form->Modified());

    Drag(Qt::LeftButton, 12, 16);  // the end border, grabbed and dragged
    ASSERT_EQ(Peaks().size(), 1u);
    EXPECT_EQ(Peaks()[0].StartIdx, 4);
    EXPECT_EQ(Peaks()[0].EndIdx, 16);
}

TEST_F(Form1PeakMouseTest, WithoutTheMarkingModeADragZoomsAndMakesNoPeak)
{
    if (form->Actn("FitImageActn").Checked())
        form->Actn("FitImageActn").Execute();  // a zoom would end in the fitted view
    const auto before = BottomRange();
    Drag(Qt::LeftButton, 4, 12);
    EXPECT_TRUE(Peaks().empty());
    EXPECT_NE(BottomRange(), before);
}

TEST_F(Form1PeakMouseTest, RightClickOpensThePeakMenuOnlyOverAPeak)
{
    form->AddPeak("P", 4, 12);
    Click(Qt::RightButton, 2);
    EXPECT_FALSE(PeakMenu().isVisible());
    Click(Qt::RightButton, 8);
    EXPECT_TRUE(PeakMenu().isVisible());
    EXPECT_EQ(form->findChild<QAction*>("PeakNameItem")->text(), "P");
    PeakMenu().hide();
}

}
}
