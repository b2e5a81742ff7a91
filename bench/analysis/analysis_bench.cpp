// Time of the equivalence-volume search on two-step titration curves of growing length.
#include "analysis/titration_solver.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

namespace {

using lmv::analysis::TDataArr;
using lmv::analysis::TDoubleArr;
using lmv::analysis::TSolver;

// 0 .. 20 ml, steps of 4 and 5 units at 6.0 and 14.2 ml, 0.3 ml wide, with a reproducible
// uniform noise of the given amplitude.
TDataArr TwoStepCurve(int points, double noise)
{
    TDataArr curve(points);
    std::uint32_t seed = 12345;
    for (int i = 0; i < points; ++i) {
        const double x = 20.0 * i / (points - 1);
        seed = seed * 1664525u + 1013904223u;
        const double jitter = noise * (double(seed >> 8) / double(1u << 24) - 0.5);
        curve[i] = {x,
                    2.0 + 2.0 * (1 + std::tanh((x - 6.0) / 0.3)) +
                        2.5 * (1 + std::tanh((x - 14.2) / 0.3)) + jitter};
    }
    return curve;
}

void Search(benchmark::State& state, double noise)
{
    const auto points = int(state.range(0));
    const TDataArr curve = TwoStepCurve(points, noise);
    TSolver solver;
    TDoubleArr volumes;
    for (auto _ : state) {
        solver.SetData(curve);
        solver.FindVolumes(volumes);
        benchmark::DoNotOptimize(volumes.data());
    }
    state.counters["volumes"] = double(volumes.size());
    state.counters["smooth_passes"] = double(solver.SmoothPasses());
    state.counters["time_per_point"] = benchmark::Counter(
        double(points),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void FindVolumes(benchmark::State& state) { Search(state, 0.0); }

// The noise forces smoothing passes over the whole derivative.
void FindVolumesNoisy(benchmark::State& state) { Search(state, 0.002); }

BENCHMARK(FindVolumes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FindVolumesNoisy)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
