#include "analysis/forecast.h"
#include "analysis/forecast_warnings.h"

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
    AnalysisTables tables = tablesWithSegments(segments);
    setBase(tables, {QStringList{base[0], "20000", "500000", "80", "240", "5000", "2"},
                     QStringList{base[1], "25000", "600000", "85", "180", "6000", "3"},
                     QStringList{base[2], "30000", "700000", "90", "120", "7000", "5"}});
    for (int b = 0; b < names.size() / 2; ++b)
        for (int n = 0; n < 2; ++n)
            tables.base.setText(b + 1, n, names[2 * b + n]);
    const Grid own = pollGrid(polls[0]), c1 = pollGrid(polls[1]), c2 = pollGrid(polls[2]);
    FeatureValues strategy = featureValues(tables.base.rowTexts(brand::own).mid(3));
    strategy[0] = c[2].toDouble();
    tables.changeFlag(feature::interest) = true;
    EXPECT_TRUE(analyse(tables, {own, c1, c2}, strategy).computed()) << c[0].toStdString();
    const auto warnings = forecastWarnings(tables, {own, c1, c2}, strategy);
    QString text = "== " + c.join(" | ") + "\nestimates";
    for (int r = 1; r <= segments; ++r)
        text += u' ' + tables.estimates.text(r, feature::interest);
    text += u'\n';
    for (const ForecastWarning& w : warnings)
        text += QStringLiteral("%1,%2 %3 %4: %5\n")
                    .arg(w.row)
                    .arg(w.column)
                    .arg(int(w.kind))
                    .arg(warningLook(w.kind).colourName, w.reason);
    for (int r = 1; r <= segments; ++r)
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
