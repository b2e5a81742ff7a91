// A long run through the window, offscreen, over a real record folder: 10 readings a second on
// 5 channels go through TForm1::AddPoint up to 1.8·10^6 points (a 10-hour run), printing the cost
// of one point without the event loop (goal: under 1 µs). At each level of points held it plays 20
// simulated seconds with the event loop and the charts' replots, and prints the UI thread's busy
// time per simulated second (goal: flat) and the most replots of a chart in one simulated second
// (at most 10); then one autosave, printing the UI thread's longest stall for the snapshot and for
// the index update after the write (goal: under 50 ms).
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/form1.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "store/record_folder.h"
#include "support/fake_desktop.h"
#include "support/fake_notifier.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int Channels = 5;
constexpr int ReadingsPerSecond = 10;
constexpr int MeasuredSeconds = 20;
constexpr long long Levels[] = {100'000, 500'000, 1'000'000, 1'800'000};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

class RunBench {
public:
    RunBench() : store_(notifier_, folder_.path(), [] { return QDateTime::currentDateTime(); })
    {
        form_ = std::make_unique<lmv::mainwindow::TForm1>(notifier_, store_, desktop_);
        form_->show();
        for (lmv::mainwindow::TChart* chart : form_->findChildren<lmv::mainwindow::TChart*>()) {
            chart->SetClock([this] { return simulated_; });
            QObject::connect(chart, &QCustomPlot::afterReplot,
                             [this, chart] { ++replots_[chart]; });
        }
        form_->findChild<lmv::mainwindow::TLampShape*>(QStringLiteral("Shape1"))
            ->SetBrushColor(QColor(0, 255, 0));
        form_->Actn(QStringLiteral("StartStopActn")).Execute();
        QCoreApplication::processEvents();
    }

    void Run()
    {
        std::printf("AddPoint fill goal: under 0.001 ms/point\n"
                    "busy goal: flat within 1.25x from 10^5 to 1.8*10^6 points; the old way "
                    "smooths every line (busy smoothed)\n");
        std::printf("%12s %14s %16s %16s %14s %18s %16s %10s\n", "points", "ms/point fill",
                    "busy ms/sim s", "busy smoothed", "replots/s max", "snapshot stall ms",
                    "index stall ms", "file MB");
        for (long long level : Levels) {
            const double fillMs = FillTo(level - MeasuredSeconds * ReadingsPerSecond * Channels);
            const auto [busy, replots] = PlayMeasured();
            SmoothEveryLine(true);
            const double smoothed = PlayMeasured().first;
            SmoothEveryLine(false);
            const auto [snapshot, index] = Autosave();
            const double mb =
                QFileInfo(store_.RecordDir() + store_.LiveFileName()).size() / 1048576.0;
            std::printf("%12lld %14.5f %16.2f %16.2f %14d %18.2f %16.2f %10.1f\n", points_, fillMs,
                        busy, smoothed, replots, snapshot, index, mb);
            std::fflush(stdout);
        }
    }

private:
    void AddReading()
    {
        const double t = double(step_) / ReadingsPerSecond;
        for (int channel = 0; channel < Channels; ++channel)
            form_->AddPoint(channel, t, std::sin(t * 1e-3) * 100.0 + channel);
        points_ += Channels;
        ++step_;
        simulated_ += milliseconds(1000 / ReadingsPerSecond);
    }

    // Points through AddPoint without the event loop; returns the cost of one point.
    double FillTo(long long points)
    {
        const long long before = points_;
        const Clock::time_point start = Clock::now();
        while (points_ < points)
            AddReading();
        return points_ > before ? Ms(Clock::now() - start) / double(points_ - before) : 0.0;
    }

    // The old way: every line smoothed, however many points its columns hold.
    void SmoothEveryLine(bool on)
    {
        for (lmv::mainwindow::TChart* chart : form_->findChildren<lmv::mainwindow::TChart*>())
            chart->setAntialiasedElements(on ? QCP::aePlottables : QCP::aeNone);
    }

    // Busy ms per simulated second and the most replots of one chart in a simulated second.
    std::pair<double, int> PlayMeasured()
    {
        QCoreApplication::processEvents();
        Clock::duration busy{};
        int most = 0;
        for (int second = 0; second < MeasuredSeconds; ++second) {
            replots_.clear();
            for (int reading = 0; reading < ReadingsPerSecond; ++reading) {
                const Clock::time_point start = Clock::now();
                AddReading();
                QCoreApplication::processEvents();
                busy += Clock::now() - start;
            }
            for (const auto& [chart, count] : replots_)
                most = std::max(most, count);
        }
        return {Ms(busy) / MeasuredSeconds, most};
    }

    // The tick's snapshot, then every pass of the event loop until the save is completed.
    std::pair<double, double> Autosave()
    {
        const Clock::time_point start = Clock::now();
        form_->Timer2Timer();
        const double snapshot = Ms(Clock::now() - start);
        double longest = 0.0;
        while (form_->AutosaveBusy()) {
            QThread::msleep(1);
            const Clock::time_point pass = Clock::now();
            QCoreApplication::processEvents();
            longest = std::max(longest, Ms(Clock::now() - pass));
        }
        return {snapshot, longest};
    }

    QTemporaryDir folder_;
    lmv::test::FakeNotifier notifier_;
    lmv::test::FakeDesktop desktop_;
    lmv::store::TRecordStore store_;
    std::unique_ptr<lmv::mainwindow::TForm1> form_;
    milliseconds simulated_{0};
    std::map<const lmv::mainwindow::TChart*, int> replots_;
    long long points_ = 0;
    long long step_ = 0;
};

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RunBench bench;
    bench.Run();
    return 0;
}
