// Dragging a peak border in the marking mode on a curve of 10^5 points with 10 peaks and their
// integral curves shown, offscreen: prints the time of one border move (the peak's range and
// value, its integral curve, the chart drawn), best and median of 200 moves (goal: under 5 ms).
#include "analysis/peaks/peak_set_model.h"
#include "bench_window.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/form1.h"

#include <QApplication>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Points = 100'000;
constexpr int Peaks = 10;
constexpr int Moves = 200;

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    lmv::bench::TBenchWindow window;
    lmv::mainwindow::TForm1& form = window.form;
    form.show();
    form.PageControl1->setCurrentIndex(0);
    std::vector<lmv::model::TPoint> curve;
    for (int i = 0; i < Points; ++i)
        curve.push_back({i * 0.01, 10 + std::sin(i * 2e-3)});
    form.CurveViews.Assign(lmv::mainwindow::TCurveId::Series1, curve);
    for (int p = 0; p < Peaks; ++p) {
        const int start = p * (Points / Peaks);
        form.AddPeak(QString::number(p), start, start + Points / Peaks / 2);
    }
    form.Actn(QStringLiteral("ShowIntegeralActn")).Execute();
    QCoreApplication::processEvents();

    form.BeginPeakDrag();
    std::vector<double> times;
    const int start = 3 * (Points / Peaks);
    for (int move = 0; move < Moves; ++move) {
        const Clock::time_point begin = Clock::now();
        form.SetPeakRange(3, start, start + 20'000 + move * 37);
        form.GetCurrentChart()->replot();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    }
    form.EndPeakDrag();
    std::sort(times.begin(), times.end());
    std::printf("peak border move, %d points, %d peaks, integral curves shown: best %.2f ms, "
                "median %.2f ms (goal: under 5 ms)\n",
                Points, Peaks, times.front(), times[times.size() / 2]);
    return 0;
}
