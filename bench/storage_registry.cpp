// Reading and rewriting the plan registry at sizes far beyond everyday use.
#include "storage/registries.h"
#include "storage/table_records.h"

#include <QDir>
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

// Reads the plan registry into Grid cells with the start-up loader.
void BM_ReadPlansIntoGrid(benchmark::State& state) {
    Folder f;
    const int records = int(state.range(0));
    const QByteArray bytes = planRecords(records);
    (void)f.folder.writeBytes(registry::plansFile, bytes);
    (void)f.folder.writeFlag(registry::plansFlag);
    int loaded = 0;
    for (auto _ : state) {
        auto copy = std::make_unique<WorkingCopy>();
        loadRegistries(f.folder, *copy);
        loaded = copy->plans.rowCount() - 2;
        state.PauseTiming(); // freeing the cells is not part of reading
        copy.reset();
        state.ResumeTiming();
    }
    if (loaded != records)
        state.SkipWithError("wrong record count");
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(BM_ReadPlansIntoGrid)->Arg(100000)->Arg(700000)->Unit(benchmark::kMillisecond);

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

// Rewrites the whole plan registry from its table, as every poll or analysis save does.
void BM_RewritePlans(benchmark::State& state) {
    Folder f;
    const QByteArray bytes = planRecords(int(state.range(0)));
    (void)f.folder.writeBytes(registry::plansFile, bytes);
    (void)f.folder.writeFlag(registry::plansFlag);
    WorkingCopy copy;
    loadRegistries(f.folder, copy);
    for (auto _ : state) {
        WriteStatus status = rewritePlans(f.folder, copy.plans);
        if (!status.ok())
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_RewritePlans)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
