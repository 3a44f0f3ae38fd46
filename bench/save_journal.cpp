// The analysis save of 100 strategies over 200 segments (its four analysis
// files and the plan registry), carried out through the save journal and,
// as the baseline in the same run, replacing the files one by one as before
// the journal existed (each through its temporary file, renamed over it).
// Both flush every file to the disk. The folder lies in the current
// directory, so that the flushes reach a real disk rather than a memory
// file system.
#include "storage/folder_changes.h"
#include "storage/record_codec.h"
#include "workspace/plan_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lendora;

namespace {

constexpr int strategies = 100;
constexpr int segments = 200;

std::vector<std::pair<QString, QByteArray>> analysisSave() {
    std::vector<Record> values, features, flags, estimates;
    for (int s = 1; s <= strategies; ++s) {
        Record value{Item::whole(s)}, feature{Item::whole(s)}, flag{Item::whole(s)};
        for (int f = 0; f < 7; ++f) {
            value.push_back(Item::number(1000.5 + s * 7 + f));
            feature.push_back(Item::whole(s * 3 + f));
            flag.push_back(Item::whole((s + f) % 2));
        }
        values.push_back(value);
        features.push_back(feature);
        flags.push_back(flag);
        for (int g = 1; g <= segments; ++g)
            estimates.push_back({Item::whole(s), Item::whole(g), Item::whole(s * g % 977)});
    }
    const QStringList names = planfiles::analysisFiles(1);
    return {{names[0], encodeRecords(values)},
            {names[1], encodeRecords(features)},
            {names[2], encodeRecords(flags)},
            {names[3], encodeRecords(estimates)},
            {QStringLiteral("pptb.lnd"),
             "1,\"1\",\"Home Loan\",\"1\",\"Salaried\",\"111\",\"Yes\"\r\n"}};
}

// Each iteration makes the save both ways, one after the other, so that the
// load of a shared machine weighs on both alike; the counters are the mean
// times of one save (wall clock: the flushes to the disk dominate).
void BM_AnalysisSave(benchmark::State& state) {
    QTemporaryDir dir(QDir::current().filePath(QStringLiteral("bench-XXXXXX")));
    const RecordFolder journaled(dir.filePath(QStringLiteral("journaled")));
    const RecordFolder plain(dir.filePath(QStringLiteral("plain")));
    QDir(dir.path()).mkpath(journaled.path());
    QDir(dir.path()).mkpath(plain.path());
    const auto files = analysisSave();
    FolderChanges changes;
    for (const auto& [name, bytes] : files)
        changes.write(name, bytes);
    double withJournal = 0, withoutJournal = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        if (!applyChanges(journaled, changes).ok())
            state.SkipWithError("write failed");
        withJournal += double(clock.nsecsElapsed()) / 1e6;
        clock.start();
        if (!plain.writeTogether(files).ok())
            state.SkipWithError("write failed");
        withoutJournal += double(clock.nsecsElapsed()) / 1e6;
    }
    const double n = double(state.iterations());
    state.counters["with_journal_ms"] = withJournal / n;
    state.counters["without_journal_ms"] = withoutJournal / n;
    state.counters["journal_adds_ms"] = (withJournal - withoutJournal) / n;
}
BENCHMARK(BM_AnalysisSave)->Unit(benchmark::kMillisecond)->Iterations(300)->Repetitions(3);

} // namespace

BENCHMARK_MAIN();
