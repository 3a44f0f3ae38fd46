#include "analysis/forecast_tools_guru.h"
#include "analysis/intervals.h"
#include "analysis/sensitivity.h"
#include "analysis/strategy_entry.h"
#include "analysis/strategy_search.h"
#include "storage/numbers.h"

#include "analysis/analysis_fixtures.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

#include <set>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

// Three brands whose features all differ, and two segments of counts (and
// any extra ones); the counts are multiplied by `scale`.
struct Plan {
    explicit Plan(double scale = 1, std::vector<Counts> extra = {}) {
        std::array<std::vector<Counts>, 3> counts{
            std::vector<Counts>{{30, 12, 8, 5, 7, 9, 4}, {11, 3, 6, 2, 9, 1, 5}},
            std::vector<Counts>{{20, 10, 9, 6, 8, 7, 3}, {14, 5, 6, 3, 8, 2, 6}},
            std::vector<Counts>{{15, 9, 11, 8, 9, 5, 2}, {9, 7, 6, 1, 7, 3, 8}}};
        for (auto& brand : counts) {
            brand.insert(brand.end(), extra.begin(), extra.end());
            for (Counts& segment : brand)
                for (double& c : segment)
                    c *= scale;
        }
        setCounts(counts[0], counts[1], counts[2]);
    }
    void setCounts(const std::vector<Counts>& own, const std::vector<Counts>& c1,
                   const std::vector<Counts>& c2) {
        poll = planPoll(own, c1, c2);
        analysis = PlanAnalysis(details, segmentNames(int(own.size())), poll, {}, false);
    }
    int segments() const { return analysis.segmentCount(); }
    // Analyse of the own values with the given features changed.
    StrategyInput analyseWith(std::initializer_list<std::pair<int, double>> changes) {
        const FeatureValues values = changeFeatures(analysis, changes);
        EXPECT_EQ(analysis.analyse(values), Novelty::New);
        return {values, analysis.entry().changed};
    }
    // An estimate of the last Analyse: segment 0 to N - 1, or N for the
    // totals; feature 0 to 6, or 7 for the total.
    std::int64_t estimate(int segment, int feature) const {
        const DetailedEstimates& e = *analysis.estimates();
        if (segment == segments())
            return feature == featureCount ? e.grandTotal : e.featureTotals[size_t(feature)];
        const SegmentEstimates& s = e.segments[size_t(segment)];
        return feature == featureCount ? s.total : s.features[size_t(feature)];
    }

    ProjectDetails details = usualDetails();
    PlanPoll poll;
    PlanAnalysis analysis;
};

TEST(Sensitivity, TheCurveAtEachBrandsValueIsThatBrandsCount) {
    Plan plan;
    for (int f = 0; f < featureCount; ++f)
        for (int segment : {allSegments, 0, 1}) {
            const SensitivityCurve curve =
                sensitivityCurve(plan.details, plan.poll, 2, f, segment, 0.25, 40);
            ASSERT_EQ(curve.points.size(), 41u);
            for (const CurvePoint& brand : curve.brands)
                EXPECT_EQ(forecastAt(plan.details, plan.poll, 2, f, segment, brand.value),
                          brand.respondents)
                    << "feature " << f << " segment " << segment;
        }
    // Fewer than one step still draws the range's two ends.
    for (int steps : {0, 1}) {
        const SensitivityCurve ends =
            sensitivityCurve(plan.details, plan.poll, 2, feature::interest, 0, 0.25, steps);
        ASSERT_EQ(ends.points.size(), 2u) << steps;
        EXPECT_EQ(ends.points.front().value, ends.low);
        EXPECT_EQ(ends.points.back().value, ends.high);
    }
}

TEST(Sensitivity, TheCurveAtAStrategysValueIsTheEstimateOfAnalyse) {
    Plan plan;
    const struct {
        int feature;
        double value;
    } cases[] = {{feature::interest, 11}, {feature::interest, 9},   {feature::loanValue, 812345},
                 {feature::emi, 5500.5},  {feature::freebies, 2.5}, {feature::minIncome, 41000}};
    for (const auto& c : cases) {
        plan.analyseWith({{c.feature, c.value}});
        for (int segment : {0, 1})
            EXPECT_EQ(forecastAt(plan.details, plan.poll, 2, c.feature, segment, c.value),
                      plan.estimate(segment, c.feature));
        EXPECT_EQ(forecastAt(plan.details, plan.poll, 2, c.feature, allSegments, c.value),
                  plan.estimate(2, c.feature));
    }
}

// The Guru names each brand at its value, the range and the segment in the
// user's own words.
TEST(Sensitivity, TheGuruNamesEachBrandAtItsValue) {
    Plan plan;
    const SensitivityCurve curve =
        sensitivityCurve(plan.details, plan.poll, 2, feature::interest, 0, 0.25, 10);
    const QString expected = QString::fromUtf8(
        lendora::test::readFile(lendora::test::dataFolder("analysis/sensitivity_guru.txt")));
    EXPECT_EQ(guru::sensitivityCurve(curve, {"DreamHome", "CityHome", "RuralNest"}, "Salaried") +
                  u'\n',
              expected);
}

TEST(Sensitivity, TheVertexOfAHandBuiltParabolaIsExact) {
    // y = -(v - 11)^2 + 50, y = 2 (v - 13)^2 + 5, y = -(v - 15)^2 + 50 and
    // y = -(v - 14)^2 + 50 through interest 10, 12, 14: a vertex beyond the
    // brands' values is extrapolated, one on the last brand's is not.
    const struct {
        Counts own, c1, c2;
        double margin;
        double vertex;
        QString text;
    } cases[] = {
        {{49}, {49}, {41}, 0.1, 11, "most respondents at Interest 11"},
        {{23}, {7}, {7}, 0.1, 13, "fewest respondents at Interest 13"},
        {{10}, {20}, {30}, 0.5, 0, ""}, // a straight line has none
        {{25},
         {41},
         {49},
         0.5,
         15,
         "turning point at Interest 15, beyond the brands' values (extrapolated)"},
        {{34}, {46}, {50}, 0.5, 14, "most respondents at Interest 14"},
    };
    for (const auto& c : cases) {
        Plan plan;
        plan.setCounts({c.own}, {c.c1}, {c.c2});
        const SensitivityCurve curve =
            sensitivityCurve(plan.details, plan.poll, 1, feature::interest, 0, c.margin, 10);
        EXPECT_EQ(vertexText(curve), c.text);
        EXPECT_EQ(curve.vertexExtrapolated, c.text.contains("extrapolated"));
        if (!c.text.isEmpty()) {
            EXPECT_DOUBLE_EQ(*curve.vertex, c.vertex);
        }
    }
}

TEST(Intervals, MoreRespondentsShrinkTheIntervalAroundTheSameEstimate) {
    Plan small;
    Plan large(100);
    const StrategyInput strategy =
        small.analyseWith({{feature::interest, 11}, {feature::emi, 5500}});
    large.analyseWith({{feature::interest, 11}, {feature::emi, 5500}});
    const StrategyIntervals a = ResampledPolls(small.details, small.poll, 2).intervals(strategy);
    const StrategyIntervals b = ResampledPolls(large.details, large.poll, 2).intervals(strategy);
    const std::pair<Interval, Interval> pairs[] = {
        {a.total, b.total}, {a.segments[0], b.segments[0]}, {a.features[0], b.features[0]}};
    for (const auto& [one, hundred] : pairs) {
        EXPECT_GT(one.high - one.low, 0);
        EXPECT_LT(double(hundred.high - hundred.low) / 100, double(one.high - one.low) / 3);
        EXPECT_GE(double(hundred.low) / 100, double(one.low));
        EXPECT_LE(double(hundred.high) / 100, double(one.high));
    }
    // The same estimate, but for the rounding of its 14 cells.
    EXPECT_NEAR(double(large.estimate(2, featureCount)) / 100,
                double(small.estimate(2, featureCount)), 7);
}

TEST(Intervals, ASegmentWithoutRespondentsHasZeroWidthAtEveryValue) {
    Plan plan(1, {Counts{}});
    const ResampledPolls resampled(plan.details, plan.poll, 3);
    for (double v : {8.0, 10.0, 11.5, 14.0, 20.0}) {
        const StrategyInput s = plan.analyseWith({{feature::interest, v}});
        const auto cells = resampled.cellIntervals(s);
        for (int f = 0; f < featureCount; ++f)
            EXPECT_EQ(cells[2][size_t(f)], (Interval{0, 0})) << v;
        EXPECT_EQ(resampled.intervals(s).segments[2], (Interval{0, 0}));
        EXPECT_GT(cells[0][0].high - cells[0][0].low, 0);
    }
}

TEST(Intervals, AnEstimateAloneInItsSegmentHasTheSegmentsInterval) {
    // Only the interest rate has respondents in the third segment: near the
    // brands' rates and far beyond them (estimates past 2^51, which are
    // worked out apart), its estimate's interval is the segment total's.
    Plan plan(1, {Counts{12, 0, 0, 0, 0, 0, 0}});
    const ResampledPolls resampled(plan.details, plan.poll, 3, 500);
    for (double v : {11.0, 1e9, -1e9}) {
        const StrategyInput s = plan.analyseWith({{feature::interest, v}});
        const Interval cell = resampled.cellIntervals(s)[2][feature::interest];
        EXPECT_EQ(cell, resampled.intervals(s).segments[2]) << v;
        EXPECT_EQ(std::max(std::abs(cell.low), std::abs(cell.high)) > (std::int64_t(1) << 51),
                  v != 11.0)
            << v;
    }
}

TEST(Intervals, TheSeedRepeatsAndTheGrandTotalLiesInside) {
    Plan plan;
    // A count of resamples that the tally's four lanes do not divide.
    const ResampledPolls first(plan.details, plan.poll, 2, 503);
    const ResampledPolls second(plan.details, plan.poll, 2, 503);
    std::vector<StrategyInput> strategies;
    for (auto changes : {std::initializer_list<std::pair<int, double>>{{feature::interest, 11}},
                         {{feature::loanValue, 650000}, {feature::freebies, 4}},
                         {{feature::minIncome, 15000}}}) {
        const StrategyInput s = plan.analyseWith(changes);
        const StrategyIntervals a = first.intervals(s);
        EXPECT_EQ(a.totalSamples, second.intervals(s).totalSamples);
        EXPECT_EQ(a.segments, second.intervals(s).segments);
        const std::int64_t forecast = plan.estimate(2, featureCount);
        EXPECT_LE(a.total.low, forecast);
        EXPECT_GE(a.total.high, forecast);
        EXPECT_DOUBLE_EQ(beatChance(a, a), 0.5);
        // The 5th and 95th percentiles of the totals by sorting, widened to
        // hold the forecast.
        std::vector<std::int64_t> sorted = a.totalSamples;
        ASSERT_EQ(sorted.size(), 503u);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(a.total,
                  (Interval{std::min(sorted[25], forecast), std::max(sorted[477], forecast)}));
        strategies.insert(strategies.end(), 4, s);
    }
    // Worked out together, in blocks across threads, each is as alone.
    const auto together = strategyIntervals(first, strategies);
    const auto cells = strategyCellIntervals(first, strategies);
    for (size_t i = 0; i < strategies.size(); ++i) {
        const StrategyIntervals alone = first.intervals(strategies[i]);
        EXPECT_EQ(together[i].totalSamples, alone.totalSamples) << i;
        EXPECT_EQ(together[i].segments, alone.segments) << i;
        EXPECT_EQ(together[i].features, alone.features) << i;
        EXPECT_EQ(cells[i], first.cellIntervals(strategies[i])) << i;
    }
}

TEST(Intervals, AClearlyBetterStrategyBeatsTheOtherAlmostAlways) {
    Plan plan(100);
    const ResampledPolls resampled(plan.details, plan.poll, 2);
    const auto all = strategyIntervals(resampled, {plan.analyseWith({{feature::interest, 9}}),
                                                   plan.analyseWith({{feature::interest, 13}})});
    EXPECT_GT(beatChance(all[0], all[1]), 0.95);
    EXPECT_LT(beatChance(all[1], all[0]), 0.05);
}

// MEI peaks at 27500 (counts 50, 450, 450 over 20000, 25000, 30000) and
// Freebies at 3.5 (10, 20, 10 over 2, 3, 5); the other counts are flat.
Plan peakedPlan() {
    Plan plan;
    plan.setCounts({{5, 50, 5, 5, 5, 5, 10}}, {{5, 450, 5, 5, 5, 5, 20}},
                   {{5, 450, 5, 5, 5, 5, 10}});
    return plan;
}

TEST(StrategySearch, FindsTheKnownOptimumOfAHandBuiltCase) {
    Plan plan = peakedPlan();
    SearchSpace space = defaultSearchSpace(plan.details);
    space[feature::minIncome] = {true, 20000, 30000, 500};
    space[feature::freebies] = {true, 2, 5, 0.5};
    space[feature::interest] = {true, 10, 14, 1};
    const SearchResult result = searchStrategies(plan.details, plan.poll, 1, space);
    ASSERT_TRUE(result.exhaustive);
    ASSERT_EQ(result.best.size(), 10u);
    const Suggestion& top = result.best.front();
    EXPECT_EQ(top.values[feature::minIncome], 27500);
    EXPECT_EQ(top.values[feature::freebies], 3.5);
    // Flat interest counts tie: the EMI follows a changed interest by the rule.
    for (const Suggestion& s : result.best) {
        plan.analysis.entry().clear();
        plan.analysis.entry().changed = s.changed;
        ASSERT_EQ(plan.analysis.analyse(s.values), Novelty::New);
        EXPECT_EQ(plan.estimate(1, featureCount), s.total);
        const QStringList texts = suggestionTexts(s);
        if (s.changed[0]) {
            StrategyEntry entry;
            entry.emiRecomputed = true;
            const auto emi =
                entry.recomputeEmi(texts[0].toDouble(), texts[2].toDouble(), texts[4].toDouble());
            ASSERT_TRUE(emi.has_value());
            EXPECT_EQ(patternText(double(*emi)), texts[5]);
        }
    }
}

TEST(StrategySearch, ListsEachStrategyOnce) {
    // A changed interest recomputes the EMI: every EMI of the grid gives the
    // same strategy then.
    Plan plan = peakedPlan();
    SearchSpace space = defaultSearchSpace(plan.details);
    space[feature::interest] = {true, 10, 14, 1};
    space[feature::emi] = {true, 0, 1e9, 1e8};
    const SearchResult result = searchStrategies(plan.details, plan.poll, 1, space, 60);
    ASSERT_EQ(result.best.size(), 4u + 11u) << "four new interests, eleven EMIs of the own";
    std::set<FeatureValues> listed;
    for (const Suggestion& s : result.best)
        EXPECT_TRUE(listed.insert(s.values).second);
}

// A feature the search may change, over its range.
struct FreeFeature {
    int feature;
    SearchRange range;
};

// One feature free at a time: every value of its range makes a strategy of
// its own, whichever place the feature has in the search's order.
TEST(StrategySearch, AFeatureFreeAloneGivesEveryValueOfItsRange) {
    Plan plan = peakedPlan();
    const FreeFeature cases[] = {{feature::interest, {true, 11, 14, 1}},
                                 {feature::minIncome, {true, 21000, 24000, 1000}},
                                 {feature::loanValue, {true, 510000, 540000, 10000}},
                                 {feature::loanPercentage, {true, 81, 84, 1}},
                                 {feature::repaymentPeriod, {true, 100, 130, 10}},
                                 {feature::freebies, {true, 3, 6, 1}}};
    for (const auto& c : cases) {
        SearchSpace space = defaultSearchSpace(plan.details);
        space[size_t(c.feature)] = c.range;
        const SearchResult result = searchStrategies(plan.details, plan.poll, 1, space);
        std::set<double> values;
        for (const Suggestion& s : result.best)
            values.insert(s.values[size_t(c.feature)]);
        EXPECT_EQ(values, (std::set<double>{c.range.low, c.range.low + c.range.step,
                                            c.range.high - c.range.step, c.range.high}))
            << "feature " << c.feature;
    }
}

TEST(StrategySearch, NeverProposesAValueOutsideTheBounds) {
    Plan plan = peakedPlan();
    const FreeFeature cases[] = {{feature::minIncome, {true, 21000, 24000, 700}},
                                 {feature::freebies, {true, 3.7, 9, 0.3}},
                                 {feature::interest, {true, 11, 11.5, 0.1}},
                                 {feature::emi, {true, 4000, 9000, 100}},
                                 {feature::repaymentPeriod, {true, 100, 250, 1}},
                                 {feature::loanValue, {true, 450000, 750000, 1000}}};
    SearchSpace space = defaultSearchSpace(plan.details);
    for (const auto& c : cases) {
        space[size_t(c.feature)] = c.range;
        const SearchResult result = searchStrategies(plan.details, plan.poll, 1, space);
        ASSERT_FALSE(result.best.empty());
        for (const Suggestion& s : result.best)
            for (int f = 0; f < featureCount; ++f) {
                const SearchRange& r = space[size_t(f)];
                const double v = s.values[size_t(f)];
                if (r.free) {
                    EXPECT_GE(v, r.low) << f;
                    EXPECT_LE(v, r.high) << f;
                } else if (f != feature::emi) {
                    EXPECT_EQ(v, ownValue(plan.details, f)) << f;
                }
            }
    }
}

TEST(StrategySearch, ALargeSearchReportsProgressAndCanBeCancelled) {
    Plan plan;
    SearchSpace space = defaultSearchSpace(plan.details);
    for (SearchRange& range : space) {
        range.free = true;
        range.step = (range.high - range.low) / 20;
    }
    for (bool cancelLate : {false, true}) {
        std::atomic<bool> cancel{false};
        std::vector<int> reports;
        const SearchResult result = searchStrategies(
            plan.details, plan.poll, 2, space, 10,
            [&](int percent) {
                reports.push_back(percent);
                if (cancelLate && percent > 10)
                    cancel = true;
            },
            &cancel);
        EXPECT_FALSE(result.exhaustive);
        EXPECT_EQ(result.cancelled, cancelLate);
        EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
        EXPECT_EQ(reports.back() == 100, !cancelLate);
        EXPECT_FALSE(result.best.empty());
    }
}

} // namespace
