#include "analysis/forecast_warnings.h"
#include "analysis/plan_analysis.h"

#include "analysis_fixtures.h"
#include "support/road_screen.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

// A plan whose strategy changes only the interest (every other feature has
// 1 respondent per brand, never judged while unchanged): the estimates of
// the interest column, each warning with its cell, kind and reason, and the
// Guru's summary, as text.
QString warningsText(const QStringList& c) {
    std::vector<Counts> polls[3];
    for (const QString& segment : c[1].split(u';')) {
        const QStringList n = segment.split(u' ', Qt::SkipEmptyParts);
        for (int b = 0; b < 3; ++b)
            polls[b].push_back({n[b].toDouble(), 1, 1, 1, 1, 1, 1});
    }
    const int segments = int(polls[0].size());
    const QStringList base = c[3].split(u' '), names = c.value(4).split(u',');
    ProjectDetails details =
        projectDetails({QStringList{base[0], "20000", "500000", "80", "240", "5000", "2"},
                        QStringList{base[1], "25000", "600000", "85", "180", "6000", "3"},
                        QStringList{base[2], "30000", "700000", "90", "120", "7000", "5"}});
    for (int b = 0; b < names.size() / 2; ++b) {
        details.brands[size_t(b)].name = names[2 * b];
        details.brands[size_t(b)].brand = names[2 * b + 1];
    }
    PlanAnalysis plan(details, segmentNames(segments), planPoll(polls[0], polls[1], polls[2]), {},
                      false);
    const FeatureValues strategy = changeFeatures(plan, {{feature::interest, c[2].toDouble()}});
    EXPECT_EQ(plan.analyse(strategy), Novelty::New) << c[0].toStdString();
    const std::vector<ForecastWarning>& warnings = plan.warnings();
    QString text = "== " + c.join(" | ") + "\nestimates";
    for (int r = 0; r < segments; ++r)
        text += u' ' + QString::number(plan.estimates()->segments[size_t(r)].features[0]);
    text += u'\n';
    for (const ForecastWarning& w : warnings)
        text += QStringLiteral("%1,%2 %3 %4: %5\n")
                    .arg(w.segment + 1)
                    .arg(w.feature + 1)
                    .arg(int(w.kind))
                    .arg(warningLook(w.kind).colourName, plan.warningReason(w));
    // The warnings of one estimate follow each other, most serious first.
    for (size_t i = 0; i < warnings.size();) {
        size_t end = i + 1;
        while (end < warnings.size() && warnings[end].segment == warnings[i].segment &&
               warnings[end].feature == warnings[i].feature)
            ++end;
        if (end - i > 1) {
            text += QStringLiteral("cell %1,%2 first:")
                        .arg(warnings[i].segment + 1)
                        .arg(warnings[i].feature + 1);
            for (size_t k = i; k < end; ++k)
                text += QStringLiteral(" %1").arg(int(warnings[k].kind));
            text += "\n";
        }
        i = end;
    }
    return text + "guru: " + lendora::test::oneLine(guruWarningSummary(warnings)) + "\n";
}

TEST(ForecastWarnings, EachRuleFiresOnItsCaseWithItsReasonAndOnlyThere) {
    // The golden names each case and its plan on its "==" line.
    const QString golden = "analysis/forecast_warnings.txt";
    QString text;
    for (const QString& line :
         QString::fromUtf8(lendora::test::readFile(lendora::test::dataFolder(golden))).split(u'\n'))
        if (line.startsWith(u'#'))
            text += line + u'\n';
        else if (line.startsWith("== "))
            text += warningsText(line.mid(3).split(" | "));
    lendora::test::expectSameText(text, golden);
    for (int a = 0; a < warningKindCount; ++a)
        for (int b = a + 1; b < warningKindCount; ++b)
            EXPECT_NE(warningLook(WarningKind(a)).rgb, warningLook(WarningKind(b)).rgb)
                << a << " " << b;
}

} // namespace
