#include "analysis/analysis_guru.h"
#include "analysis/analysis_totals.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

void setRow(Grid& grid, int row, const QStringList& texts) {
    for (int c = 0; c < texts.size(); ++c)
        grid.setText(row, c, texts[c]);
}

// Two strategies as loaded: the row after them is the totals row, whatever
// it held before.
AnalysisTables twoStrategies() {
    AnalysisTables tables;
    tables.features.setRowCount(4);
    setRow(tables.features, 1, {"1", "120", "80", "60", "70", "50", "40", "12"});
    setRow(tables.features, 2, {"2", "130", "75", "61", "70", "49", "41", "14", "999"});
    setRow(tables.features, 3, {"stale", "1", "2", "3", "4", "5", "6", "7", "8"});
    tables.segments.reset(4, 5);
    setRow(tables.segments, 0, {"Strategy ID", "North", "South", "East", "Totals"});
    setRow(tables.segments, 1, {"1", "150", "180", "102"});
    setRow(tables.segments, 2, {"2", "160", "170.5", "110", "7"});
    return tables;
}

TEST(AllTotals, ColumnAndRowSumsOfBothTables) {
    AnalysisTables tables = twoStrategies();
    allTotals(tables);
    EXPECT_EQ(tables.features.rowTexts(1),
              QStringList({"1", "120", "80", "60", "70", "50", "40", "12", "432"}));
    EXPECT_EQ(tables.features.rowTexts(2),
              QStringList({"2", "130", "75", "61", "70", "49", "41", "14", "440"}));
    EXPECT_EQ(tables.features.rowTexts(3),
              QStringList({"Totals", "250", "155", "121", "140", "99", "81", "26", "872"}));
    EXPECT_EQ(tables.segments.rowTexts(1), QStringList({"1", "150", "180", "102", "432"}));
    EXPECT_EQ(tables.segments.rowTexts(2), QStringList({"2", "160", "170.5", "110", "440.5"}));
    EXPECT_EQ(tables.segments.rowTexts(3), QStringList({"Totals", "310", "350.5", "212", "872.5"}));
}

TEST(AllTotals, TablesWithoutStrategiesGetZeroTotals) {
    AnalysisTables tables;
    allTotals(tables);
    EXPECT_EQ(tables.features.rowTexts(1),
              QStringList({"Totals", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(tables.segments.rowTexts(1), QStringList({"Totals", "0"}));
    EXPECT_TRUE(featuresChart(tables).values.empty());
}

TEST(Charts, OneGroupPerStrategyWithTheFeatureAndSegmentSeries) {
    AnalysisTables tables = twoStrategies();
    allTotals(tables);

    const ChartData features = featuresChart(tables);
    EXPECT_EQ(features.rowLabels, QStringList({"Strategy 1", "Strategy 2"}));
    EXPECT_EQ(features.columnLabels,
              QStringList({"Interest", "Mn.Elig.Inc", "Mx. Loan Value", "Mx. Loan Percentage",
                           "Repayment Period", "EMI", "Freebies", "Totals"}));
    EXPECT_EQ(features.values,
              (std::vector<std::vector<double>>{{120, 80, 60, 70, 50, 40, 12, 432},
                                                {130, 75, 61, 70, 49, 41, 14, 440}}));

    const ChartData segments = segmentsChart(tables);
    EXPECT_EQ(segments.rowLabels, features.rowLabels);
    EXPECT_EQ(segments.columnLabels, QStringList({"North", "South", "East", "Totals"}));
    EXPECT_EQ(segments.values,
              (std::vector<std::vector<double>>{{150, 180, 102, 432}, {160, 170.5, 110, 440.5}}));
}

TEST(Charts, ValuesAreShownInSinglePrecision) {
    AnalysisTables tables;
    tables.features.setRowCount(3);
    setRow(tables.features, 1, {"1", "0.1", "0", "0", "0", "0", "0", "0", "0.1"});
    tables.segments.reset(3, 3);
    setRow(tables.segments, 1, {"1", "0.1", "0.1"});
    const ChartData features = featuresChart(tables);
    ASSERT_EQ(features.values.size(), 1u);
    EXPECT_EQ(features.values[0][0], 0.1) << "feature columns as read";
    EXPECT_EQ(features.values[0][7], double(0.1f)) << "the total in single precision";
    EXPECT_EQ(segmentsChart(tables).values[0], (std::vector<double>{double(0.1f), double(0.1f)}));
}

TEST(GuruText, TheAnalysisWindowsEightTextsJoined) {
    EXPECT_EQ(
        guru::aboutAnalysis(),
        QStringLiteral(
            "Analysis form uses standard statistical forecasting process to estimate the change in "
            "the number of respondents likely to opt for your product.All saved anlaysis for this "
            "Project Plan are shown in the 'New Analysis' table.You can start a new analysis by "
            "altering the values of any feature in the fields in the 'New Analysis' frame.Start "
            "with the 'Interest' field. Enter a new value and click 'Enter' on your keyboard. If "
            "you do not want to change the value, click 'Enter' on your keyboard. Proceed in th "
            "same way with every field.EMI field will update itself based on the values for "
            "Interest, Maximum Loan Value and Repayment Period.Once you have clicked 'Enter' (on "
            "the keyboard), from the 'Freebies' field, the 'Analysis' button on the form will "
            "become enabled.Click on the 'Analysis' button to view the deatiled estimate for the "
            "new analysis, in the 'Detaieled Estimates' table.Your new analysis will be added as "
            "a new strategy. By going to the 'Final Analysis' tab, you can have a comparision of "
            "all the strategies evoloved."));
}

} // namespace
