#include "analysis/forecast.h"
#include "analysis/strategy_table.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

#include <random>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

using Points = std::array<double, 3>;

// Three brands whose features all differ, and three segments of counts.
struct Plan {
    AnalysisTables tables = tablesWithSegments(3);
    Grid own = pollGrid({{30, 12, 8, 5, 7, 9, 4}, {11, 3, 6, 2, 9, 1, 5}, {0, 4, 4, 4, 4, 4, 4}});
    Grid c1 = pollGrid({{20, 10, 9, 6, 8, 7, 3}, {14, 5, 6, 3, 8, 2, 6}, {7, 4, 4, 4, 4, 4, 4}});
    Grid c2 = pollGrid({{15, 9, 11, 8, 9, 5, 2}, {9, 7, 6, 1, 7, 3, 8}, {5, 4, 4, 4, 4, 4, 4}});

    Plan() {
        setBase(tables, {QStringList{"10", "20000", "500000", "80", "240", "5000", "2"},
                         QStringList{"12", "25000", "600000", "85", "180", "6000", "3"},
                         QStringList{"14", "30000", "700000", "90", "120", "7000", "5"}});
    }
    // The own values with some features replaced and flagged; Analyse, and
    // Add when asked.
    AnalyseResult run(std::initializer_list<std::pair<int, double>> changes, bool add = false) {
        FeatureValues values = featureValues(tables.base.rowTexts(brand::own).mid(3));
        tables.clearChangeFlags();
        for (auto [f, v] : changes) {
            values[size_t(f - 1)] = v;
            tables.changeFlag(f) = true;
        }
        const AnalyseResult result = analyse(tables, {own, c1, c2}, values);
        if (add && result.computed())
            addStrategy(tables, values);
        return result;
    }
    QStringList estimates(int f) const { return column(tables.estimates, f, 1, 3); }
};

TEST(Forecast, TheParabolaThroughTheThreeBrandsRoundedHalvesToEvenWithin32Bits) {
    EXPECT_DOUBLE_EQ(parabolaAt({10, 12, 14}, {30, 20, 15}, 11), 24.375);
    EXPECT_DOUBLE_EQ(parabolaAt({10, 12, 14}, {30, 20, 15}, 9), 36.875);
    const struct {
        Points x, y;
        double v;
        std::int32_t expected;
    } cases[] = {
        {{10, 12, 14}, {30, 20, 15}, 11, 24},
        {{10, 12, 14}, {30, 20, 15}, 9, 37},
        {{1, 2, 3}, {1, 2, 3}, 36.5, 36}, // on the line y = x: the value rounded
        {{1, 2, 3}, {1, 2, 3}, 37.5, 38},
        {{1, 2, 3}, {1, 2, 3}, -2.5, -2},
        {{10, 12, 14}, {20, 20, 20}, -1000, 20}, // equal counts: a flat line
        {{10, 12, 14}, {20, 20, 20}, 1e6, 20},
        {{10, 10, 14}, {30, 20, 15}, 11, 30}, // equal base values: the own count
        {{10, 12, 12}, {30, 20, 15}, 11, 30},
        {{14, 12, 14}, {30, 20, 15}, 11, 30},
        {{7, 7, 7}, {30, 20, 15}, 11, 30},
        {{0, 1e-300, 1}, {5, 3e38, 0}, 0.5, 5},           // infinity or NaN: the own count
        {{1, 2, 3}, {0, 1e30, 0}, 3e38, -2147483647 - 1}, // held at 32 bits
        {{1, 2, 3}, {0, -1e30, 0}, 3e38, 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(estimateCount(c.x, c.y, c.v), c.expected)
            << c.x[0] << " " << c.x[1] << " " << c.v;
}

TEST(Forecast, ANewValueEqualToABrandsValueGivesThatBrandsCount) {
    std::mt19937 random(20120);
    std::uniform_int_distribution<int> hundredths(0, 20000), count(0, 5000);
    for (int trial = 0; trial < 20000; ++trial) {
        const Points x{hundredths(random) / 100.0, hundredths(random) / 100.0,
                       hundredths(random) / 100.0};
        const Points y{double(count(random)), double(count(random)), double(count(random))};
        if (x[0] != x[1] && x[1] != x[2] && x[0] != x[2])
            for (size_t b = 0; b < 3; ++b)
                ASSERT_EQ(estimateCount(x, y, x[b]), y[b])
                    << x[0] << " " << x[1] << " " << x[2] << " brand " << b;
    }
    Plan plan;
    ASSERT_TRUE(plan.run({{feature::loanValue, 600000}}).computed());
    EXPECT_EQ(plan.estimates(feature::loanValue), column(plan.c1, 3, 1, 3));
    ASSERT_TRUE(plan.run({{feature::loanValue, 700000}}).computed());
    EXPECT_EQ(plan.estimates(feature::loanValue), column(plan.c2, 3, 1, 3));
}

TEST(Forecast, ChangedFeaturesFollowTheCurveAndTheOthersKeepTheOwnCounts) {
    Plan plan;
    ASSERT_TRUE(plan.run({{feature::interest, 11}, {feature::emi, 6500}}).computed());
    const Grid& e = plan.tables.estimates;
    EXPECT_EQ(e.text(1, feature::interest), "24");
    for (int f : {2, 3, 4, 5, 7})
        EXPECT_EQ(plan.estimates(f), column(plan.own, f, 1, 3)) << "feature " << f;
    long long grand = 0;
    for (int r = 1; r <= 3; ++r) {
        long long sum = 0;
        for (int f = 1; f <= featureCount; ++f)
            sum += e.text(r, f).toLongLong();
        EXPECT_EQ(e.text(r, estimate::total).toLongLong(), sum) << "segment " << r;
        EXPECT_EQ(e.text(r, estimate::change).toLongLong(), sum - plan.own.text(r, 8).toLongLong());
        grand += sum;
    }
    for (int f = 1; f <= featureCount; ++f)
        EXPECT_EQ(e.text(4, f).toLongLong(), e.text(1, f).toLongLong() + e.text(2, f).toLongLong() +
                                                 e.text(3, f).toLongLong());
    EXPECT_EQ(e.text(4, 0), "Totals");
    EXPECT_EQ(e.text(4, estimate::total).toLongLong(), grand);

    ASSERT_TRUE(plan.run({{feature::interest, 9}}).computed());
    EXPECT_EQ(e.text(1, feature::interest), "37");
    // Segment 3 has count 4 for every brand in features 2 to 7: a flat line.
    ASSERT_TRUE(plan.run({{feature::minIncome, 1}, {feature::freebies, 40}}).computed());
    EXPECT_EQ(e.rowTexts(3).mid(2, 6), QStringList({"4", "4", "4", "4", "4", "4"}));
    // A strategy at the own values changes no segment.
    ASSERT_TRUE(plan.run({{feature::interest, 10}, {feature::repaymentPeriod, 240}}).computed());
    EXPECT_EQ(plan.estimates(estimate::change), QStringList({"0", "0", "0"}));
    EXPECT_EQ(plan.estimates(estimate::total), column(plan.own, 8, 1, 3));
    // A competitor sharing the own value: the own counts.
    plan.tables.base.setText(brand::competitor1, 3, "10");
    ASSERT_TRUE(plan.run({{feature::interest, 11}}).computed());
    EXPECT_EQ(plan.estimates(feature::interest), column(plan.own, 1, 1, 3));
}

TEST(Forecast, HugeCountsSaturateAndCompetitorTwoIsTakenInSinglePrecision) {
    Plan plan;
    for (int r = 1; r <= 3; ++r)
        plan.c1.setText(r, feature::interest, "-300000000000000000000000000000");
    ASSERT_TRUE(plan.run({{feature::interest, 3e38}}).computed());
    EXPECT_EQ(plan.estimates(feature::interest), QStringList(3, "2147483647"));
    EXPECT_EQ(plan.tables.estimates.text(4, feature::interest), "2147483647") << "sum saturates";
    EXPECT_EQ(plan.tables.estimates.text(4, estimate::total), "2147483647");

    // 0.1 as a float is 0.100000001490116...; far out on the parabola the
    // difference shows in the whole-number estimate.
    const double narrowed = double(float(0.1));
    ASSERT_NE(estimateCount({0, 1, 2}, {0, 0.05, narrowed}, 1e6),
              estimateCount({0, 1, 2}, {0, 0.05, 0.1}, 1e6));
    plan.tables = tablesWithSegments(1);
    setBase(plan.tables, {QStringList{"0"}, QStringList{"1"}, QStringList{"2"}});
    plan.own = pollGrid({{0, 0, 0, 0, 0, 0, 0}});
    plan.c1 = pollGrid({{0.05, 0, 0, 0, 0, 0, 0}});
    plan.c2 = pollGrid({{0.1, 0, 0, 0, 0, 0, 0}});
    ASSERT_TRUE(plan.run({{feature::interest, 1e6}}).computed());
    EXPECT_EQ(plan.tables.estimates.text(1, feature::interest),
              QString::number(estimateCount({0, 1, 2}, {0, 0.05, narrowed}, 1e6)));
}

TEST(Novelty, TheFirstStrategyMustChangeSomethingAndNoneMayRepeatAStoredValue) {
    Plan plan;
    ASSERT_TRUE(plan.run({{feature::interest, 11}}).computed());
    const QStringList before = plan.tables.estimates.rowTexts(1);
    const AnalyseResult refused = plan.run({});
    EXPECT_EQ(refused.outcome, AnalyseResult::Outcome::NoChange);
    EXPECT_EQ(refused.message(),
              "Change at least one value for a new analysis. \r\nThis is not a new Analysis.");
    EXPECT_EQ(plan.tables.estimates.rowTexts(4),
              QStringList({"Totals", "0", "0", "0", "0", "0", "0", "0", "0", ""}));
    EXPECT_EQ(plan.tables.estimates.rowTexts(1), before) << "earlier estimates stay";

    plan.run({{feature::interest, 9.5}}, true);
    plan.run({{feature::freebies, 4}}, true);
    plan.run({{feature::interest, 11}}, true);
    ASSERT_EQ(plan.tables.lblAnalysisID, 4);
    for (auto change :
         {std::pair{feature::interest, 9.5}, {feature::interest, 11}, {feature::freebies, 4}}) {
        const AnalyseResult same = plan.run({change});
        EXPECT_EQ(same.outcome, AnalyseResult::Outcome::AlreadyExists) << change.second;
        EXPECT_EQ(same.message(), "This feature strategy already exists");
        EXPECT_EQ(plan.tables.estimates.text(4, estimate::total), "0");
    }
    for (auto change :
         {std::pair{feature::interest, 10.0}, {feature::interest, 9.25}, {feature::freebies, 4.5}})
        EXPECT_TRUE(plan.run({change}).computed()) << change.second;
    EXPECT_TRUE(plan.run({{feature::interest, 9.5}, {feature::minIncome, 21000}}).computed())
        << "other flags: computed without comparing values";
    EXPECT_TRUE(plan.run({}).computed()) << "no change is accepted once a strategy exists";
    EXPECT_EQ(plan.estimates(estimate::change), QStringList({"0", "0", "0"}));
}

} // namespace
