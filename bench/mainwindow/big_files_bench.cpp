// Files at their limits through the window's own paths, offscreen: the time and the rise of the
// peak resident size to refuse a sparse graph file of 1 GB and of 4 GB whose count says 2^31 - 1
// (goal: under 50 ms and 10 MB), and the rise to read and to show a 255 MB record (goal: at most
// 2x the file). Each figure is printed beside the old way's in the same run: the old graph read
// (the points' bytes read whole, then copied into points; for 1 GB only, as 4 GB would need 8 GB)
// and the old record read (the whole file in one buffer, then parsed).
#include "bench_window.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/form1.h"
#include "mainwindow/named_child.h"
#include "mainwindow/shown_channels.h"
#include "store/chunk_bytes.h"
#include "store/graph_file.h"
#include "store/read_whole_file.h"
#include "store/record_file.h"
#include "store/store_errors.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

namespace {

using namespace lmv;
using Clock = std::chrono::steady_clock;

constexpr int RecordChannels = 5;
constexpr qint64 RecordSize = qint64(255) << 20;

long StatusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').front().toLong();
    return -1;
}

// Writing 5 to clear_refs sets the peak resident size to the present one.
bool ResetPeak()
{
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    return reset.open(QIODevice::WriteOnly) && reset.write("5") == 1 && reset.flush();
}

struct TCost {
    double ms = 0;
    double riseMb = 0;
};

TCost Measure(const std::function<void()>& step)
{
    if (!ResetPeak())
        std::fprintf(stderr,
                     "the peak resident size cannot be reset: figures include earlier peaks\n");
    const long before = StatusKb("VmRSS:");
    const Clock::time_point start = Clock::now();
    step();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return {ms, double(StatusKb("VmHWM:") - before) / 1024.0};
}

QString SparseGraph(const QString& dir, qint64 size)
{
    const QString path = QDir(dir).filePath(QStringLiteral("huge-%1.GRF").arg(size >> 20));
    QFile file(path);
    const int32_t count = std::numeric_limits<int32_t>::max();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(&count), sizeof count) != sizeof count ||
        !file.resize(size))
        std::fprintf(stderr, "cannot make %s\n", qPrintable(path));
    return path;
}

// The graph read before the cap: the points' bytes whole, then copied into points.
std::vector<model::TPoint> OldGraphRead(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    int32_t count = 0;
    file.read(reinterpret_cast<char*>(&count), sizeof count);
    const qsizetype loaded =
        std::clamp<qint64>(count, 0, (file.size() - store::GraphCountSize) / store::GraphPointSize);
    QByteArray bytes(loaded * store::GraphPointSize, Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), bytes.size());
    const store::TPackedEntryIterator<model::TPoint> first(bytes.constData());
    return std::vector<model::TPoint>(first, first + got / store::GraphPointSize);
}

void WriteLargeRecord(const QString& path)
{
    model::TBaseRecord record;
    record.Mode = 1;
    const qint64 points = (RecordSize - 200) / RecordChannels / qint64(sizeof(model::TPoint));
    for (int id = 0; id < RecordChannels; ++id) {
        model::TSingleChannel channel{id, {}};
        channel.Points.reserve(std::size_t(points));
        for (qint64 i = 0; i < points; ++i)
            channel.Points.push_back({double(i) * 0.1, double(i % 1000) + id});
        record.Channels.push_back(std::move(channel));
    }
    store::WriteRecordFile(path, record);
}

void Print(const char* what, const TCost& cost, double fileMb = 0)
{
    std::printf("%-58s %9.1f ms %9.1f MB", what, cost.ms, cost.riseMb);
    if (fileMb > 0)
        std::printf("  (%.2fx the file)", cost.riseMb / fileMb);
    std::printf("\n");
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bench::TBenchWindow window;
    mainwindow::TForm1& form = window.form;
    form.show();
    QCoreApplication::processEvents();
    const QString dir = window.folder.path();
    std::printf("%-58s %12s %12s\n", "", "time", "peak rise");

    test::ShowChannels(form, window.store, 1, {{0, {{1, 1}}}});
    auto& pages = test::Named<QTabWidget>(form, QStringLiteral("PageControl1"));
    pages.setTabVisible(0, true);
    pages.setCurrentIndex(0);
    QAction& readGraph = test::Named<QAction>(form, QStringLiteral("N6"));
    const auto& series1 = test::Named<mainwindow::TChartSeries>(form, QStringLiteral("Series1"));
    for (const qint64 size : {qint64(1) << 30, qint64(4) << 30}) {
        const QString path = SparseGraph(dir, size);
        window.desktop.openNames = {{path}};
        window.notifier.boxes.clear();
        const TCost cost = Measure([&] { readGraph.trigger(); });
        const QByteArray what = QStringLiteral("refuse a %1 GB graph file (\"Чтение графика\")")
                                    .arg(size >> 30)
                                    .toUtf8();
        Print(what.constData(), cost);
        std::printf("  box: %s; curve kept: %s\n",
                    qPrintable(window.notifier.boxes.value(0, QStringLiteral("none"))),
                    series1.Count() == 1 ? "yes" : "no");
        if (size == qint64(1) << 30) {
            std::size_t points = 0;
            Print("  old way: read it whole into points",
                  Measure([&] { points = OldGraphRead(path).size(); }));
            std::printf("  (old way loaded %zu points)\n", points);
        }
        QFile::remove(path);
    }

    const QString recordPath = window.store.RecordDir() + QStringLiteral("large.lmv");
    WriteLargeRecord(recordPath);
    const double fileMb = double(QFileInfo(recordPath).size()) / (1 << 20);
    std::printf("record of %.1f MB, %d channels\n", fileMb, RecordChannels);
    {
        model::TBaseRecord scratch;
        store::ReadRecordFile(recordPath, scratch);  // warms the page cache
    }
    Print("  old way: whole file in a buffer, then parsed", Measure([&] {
              const std::optional<store::TWholeFile> file =
                  store::ReadWholeFile(recordPath, "LMVR");
              model::TBaseRecord rec;
              store::ParseRecord(file->Bytes(), rec);
          }),
          fileMb);
    Print("  read the record file (ReadRecordFile)", Measure([&] {
              model::TBaseRecord rec;
              store::ReadRecordFile(recordPath, rec);
          }),
          fileMb);
    Print("  show it: its line clicked, the chart drawn", Measure([&] {
              form.ShowRecord(QStringLiteral("large.lmv"));
              form.GetCurrentChart()->replot();
          }),
          fileMb);
    form.ShowRecord(QStringLiteral("none.lmv"));
    return 0;
}
