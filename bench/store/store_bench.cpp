// Saving and reading a record of 10^4 to 10^6 points over nine channels, beside a plain write
// (with fsync) and a plain read of the same number of bytes: the save should stay within twice
// the plain write, the read within twice the plain read at every size ("x_plain"). The old read
// is measured beside it: chunk by chunk through Qt's buffered file, each channel's points read
// into a vector zeroed first.
#include "store/record_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

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

void WritePlainFile(const QString& path, int64_t points)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(QByteArray(SerializeRecord(RecordOf(points)).size(), 'x'));
}

QByteArray PlainReadOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

namespace baseline {

template <typename T> bool Read(QFile& file, T& value)
{
    return file.read(reinterpret_cast<char*>(&value), sizeof value) == qint64(sizeof value);
}

// The chunks of the record's file, its channels' points kept and every other chunk passed over.
void ReadRecordFile(const QString& path, model::TBaseRecord& rec)
{
    QFile file(path);
    if (!QFileInfo(path).exists() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    file.read(8);
    int32_t tag = 0;
    int32_t length = 0;
    while (Read(file, tag) && Read(file, length)) {
        int32_t value = 0;
        if (tag == ChannelIdTag && Read(file, value)) {
            rec.Channels.push_back({value, {}});
        } else if (tag == ChannelPointsTag && Read(file, value)) {
            std::vector<model::TPoint>& points = rec.Channels.back().Points;
            points.resize(std::size_t(value));
            file.read(reinterpret_cast<char*>(points.data()),
                      value * qint64(sizeof(model::TPoint)));
        } else {
            file.skip(length);
        }
    }
}

}

void ReadRecordNow(const QString& path, model::TBaseRecord& rec) { ReadRecordFile(path, rec); }

// A record read through `read`, then as many plain reads of as many bytes: "x_plain" is the one's
// time over the other's.
template <void (*read)(const QString&, model::TBaseRecord&)> void TimedRead(benchmark::State& state)
{
    const QString path = PathFor("record", state.range(0));
    WriteRecordFile(path, RecordOf(state.range(0)));
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        model::TBaseRecord rec;
        read(path, rec);
        benchmark::DoNotOptimize(rec.Channels.data());
    }
    const auto end = std::chrono::steady_clock::now();
    const QString plain = PathFor("plain", state.range(0));
    WritePlainFile(plain, state.range(0));
    for (int64_t i = 0; i < state.iterations(); ++i) {
        const QByteArray bytes = PlainReadOf(plain);
        benchmark::DoNotOptimize(bytes.data());
    }
    const std::chrono::duration<double> readTime = end - start;
    state.counters["x_plain"] = readTime / (std::chrono::steady_clock::now() - end);
    state.SetLabel("goal: x_plain at most 2");
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void PlainRead(benchmark::State& state)
{
    const QString path = PathFor("plain", state.range(0));
    WritePlainFile(path, state.range(0));
    for (auto _ : state) {
        const QByteArray bytes = PlainReadOf(path);
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
BENCHMARK(TimedRead<ReadRecordNow>)
    ->Name("ReadRecord")
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TimedRead<baseline::ReadRecordFile>)
    ->Name("OldReadRecord")
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
