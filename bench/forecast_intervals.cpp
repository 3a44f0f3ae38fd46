// The 90% intervals of 100 strategies over 200 segments from 2,000 resamples
// of the poll counts, beside the plain forecast (Analyse) of the same
// strategies as the baseline. Every strategy changes all seven features, the
// most work per strategy. The resampling runs on all cores; the baseline, as
// Analyse does, on one.
#include "analysis/forecast.h"
#include "analysis/intervals.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace lendora;
using namespace lendora::analysis;

namespace {

constexpr int segmentCount = 200;
constexpr int strategyCount = 100;

Grid pollGrid(std::mt19937& random) {
    std::uniform_int_distribution<int> count(0, 400);
    Grid grid(segmentCount + 2, 9);
    for (int r = 1; r <= segmentCount; ++r) {
        int total = 0;
        for (int f = 1; f <= featureCount; ++f) {
            const int c = count(random);
            grid.setText(r, f, QString::number(c));
            total += c;
        }
        grid.setText(r, pollTotalColumn, QString::number(total));
    }
    return grid;
}

struct Plan {
    std::mt19937 random{2012};
    Grid own = pollGrid(random);
    Grid c1 = pollGrid(random);
    Grid c2 = pollGrid(random);
    AnalysisTables tables;
    std::vector<StrategyInput> strategies;

    Plan() {
        std::vector<QStringList> segments;
        for (int s = 1; s <= segmentCount; ++s)
            segments.push_back({QString::number(s), QStringLiteral("Segment %1").arg(s)});
        placeSegments(tables, segments);
        tables.base.setRowCount(5);
        const std::array<QStringList, 3> base{
            QStringList{"10", "20000", "500000", "80", "240", "5000", "2"},
            QStringList{"12", "25000", "600000", "85", "180", "6000", "3"},
            QStringList{"14", "30000", "700000", "90", "120", "7000", "5"}};
        for (int b = 0; b < 3; ++b)
            for (int f = 0; f < featureCount; ++f)
                tables.base.setText(b + 1, 3 + f, base[size_t(b)][f]);
        for (int f = 1; f <= featureCount; ++f)
            tables.changeFlag(f) = true;
        for (int k = 1; k <= strategyCount; ++k) {
            StrategyInput s;
            s.values = {9 + k * 0.01, 19000.0 + k, 480000.0 + k * 10, 78 + k * 0.01,
                        230.0 + k,    4900.0 + k,  1 + k * 0.01};
            s.changed.fill(true);
            strategies.push_back(s);
        }
    }
    PollGrids polls() const { return {own, c1, c2}; }
};

// Baseline: Analyse of the 100 strategies.
void BM_PlainForecastOf100Strategies(benchmark::State& state) {
    Plan plan;
    for (auto _ : state)
        for (const StrategyInput& s : plan.strategies)
            benchmark::DoNotOptimize(analyse(plan.tables, plan.polls(), s.values).computed());
}
BENCHMARK(BM_PlainForecastOf100Strategies)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 2,000 resamples drawn, then the intervals of every segment total,
// feature total and grand total of the 100 strategies.
void BM_IntervalsOf100StrategiesFrom2000Resamples(benchmark::State& state) {
    Plan plan;
    for (auto _ : state) {
        const ResampledPolls resampled(plan.tables.base, plan.polls(), segmentCount);
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
        benchmark::DoNotOptimize(
            ResampledPolls(plan.tables.base, plan.polls(), segmentCount).resamples());
}
BENCHMARK(BM_Draw2000ResamplesOf200Segments)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IntervalsOfOneStrategy(benchmark::State& state) {
    Plan plan;
    const ResampledPolls resampled(plan.tables.base, plan.polls(), segmentCount);
    for (auto _ : state)
        benchmark::DoNotOptimize(resampled.intervals(plan.strategies[0]).total.low);
}
BENCHMARK(BM_IntervalsOfOneStrategy)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the CSV export adds: the interval of every estimate of the 100
// strategies, 140,000 cells.
void BM_EstimateIntervalsOf100Strategies(benchmark::State& state) {
    Plan plan;
    const ResampledPolls resampled(plan.tables.base, plan.polls(), segmentCount);
    for (auto _ : state)
        benchmark::DoNotOptimize(strategyCellIntervals(resampled, plan.strategies).size());
}
BENCHMARK(BM_EstimateIntervalsOf100Strategies)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
