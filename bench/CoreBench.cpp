// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's speed: one conversion, one range parse, and a 1,000,000-point
// walk into a receiver that stores the points, beside a bare loop doing the
// same multiplications and divisions with no checks (and storing the same).
#include "Convert.h"
#include "Sweep.h"
#include "Units.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <utility>
#include <vector>

using namespace quendrix;

namespace {

const UnitFactors startUp = GetUnitFactors(0, 1, 2, 1); // m, KN -> mm, KN
constexpr double alpha = 0.4;

void BM_ConvertCoefficient(benchmark::State& state) {
    double c = 2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertCoefficient(alpha, c, startUp));
        c += 1;
    }
}
BENCHMARK(BM_ConvertCoefficient);

void BM_ParseSweepRange(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseSweepRange("2000:500:20000", "."));
}
BENCHMARK(BM_ParseSweepRange);

void BM_ParseSweepRangeQuotedBlanks(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseSweepRange(" \"2000\" : 0.0005e6  20000.125:9", "."));
}
BENCHMARK(BM_ParseSweepRangeQuotedBlanks);

using Points = std::vector<std::pair<double, double>>;

void setPointCounters(benchmark::State& state, const Points& points) {
    state.counters["points"] = static_cast<double>(points.size());
    state.counters["per_point"] = benchmark::Counter(static_cast<double>(points.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

// range(0) 0: the end is exactly 1e6 steps away, the guard repeats the
// additions to be exact; 1: the end lies half a step further in, where the
// guard's estimate decides at once. Both walks give 1,000,000 points.
SweepRange millionPoints(const benchmark::State& state) {
    return {0, 1, state.range(0) == 0 ? 1'000'000.0 : 999'999.5};
}

void BM_SweepPointsChecked(benchmark::State& state) {
    const SweepRange range = millionPoints(state);
    Points points;
    points.reserve(MaxSweepPoints);
    for (auto _ : state) {
        points.clear();
        SweepPoints(range, alpha, startUp, [&](double x, double y) { points.emplace_back(x, y); });
        benchmark::ClobberMemory();
    }
    setPointCounters(state, points);
}
BENCHMARK(BM_SweepPointsChecked)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SweepPointsBare(benchmark::State& state) {
    const SweepRange range = millionPoints(state);
    Points points;
    points.reserve(MaxSweepPoints);
    for (auto _ : state) {
        points.clear();
        const double p1 = std::pow(startUp.LengthIn, alpha);
        const double p2 = std::pow(startUp.LengthOut, alpha);
        for (double x = range.Start; x < range.End; x += range.Step)
            points.emplace_back(x, p1 * x * startUp.ForceIn / startUp.ForceOut / p2);
        benchmark::ClobberMemory();
    }
    setPointCounters(state, points);
}
BENCHMARK(BM_SweepPointsBare)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
