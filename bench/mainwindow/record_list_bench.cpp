// The record list refilled in the window, offscreen, at 10^3, 10^4 and 10^5 entries (goal: 10^5
// under 50 ms), and the program's start on a folder of 10^4 records, all of today (goal: under
// 300 ms), from the store's creation to the window drawn. Each refill is timed up to the list
// drawn, beside the old refill (one QListWidget item formatted per entry) in a list of the same
// size; the old start is the new one with its refills and the list's first drawing timed the old
// way. Medians of 3.
#include "bench_window.h"
#include "common/day_count.h"
#include "mainwindow/action.h"
#include "mainwindow/form1.h"
#include "mainwindow/record_list/list_lines.h"
#include "mainwindow/widgets/record_list_view.h"
#include "store/index_file.h"
#include "store/record_file.h"
#include "store/start_dir.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace lmv;
using Clock = std::chrono::steady_clock;

constexpr int Runs = 3;
constexpr int StartRecords = 10'000;
constexpr double RefillGoalMs = 50;
constexpr double StartGoalMs = 300;

mainwindow::TRecordListView& ListOf(const mainwindow::TForm1& form)
{
    return *form.findChild<mainwindow::TRecordListView*>(QStringLiteral("ListBox1"));
}

double Median(const std::function<double()>& measure)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run)
        times.push_back(measure());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Entries of today, a second apart, so that the day's filter keeps every one.
model::TBaseHeader TodaysEntries(int count)
{
    const double today = common::DateTimeToDays(QDateTime(QDate::currentDate(), QTime(0, 0)));
    model::TBaseHeader list;
    for (int i = 0; i < count; ++i)
        list.push_back({QStringLiteral("Опыт %1").arg(i),
                        QStringLiteral("%1.lmv").arg(i, 8, 10, QChar('0')),
                        today + (i % 86'400) / 86'400.0});
    return list;
}

// Up to the list drawn: its delayed layout done and its lines painted.
void Drawn(QAbstractItemView& list)
{
    QCoreApplication::processEvents();
    list.viewport()->repaint();
}

double TimedMs(const std::function<void()>& work)
{
    const Clock::time_point start = Clock::now();
    work();
    return MsSince(start);
}

// The refill the window makes today: the action of the filter in force, given again.
void Refill(mainwindow::TForm1& form, const store::TRecordStore& store)
{
    form.Actn(store.FilterMode() == store::ShowEntriesOfDay ? mainwindow::TActionId::ByDateActn
                                                            : mainwindow::TActionId::ShowAllActn)
        .Execute();
}

// The refill as it was: every line an item of its own, formatted at once.
void BaselineFill(QListWidget& list, store::TRecordStore& store)
{
    list.clear();
    store.ApplyFilter();
    for (const model::TBaseHeaderRecord& entry : store.FilteredList())
        list.addItem(mainwindow::BaseListLine(entry));
    list.setCurrentRow(-1);
}

void PrintRefills(bench::TBenchWindow& window, QListWidget& baseline)
{
    for (const int count : {1'000, 10'000, 100'000}) {
        const QString folder = window.folder.path() + QStringLiteral("/list%1/").arg(count);
        QDir().mkpath(folder);
        store::WriteHeaderFile(folder + store::HeaderFileName, TodaysEntries(count));
        window.form.OpenBase(folder);
        const double now = Median([&] {
            return TimedMs([&] {
                Refill(window.form, window.store);
                Drawn(ListOf(window.form));
            });
        });
        const double before = Median([&] {
            return TimedMs([&] {
                BaselineFill(baseline, window.store);
                Drawn(baseline);
            });
        });
        std::printf("refill of %d entries: %.1f ms (old way %.1f ms)%s\n", count, now, before,
                    count == 100'000 ? " (goal < 50 ms)" : "");
    }
}

void WriteRecordFolder(const QString& folder)
{
    QDir().mkpath(folder);
    const model::TBaseHeader entries = TodaysEntries(StartRecords);
    model::TBaseRecord record;
    record.Channels = {{0, {{0.0, 1.0}, {1.0, 2.0}}}};
    for (const model::TBaseHeaderRecord& entry : entries) {
        record.Title = entry.Title;
        record.DateTime = entry.DateTime;
        store::WriteRecordFile(folder + entry.FileName, record);
    }
    store::WriteHeaderFile(folder + store::HeaderFileName, entries);
}

struct TStart {
    double Ms = 0;
    int Lines = 0;
    int Refills = 0;  // of the start's steps that refill: the folder opened, the day's filter
    double RefillMs = 0;
};

TStart TimedStart(const QString& documents, const QString& folder)
{
    TStart start;
    const Clock::time_point begin = Clock::now();
    test::FakeNotifier notifier;
    test::FakeDesktop desktop;
    store::TRecordStore store{notifier, documents, [] { return QDateTime::currentDateTime(); }};
    mainwindow::TForm1 form{notifier, store, desktop};
    form.show();
    QCoreApplication::processEvents();
    start.Ms = MsSince(begin);
    start.Lines = ListOf(form).count();
    QObject::connect(ListOf(form).model(), &QAbstractItemModel::modelReset,
                     [&] { ++start.Refills; });
    form.OpenBase(folder);
    form.Actn(mainwindow::TActionId::ByDateActn).Execute();
    start.RefillMs = TimedMs([&] {
        QObject::disconnect(ListOf(form).model(), nullptr, nullptr, nullptr);
        Refill(form, store);
    });
    return start;
}

// Where the start's time goes on that folder; the old start is the new one with its refills
// timed the old way. They come before the window is shown: timed undrawn, and the old list's
// first drawing of its items is added.
void PrintStart(const QString& documents)
{
    const auto recordFolder = [](const QString& path) {
        return store::DefaultRecordDir(path + QStringLiteral("/Lmv2Pr/"));
    };
    const QTemporaryDir empty;
    const double emptyMs =
        Median([&] { return TimedStart(empty.path(), recordFolder(empty.path())).Ms; });
    const QString folder = recordFolder(documents);
    WriteRecordFolder(folder);
    TStart start;
    const double startMs = Median([&] {
        start = TimedStart(documents, folder);
        return start.Ms;
    });
    test::FakeNotifier notifier;
    store::TRecordStore store{notifier, documents, [] { return QDateTime::currentDateTime(); }};
    const double loadMs = Median([&] { return TimedMs([&] { store.SetRecordDir(folder); }); });
    const double filterMs = Median([&] { return TimedMs([&] { store.ApplyFilter(); }); });
    QListWidget baseline;
    const double oldRefillMs =
        Median([&] { return TimedMs([&] { BaselineFill(baseline, store); }); });
    const double oldDrawMs = Median([&] {
        QListWidget list;
        BaselineFill(list, store);
        return TimedMs([&] {
            list.show();
            Drawn(list);
        });
    });
    std::printf("start on %d records: %.1f ms, %d lines (old way %.1f ms) (goal < %.0f ms)\n",
                StartRecords, startMs, start.Lines,
                startMs + start.Refills * (oldRefillMs - start.RefillMs) + oldDrawMs, StartGoalMs);
    std::printf("  of it: the window on an empty folder %.1f ms, index load %.1f ms, filter %.1f "
                "ms, %d refills of %.1f ms each (old way %.1f ms, its first drawing %.1f ms)\n",
                emptyMs, loadMs, filterMs, start.Refills, start.RefillMs, oldRefillMs, oldDrawMs);
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    {
        bench::TBenchWindow window;
        window.form.show();
        QCoreApplication::processEvents();
        QListWidget baseline;
        baseline.resize(ListOf(window.form).size());
        baseline.show();
        PrintRefills(window, baseline);
    }
    const QTemporaryDir documents;
    PrintStart(documents.path());
    std::printf("(refill goal < %.0f ms at 10^5 entries)\n", RefillGoalMs);
    return 0;
}
