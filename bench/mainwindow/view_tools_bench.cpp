// A live point of a run on Chart1 holding 10^4 .. 1.8·10^6 points, with automatic scaling on and
// the mouse over the middle of the chart, offscreen: the point is stored and drawn at once and the
// scale fields and the cursor readout (ChartZoom, and the readout of a mouse move at the same
// place) follow once per replot tick. At the live rate of 10 readings a second on 5 channels a
// tick follows 5 points; prints the mean time per point for a curve that seldom sets a new extreme
// and for one that sets one at every point (goal: under 10 µs, flat against the points held).
#include "bench_window.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/form1.h"
#include "mainwindow/widgets/lamp_shape.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabWidget>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

// Enough live points to spread the containers' occasional growth as a run does (half an hour of
// five channels).
constexpr int LivePoints = 100'000;
constexpr int PointsPerTick = 5;
constexpr double GoalUs = 10.0;
constexpr int Held[] = {10'000, 100'000, 1'000'000, 1'800'000};

double Wave(int i) { return 1000 * std::sin(i * 1e-3); }
double Rise(int i) { return i * 0.01; }

// What the replot tick refreshes: the scale fields, and the readout at the mouse, which has not
// moved.
void Tick(lmv::mainwindow::TForm1& form, lmv::mainwindow::TChart& chart)
{
    form.ChartZoom();
    const QPoint at = chart.rect().center();
    QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
}

// Mean microseconds per live point of a new run of channel 0 that already holds `held` points:
// the point stored and drawn, and the tick's refresh after every PointsPerTick points.
double PerPoint(lmv::mainwindow::TForm1& form, int held, const std::function<double(int)>& y)
{
    lmv::mainwindow::TAction& startStop = form.Actn(QStringLiteral("StartStopActn"));
    startStop.Execute();
    if (!form.Recording())
        return std::nan("");
    for (int i = 0; i < held; ++i)
        form.AddPoint(0, i * 0.1, y(i));
    lmv::mainwindow::TChart& chart = *form.GetCurrentChart();
    Tick(form, chart);
    chart.replot();
    const Clock::time_point start = Clock::now();
    for (int i = held; i < held + LivePoints; ++i) {
        form.AddPoint(0, i * 0.1, y(i));
        if ((i + 1) % PointsPerTick == 0)
            Tick(form, chart);
    }
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    startStop.Execute();
    return us / LivePoints;
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    lmv::bench::TBenchWindow window;
    lmv::mainwindow::TForm1& form = window.form;
    form.ConfigureForDevice(1);
    form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    form.findChild<lmv::mainwindow::TLampShape*>(QStringLiteral("Shape1"))
        ->SetBrushColor(Qt::green);
    form.show();
    QCoreApplication::processEvents();
    lmv::mainwindow::TChart& chart = *form.GetCurrentChart();
    chart.findChild<lmv::mainwindow::TChartMouse*>()->SetPointerSource(
        [&chart] { return chart.rect().center(); });

    std::printf("Live point with the view refreshed once per %d points (goal < %.0f us)\n",
                PointsPerTick, GoalUs);
    for (int held : Held) {
        const double wave = PerPoint(form, held, Wave);
        const double rise = PerPoint(form, held, Rise);
        std::printf("  %8d points held: %.2f us (seldom a new extreme), %.2f us (one each point)\n",
                    held, wave, rise);
    }
    return 0;
}
