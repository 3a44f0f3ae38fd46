#include "analysis/analysis_files.h"
#include "analysis/forecast.h"
#include "analysis/strategy_table.h"

#include "analysis_fixtures.h"
#include "storage/folder_changes.h"
#include "support/workspace.h"
#include "workspace/plan_files.h"

#include <gtest/gtest.h>

#include <map>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;
using lendora::test::TempWorkspace;

namespace {

// The files of a save, written as the workspace writes them.
WriteStatus writeAnalysisFiles(const RecordFolder& folder, const AnalysisTables& tables) {
    FolderChanges changes;
    for (const auto& [name, bytes] : analysisFiles(tables))
        changes.write(name, bytes);
    return applyChanges(folder, changes);
}

void setRow(Grid& grid, int row, const QStringList& texts) {
    for (int c = 0; c < texts.size(); ++c)
        grid.setText(row, c, texts[c]);
}

// Two strategies of plan 3 over three segments, as the window holds them.
AnalysisTables twoStrategies() {
    AnalysisTables tables = tablesWithSegments(3);
    tables.lblProjectIndex = 3;
    tables.lblAnalysisID = 3;
    for (Grid* grid : {&tables.strategies, &tables.features, &tables.flags, &tables.segments})
        grid->setRowCount(4);
    tables.segments.setColumnCount(5);
    setRow(tables.strategies, 1, {"1", "9.5", "15000", "500000", "80", "240", "5208.33", "2.5"});
    setRow(tables.strategies, 2,
           {"2", "10", "15000.25", "550000", "75%", "180", "abc", "2.123456789"});
    setRow(tables.features, 1, {"1", "120", "80", "60", "70", "50", "40", "12.5", "432"});
    setRow(tables.features, 2, {"2", "130", "75", "61", "70", "49", "41", "13.5", "440"});
    setRow(tables.flags, 1, {"1", "1", "0", "0", "0", "0", "0", "0", "1"});
    setRow(tables.flags, 2, {"2", "0", "1", "1", "0", "1", "1", "1", "1"});
    setRow(tables.segments, 1, {"1", "150", "180", "102", "432"});
    setRow(tables.segments, 2, {"2", "160", "170.5", "110", "440.5"});
    return tables;
}

const QByteArray expectedStrategies = "1,9.5,15000,500000,80,240,5208.33,2.5\r\n"
                                      "2,10,15000.25,550000,75,180,0,2.1234567\r\n";
const QByteArray expectedFeatures = "1,120,80,60,70,50,40,12\r\n"
                                    "2,130,75,61,70,49,41,14\r\n";
const QByteArray expectedFlags = "1,1,0,0,0,0,0,0\r\n"
                                 "2,0,1,1,0,1,1,1\r\n";
const QByteArray expectedSegments = "1,1,150\r\n1,2,180\r\n1,3,102\r\n1,4,432\r\n"
                                    "2,1,160\r\n2,2,170.5\r\n2,3,110\r\n2,4,440.5\r\n";

TEST(AnalysisFiles, NamesCarryThePlanNumber) {
    EXPECT_EQ(planfiles::strategiesFile(3), "3_0ff.lnd");
    EXPECT_EQ(planfiles::featuresFile(3), "3_0anf.lnd");
    EXPECT_EQ(planfiles::flagsFile(3), "3_0fgf.lnd");
    EXPECT_EQ(planfiles::segmentsFile(12), "12_0sgf.lnd");
}

TEST(AnalysisFiles, TwoStrategiesOverThreeSegmentsByteForByte) {
    TempWorkspace ws;
    ASSERT_TRUE(writeAnalysisFiles(RecordFolder(ws.path()), twoStrategies()).ok());
    EXPECT_FILE_BYTES(ws, "3_0ff.lnd", expectedStrategies);
    EXPECT_FILE_BYTES(ws, "3_0anf.lnd", expectedFeatures);
    EXPECT_FILE_BYTES(ws, "3_0fgf.lnd", expectedFlags);
    EXPECT_FILE_BYTES(ws, "3_0sgf.lnd", expectedSegments);
    EXPECT_EQ(ws.files(), QStringList({"3_0anf.lnd", "3_0ff.lnd", "3_0fgf.lnd", "3_0sgf.lnd"}));
}

TEST(AnalysisFiles, FewerStrategiesReplaceTheFilesWhole) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    AnalysisTables five = tablesWithSegments(3);
    five.lblProjectIndex = 3;
    five.lblAnalysisID = 6;
    for (Grid* grid : {&five.strategies, &five.features, &five.flags, &five.segments})
        grid->setRowCount(7);
    five.segments.setColumnCount(5);
    for (int i = 1; i <= 5; ++i)
        for (Grid* grid : {&five.strategies, &five.features, &five.flags, &five.segments})
            for (int c = 0; c < grid->columnCount(); ++c)
                grid->setText(i, c, QString::number(i * 100 + c));
    ASSERT_TRUE(writeAnalysisFiles(folder, five).ok());
    ASSERT_EQ(folder.readRecords("3_0sgf.lnd", segmentItems).size(), 20u);

    ASSERT_TRUE(writeAnalysisFiles(folder, twoStrategies()).ok());
    EXPECT_FILE_BYTES(ws, "3_0ff.lnd", expectedStrategies);
    EXPECT_FILE_BYTES(ws, "3_0anf.lnd", expectedFeatures);
    EXPECT_FILE_BYTES(ws, "3_0fgf.lnd", expectedFlags);
    EXPECT_FILE_BYTES(ws, "3_0sgf.lnd", expectedSegments);
}

TEST(AnalysisFiles, NoStrategiesLeaveTheFilesAsTheyWere) {
    TempWorkspace ws;
    for (const char* name : {"3_0ff.lnd", "3_0anf.lnd", "3_0fgf.lnd", "3_0sgf.lnd"})
        ws.write(name, QByteArray("old ") + name);
    AnalysisTables tables = twoStrategies();
    tables.lblAnalysisID = 1;
    EXPECT_TRUE(writeAnalysisFiles(RecordFolder(ws.path()), tables).ok());
    for (const char* name : {"3_0ff.lnd", "3_0anf.lnd", "3_0fgf.lnd", "3_0sgf.lnd"})
        EXPECT_EQ(ws.read(name), QByteArray("old ") + name);

    tables.lblProjectIndex = 4;
    EXPECT_TRUE(writeAnalysisFiles(RecordFolder(ws.path()), tables).ok());
    EXPECT_EQ(ws.files().size(), 4) << "no file of plan 4 created";
}

TEST(AnalysisFiles, AReadOnlyFolderReportsTheFailureAndKeepsTheOldFiles) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    AnalysisTables one = twoStrategies();
    one.lblAnalysisID = 2;
    ASSERT_TRUE(writeAnalysisFiles(folder, one).ok());
    const QStringList names = ws.files();
    std::vector<QByteArray> before;
    for (const QString& name : names)
        before.push_back(ws.read(name));
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "this file system cannot make a folder read-only";

    const WriteStatus status = writeAnalysisFiles(folder, twoStrategies());
    ws.setReadOnly(false);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.fileName, "3_0ff.lnd") << "the first failure is reported";
    EXPECT_TRUE(status.message().contains("3_0ff.lnd"));
    EXPECT_EQ(ws.files(), names) << "no temporary file left behind";
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(ws.read(names[i]), before[size_t(i)]) << names[i].toStdString();
}

TEST(AnalysisFiles, AFailedFileKeepsAllFourAsTheyWere) {
    // Files of at most 60 bytes: the strategy values (81 bytes) and the
    // per-segment estimates (76) fail, the other two would fit. None is
    // replaced, so the four files never mix two saves.
    ASSERT_GT(expectedStrategies.size(), 60);
    ASSERT_GT(expectedSegments.size(), 60);
    ASSERT_LE(expectedFeatures.size(), 60);
    TempWorkspace ws;
    const std::map<QString, QByteArray> old = {{"3_0ff.lnd", "old strategies\r\n"},
                                               {"3_0anf.lnd", "old features\r\n"},
                                               {"3_0fgf.lnd", "old flags\r\n"},
                                               {"3_0sgf.lnd", "old segments\r\n"}};
    for (const auto& [name, bytes] : old)
        ws.write(name, bytes);
    WriteStatus status;
    {
        lendora::test::FileSizeLimit limit(60);
        status = writeAnalysisFiles(RecordFolder(ws.path()), twoStrategies());
    }
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.fileName, "3_0ff.lnd");
    for (const auto& [name, bytes] : old)
        EXPECT_EQ(ws.read(name), bytes) << name.toStdString();
    EXPECT_EQ(ws.files().size(), 4) << "no temporary file left behind";
}

// A plan analysed for real: two strategies added after Analyse.
AnalysisTables analysedPlan() {
    AnalysisTables tables = tablesWithSegments(3);
    tables.lblProjectIndex = 2;
    setBase(tables, {QStringList{"10", "20000", "500000", "80", "240", "5000", "2"},
                     QStringList{"12", "25000", "600000", "85", "180", "6000", "3"},
                     QStringList{"14", "30000", "700000", "90", "120", "7000", "5"}});
    const Grid own =
        pollGrid({{30, 12, 8, 5, 7, 9, 4}, {11, 3, 6, 2, 9, 1, 5}, {1, 4, 4, 4, 4, 4, 4}});
    const Grid c1 =
        pollGrid({{20, 10, 9, 6, 8, 7, 3}, {14, 5, 6, 3, 8, 2, 6}, {7, 4, 4, 4, 4, 4, 4}});
    const Grid c2 =
        pollGrid({{15, 9, 11, 8, 9, 5, 2}, {9, 7, 6, 1, 7, 3, 8}, {5, 4, 4, 4, 4, 4, 4}});
    const FeatureValues first{11, 20000, 500000, 80, 240, 5000, 2.5};
    tables.lblIFlag = tables.lblFFlag = tables.lblNewEMIFlag = true;
    EXPECT_TRUE(analyse(tables, {own, c1, c2}, first).computed());
    addStrategy(tables, first);
    const FeatureValues second{10, 20000, 650000, 80, 240, 6500, 2};
    tables.lblVFlag = tables.lblEFlag = true;
    EXPECT_TRUE(analyse(tables, {own, c1, c2}, second).computed());
    addStrategy(tables, second);
    return tables;
}

TEST(AnalysisFiles, ReadBackGivesTheSameFourTables) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    const AnalysisTables saved = analysedPlan();
    ASSERT_TRUE(writeAnalysisFiles(folder, saved).ok());

    AnalysisTables loaded = tablesWithSegments(3);
    loaded.lblProjectIndex = 2;
    loadAnalysisFiles(folder, loaded);

    EXPECT_EQ(loaded.lblAnalysisID, 3);
    EXPECT_EQ(loaded.segments.columnCount(), 5);
    EXPECT_EQ(loaded.segments.rowTexts(0),
              QStringList({"Strategy ID", "Segment 1", "Segment 2", "Segment 3", "Totals"}));
    EXPECT_EQ(loaded.features.rowTexts(0), saved.features.rowTexts(0));
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(loaded.strategies.rowTexts(r), saved.strategies.rowTexts(r)) << r;
        EXPECT_EQ(loaded.features.rowTexts(r), saved.features.rowTexts(r)) << r;
        EXPECT_EQ(loaded.segments.rowTexts(r), saved.segments.rowTexts(r)) << r;
        EXPECT_EQ(loaded.flags.rowTexts(r).mid(0, 8), saved.flags.rowTexts(r).mid(0, 8)) << r;
    }
    for (const Grid* grid : {&loaded.strategies, &loaded.features, &loaded.flags, &loaded.segments})
        EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(loaded.features.text(3, 0), "Totals");
    EXPECT_EQ(loaded.strategies.text(1, feature::freebies), "2.5");
}

TEST(AnalysisFiles, ItemsAreReadByCountAndShownInShortestForm) {
    TempWorkspace ws;
    ws.write("1_0ff.lnd", "1,9.50,015000,500000,80,240,\r\n5208.330,2.50\r\n");
    ws.write("1_0anf.lnd", "1,120,80,60,70,50,40,12\r\n");
    ws.write("1_0fgf.lnd", "1,1.0,0,0,0,0,0,0\r\n");
    ws.write("1_0sgf.lnd", "1,1,150\r\n1,2,180\r\n1,3,330\r\n0,1,9\r\n1,0,9\r\n");
    AnalysisTables tables = tablesWithSegments(2);
    tables.lblProjectIndex = 1;
    loadAnalysisFiles(RecordFolder(ws.path()), tables);
    EXPECT_EQ(tables.strategies.rowTexts(1),
              QStringList({"1", "9.5", "15000", "500000", "80", "240", "5208.33", "2.5"}));
    EXPECT_EQ(tables.flags.text(1, 1), "1");
    EXPECT_EQ(tables.segments.rowTexts(0),
              QStringList({"Strategy ID", "Segment 1", "Segment 2", "Totals"}))
        << "a record naming row or column 0 never overwrites a heading";
    EXPECT_EQ(tables.segments.rowTexts(1), QStringList({"1", "150", "180", "330"}));
    EXPECT_EQ(tables.segments.rowTexts(2), QStringList({"Totals", "150", "180", "330"}));
}

TEST(AnalysisFiles, MissingFilesLeaveTheirTablesEmpty) {
    TempWorkspace ws;
    AnalysisTables none = tablesWithSegments(3);
    none.lblProjectIndex = 5;
    loadAnalysisFiles(RecordFolder(ws.path()), none);
    EXPECT_EQ(none.lblAnalysisID, 1);
    EXPECT_EQ(none.strategies.rowCount(), 2);
    EXPECT_EQ(none.segments.columnCount(), 5);
    EXPECT_EQ(none.features.rowTexts(1),
              QStringList({"Totals", "0", "0", "0", "0", "0", "0", "0", "0"}));

    ws.write("5_0ff.lnd", expectedStrategies);
    AnalysisTables some = tablesWithSegments(3);
    some.lblProjectIndex = 5;
    loadAnalysisFiles(RecordFolder(ws.path()), some);
    EXPECT_EQ(some.lblAnalysisID, 3);
    EXPECT_EQ(some.strategies.text(2, 1), "10");
    EXPECT_EQ(some.flags.rowCount(), 2);
    EXPECT_EQ(some.features.rowCount(), 2);
    EXPECT_EQ(some.segments.rowCount(), 4);
    EXPECT_EQ(column(some.segments, 0, 1, 3), QStringList({"1", "2", "Totals"}));
    EXPECT_EQ(some.segments.rowTexts(3), QStringList({"Totals", "0", "0", "0", "0"}));
}

} // namespace
