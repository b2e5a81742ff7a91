// A stored record of 10^6 points (five channels of 2·10^5, three peaks) shown in the window over
// a real record folder, offscreen and with a warm cache: prints the time from the click to the
// active chart drawn, peaks recalculated included (goal: under 300 ms), best and median of 10.
// Also the time to leave it for an empty record: its recalculated peaks count as a change, so
// leaving it writes it back.
#include "bench_window.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/form1.h"
#include "store/record_file.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Channels = 5;
constexpr int PointsPerChannel = 200'000;
constexpr int Runs = 10;

lmv::model::TBaseRecord LargeRecord()
{
    lmv::model::TBaseRecord record;
    record.Mode = 1;
    for (int id = 0; id < Channels; ++id) {
        lmv::model::TSingleChannel channel{id, {}};
        channel.Points.reserve(PointsPerChannel);
        for (int i = 0; i < PointsPerChannel; ++i)
            channel.Points.push_back({i * 0.1, std::sin(i * 1e-3) + id});
        record.Channels.push_back(std::move(channel));
    }
    for (int p = 0; p < 3; ++p) {
        lmv::model::TPeakRec peak;
        peak.StartIdx = p * 50'000;
        peak.EndIdx = peak.StartIdx + 40'000;
        record.Peaks.push_back(peak);
    }
    return record;
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    lmv::bench::TBenchWindow window;
    lmv::mainwindow::TForm1& form = window.form;
    lmv::store::TRecordStore& store = window.store;
    form.show();
    QCoreApplication::processEvents();
    lmv::store::WriteRecordFile(store.RecordDir() + "large.lmv", LargeRecord());

    const auto since = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    std::vector<double> times;
    std::vector<double> leaveTimes;
    for (int run = 0; run <= Runs; ++run) {
        Clock::time_point start = Clock::now();
        form.ShowRecord(QStringLiteral("large.lmv"));
        form.GetCurrentChart()->replot();
        const double ms = since(start);
        start = Clock::now();
        form.ShowRecord(QStringLiteral("none.lmv"));
        if (run > 0) {  // the first run warms the cache
            times.push_back(ms);
            leaveTimes.push_back(since(start));
        }
    }
    std::sort(times.begin(), times.end());
    std::sort(leaveTimes.begin(), leaveTimes.end());
    std::printf("show a stored record of %d points: best %.1f ms, median %.1f ms (goal < 300 ms)\n",
                Channels * PointsPerChannel, times.front(), times[times.size() / 2]);
    std::printf("leave it, written back: best %.1f ms, median %.1f ms\n", leaveTimes.front(),
                leaveTimes[leaveTimes.size() / 2]);
    return 0;
}
