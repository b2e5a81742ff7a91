// A ten-hour run (10 readings a second on 5 channels, 1.8·10^6 points) appended to one chart in
// 50 ms chunks on a simulated clock. Each hour is appended with the chart hidden, then ten
// simulated seconds with it shown; both print replots per simulated second (goal: at most 10
// shown, 0 hidden) and the UI thread's busy time per simulated second (goal: flat as points
// grow), the shown one also the parts of it spent drawing and choosing the points to draw. Busy
// time is the UI thread's own CPU time, so that other work on the machine does not count in. The
// run is made twice: with a wave of a fixed period of about six minutes, whose drawn line grows
// steeper per pixel column as the view widens, and with one period over the whole run, whose drawn
// line stays about as long. Then the replot at 1.8·10^6 points with automatic axes against fixed
// axes (goal: within 25 %), and a bulk replace of 10^6 unsorted points (goal: under 100 ms),
// beside the old replace (a comparison sort of the points) measured in the same run.
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <random>
#include <time.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using lmv::mainwindow::TArrivalOrderSeries;
using lmv::mainwindow::TChart;
using lmv::mainwindow::TLineSeries;
using lmv::model::TPoint;

// The CPU time of the calling thread.
struct Clock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock>;
    static time_point now()
    {
        timespec spent{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spent);
        return time_point(std::chrono::seconds(spent.tv_sec) +
                          std::chrono::nanoseconds(spent.tv_nsec));
    }
};

constexpr int Channels = 5;
constexpr int ReadingsPerSecond = 10;
constexpr int Hours = 10;
constexpr auto Chunk = 50ms;
constexpr int ShownSeconds = 10;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The value of a reading on a channel at t seconds.
using TWave = double (*)(int channel, double t);

double FixedPeriodWave(int channel, double t) { return 500 * std::sin(t / 60.0 + channel); }

double RunLongWave(int channel, double t)
{
    constexpr double RunSeconds = Hours * 3600.0;
    return 500 * std::sin(2 * std::numbers::pi * t / RunSeconds + channel);
}

// A line that adds the time it spends choosing the points to draw to a sum.
class TTimedLineSeries : public TLineSeries {
public:
    TTimedLineSeries(const QString& name, QColor color, double& spent)
        : TLineSeries(name, color, nullptr), spent_(spent)
    {
    }

protected:
    void PrepareDrawing(int pixelColumns) override
    {
        const Clock::time_point start = Clock::now();
        TLineSeries::PrepareDrawing(pixelColumns);
        spent_ += MillisecondsSince(start);
    }

private:
    double& spent_;
};

class TLongRun {
public:
    explicit TLongRun(TWave wave) : wave_(wave)
    {
        chart_.resize(800, 500);
        chart_.SetClock([this] { return now_; });
        for (int c = 0; c < Channels; ++c) {
            series_.push_back(
                std::make_unique<TTimedLineSeries>(QStringLiteral("Series%1").arg(c + 1),
                                                   QColor::fromHsv(c * 60, 255, 200), preparing_));
            chart_.AddSeries(series_.back().get());
        }
        QCoreApplication::processEvents();
        QObject::connect(&chart_, &QCustomPlot::beforeReplot,
                         [this] { replotStart_ = Clock::now(); });
        QObject::connect(&chart_, &QCustomPlot::afterReplot, [this] {
            ++replots_;
            replotBusy_ += MillisecondsSince(replotStart_);
        });
    }

    void Run()
    {
        std::printf("%-5s %12s %17s %17s %16s %16s %19s %19s\n", "hour", "points held",
                    "hidden replots/s", "hidden busy ms/s", "shown replots/s", "shown busy ms/s",
                    "of it drawing ms/s", "of it choosing ms/s");
        for (int hour = 1; hour <= Hours; ++hour) {
            chart_.hide();
            const TRate hidden = Simulate(3600s - ShownSeconds * 1s);
            chart_.show();
            QCoreApplication::processEvents();
            replots_ = 0;
            const TRate shown = Simulate(ShownSeconds * 1s);
            std::printf("%-5d %12lld %17.2f %17.3f %16.2f %16.3f %19.3f %19.3f\n", hour,
                        PointsHeld(), hidden.replotsPerSecond, hidden.busyMsPerSecond,
                        shown.replotsPerSecond, shown.busyMsPerSecond, shown.replotMsPerSecond,
                        shown.preparingMsPerSecond);
        }
    }

    TChart& Chart() { return chart_; }
    long long PointsHeld() const
    {
        long long held = 0;
        for (const auto& series : series_)
            held += series->Count();
        return held;
    }

private:
    struct TRate {
        double replotsPerSecond;
        double busyMsPerSecond;
        double replotMsPerSecond;
        double preparingMsPerSecond;
    };

    // Every 50 ms the readings that fell due in it arrive, one chunk per channel, as from a poll.
    TRate Simulate(std::chrono::milliseconds span)
    {
        replots_ = 0;
        replotBusy_ = 0;
        preparing_ = 0;
        double busy = 0;
        const std::chrono::milliseconds end = now_ + span;
        std::vector<TPoint> chunk;
        while (now_ < end) {
            now_ += Chunk;
            const Clock::time_point start = Clock::now();
            for (int c = 0; c < Channels; ++c) {
                chunk.clear();
                for (; nextReading_[c] * 1000 / ReadingsPerSecond <= now_.count();
                     ++nextReading_[c])
                    chunk.push_back(ReadingOf(c, nextReading_[c]));
                series_[c]->AddPoints(chunk);
            }
            QCoreApplication::processEvents();
            busy += MillisecondsSince(start);
        }
        const double seconds = std::chrono::duration<double>(span).count();
        return {replots_ / seconds, busy / seconds, replotBusy_ / seconds, preparing_ / seconds};
    }

    TPoint ReadingOf(int channel, long long index) const
    {
        const double t = double(index) / ReadingsPerSecond;
        return {t, 1000 * channel + wave_(channel, t) + double(index % 7)};
    }

    TWave wave_;
    TChart chart_{QStringLiteral("Chart1")};
    std::vector<std::unique_ptr<TTimedLineSeries>> series_;
    std::chrono::milliseconds now_{0};
    long long nextReading_[Channels] = {};
    int replots_ = 0;
    Clock::time_point replotStart_;
    double replotBusy_ = 0;
    double preparing_ = 0;
};

double MeanReplotMs(TChart& chart, int times)
{
    chart.replot();
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < times; ++i)
        chart.replot();
    return MillisecondsSince(start) / times;
}

void CompareReplots(TChart& chart, long long points)
{
    constexpr int Times = 30;
    const double automatic = MeanReplotMs(chart, Times);
    for (lmv::mainwindow::TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()})
        axis->SetMinMax(axis->Minimum(), axis->Maximum());
    const double fixed = MeanReplotMs(chart, Times);
    const Clock::time_point start = Clock::now();
    chart.xAxis->rescale();
    chart.yAxis->rescale();
    const double walk = MillisecondsSince(start);
    std::printf("\nreplot at %lld points: automatic axes %.2f ms, fixed axes %.2f ms (%+.1f %%; "
                "goal within 25 %%); fitting by walking every point would add %.2f ms\n",
                points, automatic, fixed, 100 * (automatic - fixed) / fixed, walk);
}

std::vector<TPoint> UnsortedPoints(int count)
{
    std::mt19937_64 random(20180326);
    std::uniform_real_distribution<double> x(0, 36000), y(-4000, 4000);
    std::vector<TPoint> points(std::size_t(count), TPoint{});
    for (TPoint& p : points)
        p = {x(random), y(random)};
    return points;
}

// The bulk replace as it was: the points copied, then put in order by a comparison sort.
class TBaselineLineSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;
    void Assign(std::span<const TPoint> points) override
    {
        QVector<QCPGraphData> data;
        data.reserve(qsizetype(points.size()));
        for (const TPoint& point : points) {
            if (!std::isnan(point.X))
                data.append(QCPGraphData(point.X, point.Y));
        }
        std::stable_sort(
            data.begin(), data.end(),
            [](const QCPGraphData& a, const QCPGraphData& b) { return a.key < b.key; });
        points_->set(data, true);
        PointsChangedFrom(0);
        ResetRanges();
        IncludeInRanges(points);
        PointsChanged();
    }
};

template <class TSeries> double AssignMs(const std::vector<TPoint>& points)
{
    TSeries series(QStringLiteral("bulk"), Qt::red, nullptr);
    series.AddXY(1, 1);
    const Clock::time_point start = Clock::now();
    series.Assign(points);
    return MillisecondsSince(start);
}

void BulkReplace()
{
    const std::vector<TPoint> million = UnsortedPoints(1'000'000);
    std::printf(
        "\nbulk replace of 10^6 unsorted points: sorted by X %.1f ms (the old way %.1f ms), "
        "arrival order %.1f ms (goal under 100 ms)\n",
        AssignMs<TLineSeries>(million), AssignMs<TBaselineLineSeries>(million),
        AssignMs<TArrivalOrderSeries>(million));
    const std::vector<TPoint> few = UnsortedPoints(20'000);
    TLineSeries single(QStringLiteral("single"), Qt::red, nullptr);
    const Clock::time_point start = Clock::now();
    for (const TPoint& p : few)
        single.AddXY(p.X, p.Y);
    std::printf("for comparison, 2·10^4 unsorted points added one by one: %.1f ms\n",
                MillisecondsSince(start));
}

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("a wave of a fixed period (6.3 min)\n");
    TLongRun fixedPeriod(FixedPeriodWave);
    fixedPeriod.Run();
    CompareReplots(fixedPeriod.Chart(), fixedPeriod.PointsHeld());
    std::printf("\na wave of one period over the run\n");
    TLongRun runLong(RunLongWave);
    runLong.Run();
    BulkReplace();
    return 0;
}
