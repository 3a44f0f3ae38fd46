#include "analysis/analysis_files.h"
#include "analysis/analysis_plan.h"

#include "analysis_fixtures.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

#include <optional>

using namespace lendora;
using namespace lendora::analysis;
using lendora::test::TempWorkspace;

namespace {

// Three plans; plan 2 is the one analysed. The registry is far longer than
// the analysis files of one strategy, so a size limit between the two lets
// the files through and stops the registry.
struct Plans {
    explicit Plans(const char* analysisFlag) {
        QByteArray bytes;
        for (int r = 1; r <= 3; ++r)
            bytes += QStringLiteral(
                         "%1,\"1\",\"Home Loan Project for the salaried middle class\",\"%1\","
                         "\"Audience %1\",\"111\",\"%2\"\r\n")
                         .arg(r)
                         .arg(r == 2 ? analysisFlag : "No")
                         .toUtf8();
        ws.write("pptb.lnd", bytes);
        ws.write("ppflag.lnd", "1\r\n");
        workspace.load();
    }
    PlanId second() const { return workspace.plan(2)->id; }
    TempWorkspace ws;
    Workspace workspace{RecordFolder(ws.path())};
};

// Plan 2 with one added strategy over one segment.
AnalysisTables oneStrategy() {
    AnalysisTables tables = analysis::test::tablesWithSegments(1);
    tables.lblProjectIndex = tables.lblAnalysisID = 2;
    for (Grid* grid : {&tables.strategies, &tables.features, &tables.flags, &tables.segments})
        grid->setRowCount(3);
    tables.segments.setColumnCount(3);
    const QStringList values = {"1", "11", "25000", "1800", "80", "36", "66.5", "500", "162"};
    for (Grid* grid : {&tables.strategies, &tables.features, &tables.flags})
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setText(1, c, values[c]);
    for (int c = 0; c < 3; ++c)
        tables.segments.setText(1, c, c ? "70" : "1");
    return tables;
}

TEST(AnalysisPlan, CaptionsCarryTheNamesAsGiven) {
    Plan plan;
    plan.projectName = QStringLiteral("Home Loan");
    plan.audienceName = QStringLiteral("Salaried, 25 to 40");
    EXPECT_EQ(windowCaption(plan),
              "Analysis for Project Home Loanand Target Audience Salaried, 25 to 40");
    EXPECT_EQ(baseCaption(plan), "Basic Details for Home Loan");
    Grid base(5, 10);
    base.setText(1, 1, QStringLiteral("Easy Home"));
    EXPECT_EQ(entryFrameCaption(base), "New Analysis for Easy Home");
}

TEST(AnalysisPlan, SaveMarksThePlanAndAFailedWriteLeavesFilesAndFlagAsTheyWere) {
    for (long long limit : {16, 120, 0}) { // an analysis file fails, the registry, nothing
        SCOPED_TRACE(limit);
        Plans p("No");
        const QByteArray before = p.ws.read("pptb.lnd");
        WriteStatus status;
        {
            std::optional<lendora::test::FileSizeLimit> full;
            if (limit)
                full.emplace(limit);
            status = saveAnalysis(p.workspace, p.second(), oneStrategy());
        }
        EXPECT_EQ(status.ok(), limit == 0);
        EXPECT_EQ(p.workspace.plan(2)->analysed, limit == 0);
        EXPECT_FALSE(p.workspace.plan(1)->analysed);
        if (limit) {
            EXPECT_EQ(p.ws.read("pptb.lnd"), before);
            EXPECT_FALSE(p.ws.exists("2_0ff.lnd"));
            continue;
        }
        EXPECT_EQ(p.ws.read("pptb.lnd"),
                  QByteArray(before).replace("\"Audience 2\",\"111\",\"No\"",
                                             "\"Audience 2\",\"111\",\"Yes\""));
        EXPECT_FILE_BYTES(p.ws, "2_0ff.lnd", "1,11,25000,1800,80,36,66.5,500\r\n");
        EXPECT_FILE_BYTES(p.ws, "2_0sgf.lnd", "1,1,70\r\n1,2,70\r\n");
        EXPECT_EQ(p.ws.read("ppflag.lnd"), "1\r\n") << "the flag file is not rewritten";
    }
}

TEST(AnalysisPlan, WithdrawingWritesTheNoAtOnceAndOpeningWithoutFilesGivesEmptyTables) {
    Plans p("Yes");
    p.ws.write("2_0ff.lnd", "1,11,25000,1800,80,36,66.5,500\r\n");
    ASSERT_TRUE(p.workspace.withdrawAnalysis(p.second()).ok());
    EXPECT_FALSE(p.workspace.plan(2)->analysed);
    EXPECT_TRUE(p.ws.read("pptb.lnd").contains("\"Audience 2\",\"111\",\"No\"\r\n"));
    EXPECT_EQ(p.ws.read("2_0ff.lnd"), "1,11,25000,1800,80,36,66.5,500\r\n")
        << "the analysis files stay";

    AnalysisTables tables = oneStrategy();
    tables.lblIFlag = tables.lblNewEMIFlag = true;
    tables.lblRowSel = 1;
    PollTables polls;
    openAnalysis(p.workspace.folder(), *p.workspace.plan(3), 3, tables, polls);
    EXPECT_EQ(tables.lblProjectIndex, 3);
    EXPECT_EQ(tables.lblAnalysisID, 1);
    EXPECT_EQ(tables.lblRowSel, 0);
    EXPECT_FALSE(tables.lblIFlag || tables.lblNewEMIFlag);
    EXPECT_EQ(tables.base.rowCount(), 2);
    EXPECT_EQ(tables.base.text(0, 9), "Freebies");
    EXPECT_EQ(tables.estimates.rowCount(), 2);
    EXPECT_EQ(tables.strategies.rowCount(), 2);
    EXPECT_EQ(tables.strategies.text(1, 1), "");
    for (const Grid& poll : polls)
        EXPECT_EQ(poll.rowTexts(1).value(0) + QString::number(poll.rowCount()), "Totals2");
}

} // namespace
