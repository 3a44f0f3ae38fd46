// Importing a survey export of 100,000 respondents (three header rows, five
// columns; and the same respondents as an SPSS data file and as Excel
// workbooks with shared and with inline strings): reading the file, the
// default mapping, the counting and the counts put into three poll tables.
// Beside it, in the same run, the baseline of reading the text file's bytes
// and splitting them into lines.
#include "poll/csv_reader.h"
#include "poll/import_mapping.h"
#include "poll/poll_tables.h"
#include "poll/survey_count.h"
#include "poll/survey_file.h"
#include "seconds_reporter.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <readstat.h>

#include <cstdio>

using namespace lendora;
using namespace lendora::poll;

namespace {

constexpr int respondents = 100'000;

const QStringList segmentNames = {"Young professionals, 25 to 30", "Families with children",
                                  "Senior staff near retirement"};
const char* const featureAnswers[] = {"Interest",
                                      "Maximum Eligible Income",
                                      "Maximum Loan Value",
                                      "Maximum Loan Percentage",
                                      "Repament Period",
                                      "EMI",
                                      "Freebies"};

struct ExportFile {
    QTemporaryDir dir;
    QString path;
    qint64 bytes = 0;
};

ExportFile& exportFile() {
    static ExportFile file = [] {
        ExportFile f;
        QByteArray text =
            "ResponseId,Segment,Product,Feature,Comment\r\n"
            "Response ID,Select the Description that suits you best,Select any "
            "product,Which feature do you like most?,Anything else?\r\n"
            "\"{\"\"ImportId\"\":\"\"_recordId\"\"}\",\"{\"\"ImportId\"\":\"\"QID1\"\"}\","
            "\"{\"\"ImportId\"\":\"\"QID2\"\"}\",\"{\"\"ImportId\"\":\"\"QID3\"\"}\","
            "\"{\"\"ImportId\"\":\"\"QID4\"\"}\"\r\n";
        for (int i = 0; i < respondents; ++i) {
            text += "R_" + QByteArray::number(i) + ",\"" + segmentNames[(i * 7) % 3].toUtf8() +
                    "\",Product " + QByteArray::number(i % 3 + 1) + ',' +
                    featureAnswers[(i / 3) % 7] + ',' + (i % 10 == 0 ? "\"Quick, friendly\"" : "") +
                    "\r\n";
        }
        f.bytes = text.size();
        f.path = f.dir.filePath(QStringLiteral("export.csv"));
        QFile out(f.path);
        out.open(QIODevice::WriteOnly);
        out.write(text);
        return f;
    }();
    return file;
}

ssize_t toFile(const void* bytes, size_t length, void* context) {
    return static_cast<QFile*>(context)->write(static_cast<const char*>(bytes), qint64(length));
}

// The same respondents as numeric codes with value labels.
const QString& savFile() {
    static const QString path = [] {
        const QString p = exportFile().dir.filePath(QStringLiteral("export.sav"));
        QFile out(p);
        out.open(QIODevice::WriteOnly);
        readstat_writer_t* writer = readstat_writer_init();
        readstat_set_data_writer(writer, toFile);
        readstat_label_set_t* segmentLabels =
            readstat_add_label_set(writer, READSTAT_TYPE_DOUBLE, "segments");
        for (qsizetype s = 0; s < segmentNames.size(); ++s)
            readstat_label_double_value(segmentLabels, double(s + 1),
                                        segmentNames[s].toUtf8().constData());
        readstat_label_set_t* featureLabels =
            readstat_add_label_set(writer, READSTAT_TYPE_DOUBLE, "features");
        for (int f = 0; f < 7; ++f)
            readstat_label_double_value(featureLabels, double(f + 1), featureAnswers[f]);
        readstat_variable_t* id =
            readstat_add_variable(writer, "ResponseId", READSTAT_TYPE_DOUBLE, 0);
        readstat_variable_t* segment =
            readstat_add_variable(writer, "Segment", READSTAT_TYPE_DOUBLE, 0);
        readstat_variable_set_label_set(segment, segmentLabels);
        readstat_variable_t* product =
            readstat_add_variable(writer, "Product", READSTAT_TYPE_DOUBLE, 0);
        readstat_variable_t* feature =
            readstat_add_variable(writer, "Feature", READSTAT_TYPE_DOUBLE, 0);
        readstat_variable_set_label_set(feature, featureLabels);
        readstat_begin_writing_sav(writer, &out, respondents);
        for (int i = 0; i < respondents; ++i) {
            readstat_begin_row(writer);
            readstat_insert_double_value(writer, id, i);
            readstat_insert_double_value(writer, segment, (i * 7) % 3 + 1);
            readstat_insert_double_value(writer, product, i % 3 + 1);
            readstat_insert_double_value(writer, feature, (i / 3) % 7 + 1);
            readstat_end_row(writer);
        }
        readstat_end_writing(writer);
        readstat_writer_free(writer);
        return p;
    }();
    return path;
}

// The same records as a workbook, written by libxlsxwriter (in a program of
// its own, see tests/support/workbook_writer_tool.cpp).
QString workbookFile(const char* strings) {
    const QString path = exportFile().dir.filePath(QStringLiteral("export-%1.xlsx").arg(strings));
    QFile csv(exportFile().path);
    csv.open(QIODevice::ReadOnly);
    QString script;
    int row = 0;
    for (const CsvRecord& record : readCsv(csv.readAll()).records) {
        script += QStringLiteral("row\t") + QString::number(row++);
        for (const QString& field : record.fields)
            script += u'\t' + QString(field)
                                  .replace(u'\\', QStringLiteral("\\\\"))
                                  .replace(u'\t', QStringLiteral("\\t"))
                                  .replace(u'\n', QStringLiteral("\\n"))
                                  .replace(u'\r', QStringLiteral("\\r"));
        script += u'\n';
    }
    QProcess writer;
    writer.start(QStringLiteral(WORKBOOK_WRITER), {path, QString::fromLatin1(strings)});
    writer.write(script.toUtf8());
    writer.closeWriteChannel();
    if (!writer.waitForFinished(600'000) || writer.exitCode() != 0)
        std::fprintf(stderr, "The workbook could not be written: %s\n",
                     writer.readAllStandardError().constData());
    return path;
}

const QString& sharedStringsWorkbook() {
    static const QString path = workbookFile("shared");
    return path;
}

const QString& inlineStringsWorkbook() {
    static const QString path = workbookFile("inline");
    return path;
}

void BM_ReadAndSplitLines(benchmark::State& state) {
    const ExportFile& file = exportFile();
    for (auto _ : state) {
        QFile in(file.path);
        in.open(QIODevice::ReadOnly);
        const QByteArray bytes = in.readAll();
        const QList<QByteArray> lines = bytes.split('\n');
        if (lines.size() != respondents + 4)
            state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

void import(benchmark::State& state, const QString& path) {
    ImportChoices choices;
    choices.segments = segmentNames;
    for (auto _ : state) {
        const SurveyFile read = readSurveyFile(path);
        if (!read.responses) {
            state.SkipWithError("not read");
            break;
        }
        const ImportMapping mapping = defaultMapping(*read.responses, choices);
        const PollCounts counts = countResponses(*read.responses, mapping, 3);
        if (counts.reconciliation.counted != respondents)
            state.SkipWithError("not every respondent counted");
        for (int k = 0; k < productCount; ++k) {
            ProductCounts product;
            product.segments.resize(size_t(segmentNames.size()));
            putCounts(counts, k, product);
            benchmark::DoNotOptimize(columnTotals(product));
        }
    }
}

void BM_Import(benchmark::State& state) {
    import(state, exportFile().path);
    state.SetBytesProcessed(state.iterations() * exportFile().bytes);
}

void BM_ImportSav(benchmark::State& state) {
    import(state, savFile());
}

void BM_ImportXlsx(benchmark::State& state) {
    import(state, sharedStringsWorkbook());
}

void BM_ImportXlsxInline(benchmark::State& state) {
    import(state, inlineStringsWorkbook());
}

BENCHMARK(BM_ReadAndSplitLines)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ImportSav)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ImportXlsx)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ImportXlsxInline)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double importSeconds = reporter.seconds("BM_Import");
    const double savSeconds = reporter.seconds("BM_ImportSav");
    const double baselineSeconds = reporter.seconds("BM_ReadAndSplitLines");
    std::printf("\nExport: %d respondents, %.1f MB\n", respondents,
                double(exportFile().bytes) / 1e6);
    if (importSeconds > 0 && baselineSeconds > 0)
        std::printf("Import: %.0f ms; reading and splitting the lines: %.0f ms; ratio %.1f\n",
                    importSeconds * 1e3, baselineSeconds * 1e3, importSeconds / baselineSeconds);
    if (savSeconds > 0)
        std::printf("The same respondents from an SPSS data file: %.0f ms\n", savSeconds * 1e3);
    for (const char* name : {"BM_ImportXlsx", "BM_ImportXlsxInline"}) {
        const double seconds = reporter.seconds(name);
        if (seconds > 0 && importSeconds > 0)
            std::printf(
                "From an Excel workbook (%s strings, %.1f MB): %.0f ms; ratio to the CSV "
                "import %.1f; the bound is 2 s\n",
                std::string(name) == "BM_ImportXlsx" ? "shared" : "inline",
                double(QFileInfo(std::string(name) == "BM_ImportXlsx" ? sharedStringsWorkbook()
                                                                      : inlineStringsWorkbook())
                           .size()) /
                    1e6,
                seconds * 1e3, seconds / importSeconds);
    }
    benchmark::Shutdown();
    return 0;
}
