// The business case of 100 strategies over 200 segments (the rows of the
// table: customers, money and effective rates), beside the Analyse + Add of
// the same strategies timed in the same run; and the business case's 90%
// intervals beside the respondents' intervals from the same resamples.
#include "analysis/business_case_rows.h"
#include "analysis/business_case_table.h"
#include "bench_plan.h"
#include "seconds_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <optional>

using namespace lendora;
using namespace lendora::analysis;

namespace {

using bench::segmentCount;
using bench::strategyCount;

struct Plan : bench::BenchPlan {
    // The 100 strategies analysed and added.
    PlanAnalysis added() const {
        PlanAnalysis analysis = fresh();
        for (int k = 1; k <= strategyCount; ++k) {
            analysis.entry().changed.fill(true);
            if (analysis.analyse(strategy(k)) != Novelty::New || analysis.add(strategy(k)) != k)
                return {};
        }
        return analysis;
    }
    BusinessCase inputs() const {
        BusinessCase lender{{}, 80, 6, 100};
        for (int s = 0; s < segmentCount; ++s)
            lender.borrowers.push_back(1000 + 37 * s);
        return lender;
    }
};

const Plan& plan() {
    static const Plan shared;
    return shared;
}

// Peer: Analyse and Add of the 100 strategies.
void BM_AnalyseAndAdd100StrategiesOver200Segments(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(plan().added().nextStrategyNumber());
}
BENCHMARK(BM_AnalyseAndAdd100StrategiesOver200Segments)->Unit(benchmark::kMillisecond);

// The rows of the business case of the current product and the 100 strategies.
void BM_BusinessCaseOf100StrategiesOver200Segments(benchmark::State& state) {
    const PlanAnalysis analysis = plan().added();
    const BusinessCase inputs = plan().inputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(businessCaseRows(analysis, inputs).back().gain);
}
BENCHMARK(BM_BusinessCaseOf100StrategiesOver200Segments)->Unit(benchmark::kMillisecond);

// The same rows as the table shows them (texts of 101 rows x 211 columns).
void BM_BusinessCaseTableTexts(benchmark::State& state) {
    const PlanAnalysis analysis = plan().added();
    const std::vector<BusinessCaseRow> rows = businessCaseRows(analysis, plan().inputs());
    for (auto _ : state)
        benchmark::DoNotOptimize(businessCaseTexts(analysis.segments(), rows, nullptr).size());
}
BENCHMARK(BM_BusinessCaseTableTexts)->Unit(benchmark::kMillisecond);

const ResampledPolls& resampled() {
    static const ResampledPolls polls(plan().details, plan().poll, segmentCount);
    return polls;
}

// Peer: the respondents' intervals of the 100 strategies from the 2,000 resamples.
void BM_RespondentIntervalsOf100Strategies(benchmark::State& state) {
    const PlanAnalysis analysis = plan().added();
    const std::vector<StrategyInput> strategies = analysis.strategyInputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(strategyIntervals(resampled(), strategies).back().total.high);
}
BENCHMARK(BM_RespondentIntervalsOf100Strategies)->Unit(benchmark::kMillisecond)->UseRealTime();

// The intervals of customers, profit and gain from the same resamples.
void BM_BusinessCaseIntervalsOf100Strategies(benchmark::State& state) {
    const PlanAnalysis analysis = plan().added();
    const BusinessCase inputs = plan().inputs();
    const std::vector<BusinessCaseRow> rows = businessCaseRows(analysis, inputs);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            businessCaseIntervals(resampled(), analysis, inputs, rows).back().gain.high);
    state.counters["threads"] = workerThreads();
}
BENCHMARK(BM_BusinessCaseIntervalsOf100Strategies)->Unit(benchmark::kMillisecond)->UseRealTime();

std::optional<double> loadAverage() {
    std::ifstream file("/proc/loadavg");
    double load = 0;
    if (file >> load)
        return load;
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double rows = reporter.seconds("BM_BusinessCaseOf100StrategiesOver200Segments");
    const double add = reporter.seconds("BM_AnalyseAndAdd100StrategiesOver200Segments");
    if (rows > 0 && add > 0)
        std::printf("\nBusiness case of %d strategies over %d segments: %.3f ms (goal: under 5 "
                    "ms); Analyse + Add of the same strategies: %.2f ms; %.3f times the peer\n",
                    strategyCount, segmentCount, rows * 1e3, add * 1e3, rows / add);
    const double money = reporter.seconds("BM_BusinessCaseIntervalsOf100Strategies");
    const double respondents = reporter.seconds("BM_RespondentIntervalsOf100Strategies");
    if (money > 0 && respondents > 0)
        std::printf("Business case intervals: %.1f ms; the respondents' intervals from the same "
                    "resamples: %.1f ms; %.2f times the peer\n",
                    money * 1e3, respondents * 1e3, money / respondents);
    if (const auto load = loadAverage())
        std::printf("Machine load (1 minute): %.2f\n", *load);
    benchmark::Shutdown();
    return 0;
}
