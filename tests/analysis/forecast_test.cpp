#include "analysis/forecast.h"
#include "analysis/strategy_table.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

#include <random>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

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
    PollGrids polls() const { return {own, c1, c2}; }
    // The own product's values with some features replaced; flags set for them.
    FeatureValues strategy(std::initializer_list<std::pair<int, double>> changes) {
        FeatureValues values = featureValues(tables.base.rowTexts(brand::own).mid(3));
        tables.clearChangeFlags();
        for (auto [f, v] : changes) {
            values[size_t(f - 1)] = v;
            tables.changeFlag(f) = true;
        }
        return values;
    }
    AnalyseResult run(std::initializer_list<std::pair<int, double>> changes) {
        const FeatureValues values = strategy(changes);
        return analyse(tables, polls(), values);
    }
    void runAndAdd(std::initializer_list<std::pair<int, double>> changes) {
        const FeatureValues values = strategy(changes);
        ASSERT_TRUE(analyse(tables, polls(), values).computed());
        addStrategy(tables, values);
    }
    const Grid& estimates() const { return tables.estimates; }
};

TEST(Forecast, WorkedExampleFollowsTheParabolaThroughTheThreeBrands) {
    const std::array<double, 3> x{10, 12, 14};
    const std::array<double, 3> y{30, 20, 15};
    EXPECT_DOUBLE_EQ(parabolaAt(x, y, 11), 24.375);
    EXPECT_DOUBLE_EQ(parabolaAt(x, y, 9), 36.875);
    EXPECT_EQ(estimateCount(x, y, 11), 24);
    EXPECT_EQ(estimateCount(x, y, 9), 37);

    Plan plan;
    ASSERT_TRUE(plan.run({{feature::interest, 11}}).computed());
    EXPECT_EQ(plan.estimates().text(1, feature::interest), "24");
    ASSERT_TRUE(plan.run({{feature::interest, 9}}).computed());
    EXPECT_EQ(plan.estimates().text(1, feature::interest), "37");
}

TEST(Forecast, EstimatesRoundHalvesToEven) {
    // y = v for points on the line y = x: the estimate is the rounded value.
    const std::array<double, 3> x{1, 2, 3};
    const std::array<double, 3> y{1, 2, 3};
    for (auto [v, expected] : {std::pair{36.5, 36}, {37.5, 38}, {24.375, 24}, {-2.5, -2}})
        EXPECT_EQ(estimateCount(x, y, v), expected) << v;
}

TEST(Forecast, ANewValueEqualToABrandsValueGivesThatBrandsCount) {
    std::mt19937 random(20120);
    std::uniform_int_distribution<int> hundredths(0, 20000);
    std::uniform_int_distribution<int> count(0, 5000);
    for (int trial = 0; trial < 20000; ++trial) {
        std::array<double, 3> x{hundredths(random) / 100.0, hundredths(random) / 100.0,
                                hundredths(random) / 100.0};
        if (x[0] == x[1] || x[1] == x[2] || x[0] == x[2])
            continue;
        const std::array<double, 3> y{double(count(random)), double(count(random)),
                                      double(count(random))};
        for (int b = 0; b < 3; ++b)
            ASSERT_EQ(estimateCount(x, y, x[size_t(b)]), y[size_t(b)])
                << "x " << x[0] << " " << x[1] << " " << x[2] << " y " << y[0] << " " << y[1] << " "
                << y[2] << " brand " << b;
    }
}

TEST(Forecast, ACompetitorsValueGivesThatCompetitorsCountsInEverySegment) {
    Plan plan;
    ASSERT_TRUE(plan.run({{feature::loanValue, 600000}}).computed());
    EXPECT_EQ(column(plan.estimates(), feature::loanValue, 1, 3), column(plan.c1, 3, 1, 3));
    ASSERT_TRUE(plan.run({{feature::loanValue, 700000}}).computed());
    EXPECT_EQ(column(plan.estimates(), feature::loanValue, 1, 3), column(plan.c2, 3, 1, 3));
}

TEST(Forecast, UnchangedFeaturesKeepTheOwnCounts) {
    Plan plan;
    ASSERT_TRUE(plan.run({{feature::interest, 11}}).computed());
    for (int f = feature::minIncome; f <= feature::freebies; ++f)
        EXPECT_EQ(column(plan.estimates(), f, 1, 3), column(plan.own, f, 1, 3)) << "feature " << f;
    EXPECT_NE(column(plan.estimates(), feature::interest, 1, 3), column(plan.own, 1, 1, 3));
}

TEST(Forecast, EqualCountsGiveAFlatLine) {
    const std::array<double, 3> x{10, 12, 14};
    for (double v : {-1000.0, 0.0, 9.0, 11.0, 13.5, 20.0, 1e6})
        EXPECT_EQ(estimateCount(x, {20, 20, 20}, v), 20) << v;

    Plan plan; // segment 3 has count 4 for every brand in features 2 to 7
    ASSERT_TRUE(plan.run({{feature::minIncome, 1}, {feature::freebies, 40}}).computed());
    EXPECT_EQ(plan.estimates().text(3, feature::minIncome), "4");
    EXPECT_EQ(plan.estimates().text(3, feature::freebies), "4");
}

TEST(Forecast, EqualBaseValuesGiveTheOwnCount) {
    for (const std::array<double, 3>& x :
         {std::array<double, 3>{10, 10, 14}, {10, 12, 12}, {14, 12, 14}, {7, 7, 7}})
        EXPECT_EQ(estimateCount(x, {30, 20, 15}, 11), 30) << x[0] << " " << x[1] << " " << x[2];

    Plan plan;
    plan.tables.base.setText(brand::competitor1, 3, "10"); // interest 10 like the own product
    ASSERT_TRUE(plan.run({{feature::interest, 11}}).computed());
    EXPECT_EQ(column(plan.estimates(), feature::interest, 1, 3), column(plan.own, 1, 1, 3));
}

TEST(Forecast, HugeValuesStayWithin32BitsAndNeverFail) {
    // A value that overflows to infinity or NaN falls back to the own count.
    EXPECT_EQ(estimateCount({0, 1e-300, 1}, {5, 3e38, 0}, 0.5), 5);
    // A finite value beyond 32 bits is held at the largest 32-bit count.
    EXPECT_EQ(estimateCount({1, 2, 3}, {0, 1e30, 0}, 3e38), -2147483647 - 1);
    EXPECT_EQ(estimateCount({1, 2, 3}, {0, -1e30, 0}, 3e38), 2147483647);

    Plan plan;
    for (int r = 1; r <= 3; ++r)
        plan.c1.setText(r, feature::interest, "-300000000000000000000000000000");
    ASSERT_TRUE(plan.run({{feature::interest, 3e38}}).computed());
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(plan.estimates().text(r, feature::interest), "2147483647");
    EXPECT_EQ(plan.estimates().text(4, feature::interest), "2147483647") << "sum saturates";
    EXPECT_EQ(plan.estimates().text(4, estimate::total), "2147483647");
}

TEST(Forecast, CompetitorTwoCountsAreTakenInSinglePrecision) {
    // 0.1 as a float is 0.100000001490116...; far out on the parabola the
    // difference shows in the whole-number estimate.
    const std::array<double, 3> x{0, 1, 2};
    const double narrowed = double(float(0.1));
    ASSERT_NE(estimateCount(x, {0, 0.05, narrowed}, 1e6), estimateCount(x, {0, 0.05, 0.1}, 1e6));

    Plan plan;
    plan.tables = tablesWithSegments(1);
    setBase(plan.tables, {QStringList{"0"}, QStringList{"1"}, QStringList{"2"}});
    plan.own = pollGrid({{0, 0, 0, 0, 0, 0, 0}});
    plan.c1 = pollGrid({{0.05, 0, 0, 0, 0, 0, 0}});
    plan.c2 = pollGrid({{0.1, 0, 0, 0, 0, 0, 0}});
    ASSERT_TRUE(plan.run({{feature::interest, 1e6}}).computed());
    EXPECT_EQ(plan.estimates().text(1, feature::interest),
              QString::number(estimateCount(x, {0, 0.05, narrowed}, 1e6)));
}

TEST(Forecast, TotalsSumTheEstimatesAndChangesCompareWithTheOwnTotals) {
    Plan plan;
    ASSERT_TRUE(plan.run({{feature::interest, 11}, {feature::emi, 6500}}).computed());
    const Grid& e = plan.estimates();
    long long grand = 0;
    for (int r = 1; r <= 3; ++r) {
        long long sum = 0;
        for (int f = 1; f <= featureCount; ++f)
            sum += e.text(r, f).toLongLong();
        EXPECT_EQ(e.text(r, estimate::total).toLongLong(), sum) << "segment " << r;
        EXPECT_EQ(e.text(r, estimate::change).toLongLong(), sum - plan.own.text(r, 8).toLongLong());
        grand += sum;
    }
    for (int f = 1; f <= featureCount; ++f) {
        long long sum = 0;
        for (int r = 1; r <= 3; ++r)
            sum += e.text(r, f).toLongLong();
        EXPECT_EQ(e.text(4, f).toLongLong(), sum) << "feature " << f;
    }
    EXPECT_EQ(e.text(4, 0), "Totals");
    EXPECT_EQ(e.text(4, estimate::total).toLongLong(), grand);
}

TEST(Forecast, AStrategyAtTheOwnValuesChangesNoSegment) {
    Plan plan;
    ASSERT_TRUE(plan.run({{feature::interest, 10}, {feature::repaymentPeriod, 240}}).computed());
    EXPECT_EQ(column(plan.estimates(), estimate::change, 1, 3), QStringList({"0", "0", "0"}));
    EXPECT_EQ(column(plan.estimates(), estimate::total, 1, 3), column(plan.own, 8, 1, 3));
}

TEST(Novelty, TheFirstStrategyMustChangeSomething) {
    Plan plan;
    ASSERT_TRUE(plan.run({{feature::interest, 11}}).computed());
    const QStringList before = plan.estimates().rowTexts(1);

    const AnalyseResult refused = plan.run({});
    EXPECT_EQ(refused.outcome, AnalyseResult::Outcome::NoChange);
    EXPECT_EQ(refused.message(), "Change at least one value for a new analysis. \r\n"
                                 "This is not a new Analysis.");
    EXPECT_EQ(plan.estimates().rowTexts(4),
              QStringList({"Totals", "0", "0", "0", "0", "0", "0", "0", "0", ""}));
    EXPECT_EQ(plan.estimates().rowTexts(1), before) << "earlier estimates stay";
}

TEST(Novelty, AnEqualChangedValueUnderTheSameFlagsIsRefused) {
    Plan plan;
    plan.runAndAdd({{feature::interest, 9.5}});
    ASSERT_EQ(plan.tables.lblAnalysisID, 2);

    const AnalyseResult same = plan.run({{feature::interest, 9.5}});
    EXPECT_EQ(same.outcome, AnalyseResult::Outcome::AlreadyExists);
    EXPECT_EQ(same.message(), "This feature strategy already exists");
    EXPECT_EQ(plan.estimates().text(4, estimate::total), "0");

    EXPECT_TRUE(plan.run({{feature::interest, 10}}).computed());
    EXPECT_TRUE(plan.run({{feature::interest, 9.25}}).computed());
    EXPECT_TRUE(plan.run({{feature::interest, 9.5}, {feature::minIncome, 21000}}).computed())
        << "other flags: computed without comparing values";
    EXPECT_TRUE(plan.run({}).computed()) << "no change is accepted once a strategy exists";
    EXPECT_EQ(column(plan.estimates(), estimate::change, 1, 3), QStringList({"0", "0", "0"}));
}

TEST(Novelty, ValuesOfEveryStoredStrategyAreCompared) {
    Plan plan;
    plan.runAndAdd({{feature::interest, 9.5}});
    plan.runAndAdd({{feature::freebies, 4}});
    plan.runAndAdd({{feature::interest, 11}});
    ASSERT_EQ(plan.tables.lblAnalysisID, 4);
    EXPECT_EQ(plan.run({{feature::interest, 11}}).outcome, AnalyseResult::Outcome::AlreadyExists);
    EXPECT_EQ(plan.run({{feature::freebies, 4}}).outcome, AnalyseResult::Outcome::AlreadyExists);
    EXPECT_TRUE(plan.run({{feature::freebies, 4.5}}).computed());
}

} // namespace
