#include "poll/mapping_memory.h"
#include "workspace/plan_files.h"

#include "poll/survey_import_support.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::poll;
using namespace lendora::test;

namespace {

// A mapping changed by the user is stored beside another plan's, and the next
// wave of the same survey gets it back: the changed answers as chosen, the
// columns by their names.
TEST(SurveyMemory, TheNextWaveGetsTheLastMappingBack) {
    TempWorkspace ws;
    const QByteArray otherPlan = "2,3,\"Segment column\",\"Q1\",0\r\n";
    ws.write(planfiles::importMappingsFile, otherPlan);
    const SurveyFile first = readSurveyFile(surveyData(QStringLiteral("one_header.csv")));
    ASSERT_TRUE(first.responses);
    ImportMapping mapping = defaultMapping(*first.responses, planChoices());
    mapping[Role::Segment].targets.insert(QStringLiteral("Retired"), 1);
    mapping[Role::Segment].targets.remove(QStringLiteral("Café owners"));
    ws.write(planfiles::importMappingsFile,
             rememberMapping(otherPlan, 1, 1, mapping, *first.responses));
    EXPECT_FILE_BYTES(ws, planfiles::importMappingsFile,
                      readFile(surveyData(QStringLiteral("expected/pollmap.lnd"))));

    const RememberedMapping remembered =
        recallMapping(ws.read(planfiles::importMappingsFile), 1, 1);
    EXPECT_EQ(remembered.columns[size_t(Role::Segment)], QStringLiteral("Segment"));
    SurveyFile second = readSurveyFile(surveyData(QStringLiteral("windows1252.csv")));
    ASSERT_TRUE(second.responses);
    const ImportMapping recalled = mappingFor(remembered, *second.responses, planChoices());
    EXPECT_EQ(importWith(std::move(second), recalled).counts.reconciliation,
              (Reconciliation{16, 11, 1, 2, 1, 1}));
    EXPECT_TRUE(recallMapping(ws.read(planfiles::importMappingsFile), 1, 2).empty());
}

// The next wave's answers are recognised however their letter case, blanks,
// line breaks or quotes changed: the user's choices hold, not the defaults.
TEST(SurveyMemory, RecallsAnswersWrittenAnotherWay) {
    TempWorkspace ws;
    ws.write(planfiles::importMappingsFile,
             readFile(surveyData(QStringLiteral("expected/pollmap.lnd"))));
    const SurveyFile next = readSurveyFile(surveyData(QStringLiteral("second_wave.csv")));
    ASSERT_TRUE(next.responses);
    const ImportMapping recalled =
        mappingFor(recallMapping(ws.read(planfiles::importMappingsFile), 1, 1), *next.responses,
                   planChoices());
    const QHash<QString, int>& segments = recalled[Role::Segment].targets;
    EXPECT_EQ(segments.value(QStringLiteral("RETIRED")), 1);
    EXPECT_FALSE(segments.contains(QStringLiteral("Café  owners")));
    EXPECT_EQ(segments.value(QStringLiteral("Salaried,\r\n25 to 40")), 1);
}

} // namespace
