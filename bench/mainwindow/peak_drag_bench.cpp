// Dragging a peak border in the marking mode on a curve of 10^5 points with 10 peaks and their
// integral curves shown, offscreen: prints the time of one border move (the peak's range and
// value, its integral curve, the chart drawn), best and median of 200 moves (goal: under 5 ms).
#include "bench_window.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/form1.h"
#include "store/record_file.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <qcustomplot.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Points = 100'000;
constexpr int Peaks = 10;
constexpr int Moves = 200;
constexpr int DraggedPeak = 3;
constexpr double XStep = 0.01;

// A pH record whose curve on page 0 has the points, with the peaks spaced along it.
lmv::model::TBaseRecord Record()
{
    lmv::model::TBaseRecord record;
    record.Mode = 1;
    record.Channels = {{0, {}}};
    for (int i = 0; i < Points; ++i)
        record.Channels[0].Points.push_back({i * XStep, 10 + std::sin(i * 2e-3)});
    for (int p = 0; p < Peaks; ++p) {
        lmv::model::TPeakRec peak;
        peak.SetName(QString::number(p));
        peak.StartIdx = p * (Points / Peaks);
        peak.EndIdx = peak.StartIdx + Points / Peaks / 2;
        record.Peaks.push_back(peak);
    }
    return record;
}

void Send(lmv::mainwindow::TChart& chart, QEvent::Type type, Qt::MouseButtons held, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, chart.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    lmv::bench::TBenchWindow window;
    lmv::mainwindow::TForm1& form = window.form;
    form.show();
    lmv::store::WriteRecordFile(window.store.RecordDir() + "peaks.lmv", Record());
    form.ShowRecord(QStringLiteral("peaks.lmv"));
    form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    form.Actn(QStringLiteral("ShowIntegeralActn")).Execute();
    form.Actn(QStringLiteral("SetPeakBordersActn")).Execute();
    QCoreApplication::processEvents();

    // The mouse goes down on the dragged peak's end border, which holds the page's curve.
    lmv::mainwindow::TChart& chart = *form.GetCurrentChart();
    chart.replot();
    const int start = DraggedPeak * (Points / Peaks);
    const QPoint border(
        int(std::lround(chart.xAxis->coordToPixel((start + Points / Peaks / 2) * XStep))),
        chart.axisRect()->rect().center().y());
    chart.findChild<lmv::mainwindow::TChartMouse*>()->SetPointerSource([border] { return border; });
    Send(chart, QEvent::MouseMove, Qt::NoButton, border);
    Send(chart, QEvent::MouseButtonPress, Qt::LeftButton, border);

    std::vector<double> times;
    for (int move = 0; move < Moves; ++move) {
        const Clock::time_point begin = Clock::now();
        form.SetPeakRange(DraggedPeak, start, start + 20'000 + move * 37);
        chart.replot();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    }
    Send(chart, QEvent::MouseButtonRelease, Qt::NoButton, border);
    std::sort(times.begin(), times.end());
    std::printf("peak border move, %d points, %d peaks, integral curves shown: best %.2f ms, "
                "median %.2f ms (goal: under 5 ms)\n",
                Points, Peaks, times.front(), times[times.size() / 2]);
    return 0;
}
