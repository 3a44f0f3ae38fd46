// The business case of a plan's strategies, worked out by hand: three
// segments of 42, 21 and 0 respondents; the own product at a flat 12% over
// 36 months on 100,000 (EMI 3,777.78), 500 of freebies; 80% lent on
// average, funds at 6% a year, 100 to win a customer.
#include "analysis/business_case_export.h"
#include "analysis/business_case_rows.h"
#include "analysis/business_case_table.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

Counts all(double count) {
    Counts counts;
    counts.fill(count);
    return counts;
}

SavedStrategy strategy(double emi, std::vector<std::optional<double>> segments) {
    SavedStrategy saved;
    saved.values = {12, 20000, 100000, 80, 36, emi, 500};
    saved.changed[feature::emi] = true;
    saved.segmentEstimates = std::move(segments);
    return saved;
}

// Strategy 1 forecasts more than segment 1's respondents (a share of 1) and
// less than none in segment 2 (a share of 0); strategy 2 half of segment 1,
// and segment 2 holds no number in the files. Its EMI of 2,700 pays back
// 97,200 of the 100,000 lent.
PlanAnalysis plan() {
    return PlanAnalysis(
        projectDetails({QStringList{"12", "20000", "100000", "80", "36", "3777.78", "500"},
                        QStringList{"13", "25000", "120000", "85", "48", "3500", "300"},
                        QStringList{"11", "30000", "90000", "90", "24", "4600", "800"}}),
        segmentNames(3),
        planPoll({all(2), all(1), all(0)}, {all(3), all(2), all(0)}, {all(1), all(0), all(0)}),
        {strategy(3500, {50, -3, 0}), strategy(2700, {21, std::nullopt})}, true);
}

const BusinessCase lender{{3000, 600, 400}, 80, 6, 100};

TEST(BusinessCaseRows, CurrentProductAndStrategiesInCustomersAndMoney) {
    EXPECT_EQ(segmentRespondents(plan().poll(), 3), (std::vector<double>{42, 21, 0}));
    EXPECT_EQ(currentChoices(plan().poll(), 3), (std::vector<double>{14, 7, 0}));
    const std::vector<BusinessCaseRow> rows = businessCaseRows(plan(), lender);
    ASSERT_EQ(rows.size(), 3u);
    // A third of segments 1 and 2; segment 3 has no respondents, so none.
    EXPECT_EQ(rows[0].money.customersBySegment, (std::vector<double>{1000, 200, 0}));
    EXPECT_DOUBLE_EQ(rows[0].money.marketShare, 1200.0 / 4000);
    EXPECT_DOUBLE_EQ(rows[0].money.volume, 1200 * 80000.0);
    // PV of 36 x 3,022.224 at 0.5% a month is 99,343.57; less 80,000, 500, 100.
    EXPECT_NEAR(rows[0].money.marginPerLoan, 18743.57418269725, 1e-6);
    EXPECT_EQ(rows[0].gain, 0);
    EXPECT_EQ(rows[1].money.customersBySegment, (std::vector<double>{3000, 0, 0}));
    EXPECT_NEAR(rows[1].money.profit, 3000 * 11438.845469942753, 1e-3);
    EXPECT_NEAR(rows[1].gain, 34316536.40982826 - 22492289.019236702, 1e-3);
    EXPECT_EQ(rows[2].money.customersBySegment, (std::vector<double>{1500, 0, 0}));
    EXPECT_NEAR(rows[2].gain, -36890196.404017225, 1e-3);
    EXPECT_NEAR(*rows[0].effectiveRate, 23.38612390383976, 1e-6);
    EXPECT_NEAR(*rows[1].effectiveRate, 16.85917490762494, 1e-6);
    EXPECT_FALSE(rows[2].effectiveRate) << "E x N < L";
}

TEST(BusinessCaseRows, TableTextsAreWholeMoneyAndTwoDecimalRates) {
    const std::vector<BusinessCaseRow> rows = businessCaseRows(plan(), lender);
    const std::vector<QStringList> texts = businessCaseTexts(plan().segments(), rows, nullptr);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].mid(8), (QStringList{"Customers 90%", "Profit 90%", "Gain 90%", "Segment 1",
                                            "Segment 2", "Segment 3"}));
    EXPECT_EQ(texts[1], (QStringList{"Current product", "1200", "30.00", "96000000", "18744",
                                     "22492289", "0", "23.39", "", "", "", "1000", "200", "0"}));
    EXPECT_EQ(texts[3].mid(0, 8), (QStringList{"Strategy 2", "1500", "37.50", "120000000", "-9599",
                                               "-14397907", "-36890196", "none"}));
    EXPECT_EQ(rateText(-0.001), "0.00") << "no negative zero";
}

TEST(BusinessCaseRows, IntervalsComeFromTheRespondentsResamples) {
    // With as many borrowers as respondents in every segment, a resample's
    // customers are its respondents: the intervals must be the same.
    const PlanAnalysis analysed = plan();
    const BusinessCase one{{42, 21, 0}, 80, 6, 100};
    const ResampledPolls resampled(analysed.details(), analysed.poll(), 3, 400, 7);
    const std::vector<BusinessCaseRow> rows = businessCaseRows(analysed, one);
    const std::vector<MoneyIntervals> money = businessCaseIntervals(resampled, analysed, one, rows);
    ASSERT_EQ(money.size(), 3u);
    const StrategyIntervals current = resampled.intervals(currentProduct(analysed.details()));
    EXPECT_EQ(money[0].customers.low, double(current.total.low));
    EXPECT_EQ(money[0].customers.high, double(current.total.high));
    EXPECT_LT(current.total.low, current.total.high) << "a poll this small has a spread";
    EXPECT_NEAR(money[0].profit.low, money[0].customers.low * rows[0].money.marginPerLoan, 1e-6);
    EXPECT_EQ(money[0].gain.low, 0);
    EXPECT_EQ(money[0].gain.high, 0);
    for (size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(money[r].profitSamples.size(), 400u);
        EXPECT_LE(money[r].profit.low, rows[r].money.profit);
        EXPECT_GE(money[r].profit.high, rows[r].money.profit);
        EXPECT_LE(money[r].gain.low, rows[r].gain);
        EXPECT_GE(money[r].gain.high, rows[r].gain);
    }
    EXPECT_GT(profitBeatChance(money[1], money[2]), 0.99) << "strategy 2 loses on every loan";
    EXPECT_EQ(profitBeatChance(money[1], money[1]), 0.5);
}

TEST(BusinessCaseExport, CsvSectionOfItsOwn) {
    const PlanAnalysis analysed = plan();
    const std::vector<BusinessCaseRow> rows = businessCaseRows(analysed, lender);
    const std::vector<MoneyIntervals> money{{{1100, 1300}, {2e7, 2.4e7}, {0, 0}, {}},
                                            {{2900.4, 3000}, {3.3e7, 3.5e7}, {1e7, 1.3e7}, {}},
                                            {{1400, 1600}, {-1.5e7, -1.3e7}, {-3.8e7, -3.5e7}, {}}};
    lendora::test::expectSameText(
        QString::fromUtf8(csvRecords(businessCaseRecords(analysed, lender, rows, &money))),
        "analysis/business_case.csv");
}

TEST(BusinessCaseExport, AReportPageWithoutThePerSegmentColumns) {
    const PlanAnalysis analysed = plan();
    AnalysisReport report;
    EXPECT_TRUE(report.businessCase.headings.isEmpty()) << "no page without a business case";
    addBusinessCase(report, analysed, lender, businessCaseRows(analysed, lender), nullptr);
    EXPECT_EQ(report.businessCase.headings.size(), 11);
    EXPECT_EQ(report.businessCase.headings.last(), "Gain 90%");
    ASSERT_EQ(report.businessCase.rows.size(), 3u);
    EXPECT_EQ(report.businessCase.rows[2].value(7), "none");
    EXPECT_EQ(report.businessCaseInputs.rows.size(), 6u) << "u, c, K and three segments";
    EXPECT_EQ(report.businessCaseInputs.rows[4],
              (QStringList{"Borrowers a year: Segment 2", "600"}));
}

} // namespace
