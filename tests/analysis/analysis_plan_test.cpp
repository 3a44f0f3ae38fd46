#include "analysis/analysis_files.h"
#include "analysis/analysis_plan.h"
#include "storage/registries.h"

#include "analysis_fixtures.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using lendora::test::FileSizeLimit;
using lendora::test::TempWorkspace;

namespace {

// Three plans; plan 2 is the one analysed. The registry is far longer than
// the analysis files of one strategy, so a size limit between the two lets
// the files through and stops the registry.
Grid plansTable(const char* analysisFlag) {
    Grid plans(5, 7);
    const QString longName = QStringLiteral("Home Loan Project for the salaried middle class");
    for (int r = 1; r <= 3; ++r) {
        plans.setText(r, plan::id, QString::number(r));
        plans.setText(r, plan::projectId, QStringLiteral("1"));
        plans.setText(r, plan::projectName, longName);
        plans.setText(r, plan::audienceId, QString::number(r));
        plans.setText(r, plan::audienceName, QStringLiteral("Audience %1").arg(r));
        plans.setText(r, plan::pollFlag, QStringLiteral("111"));
        plans.setText(r, plan::analysisFlag, QStringLiteral("No"));
    }
    plans.setText(2, plan::analysisFlag, QString::fromLatin1(analysisFlag));
    return plans;
}

// Plan 2 with one added strategy over one segment.
AnalysisTables oneStrategy() {
    AnalysisTables tables = analysis::test::tablesWithSegments(1);
    tables.lblProjectIndex = 2;
    tables.lblAnalysisID = 2;
    for (Grid* grid : {&tables.strategies, &tables.features, &tables.flags, &tables.segments})
        grid->setRowCount(3);
    tables.segments.setColumnCount(3);
    const QStringList values = {"1", "11", "25000", "1800", "80", "36", "66.5", "500", "162"};
    for (Grid* grid : {&tables.strategies, &tables.features, &tables.flags})
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setText(1, c, values[c]);
    tables.segments.setText(1, 0, "1");
    tables.segments.setText(1, 1, "70");
    tables.segments.setText(1, 2, "70");
    return tables;
}

TEST(AnalysisPlan, CaptionsCarryTheNamesAsGiven) {
    poll::PlanRef plan;
    plan.projectName = QStringLiteral("Home Loan");
    plan.audienceName = QStringLiteral("Salaried, 25 to 40");
    EXPECT_EQ(windowCaption(plan), "Analysis for Project Home Loanand Target Audience Salaried, "
                                   "25 to 40");
    EXPECT_EQ(baseCaption(plan), "Basic Details for Home Loan");
    Grid base(5, 10);
    base.setText(1, 1, QStringLiteral("Easy Home"));
    EXPECT_EQ(entryFrameCaption(base), "New Analysis for Easy Home");
}

TEST(AnalysisPlan, SaveMarksThePlanAndRewritesTheWholeRegistry) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    Grid plans = plansTable("No");
    ASSERT_TRUE(saveAnalysis(folder, oneStrategy(), plans).ok());
    EXPECT_EQ(plans.text(2, plan::analysisFlag), "Yes");
    EXPECT_EQ(plans.text(1, plan::analysisFlag), "No");
    const QByteArray registry = ws.read("pptb.lnd");
    EXPECT_EQ(registry.count("\r\n"), 3);
    EXPECT_TRUE(registry.contains("2,\"1\",\"Home Loan Project for the salaried middle class\","
                                  "\"2\",\"Audience 2\",\"111\",\"Yes\"\r\n"));
    EXPECT_FILE_BYTES(ws, "2_0ff.lnd", "1,11,25000,1800,80,36,66.5,500\r\n");
    EXPECT_FILE_BYTES(ws, "2_0sgf.lnd", "1,1,70\r\n1,2,70\r\n");
    EXPECT_FALSE(ws.exists("ppflag.lnd"));
}

TEST(AnalysisPlan, AFailedWriteLeavesThePlansFlagAsTheRegistryHasIt) {
    struct Case {
        const char* what;
        long long limit;     // bytes a file may grow to
        const char* failing; // the file named in the failure
        bool filesWritten;
    };
    const Case cases[] = {
        {"analysis file", 16, "2_0ff.lnd", false},
        {"plan registry", 120, "pptb.lnd", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempWorkspace ws;
        RecordFolder folder(ws.path());
        const QByteArray before = "old registry\r\n";
        ws.write("pptb.lnd", before);
        Grid plans = plansTable("No");
        WriteStatus status;
        {
            FileSizeLimit limit(c.limit);
            status = saveAnalysis(folder, oneStrategy(), plans);
        }
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(status.fileName, c.failing);
        EXPECT_EQ(plans.text(2, plan::analysisFlag), "No");
        EXPECT_EQ(ws.read("pptb.lnd"), before);
        EXPECT_EQ(ws.exists("2_0ff.lnd"), c.filesWritten);
    }
}

TEST(AnalysisPlan, WithdrawingWritesTheNoAtOnceOrKeepsTheYes) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    Grid plans = plansTable("Yes");
    ws.write("2_0ff.lnd", "1,11,25000,1800,80,36,66.5,500\r\n");
    ASSERT_TRUE(withdrawAnalysis(folder, plans, 2).ok());
    EXPECT_EQ(plans.text(2, plan::analysisFlag), "No");
    EXPECT_TRUE(ws.read("pptb.lnd").contains("\"Audience 2\",\"111\",\"No\"\r\n"));
    EXPECT_EQ(ws.read("2_0ff.lnd"), "1,11,25000,1800,80,36,66.5,500\r\n")
        << "the analysis files stay";

    plans.setText(2, plan::analysisFlag, "Yes");
    ws.write("pptb.lnd", "old registry\r\n");
    WriteStatus status;
    {
        FileSizeLimit limit(16);
        status = withdrawAnalysis(folder, plans, 2);
    }
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(plans.text(2, plan::analysisFlag), "Yes");
    EXPECT_EQ(ws.read("pptb.lnd"), "old registry\r\n");
}

TEST(AnalysisPlan, OpeningWithoutAnyFileGivesEmptyTablesAndStrategyOne) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    const Grid plans = plansTable("Yes");
    AnalysisTables tables = oneStrategy();
    tables.lblIFlag = true;
    tables.lblNewEMIFlag = true;
    tables.lblRowSel = 1;
    PollTables polls;
    const OpenedPlan opened = openAnalysis(folder, plans, 2, tables, polls);
    EXPECT_TRUE(opened.saved);
    EXPECT_EQ(opened.plan.audience, 2);
    EXPECT_EQ(tables.lblProjectIndex, 2);
    EXPECT_EQ(tables.lblAnalysisID, 1);
    EXPECT_EQ(tables.lblRowSel, 0);
    EXPECT_FALSE(tables.lblIFlag);
    EXPECT_FALSE(tables.lblNewEMIFlag);
    EXPECT_EQ(tables.base.rowCount(), 2);
    EXPECT_EQ(tables.base.text(0, 9), "Freebies");
    EXPECT_EQ(tables.estimates.rowCount(), 2);
    EXPECT_EQ(tables.strategies.rowCount(), 2);
    EXPECT_EQ(tables.strategies.text(1, 1), "");
    for (const Grid& poll : polls) {
        EXPECT_EQ(poll.rowCount(), 2);
        EXPECT_EQ(poll.text(1, 0), "Totals");
    }
}

} // namespace
