// Reading and rewriting the plan registry at sizes far beyond everyday use.
#include "storage/table_records.h"
#include "workspace/workspace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace lendora;

namespace {

// n plan records of the usual shape, written as the program writes them.
QByteArray planRecords(int n) {
    std::vector<Record> records;
    records.reserve(size_t(n));
    for (int i = 1; i <= n; ++i)
        records.push_back({Item::whole(i), Item::text(QString::number(i % 997 + 1)),
                           Item::text(QStringLiteral("Home Loan Project %1").arg(i % 997 + 1)),
                           Item::text(QString::number(i % 991 + 1)),
                           Item::text(QStringLiteral("Salaried, 25 to 40, urban %1").arg(i % 991)),
                           Item::text(QStringLiteral("011")), Item::text(QStringLiteral("No"))});
    return encodeRecords(records);
}

struct Folder {
    QTemporaryDir dir;
    RecordFolder folder{dir.path()};
};

// Loads the plan registry into the workspace, as at start-up.
void BM_LoadPlansIntoWorkspace(benchmark::State& state) {
    Folder f;
    const int records = int(state.range(0));
    const QByteArray bytes = planRecords(records);
    (void)f.folder.writeBytes(registry::plansFile, bytes);
    (void)f.folder.writeFlag(registry::plansFlag);
    int loaded = 0;
    for (auto _ : state) {
        auto workspace = std::make_unique<Workspace>(f.folder);
        workspace->load();
        loaded = workspace->planCount();
        state.PauseTiming(); // freeing the records is not part of reading
        workspace.reset();
        state.ResumeTiming();
    }
    if (loaded != records)
        state.SkipWithError("wrong record count");
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(BM_LoadPlansIntoWorkspace)->Arg(100000)->Arg(700000)->Unit(benchmark::kMillisecond);

// The same bytes placed as spans into Grid cells, which decodes nothing: the
// cheapest table a reader can fill.
void BM_PlacePlansAsGridSpans(benchmark::State& state) {
    const QByteArray bytes = planRecords(int(state.range(0)));
    for (auto _ : state) {
        auto grid = std::make_unique<Grid>(2, registry::planItems);
        placeRecords(*grid, bytes, registry::planItems, 0, 0, true);
        benchmark::DoNotOptimize(grid->rowCount());
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_PlacePlansAsGridSpans)->Arg(100000)->Unit(benchmark::kMillisecond);

// A plain pass over the same bytes: the floor any reader stands on.
void BM_PlainScan(benchmark::State& state) {
    const QByteArray bytes = planRecords(int(state.range(0)));
    for (auto _ : state) {
        qsizetype lines = 0;
        for (char c : bytes)
            lines += c == '\n';
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_PlainScan)->Arg(100000)->Unit(benchmark::kMillisecond);

// Rewrites the whole plan registry with one plan's flag changed, as every
// poll or analysis save does. Each save first compares the registries on disk
// with those read (size, time, checksum): that check is also timed alone in
// the same iteration, so its share of a save is a ratio of one run.
void BM_RewritePlans(benchmark::State& state) {
    Folder f;
    const QByteArray bytes = planRecords(int(state.range(0)));
    (void)f.folder.writeBytes(registry::plansFile, bytes);
    (void)f.folder.writeFlag(registry::plansFlag);
    Workspace workspace(f.folder);
    workspace.load();
    const PlanId plan = workspace.plan(1)->id;
    bool own = false;
    double saves = 0, checks = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        own = !own;
        clock.start();
        if (workspace.registriesChanged())
            state.SkipWithError("the registries look changed");
        checks += double(clock.nsecsElapsed()) / 1e6;
        clock.start();
        if (!workspace.savePoll(plan, 0, {}, {{own, true, true}}).ok())
            state.SkipWithError("write failed");
        saves += double(clock.nsecsElapsed()) / 1e6;
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    const double n = double(state.iterations());
    state.counters["save_ms"] = saves / n;
    state.counters["check_ms"] = checks / n;
    state.counters["check_pct"] = 100 * checks / saves;
}
BENCHMARK(BM_RewritePlans)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
