// Adding, deleting, totalling, saving and reading strategies, each step's
// tables compared with tests/data/analysis/comparison.txt.
#include "analysis/comparison.h"
#include "analysis/plan_analysis.h"
#include "workspace/plan_codecs.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

#include <cfloat>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

PlanAnalysis threeSegments() {
    return {usualDetails(),
            segmentNames(3),
            planPoll({{30, 12, 8, 5, 7, 9, 4}, {11, 3, 6, 2, 9, 1, 5}, {0, 4, 4, 4, 4, 4, 4}},
                     {{20, 10, 9, 6, 8, 7, 3}, {14, 5, 6, 3, 8, 2, 6}, {7, 4, 4, 4, 4, 4, 4}},
                     {{15, 9, 11, 8, 9, 5, 2}, {9, 7, 6, 1, 7, 3, 8}, {5, 4, 4, 4, 4, 4, 4}}),
            {},
            false};
}

QString filesText(const std::vector<std::pair<QString, QByteArray>>& files) {
    QString text;
    for (const auto& [name, bytes] : files)
        text += "== file " + name + "\n" + QString::fromUtf8(bytes).replace("\r\n", "\\r\\n\n");
    return text;
}

TEST(Comparison, AddDeleteTotalSaveAndRead) {
    PlanAnalysis plan = threeSegments();
    QString text = "== opened\n" + tablesText(plan);
    // The values as the tables show them: 15 significant digits.
    const struct {
        std::initializer_list<std::pair<int, double>> changes;
        bool emi;
    } strategies[] = {
        {{{feature::interest, 9.5}, {feature::emi, 5208.33}}, true},
        {{{feature::minIncome, 15000.25}, {feature::freebies, 0.1 + 0.2}}, false},
        {{{feature::loanValue, 1234.56789012345678}}, true},
    };
    for (const auto& s : strategies) {
        const FeatureValues values = changeFeatures(plan, s.changes);
        plan.entry().emiRecomputed = s.emi;
        ASSERT_EQ(plan.analyse(values), Novelty::New);
        const int number = plan.nextStrategyNumber();
        EXPECT_EQ(plan.add(values), number);
        EXPECT_EQ(plan.add(values), 0) << "a strategy is added once";
        text += QStringLiteral("== added strategy %1\n").arg(plan.nextStrategyNumber() - 1) +
                tablesText(plan);
    }
    const auto files = plancodec::analysisFileBytes(3, plan.saved());
    text += filesText(files);

    plancodec::AnalysisFileBytes stored;
    for (const auto& [name, bytes] : files)
        (name.endsWith("_0ff.lnd")    ? stored.values
         : name.endsWith("_0anf.lnd") ? stored.featureEstimates
         : name.endsWith("_0fgf.lnd") ? stored.changeFlags
                                      : stored.segmentEstimates) = bytes;
    const PlanAnalysis read(usualDetails(), segmentNames(3), plan.poll(),
                            plancodec::parseAnalysis(stored, 3), true);
    text += "== read\n" + tablesText(read);
    EXPECT_EQ(plancodec::analysisFileBytes(3, read.saved()), files) << "saved again as read";

    for (int row : {-1, 0, 4, 5}) {
        const QString before = tablesText(plan);
        EXPECT_EQ(plan.deleteStrategy(row), DeleteOutcome::NotAStrategy) << row;
        EXPECT_EQ(tablesText(plan), before) << row;
    }
    for (int row : {2, 2, 1}) {
        plan.selectRow(row);
        const DeleteOutcome outcome = plan.deleteStrategy(row);
        text += QStringLiteral("== deleted row %1: %2\n").arg(row).arg(deleteMessage(outcome)) +
                tablesText(plan);
    }
    EXPECT_TRUE(deleteMessage(DeleteOutcome::NotAStrategy).isEmpty());
    lendora::test::expectSameText(text, "analysis/comparison.txt");
}

// Strategies as read from files that hold such numbers.
PlanAnalysis readWith(const std::vector<std::vector<double>>& featureEstimates,
                      const std::vector<std::vector<double>>& segmentEstimates) {
    std::vector<SavedStrategy> saved(featureEstimates.size());
    for (size_t k = 0; k < saved.size(); ++k) {
        for (size_t f = 0; f < featureEstimates[k].size(); ++f)
            saved[k].featureEstimates[f] = featureEstimates[k][f];
        for (double e : segmentEstimates[k])
            saved[k].segmentEstimates.push_back(e);
    }
    return {usualDetails(), segmentNames(int(segmentEstimates.front().size())), {}, saved, true};
}

TEST(Comparison, ColumnSumsInSinglePrecisionAsShownAndBoundedAtTheFloatLimits) {
    const PlanAnalysis plan =
        readWith({{3e38, -3e38, 0.1, 16777216}, {3e38, -3e38, 0.2, 1}}, {{0.1, 1e-7}, {0.2, 2}});
    const ComparisonTotals& totals = plan.totals();
    // Beyond the float range a sum stays at the largest float.
    EXPECT_EQ(totals.featureTexts[0], floatText(FLT_MAX));
    EXPECT_EQ(totals.featureTexts[1], floatText(-FLT_MAX));
    // 0.1f + 0.2f is shown as 0.3 and read back as 0.3; 2^24 + 1 is 2^24 in a float.
    EXPECT_EQ(totals.featureTexts[2], "0.3");
    EXPECT_EQ(totals.features[2], 0.3);
    EXPECT_EQ(totals.featureTexts[3], "16777216");
    // The totals row's sum adds the sums as shown, in double precision.
    EXPECT_EQ(totals.featureSum, leadingNumber(floatText(FLT_MAX)) -
                                     leadingNumber(floatText(FLT_MAX)) + 0.3 + 16777216);
    EXPECT_EQ(tableText(plan, AnalysisTable::FeatureEstimates, 3, 8),
              doubleText(totals.featureSum));
    // A strategy's own total is its sum in double precision, shown at 15 digits.
    EXPECT_EQ(tableText(plan, AnalysisTable::FeatureEstimates, 2, 8), doubleText(1.2));
    EXPECT_EQ(tableText(plan, AnalysisTable::SegmentEstimates, 1, 3), "0.1000001");
    EXPECT_EQ(totals.segmentTexts, (std::vector<QString>{"0.3", "2"}));

    // The charts draw the totals in single precision, the segments too.
    const ChartData features = featuresChart(plan.strategies());
    EXPECT_EQ(features.values[0][2], 0.1) << "feature columns as read";
    EXPECT_EQ(features.values[1][7], double(float(1.2)));
    const ChartData segments = segmentsChart(plan.strategies(), plan.segments());
    EXPECT_EQ(segments.values[0],
              (std::vector<double>{double(0.1f), double(1e-7f), double(float(0.1000001))}));
    EXPECT_EQ(segments.columnLabels, (QStringList{"Segment 1", "Segment 2", "Totals"}));
}

TEST(Comparison, ASegmentTheFilesDoNotHoldShowsEmptyAndCountsAsZero) {
    SavedStrategy saved;
    saved.segmentEstimates = {5.0, std::nullopt};
    const PlanAnalysis plan(usualDetails(), segmentNames(2), {}, {saved}, true);
    EXPECT_EQ(tableTexts(plan, AnalysisTable::SegmentEstimates)[1],
              (QStringList{"1", "5", "", "5"}));
    EXPECT_EQ(plan.totals().segmentTexts, (std::vector<QString>{"5", "0"}));
    EXPECT_EQ(plan.saved().front().segmentEstimates, saved.segmentEstimates);
}

} // namespace
