#include "analysis/forecast.h"
#include "analysis/forecast_warnings.h"

#include "analysis_fixtures.h"
#include "support/road_screen.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

// Interest counts of the segments for the three brands; every other feature
// has 1 respondent per brand (3 in all), never judged while unchanged.
struct Case {
    const char* what;
    std::vector<std::array<double, 3>> counts;
    double value; // the strategy's new interest
    QStringList base = {"10", "12", "14"};
    QStringList names = {}; // product and brand of each, when not the fixture's
};

// A plan whose strategy changes only the interest: the estimates of the
// interest column, each warning with its cell, kind and reason, and the
// Guru's summary, as text.
QString warningsText(const Case& c) {
    AnalysisTables tables = tablesWithSegments(int(c.counts.size()));
    setBase(tables, {QStringList{c.base[0], "20000", "500000", "80", "240", "5000", "2"},
                     QStringList{c.base[1], "25000", "600000", "85", "180", "6000", "3"},
                     QStringList{c.base[2], "30000", "700000", "90", "120", "7000", "5"}});
    for (int b = 0; b < c.names.size() / 2; ++b)
        for (int n = 0; n < 2; ++n)
            tables.base.setText(b + 1, n, c.names[2 * b + n]);
    std::array<std::vector<Counts>, 3> polls;
    for (const auto& segment : c.counts)
        for (int b = 0; b < 3; ++b)
            polls[size_t(b)].push_back({segment[size_t(b)], 1, 1, 1, 1, 1, 1});
    const Grid own = pollGrid(polls[0]), c1 = pollGrid(polls[1]), c2 = pollGrid(polls[2]);
    FeatureValues strategy = featureValues(tables.base.rowTexts(brand::own).mid(3));
    strategy[0] = c.value;
    tables.changeFlag(feature::interest) = true;
    EXPECT_TRUE(analyse(tables, {own, c1, c2}, strategy).computed()) << c.what;
    const auto warnings = forecastWarnings(tables, {own, c1, c2}, strategy);
    QString text =
        QStringLiteral("== %1\nestimates %2\n")
            .arg(c.what,
                 column(tables.estimates, feature::interest, 1, int(c.counts.size())).join(u' '));
    for (const ForecastWarning& w : warnings)
        text += QStringLiteral("%1,%2 %3 %4: %5\n")
                    .arg(w.row)
                    .arg(w.column)
                    .arg(int(w.kind))
                    .arg(warningLook(w.kind).colourName, w.reason);
    for (int r = 1; r <= int(c.counts.size()); ++r)
        for (int col = 1; col <= 8; ++col)
            if (const auto cell = cellWarnings(warnings, r, col); cell.size() > 1) {
                text += QStringLiteral("cell %1,%2 first:").arg(r).arg(col);
                for (const ForecastWarning* w : cell)
                    text += QStringLiteral(" %1").arg(int(w->kind));
                text += "\n";
            }
    return text + "guru: " + lendora::test::oneLine(guruWarningSummary(warnings)) + "\n";
}

TEST(ForecastWarnings, EachRuleFiresOnItsCaseWithItsReasonAndOnlyThere) {
    const Case cases[] = {
        {"worked example, well supported", {{30, 20, 15}}, 11},
        {"at competitor 2's value", {{30, 20, 15}}, 14},
        {"below the brands' values", {{30, 20, 15}}, 9},
        {"far above the brands' values", {{30, 20, 15}}, 30},
        {"a curve below zero outside", {{5, 20, 5}}, 8},
        {"a curve below zero between the brands", {{400, 0, 600}}, 11.8},
        {"four respondents", {{1, 2, 1}}, 11.5},
        {"one respondent", {{1, 0, 0}}, 11},
        {"five respondents are enough", {{1, 2, 2}}, 11},
        {"two brands share the value", {{30, 20, 15}}, 20, {"10", "10", "14"}},
        {"a shared value with decimals", {{30, 20, 15}}, 11, {"12.5", "11", "12.5"}},
        {"a value too large for the curve", {{30, 20, 15}}, 1e155},
        {"the second of two segments", {{30, 20, 15}, {1, 2, 1}}, 11},
        {"above in one segment, below zero in the other", {{30, 20, 15}, {5, 20, 5}}, 30},
        {"few in one segment", {{1, 2, 1}, {30, 20, 15}}, 11},
        {"brands named by brand or else by name",
         {{30, 20, 15}},
         9,
         {"10", "12", "14"},
         {"Product 0", "Easy Home", "City Bank", "", "", ""}},
    };
    QString text;
    for (const Case& c : cases)
        text += warningsText(c);
    lendora::test::expectSameText(text, "analysis/forecast_warnings.txt");
    for (int a = 0; a < warningKindCount; ++a)
        for (int b = a + 1; b < warningKindCount; ++b)
            EXPECT_NE(warningLook(WarningKind(a)).rgb, warningLook(WarningKind(b)).rgb)
                << a << " " << b;
}

} // namespace
