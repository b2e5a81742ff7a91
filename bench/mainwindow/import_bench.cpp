// A text import of 10^6 points through the window, offscreen, over a real record folder: the
// operator's import action from the file chosen to the record stopped and saved and the curve
// fitted on its page (goal: under 1.5 s). Beside it the baseline, today's way kept here only:
// every point through AddPoint with the scale fields and the cursor readout refreshed after it.
// Both records must hold the same points. Medians of 3 runs.
#include "bench_window.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/form1.h"
#include "mainwindow/named_child.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "store/record_folder.h"
#include "store/text_import.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Points = 1'000'000;
constexpr int Runs = 3;
constexpr double GoalMs = 1500.0;
constexpr int PhMeter = 1;

QString WriteImportFile(const QTemporaryDir& dir)
{
    const QString path = QDir(dir.path()).filePath(QStringLiteral("import.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray text;
    for (int i = 0; i < Points; ++i)
        text += QByteArray::number(i * 0.01, 'f', 2) + '\t' +
            QByteArray::number(7 + 4 * std::tanh((i - Points / 2) * 1e-5), 'f', 6) + "\r\n";
    file.write(text);
    return path;
}

std::unique_ptr<lmv::bench::TBenchWindow> Window()
{
    auto window = std::make_unique<lmv::bench::TBenchWindow>();
    lmv::mainwindow::TForm1& form = window->form;
    form.ConfigureForDevice(PhMeter);
    form.show();
    lmv::test::Named<lmv::mainwindow::TLampShape>(form, QStringLiteral("Shape1"))
        .SetBrushColor(QColor(0, 255, 0));
    QCoreApplication::processEvents();
    return window;
}

void ImportThroughTheWindow(lmv::bench::TBenchWindow& window, const QString& path)
{
    window.desktop.openNames = {{path}};
    window.form.Actn(QStringLiteral("Action1")).Execute();
}

// Today's way: the run started and stopped by the record action, each point through AddPoint
// with the view refreshed after it (the cursor readout as a mouse move on the chart gives it).
void BaselineImport(lmv::bench::TBenchWindow& window, const QString& path)
{
    lmv::mainwindow::TForm1& form = window.form;
    form.Actn(QStringLiteral("StartStopActn")).Execute();
    lmv::mainwindow::TChartMouse& mouse =
        lmv::test::Named<lmv::mainwindow::TChartMouse>(*form.GetCurrentChart(), QString());
    lmv::store::ReadImportFile(path, [&form, &mouse](const lmv::model::TPoint& point) {
        form.AddPoint(1, point.X, point.Y);
        form.ChartZoom();
        emit mouse.MouseMoved();
    });
    form.Actn(QStringLiteral("StartStopActn")).Execute();
    form.ChartZoom();
}

// The one record the import left in the window's folder, read back from its file.
lmv::model::TBaseRecord Recorded(lmv::bench::TBenchWindow& window)
{
    lmv::model::TBaseRecord record;
    for (const auto& entry : window.store.HeaderList())
        window.store.ReadRecordFile(entry.FileName, record);
    return record;
}

bool SamePoints(const lmv::model::TBaseRecord& a, const lmv::model::TBaseRecord& b)
{
    if (a.Mode != b.Mode || a.Channels.size() != b.Channels.size())
        return false;
    for (std::size_t i = 0; i < a.Channels.size(); ++i) {
        const auto& x = a.Channels[i].Points;
        const auto& y = b.Channels[i].Points;
        if (a.Channels[i].Id != b.Channels[i].Id || x.size() != y.size() ||
            std::memcmp(x.data(), y.data(), x.size() * sizeof(lmv::model::TPoint)) != 0)
            return false;
    }
    return true;
}

struct TOutcome {
    double ms;
    lmv::model::TBaseRecord record;
};

TOutcome Measure(const QString& path,
                 const std::function<void(lmv::bench::TBenchWindow&, const QString&)>& import)
{
    const std::unique_ptr<lmv::bench::TBenchWindow> window = Window();
    const Clock::time_point start = Clock::now();
    import(*window, path);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return {ms, Recorded(*window)};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = WriteImportFile(dir);
    std::vector<double> baseline;
    std::vector<double> window;
    bool same = true;
    for (int run = 0; run < Runs; ++run) {
        const TOutcome old = Measure(path, BaselineImport);
        const TOutcome now = Measure(path, ImportThroughTheWindow);
        baseline.push_back(old.ms);
        window.push_back(now.ms);
        same = same && now.record.Channels.size() == 1 &&
            now.record.Channels[0].Points.size() == std::size_t(Points) &&
            SamePoints(old.record, now.record);
    }
    std::printf("text import of %d points through the window (goal < %.0f ms)\n", Points, GoalMs);
    std::printf("  baseline (point by point, view after each): %8.1f ms\n", Median(baseline));
    std::printf("  import action:                              %8.1f ms\n", Median(window));
    std::printf("  same points in the record: %s\n", same ? "yes" : "NO");
    return same ? 0 : 1;
}
