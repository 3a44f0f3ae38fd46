// The 90% intervals of 100 strategies over 200 segments from 2,000 resamples
// of the poll counts, beside the plain forecast (Analyse) of the same
// strategies as the baseline. Every strategy changes all seven features, the
// most work per strategy. The resampling runs on all cores; the baseline, as
// Analyse does, on one.
#include "analysis/forecast.h"
#include "analysis/intervals.h"
#include "bench_plan.h"
#include "seconds_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

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

// The processor time of every thread of the program, per iteration of the
// benchmark that measured it last.
double cpuSecondsPerRun = 0;

// The 2,000 resamples drawn, then the intervals of every segment total,
// feature total and grand total of the 100 strategies. Goal: under 0.5 s of
// wall time on an idle machine of two cores.
void BM_IntervalsOf100StrategiesFrom2000Resamples(benchmark::State& state) {
    Plan plan;
    const std::clock_t start = std::clock();
    for (auto _ : state) {
        const ResampledPolls resampled(plan.details, plan.poll, segmentCount);
        const auto intervals = strategyIntervals(resampled, plan.strategies);
        benchmark::DoNotOptimize(intervals.back().total.high);
    }
    cpuSecondsPerRun = double(std::clock() - start) / CLOCKS_PER_SEC /
                       double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["threads"] = workerThreads();
    state.counters["cpu_ms_all_threads"] = cpuSecondsPerRun * 1e3;
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

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    lendora::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double wall = reporter.seconds("BM_IntervalsOf100StrategiesFrom2000Resamples");
    const double plain = reporter.seconds("BM_PlainForecastOf100Strategies");
    double load[3] = {0, 0, 0};
    if (wall > 0 && getloadavg(load, 3) == 3)
        std::printf("\nIntervals of %d strategies x %d segments from %d resamples: %.0f ms wall, "
                    "%.0f ms processor time on %d threads (goal: under 500 ms wall on an idle "
                    "2-core machine); the plain forecasts: %.1f ms; load average %.2f %.2f %.2f\n",
                    bench::strategyCount, segmentCount, ResampledPolls::defaultResamples,
                    wall * 1e3, cpuSecondsPerRun * 1e3, workerThreads(), plain * 1e3, load[0],
                    load[1], load[2]);
    benchmark::Shutdown();
    return 0;
}
