// Reading a 50 MB plan registry into table cells, beside two peers reading
// the same file: fast-cpp-csv-parser (C++) and Python's csv module. Prints
// each reader's MB/s and Lendora's ratio to each peer.
#include "seconds_reporter.h"
#include "storage/record_file.h"
#include "storage/table_records.h"
#include "workspace/registry_codec.h"

#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <libfccp/csv.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace lendora;

namespace {

struct PlanFile {
    QTemporaryDir dir;
    QString path;
    qint64 bytes = 0;
    int records = 0;
};

// About 50 MB of plan records, as the program writes them.
PlanFile& planFile() {
    static PlanFile file = [] {
        PlanFile f;
        RecordWriter writer;
        while (true) {
            const int i = ++f.records;
            writer.whole(i);
            writer.text(QString::number(i % 997 + 1));
            writer.text(QStringLiteral("Home Loan Project %1").arg(i % 997 + 1));
            writer.text(QString::number(i % 991 + 1));
            writer.text(QStringLiteral("Salaried, 25 to 40, urban %1").arg(i % 991));
            writer.text(QStringLiteral("011"));
            writer.text(QStringLiteral("No"));
            writer.endRecord();
            if (i % 10000 == 0 && f.records * 86 > 50'000'000)
                break;
        }
        const QByteArray bytes = writer.take();
        f.bytes = bytes.size();
        f.path = f.dir.filePath(QStringLiteral("pptb.lnd"));
        RecordFolder(f.dir.path()).writeBytes(QStringLiteral("pptb.lnd"), bytes);
        return f;
    }();
    return file;
}

void BM_Lendora(benchmark::State& state) {
    PlanFile& file = planFile();
    const RecordFolder folder(file.dir.path());
    for (auto _ : state) {
        auto plans = std::make_unique<Grid>(2, registry::planItems);
        auto bytes = folder.readBytes(QStringLiteral("pptb.lnd"));
        placeRecords(*plans, *bytes, registry::planItems, 0, 0, true);
        if (plans->rowCount() != file.records + 2)
            state.SkipWithError("wrong record count");
        state.PauseTiming(); // freeing the cells is not reading
        plans.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

void BM_FastCppCsvParser(benchmark::State& state) {
    PlanFile& file = planFile();
    for (auto _ : state) {
        auto cells = std::make_unique<std::vector<std::string>>();
        cells->reserve(size_t(file.records) * 7);
        io::CSVReader<7, io::trim_chars<' ', '\t'>, io::double_quote_escape<',', '"'>> in(
            file.path.toStdString());
        in.set_header("id", "project", "name", "audience", "definition", "poll", "analysis");
        std::string c[7];
        int rows = 0;
        while (in.read_row(c[0], c[1], c[2], c[3], c[4], c[5], c[6])) {
            for (std::string& cell : c)
                cells->push_back(std::move(cell));
            ++rows;
        }
        if (rows != file.records)
            state.SkipWithError("wrong record count");
        state.PauseTiming();
        cells.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

// Python reads the file into a list of rows and reports its own time.
void BM_PythonCsv(benchmark::State& state) {
    PlanFile& file = planFile();
    const QString script =
        QStringLiteral("import csv, sys, time\n"
                       "t = time.perf_counter()\n"
                       "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                       "    rows = [row for row in csv.reader(f)]\n"
                       "print(time.perf_counter() - t, len(rows))\n");
    for (auto _ : state) {
        QProcess python;
        python.start(QStringLiteral("python3"), {QStringLiteral("-c"), script, file.path});
        if (!python.waitForFinished(120000)) {
            state.SkipWithError("python3 did not run");
            break;
        }
        const QStringList out = QString::fromUtf8(python.readAllStandardOutput()).split(u' ');
        if (out.size() != 2 || out[1].trimmed().toInt() != file.records) {
            state.SkipWithError("python3 read something else");
            break;
        }
        state.SetIterationTime(out[0].toDouble());
    }
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

BENCHMARK(BM_Lendora)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FastCppCsvParser)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PythonCsv)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double lendoraSeconds = reporter.seconds("BM_Lendora");
    const double fccpSeconds = reporter.seconds("BM_FastCppCsvParser");
    const double pythonSeconds = reporter.seconds("BM_PythonCsv");
    const double mb = double(planFile().bytes) / 1e6;
    std::printf("\nFile: %.1f MB, %d plan records\n", mb, planFile().records);
    if (lendoraSeconds > 0) {
        std::printf("Lendora:              %7.1f MB/s\n", mb / lendoraSeconds);
        if (fccpSeconds > 0)
            std::printf("fast-cpp-csv-parser:  %7.1f MB/s   Lendora is %.2f times as fast\n",
                        mb / fccpSeconds, fccpSeconds / lendoraSeconds);
        if (pythonSeconds > 0)
            std::printf("Python csv:           %7.1f MB/s   Lendora is %.2f times as fast\n",
                        mb / pythonSeconds, pythonSeconds / lendoraSeconds);
    }
    benchmark::Shutdown();
    return 0;
}
