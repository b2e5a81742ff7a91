// Hostile files of 300 MB (sparse, so nothing is written): a fake record that starts with the
// record magic, and a foreign file. Both must be told apart from their first bytes in well under
// 50 ms and with under 10 MB of extra memory; extra_rss_MB is the growth of the peak resident size
// over the whole run.
#include "store/record_file.h"
#include "store/store_errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using namespace lmv::store;
using namespace lmv;

constexpr qint64 HostileSize = qint64(300) << 20;

long PeakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void ReadHostileFile(benchmark::State& state, const QByteArray& start)
{
    const QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("hostile");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(start) != start.size() ||
        !file.resize(HostileSize)) {
        state.SkipWithError("cannot make the sparse file");
        return;
    }
    file.close();
    const long before = PeakRssKb();
    for (auto _ : state) {
        model::TBaseRecord rec;
        try {
            ReadRecordFile(path, rec);
        } catch (const TooLargeFileError&) {
        }
        benchmark::DoNotOptimize(rec.Mode);
    }
    state.counters["extra_rss_MB"] = double(PeakRssKb() - before) / 1024.0;
}

void FakeRecord(benchmark::State& state) { ReadHostileFile(state, "LMVRv100"); }
void ForeignFile(benchmark::State& state) { ReadHostileFile(state, "RIFF"); }

}

BENCHMARK(FakeRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(ForeignFile)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
