// The Excel workbook of an analysis of 100 strategies over 200 segments
// (Export Excel...), beside the CSV export of the same analysis in the same
// run. Both hold every strategy's estimates by segment with their 90%
// intervals, worked out from the same 2000 resamples; the benchmarks time
// the export itself, from the strategies and their intervals on. A third
// figure is the workbook without the estimates' section, which leaves the
// writer's own work.
//
// LENDORA_BENCH_WORKBOOK=<file> also saves the workbook, to look at.
#include "analysis/analysis_workbook.h"
#include "analysis/analysis_export.h"
#include "bench_plan.h"
#include "seconds_reporter.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace lendora;
using namespace lendora::analysis;

namespace {

struct Analysed : bench::BenchPlan {
    Analysed()
        : analysis(fresh())
        , resampled(details, poll, bench::segmentCount) {
        for (int k = 1; k <= bench::strategyCount; ++k) {
            analysis.entry().changed.fill(true);
            if (analysis.analyse(strategy(k)) != Novelty::New || analysis.add(strategy(k)) != k)
                std::fprintf(stderr, "strategy %d was not added\n", k);
        }
        intervals = strategyIntervals(resampled, analysis.strategyInputs());
        curve = sensitivityCurve(details, poll, bench::segmentCount, 0, allSegments, 0.2);
    }
    WorkbookContent content(bool estimates) const {
        return {&analysis, &intervals, estimates ? &resampled : nullptr, &curve, {}};
    }

    PlanAnalysis analysis;
    ResampledPolls resampled;
    std::vector<StrategyIntervals> intervals;
    SensitivityCurve curve;
};

const Analysed& analysed() {
    static const Analysed plan;
    return plan;
}

qint64 workbookBytes = 0;
qint64 csvBytes = 0;

void BM_CsvExport(benchmark::State& state) {
    const Analysed& plan = analysed();
    for (auto _ : state)
        csvBytes = comparisonCsv(plan.analysis, plan.intervals, &plan.resampled).size();
}

void BM_WorkbookExport(benchmark::State& state) {
    const Analysed& plan = analysed();
    for (auto _ : state) {
        const spreadsheet::WrittenWorkbook written =
            spreadsheet::writeWorkbook(analysisWorkbook(plan.content(true)));
        if (!written.error.isEmpty())
            state.SkipWithError(written.error.toStdString().c_str());
        workbookBytes = written.bytes.size();
    }
}

void BM_WorkbookWithoutEstimates(benchmark::State& state) {
    const Analysed& plan = analysed();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            spreadsheet::writeWorkbook(analysisWorkbook(plan.content(false))).bytes.size());
}

BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_WorkbookExport)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_WorkbookWithoutEstimates)->Unit(benchmark::kMillisecond)->MinTime(1);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    analysed(); // the plan and its intervals, before any timing
    bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double csv = reporter.seconds("BM_CsvExport");
    const double workbook = reporter.seconds("BM_WorkbookExport");
    const double plain = reporter.seconds("BM_WorkbookWithoutEstimates");
    std::printf("\n%d strategies x %d segments\n", bench::strategyCount, bench::segmentCount);
    if (csv > 0 && workbook > 0)
        std::printf("Excel workbook: %.0f ms (%.1f MB); CSV export of the same: %.0f ms (%.1f "
                    "MB); ratio %.1f; the bound is 1 s\n",
                    workbook * 1e3, double(workbookBytes) / 1e6, csv * 1e3, double(csvBytes) / 1e6,
                    workbook / csv);
    if (plain > 0)
        std::printf("The workbook without the estimates' section: %.0f ms\n", plain * 1e3);
    if (const QByteArray path = qgetenv("LENDORA_BENCH_WORKBOOK"); !path.isEmpty()) {
        QFile file(QString::fromLocal8Bit(path));
        if (file.open(QIODevice::WriteOnly))
            file.write(
                spreadsheet::writeWorkbook(analysisWorkbook(analysed().content(true))).bytes);
    }
    benchmark::Shutdown();
    return 0;
}
