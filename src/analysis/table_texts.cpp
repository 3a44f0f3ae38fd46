#include "analysis/table_texts.h"

#include "analysis/analysis_names.h"

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

constexpr int baseColumns = 10;
constexpr int estimateColumns = 10; // the segment, seven features, the total, the change
constexpr int totalColumn = featureCount + 1;

QString flagText(bool flag) {
    return flag ? u"1"_s : u"0"_s;
}

QString baseText(const PlanAnalysis& plan, int row, int column) {
    if (row == 0)
        return column < baseColumns ? names::baseHeadings[column]() : QString();
    if (row > brandCount)
        return {};
    const BrandDetails& brand = plan.details().brands[size_t(row - 1)];
    switch (column) {
    case 0:
        return brand.name;
    case 1:
        return brand.brand;
    case 2:
        return brand.marketShare.text;
    default:
        return column < baseColumns ? brand.features[size_t(column - 3)].text : QString();
    }
}

QString estimateText(const PlanAnalysis& plan, int row, int column) {
    const int n = plan.segmentCount();
    if (row == 0) {
        if (column == 0)
            return names::strategyId();
        if (column <= featureCount)
            return names::featureNames[column - 1]();
        return column == totalColumn ? names::totals() : QString();
    }
    const auto& estimates = plan.estimates();
    if (row <= n) {
        if (column == 0)
            return plan.segments()[size_t(row - 1)];
        if (!estimates)
            return {};
        const SegmentEstimates& segment = estimates->segments[size_t(row - 1)];
        if (column <= featureCount)
            return wholeText(segment.features[size_t(column - 1)]);
        return column == totalColumn ? wholeText(segment.total) : doubleText(segment.change);
    }
    // The totals row, once Analyse ran; zeros after a refused strategy.
    if (!estimates && !plan.refused())
        return {};
    if (column == 0)
        return names::totals();
    if (column > totalColumn)
        return {};
    if (plan.refused())
        return u"0"_s;
    return wholeText(column == totalColumn ? estimates->grandTotal
                                           : estimates->featureTotals[size_t(column - 1)]);
}

QString valueText(const PlanAnalysis& plan, int row, int column) {
    if (row == 0)
        return column == 0 ? names::strategyId() : names::featureNames[column - 1]();
    if (row > int(plan.strategies().size()))
        return {};
    if (column == 0)
        return QString::number(row);
    return doubleText(plan.strategies()[size_t(row - 1)].values[size_t(column - 1)]);
}

QString flagTableText(const PlanAnalysis& plan, int row, int column) {
    if (row == 0 || row > int(plan.strategies().size()))
        return {};
    const Strategy& strategy = plan.strategies()[size_t(row - 1)];
    if (column == 0)
        return QString::number(row);
    if (column <= featureCount)
        return flagText(strategy.changed[size_t(column - 1)]);
    return strategy.emiRecomputed ? flagText(*strategy.emiRecomputed) : QString();
}

QString featureText(const PlanAnalysis& plan, int row, int column) {
    const int k = int(plan.strategies().size());
    if (!plan.comparisonShown() || row > k + 1)
        return {};
    if (row == 0) {
        if (column == 0)
            return names::id();
        return column <= featureCount ? names::featureNames[column - 1]() : names::totals();
    }
    if (row == k + 1) {
        const ComparisonTotals& totals = plan.totals();
        if (column == 0)
            return names::totals();
        return column <= featureCount ? totals.featureTexts[size_t(column - 1)]
                                      : doubleText(totals.featureSum);
    }
    const Strategy& strategy = plan.strategies()[size_t(row - 1)];
    if (column == 0)
        return QString::number(row);
    return doubleText(column <= featureCount ? strategy.featureEstimates[size_t(column - 1)]
                                             : featureSum(strategy));
}

QString segmentText(const PlanAnalysis& plan, int row, int column) {
    const int k = int(plan.strategies().size());
    const int n = plan.segmentCount();
    if (!plan.comparisonShown() || row > k + 1)
        return {};
    if (row == 0) {
        if (column == 0)
            return plan.addedSinceOpening() ? names::id() : names::strategyId();
        return column <= n ? plan.segments()[size_t(column - 1)] : names::totals();
    }
    if (row == k + 1) {
        const ComparisonTotals& totals = plan.totals();
        if (column == 0)
            return names::totals();
        return column <= n ? totals.segmentTexts[size_t(column - 1)]
                           : doubleText(totals.segmentSum);
    }
    const Strategy& strategy = plan.strategies()[size_t(row - 1)];
    if (column == 0)
        return QString::number(row);
    if (column > n)
        return doubleText(segmentSum(strategy));
    const auto& estimate = strategy.segmentEstimates[size_t(column - 1)];
    return estimate ? doubleText(*estimate) : QString();
}

} // namespace

int tableRows(const PlanAnalysis& plan, AnalysisTable table) {
    switch (table) {
    case AnalysisTable::Base:
        return brandCount + 1;
    case AnalysisTable::Estimates:
        return plan.segmentCount() + 1;
    default:
        return int(plan.strategies().size()) + 1;
    }
}

int tableColumns(const PlanAnalysis& plan, AnalysisTable table) {
    switch (table) {
    case AnalysisTable::Base:
        return baseColumns;
    case AnalysisTable::Estimates:
        return estimateColumns;
    case AnalysisTable::StrategyValues:
        return featureCount + 1;
    case AnalysisTable::FeatureEstimates:
    case AnalysisTable::ChangeFlags:
        return featureCount + 2;
    case AnalysisTable::SegmentEstimates:
        return plan.comparisonShown() ? plan.segmentCount() + 2 : 2;
    }
    return 0;
}

QString tableText(const PlanAnalysis& plan, AnalysisTable table, int row, int column) {
    if (row < 0 || row > tableRows(plan, table) || column < 0 ||
        column >= tableColumns(plan, table))
        return {};
    switch (table) {
    case AnalysisTable::Base:
        return baseText(plan, row, column);
    case AnalysisTable::Estimates:
        return estimateText(plan, row, column);
    case AnalysisTable::StrategyValues:
        return valueText(plan, row, column);
    case AnalysisTable::FeatureEstimates:
        return featureText(plan, row, column);
    case AnalysisTable::ChangeFlags:
        return flagTableText(plan, row, column);
    case AnalysisTable::SegmentEstimates:
        return segmentText(plan, row, column);
    }
    return {};
}

std::vector<QStringList> tableTexts(const PlanAnalysis& plan, AnalysisTable table) {
    std::vector<QStringList> rows;
    const int columns = tableColumns(plan, table);
    for (int r = 0; r <= tableRows(plan, table); ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << tableText(plan, table, r, c);
        rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace lendora::analysis
