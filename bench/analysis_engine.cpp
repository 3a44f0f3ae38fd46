// The analysis engine at a size beyond everyday use: 200 segments and 100
// strategies, every strategy changing all seven features (the most forecast
// work per strategy). Analyse and Add of the 100 strategies, with the
// comparison's totals, beside the bare forecasts of the same strategies as
// the baseline: what the novelty check, the warnings and the comparison add
// to the arithmetic.
#include "analysis/table_texts.h"
#include "bench_plan.h"
#include "seconds_reporter.h"
#include "storage/record_file.h"
#include "workspace/plan_codecs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace lendora;
using namespace lendora::analysis;

namespace {

using bench::segmentCount;
using bench::strategyCount;

struct Plan : bench::BenchPlan {
    // Analyse, then Add for strategy k, and the totals the tables show after it.
    bool step(PlanAnalysis& analysis, int k) const {
        analysis.entry().changed.fill(true);
        if (analysis.analyse(strategy(k)) != Novelty::New || analysis.add(strategy(k)) != k)
            return false;
        benchmark::DoNotOptimize(analysis.totals().segmentSum);
        return true;
    }
};

// Baseline: the forecasts of the 100 strategies alone.
void BM_ForecastsOf100StrategiesOver200Segments(benchmark::State& state) {
    Plan plan;
    for (auto _ : state)
        for (int k = 1; k <= strategyCount; ++k)
            benchmark::DoNotOptimize(
                forecast(plan.details, plan.poll, segmentCount, Plan::input(k)).grandTotal);
}
BENCHMARK(BM_ForecastsOf100StrategiesOver200Segments)->Unit(benchmark::kMillisecond);

// One whole session: 100 strategies analysed and added in turn.
// per_strategy is the mean time of one Analyse + Add with its totals.
void BM_AnalyseAndAdd100StrategiesOver200Segments(benchmark::State& state) {
    Plan plan;
    for (auto _ : state) {
        state.PauseTiming();
        PlanAnalysis analysis = plan.fresh();
        state.ResumeTiming();
        for (int k = 1; k <= strategyCount; ++k)
            if (!plan.step(analysis, k)) {
                state.SkipWithError("strategy refused");
                break;
            }
        if (analysis.nextStrategyNumber() != strategyCount + 1)
            state.SkipWithError("wrong strategy count");
    }
    state.counters["per_strategy"] = benchmark::Counter(
        double(strategyCount) * double(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_AnalyseAndAdd100StrategiesOver200Segments)->Unit(benchmark::kMillisecond);

// Every cell of the per-segment table of 100 strategies as the window
// shows it (20,300 texts), as an export reads it.
void BM_SegmentTableTextsOf100Strategies(benchmark::State& state) {
    Plan plan;
    PlanAnalysis analysis = plan.fresh();
    for (int k = 1; k <= strategyCount; ++k)
        plan.step(analysis, k);
    for (auto _ : state)
        benchmark::DoNotOptimize(tableTexts(analysis, AnalysisTable::SegmentEstimates).size());
}
BENCHMARK(BM_SegmentTableTextsOf100Strategies)->Unit(benchmark::kMillisecond);

// Save with 100 strategies over 200 segments: the four analysis files
// (20,100 per-segment records) written to temporary files and replaced
// together. Then opening them again: the strategies read back as shown.
struct SavedPlan {
    Plan plan;
    PlanAnalysis analysis = plan.fresh();
    QTemporaryDir dir;
    RecordFolder folder{dir.path()};

    SavedPlan() {
        for (int k = 1; k <= strategyCount; ++k)
            plan.step(analysis, k);
    }
    WriteStatus save() const {
        return folder.writeTogether(plancodec::analysisFileBytes(1, analysis.saved()));
    }
};

void BM_SaveHundredStrategiesOver200Segments(benchmark::State& state) {
    SavedPlan saved;
    for (auto _ : state)
        if (!saved.save().ok())
            state.SkipWithError("save failed");
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(saved.dir.path()).entryInfoList(QDir::Files))
        bytes += file.size();
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_SaveHundredStrategiesOver200Segments)->Unit(benchmark::kMillisecond);

void BM_LoadHundredStrategiesOver200Segments(benchmark::State& state) {
    SavedPlan saved;
    if (!saved.save().ok())
        state.SkipWithError("save failed");
    auto read = [&](const QString& name) { return saved.folder.readBytes(name).value_or(""); };
    for (auto _ : state) {
        const plancodec::AnalysisFileBytes files{read("1_0ff.lnd"), read("1_0anf.lnd"),
                                                 read("1_0fgf.lnd"), read("1_0sgf.lnd")};
        const PlanAnalysis loaded(saved.plan.details, saved.plan.segments, saved.plan.poll,
                                  plancodec::parseAnalysis(files, segmentCount), true);
        if (loaded.nextStrategyNumber() != strategyCount + 1)
            state.SkipWithError("wrong strategy count");
    }
}
BENCHMARK(BM_LoadHundredStrategiesOver200Segments)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double session = reporter.seconds("BM_AnalyseAndAdd100StrategiesOver200Segments");
    const double baseline = reporter.seconds("BM_ForecastsOf100StrategiesOver200Segments");
    if (session > 0 && baseline > 0)
        std::printf("\nAnalyse + Add of %d strategies over %d segments: %.2f ms (goal: under 20 "
                    "ms); the bare forecasts: %.2f ms; %.2f times the baseline\n",
                    strategyCount, segmentCount, session * 1e3, baseline * 1e3, session / baseline);
    benchmark::Shutdown();
    return 0;
}
