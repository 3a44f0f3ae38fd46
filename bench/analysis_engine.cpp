// The analysis engine at a size beyond everyday use: 200 segments and 100
// strategies, every strategy changing all seven features (the most forecast
// work per strategy).
#include "analysis/analysis_files.h"
#include "analysis/forecast.h"
#include "analysis/strategy_table.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

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
        grid.setText(r, 0, QStringLiteral("Segment %1").arg(r));
        for (int f = 1; f <= featureCount; ++f) {
            const int c = count(random);
            grid.setText(r, f, QString::number(c));
            total += c;
        }
        grid.setText(r, pollTotalColumn, QString::number(total));
    }
    grid.setText(segmentCount + 1, 0, totalsLabel);
    return grid;
}

struct Plan {
    std::mt19937 random{2012};
    Grid own = pollGrid(random);
    Grid c1 = pollGrid(random);
    Grid c2 = pollGrid(random);
    AnalysisTables fresh;

    Plan() {
        std::vector<QStringList> segments;
        for (int s = 1; s <= segmentCount; ++s)
            segments.push_back({QString::number(s), QStringLiteral("Segment %1").arg(s)});
        placeSegments(fresh, segments);
        fresh.base.setRowCount(5);
        const std::array<QStringList, 3> base{
            QStringList{"10", "20000", "500000", "80", "240", "5000", "2"},
            QStringList{"12", "25000", "600000", "85", "180", "6000", "3"},
            QStringList{"14", "30000", "700000", "90", "120", "7000", "5"}};
        for (int b = 0; b < 3; ++b)
            for (int f = 0; f < featureCount; ++f)
                fresh.base.setText(b + 1, 3 + f, base[size_t(b)][f]);
    }

    // Strategy k: every feature moved by its own step, so no two strategies
    // share a value and the novelty check passes.
    static FeatureValues strategy(int k) {
        return {9 + k * 0.01, 19000.0 + k, 480000.0 + k * 10, 78 + k * 0.01,
                230.0 + k,    4900.0 + k,  1 + k * 0.01};
    }

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
        if (!saved.folder.writeTogether(analysisFiles(saved.tables)).ok())
            state.SkipWithError("save failed");
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(saved.dir.path()).entryInfoList(QDir::Files))
        bytes += file.size();
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_SaveHundredStrategiesOver200Segments)->Unit(benchmark::kMillisecond);

void BM_LoadHundredStrategiesOver200Segments(benchmark::State& state) {
    SavedPlan saved;
    if (!saved.folder.writeTogether(analysisFiles(saved.tables)).ok())
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
