#include "targets.h"

#include "analysis/table_texts.h"
#include "audience/segment_file.h"
#include "poll/poll_tables.h"
#include "poll/survey_xlsx.h"
#include "poll/xlsx_parts.h"
#include "poll/xlsx_sheet.h"
#include "storage/details_file.h"
#include "storage/grid.h"
#include "storage/numbers.h"
#include "storage/record_codec.h"
#include "storage/record_file.h"
#include "storage/table_records.h"
#include "workspace/plan_codecs.h"
#include "workspace/registry_codec.h"
#include "workspace/workspace.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <quazip.h>
#include <quazipfile.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace lendora::fuzz {

namespace {
void check(bool condition) {
    if (!condition)
        std::abort();
}
} // namespace

int recordReader(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (int items : {1, 2, 3, 5, 7, 8, 9, 11}) {
        const auto records = readAllRecords(bytes, items);
        for (const QStringList& record : records) {
            check(record.size() == items);
            for (const QString& item : record)
                check(std::isfinite(leadingNumber(item)));
        }
        Grid table(2, items);
        placeRecords(table, records, 0, 0, true);
        check(table.rowCount() == 2 + int(records.size()));
        check(table.text(0, 0).isEmpty());
        // What was read writes back as records that read back the same.
        std::vector<Record> encoded;
        for (const QStringList& record : records) {
            Record r;
            for (const QString& item : record)
                r.push_back(Item::text(item));
            encoded.push_back(r);
        }
        const auto again = readAllRecords(encodeRecords(encoded), items);
        check(again.size() == records.size());
    }
    return 0;
}

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Row 0 of a table keeps its headings whatever a file holds.
void checkHeadings(const Grid& table, const QStringList& headings) {
    for (int c = 0; c < headings.size(); ++c)
        check(table.text(0, c) == headings[c]);
}
} // namespace

int loaders(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/lendora-fuzz-XXXXXX"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RecordFolder folder(dir.path());
    for (const char* name :
         {"Prj.lnd", "ta.lnd", "pptb.lnd", "1_pdtl.lnd", "1-segFile.lnd", "11_01.lnd", "11_11.lnd",
          "11_21.lnd", "1_0ff.lnd", "1_0anf.lnd", "1_0fgf.lnd", "1_0sgf.lnd"})
        writeFile(dir.filePath(QString::fromLatin1(name)), bytes);
    // The flags hold the first bytes too, so that every flag value is tried.
    for (const char* flag : {"flag.lnd", "tfag.lnd", "ppflag.lnd"})
        writeFile(dir.filePath(QString::fromLatin1(flag)), bytes.left(4));

    Workspace workspace{RecordFolder(folder)};
    workspace.load();
    for (int n = 1; n <= workspace.planCount(); ++n)
        if (const Plan* plan = workspace.plan(n))
            check(plan->id.valid() && workspace.planNumber(plan->id) == n);
    // A registry written from what was read settles after one more pass.
    const auto settled = [](auto parse, auto write, const QByteArray& input) {
        const QByteArray second = write(parse(write(parse(input))));
        check(write(parse(second)) == second);
    };
    settled(registry::parseProjects, registry::projectsBytes, bytes);
    settled(registry::parseAudiences, registry::audiencesBytes, bytes);
    settled(registry::parsePlans, registry::plansBytes, bytes);

    Grid details(2, details::columnCount);
    details::readInto(folder, 1, details, true);
    check(details.rowCount() >= 2);

    Grid segmentsTable(2, 2);
    segments::readInto(folder, 1, segmentsTable);

    Plan plan;
    plan.project = 1;
    plan.audience = 1;
    for (int product = 0; product < poll::productCount; ++product) {
        Grid table;
        poll::layOut(folder, plan, table);
        const int rows = table.rowCount();
        poll::load(folder, plan, product, table);
        check(table.rowCount() == rows);
        checkHeadings(table, poll::headings());
        check(table.text(rows - 1, 0) == poll::totalsLabel);
        for (int c = 1; c < poll::columnCount; ++c)
            check(std::isfinite(leadingNumber(table.text(rows - 1, c))));
    }

    // The analysis of plan 1 read and shown: every table has its rows, and
    // every total is a number.
    const auto read = [&](const char* name) {
        return folder.readBytes(QString::fromLatin1(name)).value_or(QByteArray());
    };
    const SegmentDescriptions segmentList = plancodec::parseSegments(read("1-segFile.lnd"));
    const int n = int(segmentList.size());
    PlanPoll poll;
    for (int product = 0; product < poll::productCount; ++product)
        poll.products[size_t(product)] =
            plancodec::parsePoll(folder.readBytes(poll::fileName(plan, product)).value_or(""), n);
    const analysis::PlanAnalysis analysis(
        plancodec::parseDetails(read("1_pdtl.lnd")), segmentList, poll,
        plancodec::parseAnalysis(
            {read("1_0ff.lnd"), read("1_0anf.lnd"), read("1_0fgf.lnd"), read("1_0sgf.lnd")}, n),
        true);
    const int k = int(analysis.strategies().size());
    check(analysis.nextStrategyNumber() == k + 1);
    const auto features = analysis::tableTexts(analysis, analysis::AnalysisTable::FeatureEstimates);
    check(int(features.size()) == k + 2 && features.front().value(0) == QStringLiteral("ID"));
    for (const QString& total : features.back().mid(1))
        check(std::isfinite(leadingNumber(total)));
    return 0;
}

namespace {

// A workbook of one sheet whose parts are these texts, by name.
QByteArray zipOf(const std::vector<std::pair<QString, QByteArray>>& parts) {
    QBuffer buffer;
    {
        QuaZip zip(&buffer);
        zip.setAutoClose(false);
        check(zip.open(QuaZip::mdCreate));
        for (const auto& [name, bytes] : parts) {
            QuaZipFile part(&zip);
            check(part.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
            part.write(bytes);
            part.close();
        }
        zip.close();
    }
    return buffer.data();
}

QByteArray workbookAround(const QByteArray& bytes) {
    std::vector<std::pair<QString, QByteArray>> parts = {
        {"xl/worksheets/sheet1.xml",
         "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"
         "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>1</v></c><c r=\"B2\" s=\"1\"><v>45356.5</v>"
         "</c></row></sheetData></worksheet>"},
        {"xl/sharedStrings.xml", "<sst><si><t>Segment</t></si><si><r><t>Self </t></r><r><t>"
                                 "employed</t></r><rPh><t>x</t></rPh></si></sst>"},
        {"xl/styles.xml", "<styleSheet><numFmts><numFmt numFmtId=\"164\" formatCode=\"d/m/yy"
                          "\"/></numFmts><cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/>"
                          "</cellXfs></styleSheet>"},
        {"xl/workbook.xml", "<workbook xmlns:r=\"r\"><sheets><sheet name=\"Responses\" "
                            "sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"rId1\" Type=\"x/worksheet\" "
         "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"x/sharedStrings\" "
         "Target=\"sharedStrings.xml\"/><Relationship Id=\"rId3\" Type=\"x/styles\" "
         "Target=\"/xl/styles.xml\"/></Relationships>"},
        {"_rels/.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"x/officeDocument\" "
                        "Target=\"xl/workbook.xml\"/></Relationships>"},
    };
    if (!bytes.isEmpty())
        parts[size_t(quint8(bytes[0]) % parts.size())].second = bytes.mid(1);
    return zipOf(parts);
}

} // namespace

int workbook(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray bytes = input.startsWith("PK") ? input : workbookAround(input);
    const poll::WorkbookLimits limits{1000, 1 << 22, 100'000};
    QString error;
    const std::optional<QStringList> sheets = poll::workbookSheets(bytes, error, limits);
    check(sheets ? !sheets->isEmpty() : !error.isEmpty());
    for (int sheet = 0; sheet < 2; ++sheet) {
        const std::optional<poll::SurveyResponses> read =
            poll::readWorkbook(bytes, sheet, error, limits);
        if (!read) {
            check(!error.isEmpty());
            continue;
        }
        // Every respondent has one answer in every column, counted once.
        const size_t respondents = read->blank.size();
        check(respondents > 0 && respondents <= 1000);
        for (const poll::SurveyColumn& column : read->columns) {
            check(column.codes.size() == respondents);
            check(column.tally.size() == size_t(column.answers.size()));
            std::vector<int> tally(column.tally.size(), 0);
            for (int code : column.codes) {
                check(code >= 0 && code < column.answers.size());
                ++tally[size_t(code)];
            }
            check(tally == column.tally);
        }
    }
    // The hand-written parsers on the bytes as text.
    const QString text = QString::fromUtf8(input);
    const int column = poll::columnOf(text);
    check(column >= -1 && column < 16384);
    check(poll::unescapedText(text).size() <= text.size());
    if (input.size() >= qsizetype(sizeof(double))) {
        double days = 0;
        std::memcpy(&days, input.constData(), sizeof days);
        if (std::isfinite(days))
            check(!poll::dateText(days, input.size() % 2).isEmpty());
    }
    return 0;
}

int numbers(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<double> value = parseLeadingNumber(text);
    if (value) {
        check(std::isfinite(*value));
        // The shortest forms read back as the same value.
        const float single = float(*value);
        check(float(leadingNumber(floatText(single))) == single);
        check(!doubleText(*value).contains(u'e'));
        const QString pattern = patternText(*value);
        check(pattern.contains(u'.') && !pattern.contains(u'e'));
    } else {
        check(leadingNumber(text) == 0);
    }
    if (auto whole = parseWholeNumber(text))
        check(value && *whole == *value);
    return 0;
}

} // namespace lendora::fuzz
