// The window's stall when an autosave's index follows its record file, at 10^2 to 10^5 entries
// (goal: under 5 ms): the longest pass of the event loop from the save's start until it is done.
// Today's way is measured beside it in the same run: the entry changed and the whole index written
// on the window's thread. The copy of the list the worker writes from is timed on its own.
#include "store/index_file.h"
#include "store/record_file.h"
#include "store/record_folder.h"
#include "support/fake_notifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

using namespace lmv;
using Clock = std::chrono::steady_clock;

constexpr int Repeats = 5;
constexpr double GoalMs = 5.0;
const QString RecordName = QStringLiteral("0.lmv");
volatile std::size_t sink = 0;  // keeps the timed copy

namespace baseline {

// The entry found and changed, then the index written here.
void IndexSavedRecord(model::TBaseHeader& list, const model::TBaseHeaderRecord& saved,
                      const QString& path)
{
    const auto entry = std::find_if(list.begin(), list.end(),
                                    [&](const auto& e) { return e.FileName == saved.FileName; });
    entry->Title = saved.Title;
    entry->DateTime = saved.DateTime;
    store::WriteHeaderFile(path, list);
}

}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double TimeOf(const std::function<void()>& work)
{
    const Clock::time_point start = Clock::now();
    work();
    return Ms(Clock::now() - start);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

model::TBaseRecord Record(int n)
{
    model::TBaseRecord rec;
    rec.Title = QStringLiteral("Запись %1").arg(n);
    rec.DateTime = 46000.5 + n;
    rec.Channels = {{0, {{1.0, 2.0}}}};
    return rec;
}

// A record folder whose index lists the record first and count - 1 entries after it.
QString MakeFolder(const QTemporaryDir& documents, int count)
{
    const QString dir = documents.path() + "/Lmv2Pr/Base/";
    QDir().mkpath(dir);
    store::WriteRecordFile(dir + RecordName, Record(0));
    model::TBaseHeader list{{QStringLiteral("Запись 0"), RecordName, 46000.5}};
    for (int i = 1; i < count; ++i)
        list.push_back({QStringLiteral("Титрование образца %1").arg(i),
                        QStringLiteral("%1.lmv").arg(i), 46000.5 + i});
    store::WriteHeaderFile(dir + store::HeaderFileName, list);
    return dir;
}

// The longest pass of the event loop while one save runs.
double AutosaveStall(store::TRecordStore& store, int n)
{
    std::optional<QString> outcome;
    store.SaveRecordFileInBackground(RecordName, Record(n),
                                     [&](const QString& error) { outcome = error; });
    double longest = 0.0;
    while (!outcome) {
        QThread::msleep(1);
        longest = std::max(longest, TimeOf([] { QCoreApplication::processEvents(); }));
    }
    if (!outcome->isEmpty())
        std::fprintf(stderr, "save failed: %s\n", qPrintable(*outcome));
    return longest;
}

void Measure(int count)
{
    const QTemporaryDir documents;
    const QString dir = MakeFolder(documents, count);
    test::FakeNotifier notifier;
    store::TRecordStore store(notifier, documents.path(),
                              [] { return QDateTime::currentDateTime(); });
    store.SetRecordDir(dir);
    std::vector<double> today, now, copy;
    for (int i = 1; i <= Repeats; ++i) {
        model::TBaseHeader list = store.HeaderList();
        today.push_back(TimeOf([&] {
            baseline::IndexSavedRecord(list, {Record(i).Title, RecordName, Record(i).DateTime},
                                       dir + store::HeaderFileName);
        }));
        now.push_back(AutosaveStall(store, i));
        copy.push_back(TimeOf([&] {
            const model::TBaseHeader copied = store.HeaderList();
            sink = copied.size();
        }));
    }
    const double stall = Median(now);
    std::printf("%10d %14.2f %14.2f %12.3f %8.1f  %s\n", count, Median(today), stall, Median(copy),
                GoalMs, stall < GoalMs ? "met" : "MISSED");
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("%10s %14s %14s %12s %8s\n", "entries", "today ms", "stall ms", "copy ms",
                "goal ms");
    for (const int count : {100, 1000, 10000, 100000})
        Measure(count);
    return 0;
}
