// A live point on Chart1 holding 10^4 .. 1.8·10^6 points, with automatic scaling on and the mouse
// over the middle of the chart, offscreen: the point is drawn at once and the scale fields and the
// cursor readout (ChartZoom + UpdateCursorReadout) follow once per replot tick. At the live rate of
// 10 readings a second on 5 channels a tick follows 5 points; prints the mean time per point for a
// curve that seldom sets a new extreme and for one that sets one at every point (goal: under
// 10 µs, flat against the points held).
#include "bench_window.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/form1.h"

#include <QApplication>
#include <QTabWidget>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

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

std::vector<lmv::model::TPoint> Curve(int count, const std::function<double(int)>& y)
{
    std::vector<lmv::model::TPoint> points;
    points.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        points.push_back({i * 0.1, y(i)});
    return points;
}

// Mean microseconds per live point: the point appended, and the tick's refresh after every
// PointsPerTick points.
double PerPoint(lmv::mainwindow::TForm1& form, int held, const std::function<double(int)>& y)
{
    using lmv::mainwindow::TCurveId;
    form.CurveViews.Assign(TCurveId::Series1, Curve(held, y));
    form.ChartZoom();
    form.GetCurrentChart()->replot();
    const Clock::time_point start = Clock::now();
    for (int i = held; i < held + LivePoints; ++i) {
        form.CurveViews.Add(TCurveId::Series1, i * 0.1, y(i));
        if ((i + 1) % PointsPerTick == 0) {
            form.ChartZoom();
            form.UpdateCursorReadout();
        }
    }
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    return us / LivePoints;
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    lmv::bench::TBenchWindow window;
    lmv::mainwindow::TForm1& form = window.form;
    form.ConfigureForDevice(1);
    form.PageControl1->setCurrentIndex(0);
    form.show();
    QCoreApplication::processEvents();
    lmv::mainwindow::TChart& chart = *form.GetCurrentChart();
    form.ChartMice[0]->SetPointerSource([&chart] { return chart.rect().center(); });

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
