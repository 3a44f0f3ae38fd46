#include "analysis/forecast.h"
#include "analysis/plan_analysis.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

// Three brands whose features all differ, and three segments of counts.
struct Plan {
    ProjectDetails details = usualDetails();
    PlanPoll poll =
        planPoll({{30, 12, 8, 5, 7, 9, 4}, {11, 3, 6, 2, 9, 1, 5}, {0, 4, 4, 4, 4, 4, 4}},
                 {{20, 10, 9, 6, 8, 7, 3}, {14, 5, 6, 3, 8, 2, 6}, {7, 4, 4, 4, 4, 4, 4}},
                 {{15, 9, 11, 8, 9, 5, 2}, {9, 7, 6, 1, 7, 3, 8}, {5, 4, 4, 4, 4, 4, 4}});
    PlanAnalysis analysis{details, segmentNames(3), poll, {}, false};

    // Steps "F=V" change feature F (1 to 7) of the own values, "c1:F=V" sets
    // competitor 1's value of F, "p1:F=V" its count of F in every segment,
    // "+" adds the strategy once computed. Gives the estimates (rows joined
    // by " / ") or the refusal.
    QString run(const QStringList& steps) {
        FeatureValues values = freshEntryValues(details);
        analysis.entry().clear();
        for (const QString& step : steps) {
            const int f = step.section(u'=', 0, 0).section(u':', -1).toInt() - 1;
            const QString value = step.section(u'=', 1);
            if (step.startsWith("c1:")) {
                details.brands[1].features[size_t(f)] = TypedNumber(value);
                analysis = PlanAnalysis(details, segmentNames(3), poll, analysis.saved(), true);
            } else if (step.startsWith("p1:")) {
                for (SegmentCounts& segment : poll.products[1].segments)
                    segment.features[size_t(f)] = value.toDouble();
                analysis.setPoll(poll);
            } else if (f >= 0) {
                values[size_t(f)] = value.toDouble();
                analysis.entry().changed[size_t(f)] = true;
            }
        }
        const Novelty novelty = analysis.analyse(values);
        if (steps.contains("+"))
            analysis.add(values);
        QStringList rows;
        const std::vector<QStringList> table = tableTexts(analysis, AnalysisTable::Estimates);
        for (size_t r = 1; r < table.size(); ++r)
            rows << table[r].join(u',');
        const QString shown = rows.join(" / ");
        if (novelty == Novelty::New)
            return QStringLiteral("next %1: ").arg(analysis.nextStrategyNumber()) + shown;
        return QStringLiteral("refused %1 %2: ")
                   .arg(int(novelty))
                   .arg(lendora::test::oneLine(noveltyMessage(novelty))) +
               shown;
    }
};

// One plan, strategy after strategy: the estimates with their totals and
// changes, and the strategies refused as new or as repeating a stored one.
TEST(Forecast, StrategiesOneAfterAnother) {
    Plan plan;
    expectCases("forecast.txt",
                [&plan](const QStringList& in) { return plan.run(in[0].split(u' ')); });
}

TEST(Forecast, CompetitorTwoIsTakenInSinglePrecision) {
    // 0.1 as a float is 0.100000001490116...; far out on the parabola the
    // difference shows in the whole-number estimate.
    const double narrowed = double(float(0.1));
    const std::int32_t expected = estimateCount({0, 1, 2}, {0, 0.05, narrowed}, 1e6);
    ASSERT_NE(expected, estimateCount({0, 1, 2}, {0, 0.05, 0.1}, 1e6));
    const PlanPoll poll = planPoll({{0}}, {{0.05}}, {{0.1}});
    const ProjectDetails details = projectDetails({QStringList{"0"}, {"1"}, {"2"}});
    StrategyInput strategy;
    strategy.values[0] = 1e6;
    strategy.changed[0] = true;
    EXPECT_EQ(forecast(details, poll, 1, strategy).segments[0].features[0], expected);
    EXPECT_EQ(estimateOf(details, poll, strategy, 0, 0), expected);
}

} // namespace
