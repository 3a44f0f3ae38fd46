// Adding, deleting, totalling, saving and loading strategies, each step's
// tables compared with tests/data/analysis/tables.txt.
#include "analysis/analysis_files.h"
#include "analysis/analysis_plan.h"
#include "analysis/analysis_totals.h"
#include "analysis/strategy_table.h"

#include "analysis_fixtures.h"
#include "storage/folder_changes.h"
#include "workspace/plan_codecs.h"
#include "support/golden.h"
#include "support/road_screen.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

#include <optional>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;
using namespace lendora::test;

namespace {

// The files of a save, written as the workspace writes them.
WriteStatus writeFiles(const TempWorkspace& ws, const AnalysisTables& tables) {
    FolderChanges changes;
    for (const auto& [name, bytes] :
         plancodec::analysisFileBytes(tables.lblProjectIndex, savedStrategies(tables)))
        changes.write(name, bytes);
    return applyChanges(RecordFolder(ws.path()), changes);
}

// Detailed estimates as Analyse leaves them: rows of columns 1 to 9.
void setEstimates(AnalysisTables& tables, const std::vector<QStringList>& rows) {
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < rows[size_t(r)].size(); ++c)
            tables.estimates.setText(r + 1, c + 1, rows[size_t(r)][c]);
}

// Three strategies of plan 3 over three segments, added one by one; their
// totals rows hold halves, odd rounding and a negative change.
AnalysisTables threeStrategies(QString& text) {
    AnalysisTables tables = tablesWithSegments(3);
    tables.lblProjectIndex = 3;
    const FeatureValues entered[] = {{9.5, 20000, 500000, 80, 240, 5208.33, 2.5},
                                     {10, 15000.25, 550000, 75, 180, 0, 2.123456789},
                                     {11, 15000, 500000, 80, 240, 5208.33, 0.1}};
    for (int s = 0; s < 3; ++s) {
        const QString v = QString::number(10 * (s + 1));
        setEstimates(tables, {{v, "1", "1", "1", "1", "1", "1", "12.5", "4"},
                              {v, "2", "2", "2", "2", "2", "3", "13.5", "-1"},
                              {"30", "3", "3", "3", "3", "3", "3", "-0.5", "0"},
                              {"60", "6", "6", "6", "6", "6", "6", "25.5"}});
        tables.changeFlag(s + 1) = tables.lblNewEMIFlag = tables.lblEFlag = true;
        EXPECT_EQ(addStrategy(tables, entered[s]), s + 1);
        text += QStringLiteral("== added strategy %1\n").arg(s + 1) + tablesText(tables);
    }
    return tables;
}

TEST(StrategyTables, AddDeleteTotalSaveAndLoad) {
    QString text;
    AnalysisTables tables = threeStrategies(text);
    // Texts the user typed are written as the numbers they start with.
    tables.strategies.setText(2, 4, "75%");
    tables.strategies.setText(2, 6, "abc");
    // Longer old files: a save replaces them whole.
    TempWorkspace ws;
    copyFolder(dataFolder("analysis/old_files"), ws);
    // Nothing is written without strategies.
    AnalysisTables none = tablesWithSegments(3);
    none.lblProjectIndex = 3;
    EXPECT_TRUE(writeFiles(ws, none).ok());
    expectSameFiles(ws, dataFolder("analysis/old_files"));
    ASSERT_TRUE(writeFiles(ws, tables).ok());
    for (const QString& name : ws.files())
        text += "== file " + name + "\n" + ws.read(name).replace("\r\n", "\\r\\n\n");
    AnalysisTables loaded = tablesWithSegments(3);
    loaded.lblProjectIndex = 3;
    loadAnalysisFiles(RecordFolder(ws.path()), loaded);
    text += "== loaded\n" + tablesText(loaded);

    for (int row : {-1, 0, 4, 5}) {
        const QString before = tablesText(tables);
        EXPECT_EQ(deleteStrategy(tables, row), DeleteOutcome::NotAStrategy) << row;
        EXPECT_EQ(tablesText(tables), before) << row;
    }
    for (int row : {2, 2, 1}) {
        const DeleteOutcome outcome = deleteStrategy(tables, row);
        text += QStringLiteral("== deleted row %1: %2 %3\n")
                    .arg(row)
                    .arg(int(outcome))
                    .arg(deleteMessage(outcome)) +
                tablesText(tables);
    }
    EXPECT_TRUE(deleteMessage(DeleteOutcome::NotAStrategy).isEmpty());
    // Loading reads items by count, shows numbers in their shortest form and
    // never lets a record of row or column 0 overwrite a heading.
    ws.write("1_0ff.lnd", "1,9.50,015000,500000,80,240,\r\n5208.330,2.50\r\n");
    ws.write("1_0anf.lnd", "1,120,80,60,70,50,40,12\r\n");
    ws.write("1_0fgf.lnd", "1,1.0,0,0,0,0,0,0\r\n");
    ws.write("1_0sgf.lnd", "1,1,150\r\n1,2,180\r\n1,3,330\r\n0,1,9\r\n1,0,9\r\n");
    for (int plan : {1, 5}) { // plan 5 has no files
        AnalysisTables read = tablesWithSegments(2);
        read.lblProjectIndex = plan;
        loadAnalysisFiles(RecordFolder(ws.path()), read);
        text += QStringLiteral("== loaded plan %1\n").arg(plan) + tablesText(read);
    }
    expectSameText(text, "analysis/tables.txt");
}

TEST(StrategyTables, ChartValuesAndTotalsAreInSinglePrecision) {
    AnalysisTables tables;
    tables.features.setRowCount(3);
    for (int c = 0; c < 9; ++c)
        tables.features.setText(1, c, c == 0 ? "1" : c == 1 || c == 8 ? "0.1" : "0");
    tables.segments.reset(3, 3);
    for (int c = 0; c < 3; ++c)
        tables.segments.setText(1, c, c == 0 ? "1" : "0.1");
    const ChartData features = featuresChart(tables);
    ASSERT_EQ(features.values.size(), 1u);
    EXPECT_EQ(features.values[0][0], 0.1) << "feature columns as read";
    EXPECT_EQ(features.values[0][7], double(0.1f)) << "the total in single precision";
    EXPECT_EQ(segmentsChart(tables).values[0], (std::vector<double>{double(0.1f), double(0.1f)}));
}

// A save writes the analysis files, then the plan's "Yes"; a failed write
// leaves both as they were. What a save writes the scenarios compare.
TEST(StrategyTables, ASaveWritesAllOrNothing) {
    TempWorkspace stored;
    copyFolder(dataFolder("analysis/one_strategy"), stored);
    AnalysisTables tables = tablesWithSegments(3);
    tables.lblProjectIndex = 1;
    loadAnalysisFiles(RecordFolder(stored.path()), tables);
    for (long long limit : {16, 60, 0}) { // an analysis file fails, the registry, nothing
        SCOPED_TRACE(limit);
        TempWorkspace ws;
        for (const char* folder : {"workspace", "plans_no"})
            copyFolder(dataFolder(QString("analysis/") + folder), ws);
        Workspace workspace{RecordFolder(ws.path())};
        workspace.load();
        std::optional<FileSizeLimit> full;
        if (limit)
            full.emplace(limit);
        const WriteStatus status = saveAnalysis(workspace, workspace.plan(1)->id, tables);
        full.reset();
        EXPECT_EQ(status.ok(), limit == 0);
        EXPECT_EQ(workspace.plan(1)->analysed, limit == 0);
        EXPECT_FALSE(workspace.plan(2)->analysed);
        const QByteArray registry = readFile(dataFolder("analysis/plans_no/pptb.lnd"));
        EXPECT_EQ(ws.read("pptb.lnd"), limit ? registry
                                             : QByteArray(registry).replace(
                                                   "\"111\",\"No\"\r\n2", "\"111\",\"Yes\"\r\n2"));
        for (const QString& name : stored.files())
            EXPECT_EQ(ws.exists(name) ? ws.read(name) : "none", limit ? "none" : stored.read(name));
    }
}

} // namespace
