// The 90% intervals of 100 strategies over 200 segments from 2,000 resamples
// of the poll counts, beside the plain forecast (Analyse) of the same
// strategies as the baseline. Every strategy changes all seven features, the
// most work per strategy. The resampling runs on all cores; the baseline, as
// Analyse does, on one.
#include "analysis/forecast.h"
#include "analysis/intervals.h"
#include "bench_plan.h"

#include <benchmark/benchmark.h>

using namespace lendora;
using namespace lendora::analysis;

namespace {

using bench::segmentCount;

struct Plan : bench::BenchPlan {
    std::vector<StrategyInput> strategies;

    Plan() {
        for (int k = 1; k <= bench::strategyCount; ++k)
            strategies.push_back(input(k));
    }
};

// Baseline: the forecasts of Analyse for the 100 strategies.
void BM_PlainForecastOf100Strategies(benchmark::State& state) {
    Plan plan;
    for (auto _ : state)
        for (const StrategyInput& s : plan.strategies)
            benchmark::DoNotOptimize(forecast(plan.details, plan.poll, segmentCount, s).grandTotal);
}
BENCHMARK(BM_PlainForecastOf100Strategies)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 2,000 resamples drawn, then the intervals of every segment total,
// feature total and grand total of the 100 strategies.
void BM_IntervalsOf100StrategiesFrom2000Resamples(benchmark::State& state) {
    Plan plan;
    for (auto _ : state) {
        const ResampledPolls resampled(plan.details, plan.poll, segmentCount);
        const auto intervals = strategyIntervals(resampled, plan.strategies);
        benchmark::DoNotOptimize(intervals.back().total.high);
    }
    state.counters["threads"] = workerThreads();
}
BENCHMARK(BM_IntervalsOf100StrategiesFrom2000Resamples)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The two parts apart: drawing the resamples, and one strategy's intervals.
void BM_Draw2000ResamplesOf200Segments(benchmark::State& state) {
    Plan plan;
    for (auto _ : state)
        benchmark::DoNotOptimize(ResampledPolls(plan.details, plan.poll, segmentCount).resamples());
}
BENCHMARK(BM_Draw2000ResamplesOf200Segments)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IntervalsOfOneStrategy(benchmark::State& state) {
    Plan plan;
    const ResampledPolls resampled(plan.details, plan.poll, segmentCount);
    for (auto _ : state)
        benchmark::DoNotOptimize(resampled.intervals(plan.strategies[0]).total.low);
}
BENCHMARK(BM_IntervalsOfOneStrategy)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the CSV export adds: the interval of every estimate of the 100
// strategies, 140,000 cells.
void BM_EstimateIntervalsOf100Strategies(benchmark::State& state) {
    Plan plan;
    const ResampledPolls resampled(plan.details, plan.poll, segmentCount);
    for (auto _ : state)
        benchmark::DoNotOptimize(strategyCellIntervals(resampled, plan.strategies).size());
}
BENCHMARK(BM_EstimateIntervalsOf100Strategies)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
