// Saving and reading a record of 10^4 to 10^6 points over nine channels, beside a plain write
// (with fsync) and a plain read of the same number of bytes: the save should stay within twice
// the plain write, the read within twice the plain read.
#include "store/record_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

using namespace lmv::store;
using namespace lmv;

model::TBaseRecord RecordOf(int64_t points)
{
    model::TBaseRecord rec;
    rec.Title = QStringLiteral("Титрование");
    for (int id = 0; id < model::NewRecordChannelCount; ++id) {
        model::TSingleChannel channel{id, {}};
        for (int64_t i = id; i < points; i += model::NewRecordChannelCount)
            channel.Points.push_back({double(i) * 0.5, double(i % 977) * 1.25});
        rec.Channels.push_back(std::move(channel));
    }
    return rec;
}

const QTemporaryDir& Folder()
{
    static const QTemporaryDir dir;
    return dir;
}

QString PathFor(const char* kind, int64_t points)
{
    return QDir(Folder().path()).filePath(QStringLiteral("%1-%2").arg(kind).arg(points));
}

void SaveRecord(benchmark::State& state)
{
    const model::TBaseRecord rec = RecordOf(state.range(0));
    const QString path = PathFor("record", state.range(0));
    for (auto _ : state)
        WriteRecordFile(path, rec);
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void PlainWrite(benchmark::State& state)
{
    const QByteArray bytes(SerializeRecord(RecordOf(state.range(0))).size(), 'x');
    const QString path = PathFor("plain", state.range(0));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
            state.SkipWithError("plain write failed");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void ReadRecord(benchmark::State& state)
{
    const QString path = PathFor("record", state.range(0));
    WriteRecordFile(path, RecordOf(state.range(0)));
    for (auto _ : state) {
        model::TBaseRecord rec;
        ReadRecordFile(path, rec);
        benchmark::DoNotOptimize(rec.Channels.data());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void PlainRead(benchmark::State& state)
{
    const QString path = PathFor("plain", state.range(0));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(QByteArray(SerializeRecord(RecordOf(state.range(0))).size(), 'x'));
    }
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

}

BENCHMARK(SaveRecord)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(PlainWrite)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ReadRecord)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
