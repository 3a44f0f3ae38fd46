#include "poll/survey_import_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::poll;
using namespace lendora::test;

namespace {

struct KnownFile {
    const char* name;
    SurveyLayout layout;
};

class KnownRespondents : public ::testing::TestWithParam<KnownFile> {};

// Sixteen respondents: twelve counted, one each of an unknown segment, no
// product, no feature and a blank row. The expected poll files are counted by hand.
TEST_P(KnownRespondents, GiveTheHandCountedPollFiles) {
    const Imported imported = importFile(surveyData(QString::fromLatin1(GetParam().name)));
    ASSERT_TRUE(imported.file.responses) << qPrintable(imported.file.error);
    EXPECT_EQ(imported.file.responses->layout, GetParam().layout);
    EXPECT_EQ(imported.counts.reconciliation, (Reconciliation{16, 12, 1, 1, 1, 1}))
        << qPrintable(imported.counts.reconciliation.text());
    expectHandCountedFiles(imported);
}

INSTANTIATE_TEST_SUITE_P(Layouts, KnownRespondents,
                         ::testing::Values(KnownFile{"one_header.csv", SurveyLayout::OneHeader},
                                           KnownFile{"three_headers.csv",
                                                     SurveyLayout::ThreeHeaders},
                                           KnownFile{"windows1252.csv", SurveyLayout::OneHeader},
                                           KnownFile{"utf16_tabs.csv", SurveyLayout::OneHeader}));

// Quoted commas, quotes, line breaks and Windows-1252 letters come back as written.
TEST(SurveyCsv, ReadsQuotedAndEncodedTextsRight) {
    for (const char* name :
         {"one_header.csv", "three_headers.csv", "windows1252.csv", "utf16_tabs.csv"}) {
        const SurveyFile file = readSurveyFile(surveyData(QString::fromLatin1(name)));
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

TEST(SurveyCounting, NoMatchingSegmentCountsNobody) {
    const Imported imported = importFile(surveyData(QStringLiteral("no_segment.csv")));
    ASSERT_TRUE(imported.file.responses);
    EXPECT_EQ(imported.counts.reconciliation, (Reconciliation{2, 0, 0, 2, 0, 0}));
    // A column is not taken for its heading alone: none is offered for the segments.
    const ImportMapping mapping = defaultMapping(*imported.file.responses, planChoices());
    EXPECT_EQ(mapping[Role::Segment].column, -1);
    EXPECT_EQ(mapping[Role::Product].column, 2);
}

// A survey of one respondent is a survey: the default mapping takes its
// columns and counts the respondent.
TEST(SurveyCounting, OneRespondentIsCounted) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("one.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Segment,Product,Feature\r\n\"Salaried, 25 to 40\",Product 2,Interest\r\n");
    file.close();
    const Imported imported = importFile(path);
    EXPECT_EQ(imported.counts.reconciliation.counted, 1);
}

// The sample export of the examples counts into the demo plan with the
// default mapping; the skipped respondents are those it was made with.
TEST(SurveySample, TheDemoExportImportsIntoTheDemoPlan) {
    const Imported imported = importFile(QStringLiteral(SURVEY_EXAMPLES "/poll_responses_demo.csv"),
                                         planChoices(QStringLiteral(SURVEY_EXAMPLES "/demo")));
    ASSERT_TRUE(imported.file.responses) << qPrintable(imported.file.error);
    EXPECT_EQ(imported.file.responses->layout, SurveyLayout::ThreeHeaders);
    EXPECT_EQ(imported.counts.reconciliation, (Reconciliation{300, 292, 1, 3, 2, 2}));
}

} // namespace
