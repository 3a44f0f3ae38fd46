#include "plans/plan_save.h"
#include "plans/plan_table.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::plans;
using lendora::test::TempWorkspace;

namespace {

// A table of n numbered records with a name in column 1, then the empty row.
Grid numbered(int n, const QString& prefix) {
    Grid grid(n + 2, 2);
    for (int i = 1; i <= n + 1; ++i)
        grid.setText(i, 0, QString::number(i));
    for (int i = 1; i <= n; ++i)
        grid.setText(i, 1, prefix + QString::number(i));
    return grid;
}

TEST(PlanChecks, BothSelectionsAndAFreeKey) {
    const Grid projects = numbered(11, "P"), audiences = numbered(12, "A");
    PlanTable table;
    addPlan(table, projects, audiences, 11, 2, 1);
    struct Case {
        int project, audience, exceptRow;
        Refusal expected;
    };
    const Case cases[] = {
        {0, 0, 0, Refusal::NoProject},   {0, 3, 0, Refusal::NoProject},
        {12, 3, 0, Refusal::NoProject},  {1, 0, 0, Refusal::NoAudience},
        {1, 13, 0, Refusal::NoAudience}, {1, 12, 0, Refusal::Duplicate},
        {11, 2, 0, Refusal::Duplicate},  {11, 2, 1, Refusal::None},
        {1, 2, 0, Refusal::None},        {11, 12, 0, Refusal::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkPlan(table.grid, projects, audiences, c.project, c.audience, c.exceptRow),
                  c.expected)
            << c.project << "+" << c.audience;
}

TEST(AnalysisFileSteps, EveryPlanTakesItsOwnFilesOnly) {
    struct Case {
        const char* what;
        std::vector<int> stored; // index = row, rows 1 to planCount
        int planCount, storedCount;
        std::vector<FileStep> expected;
    };
    const Case cases[] = {
        {"unchanged", {0, 1, 2, 3}, 3, 3, {}},
        {"first deleted", {0, 2, 3}, 2, 3, {{2, 1}, {3, 2}}},
        {"last deleted", {0, 1, 2}, 2, 3, {{3, 0}}},
        {"middle deleted, one added", {0, 1, 3, 0}, 3, 3, {{3, 2}, {0, 3}}},
        {"all deleted", {0}, 0, 2, {{1, 0}, {2, 0}}},
        {"first plan added", {0, 0}, 1, 0, {{0, 1}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(analysisFileSteps(c.stored, c.planCount, c.storedCount), c.expected) << c.what;
}

TEST(AnalysisFileSteps, MovesFilesAndClearsTakenNumbers) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    for (const QString& name : analysisFileNames(1))
        ws.write(name, "deleted plan 1");
    for (const QString& name : analysisFileNames(2).mid(0, 3)) // plan 2 has no "_0sgf"
        ws.write(name, "plan 2 " + name.toUtf8());
    for (const QString& name : analysisFileNames(3))
        ws.write(name, "plan 3 " + name.toUtf8());
    // Plan 1 deleted, plans 2 and 3 become 1 and 2, a new plan 3 added.
    ASSERT_TRUE(moveAnalysisFiles(folder, analysisFileSteps({0, 2, 3, 0}, 3, 3)).ok());
    EXPECT_EQ(ws.read("1_0ff.lnd"), "plan 2 2_0ff.lnd");
    EXPECT_EQ(ws.read("1_0fgf.lnd"), "plan 2 2_0fgf.lnd");
    EXPECT_FALSE(ws.exists("1_0sgf.lnd")) << "the deleted plan's file must not stay";
    EXPECT_EQ(ws.read("2_0sgf.lnd"), "plan 3 3_0sgf.lnd");
    EXPECT_EQ(ws.files(), QStringList({"1_0anf.lnd", "1_0ff.lnd", "1_0fgf.lnd", "2_0anf.lnd",
                                       "2_0ff.lnd", "2_0fgf.lnd", "2_0sgf.lnd"}));
}

} // namespace
