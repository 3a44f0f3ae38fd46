// The analysis engine at a size beyond everyday use: 200 segments and 100
// strategies, every strategy changing all seven features (the most forecast
// work per strategy).
#include "analysis/analysis_files.h"
#include "analysis/forecast.h"
#include "analysis/strategy_table.h"
#include "bench_plan.h"
#include "workspace/plan_codecs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lendora;
using namespace lendora::analysis;

namespace {

using bench::segmentCount;
using bench::strategyCount;

struct Plan : bench::BenchPlan {
    // Analyse, then Add for strategy k; Add ends with AllTotals, so the
    // totals rows stay under the strategies.
    bool step(AnalysisTables& tables, int k) const {
        for (int f = 1; f <= featureCount; ++f)
            tables.changeFlag(f) = true;
        const FeatureValues values = strategy(k);
        if (!analyse(tables, {own, c1, c2}, values).computed())
            return false;
        addStrategy(tables, values);
        return true;
    }
};

// One whole session: 100 strategies analysed, added and totalled in turn.
// per_strategy is the mean time of one Analyse + Add + AllTotals.
void BM_HundredStrategiesOver200Segments(benchmark::State& state) {
    Plan plan;
    for (auto _ : state) {
        state.PauseTiming();
        AnalysisTables tables = plan.fresh;
        state.ResumeTiming();
        for (int k = 1; k <= strategyCount; ++k)
            if (!plan.step(tables, k)) {
                state.SkipWithError("strategy refused");
                break;
            }
        benchmark::DoNotOptimize(tables.features.rowCount());
        if (tables.lblAnalysisID != strategyCount + 1)
            state.SkipWithError("wrong strategy count");
    }
    state.counters["per_strategy"] = benchmark::Counter(
        double(strategyCount) * double(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_HundredStrategiesOver200Segments)->Unit(benchmark::kMillisecond);

// The 100th strategy alone, with 99 already in the tables: the slowest
// single Analyse + Add + AllTotals the user waits for.
void BM_HundredthStrategyOver200Segments(benchmark::State& state) {
    Plan plan;
    AnalysisTables ninetyNine = plan.fresh;
    for (int k = 1; k < strategyCount; ++k)
        plan.step(ninetyNine, k);
    for (auto _ : state) {
        state.PauseTiming();
        AnalysisTables tables = ninetyNine;
        state.ResumeTiming();
        if (!plan.step(tables, strategyCount))
            state.SkipWithError("strategy refused");
        benchmark::DoNotOptimize(tables.features.rowCount());
    }
}
BENCHMARK(BM_HundredthStrategyOver200Segments)->Unit(benchmark::kMicrosecond);

// Save with 100 strategies over 200 segments: the four analysis files
// (20,000 per-segment records) written to temporary files and replaced
// together. Then opening them again: the tables read back with their totals.
struct SavedPlan {
    Plan plan;
    AnalysisTables tables = plan.fresh;
    QTemporaryDir dir;
    RecordFolder folder{dir.path()};

    SavedPlan() {
        tables.lblProjectIndex = 1;
        for (int k = 1; k <= strategyCount; ++k)
            plan.step(tables, k);
    }
};

void BM_SaveHundredStrategiesOver200Segments(benchmark::State& state) {
    SavedPlan saved;
    for (auto _ : state)
        if (!saved.folder.writeTogether(plancodec::analysisFileBytes(
                saved.tables.lblProjectIndex, savedStrategies(saved.tables))).ok())
            state.SkipWithError("save failed");
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(saved.dir.path()).entryInfoList(QDir::Files))
        bytes += file.size();
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_SaveHundredStrategiesOver200Segments)->Unit(benchmark::kMillisecond);

void BM_LoadHundredStrategiesOver200Segments(benchmark::State& state) {
    SavedPlan saved;
    if (!saved.folder.writeTogether(plancodec::analysisFileBytes(
                saved.tables.lblProjectIndex, savedStrategies(saved.tables))).ok())
        state.SkipWithError("save failed");
    for (auto _ : state) {
        state.PauseTiming();
        AnalysisTables tables = saved.plan.fresh;
        tables.lblProjectIndex = 1;
        state.ResumeTiming();
        loadAnalysisFiles(saved.folder, tables);
        if (tables.lblAnalysisID != strategyCount + 1)
            state.SkipWithError("wrong strategy count");
    }
}
BENCHMARK(BM_LoadHundredStrategiesOver200Segments)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
