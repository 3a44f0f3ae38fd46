#pragma once

#include "analysis/plan_analysis.h"
#include "analysis/table_texts.h"

#include "support/golden.h"
#include "support/road_screen.h"
#include "support/workspace.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// Plans built in memory for the tests of the analysis core.
namespace lendora::analysis::test {

using Counts = std::array<double, featureCount>;

// One product's counts, one entry per segment; each segment's total is the
// sum of its counts, as the poll window enters it.
inline ProductCounts productCounts(const std::vector<Counts>& segments) {
    ProductCounts product;
    for (const Counts& counts : segments) {
        SegmentCounts segment;
        double total = 0;
        for (int f = 0; f < featureCount; ++f) {
            segment.features[size_t(f)] = counts[size_t(f)];
            total += counts[size_t(f)];
        }
        segment.total = total;
        product.segments.push_back(segment);
    }
    return product;
}

inline PlanPoll planPoll(const std::vector<Counts>& own, const std::vector<Counts>& competitor1,
                         const std::vector<Counts>& competitor2) {
    return {{productCounts(own), productCounts(competitor1), productCounts(competitor2)}};
}

// The three brands "Product 0" ... with brands "Brand 0" ... and the given
// feature values as typed.
inline ProjectDetails projectDetails(const std::array<QStringList, 3>& values) {
    ProjectDetails details;
    for (int b = 0; b < 3; ++b) {
        BrandDetails& brand = details.brands[size_t(b)];
        brand.name = QStringLiteral("Product %1").arg(b);
        brand.brand = QStringLiteral("Brand %1").arg(b);
        for (int f = 0; f < featureCount; ++f)
            brand.features[size_t(f)] = TypedNumber(values[size_t(b)].value(f));
    }
    return details;
}

// The base values most tests use: every feature differs between the brands.
inline ProjectDetails usualDetails() {
    return projectDetails({QStringList{"10", "20000", "500000", "80", "240", "5000", "2"},
                           QStringList{"12", "25000", "600000", "85", "180", "6000", "3"},
                           QStringList{"14", "30000", "700000", "90", "120", "7000", "5"}});
}

// Segments "Segment 1" to "Segment n".
inline SegmentDescriptions segmentNames(int n) {
    SegmentDescriptions segments;
    for (int s = 1; s <= n; ++s)
        segments.push_back(QStringLiteral("Segment %1").arg(s));
    return segments;
}

// The values of the own product with the given features (0 to 6) set and
// flagged as changed in the plan's entry.
inline FeatureValues changeFeatures(PlanAnalysis& plan,
                                    std::initializer_list<std::pair<int, double>> changes) {
    FeatureValues values = freshEntryValues(plan.details());
    plan.entry().clear();
    for (auto [f, v] : changes) {
        values[size_t(f)] = v;
        plan.entry().changed[size_t(f)] = true;
    }
    return values;
}

// Every table of the plan's analysis, as text for a golden transcript.
inline QString tablesText(const PlanAnalysis& plan) {
    QString text = QStringLiteral("next strategy %1, row %2, flags ")
                       .arg(plan.nextStrategyNumber())
                       .arg(plan.selectedRow());
    for (bool changed : plan.entry().changed)
        text += changed ? u'1' : u'0';
    text += QStringLiteral(" EMI %1\n").arg(int(plan.entry().emiRecomputed));
    const std::pair<const char*, AnalysisTable> tables[] = {
        {"strategies", AnalysisTable::StrategyValues},
        {"features", AnalysisTable::FeatureEstimates},
        {"flags", AnalysisTable::ChangeFlags},
        {"segments", AnalysisTable::SegmentEstimates},
        {"estimates", AnalysisTable::Estimates}};
    for (const auto& [name, table] : tables) {
        const std::vector<QStringList> rows = tableTexts(plan, table);
        text += QStringLiteral("%1 %2x%3\n").arg(name).arg(rows.size()).arg(rows.front().size());
        for (const QStringList& row : rows)
            text += "  |" + row.join(u'|') + "|\n";
    }
    return text;
}

// A case file under tests/data/analysis: lines "input => result" and "#"
// notes. Each result is computed again from its input (fields split at
// " | ", with \r, \n and \t for those characters) and the whole file
// compared, so one case is one line of data.
inline void expectCases(const QString& file,
                        const std::function<QString(const QStringList&)>& result) {
    const QString path = "analysis/cases/" + file;
    QString text;
    const QString lines =
        QString::fromUtf8(lendora::test::readFile(lendora::test::dataFolder(path)));
    for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts)) {
        const QString input = line.section(" => ", 0, 0);
        QStringList fields = input.split(" | ");
        for (QString& f : fields)
            f.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
        text += (line.startsWith(u'#') ? line : input + " => " + result(fields)) + u'\n';
    }
    lendora::test::expectSameText(text, path);
}

} // namespace lendora::analysis::test
