#include "analysis/forecast.h"
#include "analysis/forecast_warnings.h"
#include "support/printing.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

#include <optional>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

using Kind = WarningKind;

// Interest counts of one segment for the three brands; every other feature
// has 1 respondent per brand (3 in all), which is never judged while that
// feature is unchanged.
struct SegmentCounts {
    double own, competitor1, competitor2;
};

Counts withInterest(double interest) {
    return {interest, 1, 1, 1, 1, 1, 1};
}

// A plan whose strategy changes only the interest, to `value`.
struct InterestPlan {
    AnalysisTables tables;
    Grid own, c1, c2;
    FeatureValues strategy{};

    InterestPlan(const std::vector<SegmentCounts>& segments, double value,
                 const QStringList& interestBase = {"10", "12", "14"}) {
        tables = tablesWithSegments(int(segments.size()));
        setBase(tables,
                {QStringList{interestBase[0], "20000", "500000", "80", "240", "5000", "2"},
                 QStringList{interestBase[1], "25000", "600000", "85", "180", "6000", "3"},
                 QStringList{interestBase[2], "30000", "700000", "90", "120", "7000", "5"}});
        std::vector<Counts> o, a, b;
        for (const SegmentCounts& s : segments) {
            o.push_back(withInterest(s.own));
            a.push_back(withInterest(s.competitor1));
            b.push_back(withInterest(s.competitor2));
        }
        own = pollGrid(o);
        c1 = pollGrid(a);
        c2 = pollGrid(b);
        strategy = featureValues(tables.base.rowTexts(brand::own).mid(3));
        strategy[0] = value;
        tables.changeFlag(feature::interest) = true;
        EXPECT_TRUE(analyse(tables, polls(), strategy).computed());
    }
    PollGrids polls() const { return {own, c1, c2}; }
    std::vector<ForecastWarning> warnings() const {
        return forecastWarnings(tables, polls(), strategy);
    }
};

struct Expected {
    int row;
    int column;
    Kind kind;
};

std::string describe(const std::vector<ForecastWarning>& warnings) {
    std::string text;
    for (const ForecastWarning& w : warnings)
        text += "(" + std::to_string(w.row) + "," + std::to_string(w.column) + "," +
                std::to_string(int(w.kind)) + ") " + w.reason.toStdString() + "\n";
    return text;
}

TEST(ForecastWarnings, EachRuleFiresOnItsCaseAndOnlyThere) {
    struct Case {
        const char* what;
        std::vector<SegmentCounts> counts;
        double value;
        QStringList interestBase;
        const char* estimate; // the interest estimate of segment 1, as Analyse wrote it
        std::vector<Expected> expected;
    };
    const QStringList spread = {"10", "12", "14"};
    const Case cases[] = {
        // The worked example: an interpolation between the brands, well
        // supported; the unchanged features' 3 respondents are not judged.
        {"worked example", {{30, 20, 15}}, 11, spread, "24", {}},
        {"at competitor 2's value", {{30, 20, 15}}, 14, spread, "15", {}},
        {"below the brands' values", {{30, 20, 15}}, 9, spread, "37", {{1, 1, Kind::Extrapolated}}},
        {"far above the brands' values",
         {{30, 20, 15}},
         30,
         spread,
         "155",
         {{1, 1, Kind::AboveSegmentTotal},
          {1, 1, Kind::Extrapolated},
          {1, 8, Kind::AboveSegmentTotal}}},
        {"a curve that dips below zero outside",
         {{5, 20, 5}},
         8,
         spread,
         "-40",
         {{1, 1, Kind::BelowZero}, {1, 1, Kind::Extrapolated}, {1, 8, Kind::BelowZero}}},
        {"a curve that dips below zero between the brands",
         {{400, 0, 600}},
         11.8,
         spread,
         "-5",
         {{1, 1, Kind::BelowZero}}},
        {"four respondents", {{1, 2, 1}}, 11, spread, "2", {{1, 1, Kind::FewRespondents}}},
        {"five respondents are enough", {{1, 2, 2}}, 11, spread, "2", {}},
        {"two brands share the value",
         {{30, 20, 15}},
         20,
         {"10", "10", "14"},
         "30",
         {{1, 1, Kind::NoCurve}}},
        {"a value too large for the curve",
         {{30, 20, 15}},
         1e155,
         spread,
         "30",
         {{1, 1, Kind::NoCurve}}},
        {"the second of two segments",
         {{30, 20, 15}, {1, 2, 1}},
         11,
         spread,
         "24",
         {{2, 1, Kind::FewRespondents}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const InterestPlan plan(c.counts, c.value, c.interestBase);
        // The warnings leave every number as the forecast wrote it.
        EXPECT_EQ(plan.tables.estimates.text(1, feature::interest), c.estimate);
        const std::vector<ForecastWarning> warnings = plan.warnings();
        ASSERT_EQ(warnings.size(), c.expected.size()) << describe(warnings);
        for (size_t i = 0; i < warnings.size(); ++i) {
            EXPECT_EQ(warnings[i].row, c.expected[i].row) << i;
            EXPECT_EQ(warnings[i].column, c.expected[i].column) << i;
            EXPECT_EQ(warnings[i].kind, c.expected[i].kind) << i << ": " << describe(warnings);
            EXPECT_FALSE(warnings[i].reason.isEmpty());
        }
    }
}

// The reasons name the feature, the segment, the brands, the values and
// the counts as the user entered them.
TEST(ForecastWarnings, ReasonsSayWhyInTheUsersOwnValues) {
    struct Case {
        const char* what;
        SegmentCounts counts;
        double value;
        QStringList interestBase;
        int column;
        Kind kind;
        const char* reason;
    };
    const QStringList spread = {"10", "12", "14"};
    const Case cases[] = {
        {"outside",
         {30, 20, 15},
         9,
         spread,
         1,
         Kind::Extrapolated,
         "Interest 9 lies outside the three brands' values (Brand 0 10, Brand 1 12, Brand 2 14): "
         "the estimate extends the curve beyond the poll data."},
        {"below zero",
         {5, 20, 5},
         8,
         spread,
         1,
         Kind::BelowZero,
         "Segment 1, Interest 8: the curve through the counts (Brand 0 5, Brand 1 20, Brand 2 5) "
         "gives -40 respondents, fewer than 0."},
        {"segment total below zero",
         {5, 20, 5},
         8,
         spread,
         8,
         Kind::BelowZero,
         "Segment 1: the estimates add up to -34 respondents, fewer than 0."},
        {"above the segment",
         {30, 20, 15},
         30,
         spread,
         1,
         Kind::AboveSegmentTotal,
         "Segment 1, Interest 30: the estimate 155 is more than the 83 respondents of this "
         "segment for all three products (Brand 0 36, Brand 1 26, Brand 2 21)."},
        {"segment total above the segment",
         {30, 20, 15},
         30,
         spread,
         8,
         Kind::AboveSegmentTotal,
         "Segment 1: the estimates add up to 161 respondents, more than the 83 respondents of "
         "this segment for all three products (Brand 0 36, Brand 1 26, Brand 2 21)."},
        {"few",
         {1, 2, 1},
         11.5,
         spread,
         1,
         Kind::FewRespondents,
         "Segment 1, Interest: the estimate rests on 4 respondents (Brand 0 1, Brand 1 2, Brand 2 "
         "1), fewer than 5."},
        {"one respondent",
         {1, 0, 0},
         11,
         spread,
         1,
         Kind::FewRespondents,
         "Segment 1, Interest: the estimate rests on 1 respondent (Brand 0 1, Brand 1 0, Brand 2 "
         "0), fewer than 5."},
        {"shared value",
         {30, 20, 15},
         11,
         {"12.5", "11", "12.5"},
         1,
         Kind::NoCurve,
         "Interest: two of the three brands have the same value (Brand 0 12.5, Brand 1 11, Brand "
         "2 12.5), so no curve can be drawn through their counts; the estimate is Brand 0's own "
         "count."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const InterestPlan plan({c.counts}, c.value, c.interestBase);
        const std::vector<ForecastWarning> warnings = plan.warnings();
        std::optional<QString> reason;
        for (const ForecastWarning& w : warnings)
            if (w.row == 1 && w.column == c.column && w.kind == c.kind)
                reason = w.reason;
        ASSERT_TRUE(reason.has_value()) << describe(warnings);
        EXPECT_EQ(*reason, QString::fromUtf8(c.reason));
    }
}

TEST(ForecastWarnings, TheBrandsAreNamedByBrandOrElseByName) {
    InterestPlan plan({{30, 20, 15}}, 9);
    plan.tables.base.setText(brand::own, 1, "Easy Home");
    plan.tables.base.setText(brand::competitor1, 1, "");
    plan.tables.base.setText(brand::competitor1, 0, "City Bank");
    plan.tables.base.setText(brand::competitor2, 0, "");
    plan.tables.base.setText(brand::competitor2, 1, "");
    const std::vector<ForecastWarning> warnings = plan.warnings();
    ASSERT_EQ(warnings.size(), 1u) << describe(warnings);
    EXPECT_TRUE(warnings[0].reason.contains("(Easy Home 10, City Bank 12, competitor 2 14)"))
        << warnings[0].reason.toStdString();
}

TEST(ForecastWarnings, ACellShowsItsMostSeriousWarningFirst) {
    const InterestPlan plan({{30, 20, 15}}, 30);
    const std::vector<ForecastWarning> warnings = plan.warnings();
    const auto cell = cellWarnings(warnings, 1, 1);
    ASSERT_EQ(cell.size(), 2u);
    EXPECT_EQ(cell[0]->kind, Kind::AboveSegmentTotal);
    EXPECT_EQ(cell[1]->kind, Kind::Extrapolated);
    EXPECT_TRUE(cellWarnings(warnings, 1, 2).empty());
    // Each kind has its own colour.
    for (int a = 0; a < warningKindCount; ++a)
        for (int b = a + 1; b < warningKindCount; ++b)
            EXPECT_NE(warningLook(Kind(a)).rgb, warningLook(Kind(b)).rgb) << a << " " << b;
}

TEST(ForecastWarnings, TheGuruGetsOneLinePerKind) {
    // Segment 1 rises above its respondents, segment 2 falls below zero.
    const InterestPlan plan({{30, 20, 15}, {5, 20, 5}}, 30);
    EXPECT_EQ(guruWarningSummary(plan.warnings()),
              "\r\n\r\nForecast warnings (point at a coloured cell of the 'Detailed Estimates' "
              "table to read why):\r\n"
              "Red: 2 estimates below 0 respondents.\r\n"
              "Purple: 2 estimates above the segment's respondents for all three products.\r\n"
              "Orange: Interest: the new value lies outside the three brands' values, so the "
              "curve is extended beyond the poll data.");

    const InterestPlan few({{1, 2, 1}, {30, 20, 15}}, 11);
    EXPECT_EQ(guruWarningSummary(few.warnings()),
              "\r\n\r\nForecast warnings (point at a coloured cell of the 'Detailed Estimates' "
              "table to read why):\r\n"
              "Yellow: 1 estimate resting on fewer than 5 respondents.");

    const InterestPlan shared({{30, 20, 15}}, 11, {"10", "10", "14"});
    EXPECT_TRUE(guruWarningSummary(shared.warnings())
                    .endsWith("\r\nGrey: Interest: no curve through the brands' values; the own "
                              "counts stand."));

    const InterestPlan quiet({{30, 20, 15}}, 11);
    EXPECT_EQ(guruWarningSummary(quiet.warnings()), "");
}

} // namespace
