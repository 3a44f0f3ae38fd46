#include "analysis/analysis_totals.h"
#include "analysis/forecast.h"
#include "analysis/strategy_table.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

// Detailed estimates of three segments as Analyse leaves them.
void setEstimates(AnalysisTables& tables, const std::vector<QStringList>& rows) {
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < rows[size_t(r)].size(); ++c)
            tables.estimates.setText(r + 1, c + 1, rows[size_t(r)][c]);
}

const FeatureValues entered{9.5, 20000, 500000, 80, 240, 5208.33, 2.5};

TEST(AddStrategy, AppendsOneRowToEachStrategyTable) {
    AnalysisTables tables = tablesWithSegments(3);
    setEstimates(tables, {{"10", "1", "1", "1", "1", "1", "1", "16", "4"},
                          {"20", "2", "2", "2", "2", "2", "2", "32", "-1"},
                          {"30", "3", "3", "3", "3", "3", "3", "48", "0"},
                          {"60", "6", "6", "6", "6", "6", "6", "96"}});
    tables.lblIFlag = true;
    tables.lblNewEMIFlag = true;
    tables.lblEFlag = true;

    EXPECT_EQ(addStrategy(tables, entered), 1);

    EXPECT_EQ(tables.segments.columnCount(), 5);
    EXPECT_EQ(tables.segments.rowTexts(0),
              QStringList({"ID", "Segment 1", "Segment 2", "Segment 3", "Totals"}));
    EXPECT_EQ(tables.segments.rowTexts(1), QStringList({"1", "16", "32", "48", "96"}));
    EXPECT_EQ(tables.flags.rowTexts(1), QStringList({"1", "1", "0", "0", "0", "0", "1", "0", "1"}));
    EXPECT_EQ(tables.strategies.rowTexts(1),
              QStringList({"1", "9.5", "20000", "500000", "80", "240", "5208.33", "2.5"}));
    EXPECT_EQ(
        tables.features.rowTexts(0),
        QStringList({"ID", "Interest", "Min. Eligible Income", "Max. Loan Value",
                     "Max. Loan Percentage", "Repayment Period", "EMI", "Freebies", "Totals"}));
    EXPECT_EQ(tables.features.rowTexts(1),
              QStringList({"1", "60", "6", "6", "6", "6", "6", "6", "96"}));
    for (const Grid* grid : {&tables.strategies, &tables.flags, &tables.features, &tables.segments})
        EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(tables.strategies.rowTexts(2), QStringList(8, QString()));

    EXPECT_EQ(tables.lblAnalysisID, 2);
    EXPECT_EQ(tables.changeFlags(), (std::array<bool, featureCount>{}));
    EXPECT_FALSE(tables.lblNewEMIFlag);
}

TEST(AddStrategy, SegmentTotalsAreRoundedHalvesToEven) {
    AnalysisTables tables = tablesWithSegments(3);
    setEstimates(tables, {{"", "", "", "", "", "", "", "12.5"},
                          {"", "", "", "", "", "", "", "13.5"},
                          {"", "", "", "", "", "", "", "-0.5"},
                          {"", "", "", "", "", "", "", "25.5"}});
    addStrategy(tables, entered);
    EXPECT_EQ(tables.segments.rowTexts(1), QStringList({"1", "12", "14", "0", "26"}));
}

TEST(AddStrategy, TotalsRowsStayUnderTheStrategies) {
    AnalysisTables tables = tablesWithSegments(2);
    setEstimates(tables, {{"40", "0", "0", "0", "0", "0", "0", "40"},
                          {"80", "0", "0", "0", "0", "0", "0", "80"},
                          {"120", "0", "0", "0", "0", "0", "0", "120"}});
    addStrategy(tables, entered);
    setEstimates(tables, {{"50", "0", "0", "0", "0", "0", "1", "51"},
                          {"80", "0", "0", "0", "0", "0", "0", "80"},
                          {"130", "0", "0", "0", "0", "0", "1", "131"}});
    addStrategy(tables, entered);

    EXPECT_EQ(tables.features.rowCount(), 4);
    EXPECT_EQ(tables.features.rowTexts(3),
              QStringList({"Totals", "250", "0", "0", "0", "0", "0", "1", "251"}));
    EXPECT_EQ(tables.segments.rowTexts(3), QStringList({"Totals", "91", "160", "251"}));
    EXPECT_EQ(column(tables.features, 0, 1, 2), QStringList({"1", "2"}));
    EXPECT_EQ(featuresChart(tables).rowLabels, QStringList({"Strategy 1", "Strategy 2"}));
}

// Three strategies with distinct values, then the totals.
AnalysisTables threeStrategies() {
    AnalysisTables tables = tablesWithSegments(2);
    for (int s = 1; s <= 3; ++s) {
        const QString v = QString::number(s * 10);
        setEstimates(tables, {{v, "0", "0", "0", "0", "0", "0", v},
                              {v, "0", "0", "0", "0", "0", "0", v},
                              {QString::number(s * 20), "0", "0", "0", "0", "0", "0",
                               QString::number(s * 20)}});
        tables.lblIFlag = true;
        addStrategy(tables, {double(s), 0, 0, 0, 0, 0, 0});
    }
    return tables;
}

TEST(DeleteStrategy, RemovesTheRowRenumbersAndRecomputesTheTotals) {
    AnalysisTables tables = threeStrategies();
    const DeleteOutcome outcome = deleteStrategy(tables, 2);
    EXPECT_EQ(outcome, DeleteOutcome::Deleted);
    EXPECT_EQ(deleteMessage(outcome),
              "This deletion has not yet been saved.To save the deletion, click the 'Save' button");
    EXPECT_EQ(tables.lblAnalysisID, 3);
    for (const Grid* grid : {&tables.strategies, &tables.features, &tables.flags, &tables.segments})
        EXPECT_EQ(column(*grid, 0, 1, 2), QStringList({"1", "2"}));
    EXPECT_EQ(column(tables.strategies, 1, 1, 2), QStringList({"1", "3"}));
    EXPECT_EQ(column(tables.segments, 1, 1, 3), QStringList({"10", "30", "40"}));
    EXPECT_EQ(tables.features.rowTexts(3),
              QStringList({"Totals", "80", "0", "0", "0", "0", "0", "0", "80"}));
    EXPECT_EQ(tables.strategies.rowCount(), 4);
}

TEST(DeleteStrategy, DeletingTheLastStrategyLeavesNone) {
    AnalysisTables tables = threeStrategies();
    EXPECT_EQ(deleteStrategy(tables, 3), DeleteOutcome::Deleted);
    EXPECT_EQ(deleteStrategy(tables, 1), DeleteOutcome::Deleted);
    const DeleteOutcome outcome = deleteStrategy(tables, 1);
    EXPECT_EQ(outcome, DeleteOutcome::NoneLeft);
    EXPECT_EQ(deleteMessage(outcome), "No Analysis available");
    EXPECT_EQ(tables.lblAnalysisID, 1);
    EXPECT_EQ(tables.strategies.rowCount(), 2);
    EXPECT_EQ(tables.features.rowTexts(1),
              QStringList({"Totals", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(DeleteStrategy, RowsThatHoldNoStrategyAreRefused) {
    for (int row : {-1, 0, 4, 5}) {
        AnalysisTables tables = threeStrategies();
        const Grid features = tables.features;
        EXPECT_EQ(deleteStrategy(tables, row), DeleteOutcome::NotAStrategy) << row;
        EXPECT_TRUE(deleteMessage(DeleteOutcome::NotAStrategy).isEmpty());
        EXPECT_EQ(tables.lblAnalysisID, 4) << row;
        for (int r = 0; r < features.rowCount(); ++r)
            EXPECT_EQ(tables.features.rowTexts(r), features.rowTexts(r)) << row;
    }
}

} // namespace
