// Throughput of frame reassembly on 10 MB of mixed good frames, bad frames and noise.
#include "common/notifier.h"
#include "link/frame_codec.h"
#include "link/frame_parser.h"
#include "link/instrument_link.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lmv;

constexpr size_t StreamSize = 10 * 1024 * 1024;
constexpr int PollChunk = 2048;

std::vector<uint8_t> MixedStream()
{
    std::vector<uint8_t> stream;
    stream.reserve(StreamSize + 512);
    uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return uint8_t(seed >> 24);
    };
    std::vector<uint8_t> payload(13);
    std::vector<uint8_t> longPayload(254);
    while (stream.size() < StreamSize) {
        const uint8_t kind = next() % 8;
        std::vector<uint8_t> frame;
        if (kind < 5) {
            for (auto& b : payload)
                b = next();
            frame = link::EncodeFrame(link::MeasurementFrame, payload);
        } else if (kind == 5) {
            for (auto& b : longPayload)
                b = next();
            frame = link::EncodeFrame(link::TextFrame, longPayload);
        } else if (kind == 6) {
            frame = link::EncodeFrame(link::GetClockFrame, payload);
            frame.back() ^= 0xFF;  // a wrong check byte
        } else {
            for (int i = 0; i < 16; ++i) {
                const uint8_t b = next();
                frame.push_back(b == link::FrameStart ? 0 : b);
            }
        }
        stream.insert(stream.end(), frame.begin(), frame.end());
    }
    return stream;
}

const std::vector<uint8_t>& Stream()
{
    static const std::vector<uint8_t> stream = MixedStream();
    return stream;
}

void BM_FrameParser(benchmark::State& state)
{
    const std::vector<uint8_t>& stream = Stream();
    link::TFrameParser parser;
    link::TRxFrame frame;
    int good = 0;
    for (auto _ : state) {
        for (size_t start = 0; start < stream.size(); start += PollChunk) {
            const int size = int(std::min<size_t>(PollChunk, stream.size() - start));
            int pos = 0;
            while (pos < size) {
                link::TFrameResult result;
                pos += parser.Scan(stream.data() + start + pos, size - pos, result);
                if (result == link::TFrameResult::Good) {
                    parser.CopyFrame(frame);
                    ++good;
                }
            }
        }
        benchmark::DoNotOptimize(frame);
    }
    state.counters["good frames"] = double(good) / double(state.iterations());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
}
BENCHMARK(BM_FrameParser)->Unit(benchmark::kMillisecond);

class SilentNotifier : public common::Notifier {
public:
    void Beep() override {}
    common::BoxAnswer MessageBox(const QString&, common::BoxIcon, common::BoxButtons,
                                 const QString&) override
    {
        return common::BoxAnswer::Ok;
    }
};

class CountingHandlers : public link::TFrameHandlers {
public:
    void OnMeasurementFrame(const link::TRxFrame& frame) override { sum += frame.bytes[3]; }
    void OnTextFrame(const link::TRxFrame& frame) override { sum += frame.bytes[3]; }
    unsigned sum = 0;
};

// The whole receive entry: reassembly, good-frame steps with their signals, dispatch.
void BM_LinkReceiveParser(benchmark::State& state)
{
    const std::vector<uint8_t>& stream = Stream();
    SilentNotifier notifier;
    CountingHandlers handlers;
    link::TInstrumentLink instrumentLink(notifier);
    instrumentLink.SetHandlers(&handlers);
    for (auto _ : state) {
        for (size_t start = 0; start < stream.size(); start += PollChunk)
            instrumentLink.ReceiveData(stream.data() + start,
                                       int(std::min<size_t>(PollChunk, stream.size() - start)));
        benchmark::DoNotOptimize(handlers.sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
}
BENCHMARK(BM_LinkReceiveParser)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
