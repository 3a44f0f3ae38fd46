#include "poll/import_mapping.h"
#include "poll/poll_tables.h"
#include "poll/survey_count.h"
#include "poll/survey_file.h"
#include "storage/details_file.h"
#include "storage/record_file.h"
#include "workspace/records.h"

#include "support/printing.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::poll;

namespace {

const QString dataDir = QStringLiteral(SURVEY_TEST_DATA);

// The choices of the test plan: project 1 with audience 1 (three segments).
ImportChoices planChoices() {
    const RecordFolder folder(dataDir + QStringLiteral("/workspace"));
    Plan plan;
    plan.project = 1;
    plan.audience = 1;
    Grid table;
    layOut(folder, plan, table);
    Grid details(2, details::columnCount);
    details::readInto(folder, 1, details, true);
    return importChoices(table, details);
}

// Imports with the default mapping; the poll file bytes of each product.
struct Imported {
    SurveyFile file;
    PollCounts counts;
    std::array<QByteArray, productCount> pollFiles;
};

Imported import(const QString& name) {
    Imported result;
    result.file = readSurveyFile(dataDir + u'/' + name);
    if (!result.file.responses)
        return result;
    const ImportChoices choices = planChoices();
    const ImportMapping mapping = defaultMapping(*result.file.responses, choices);
    result.counts = countResponses(*result.file.responses, mapping, int(choices.segments.size()));
    for (int k = 0; k < productCount; ++k) {
        Grid table;
        std::vector<QStringList> segments;
        for (int r = 1; r <= int(choices.segments.size()); ++r)
            segments.push_back({QString::number(r), choices.segments[r - 1]});
        layOut(table, segments);
        putCounts(result.counts, k, table);
        result.pollFiles[size_t(k)] = bytes(table);
    }
    return result;
}

struct KnownFile {
    const char* name;
    SurveyLayout layout;
};

class KnownRespondents : public ::testing::TestWithParam<KnownFile> {};

// Sixteen respondents: twelve counted, one each of an unknown segment, no
// product, no feature and a blank row. The expected poll files are counted by hand.
TEST_P(KnownRespondents, GiveTheHandCountedPollFiles) {
    const Imported imported = import(QString::fromLatin1(GetParam().name));
    ASSERT_TRUE(imported.file.responses) << qPrintable(imported.file.error);
    EXPECT_EQ(imported.file.responses->layout, GetParam().layout);
    Reconciliation expected{16, 12, 1, 1, 1, 1};
    EXPECT_EQ(imported.counts.reconciliation, expected)
        << qPrintable(imported.counts.reconciliation.text());
    for (int k = 0; k < productCount; ++k) {
        const QString file = fileName(1, 1, k);
        EXPECT_EQ(test::visible(imported.pollFiles[size_t(k)]),
                  test::visible(test::readFile(dataDir + QStringLiteral("/expected/") + file)))
            << qPrintable(file);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, KnownRespondents,
                         ::testing::Values(KnownFile{"one_header.csv", SurveyLayout::OneHeader},
                                           KnownFile{"three_headers.csv",
                                                     SurveyLayout::ThreeHeaders},
                                           KnownFile{"windows1252.csv", SurveyLayout::OneHeader}));

// Quoted commas, quotes, line breaks and Windows-1252 letters come back as written.
TEST(SurveyCsv, ReadsQuotedAndEncodedTextsRight) {
    for (const char* name : {"one_header.csv", "three_headers.csv", "windows1252.csv"}) {
        const SurveyFile file = readSurveyFile(dataDir + u'/' + QString::fromLatin1(name));
        ASSERT_TRUE(file.responses) << name;
        const SurveyColumn& segments = file.responses->columns[1];
        EXPECT_EQ(segments.answers.first(), QStringLiteral("Salaried, 25 to 40")) << name;
        EXPECT_TRUE(segments.answers.contains(QStringLiteral("Café owners"))) << name;
        QStringList comments = file.responses->columns[4].answers;
        comments.replaceInStrings(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(comments, QStringList({"Low rate, quick", "", "Said \"fair\"", "Good\nservice"}))
            << name;
    }
}

struct BadFile {
    const char* name;
    const char* error;
};

class BadInput : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadInput, IsRefusedWithItsReason) {
    const Imported imported = import(QString::fromLatin1(GetParam().name));
    EXPECT_FALSE(imported.file.responses);
    EXPECT_EQ(imported.file.error, QString::fromUtf8(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadInput,
    ::testing::Values(
        BadFile{"empty.csv", "The file is empty: empty.csv"},
        BadFile{"binary.csv",
                "The file is neither comma-separated text nor an SPSS data file: binary.csv"},
        BadFile{"ragged.csv", "Line 3 has 3 fields where the header has 5: ragged.csv"},
        BadFile{"missing.csv", "The file cannot be read: missing.csv"}));

TEST(SurveyCounting, NoMatchingSegmentCountsNobody) {
    const Imported imported = import(QStringLiteral("no_segment.csv"));
    ASSERT_TRUE(imported.file.responses);
    EXPECT_EQ(imported.counts.reconciliation, (Reconciliation{2, 0, 0, 2, 0, 0}));
}

} // namespace
