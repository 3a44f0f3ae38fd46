#pragma once

#include "analysis/forecast.h"
#include "analysis/intervals.h"
#include "analysis/strategy_entry.h"

#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The comparison of a plan's strategies: each strategy as the comparison
// keeps it, the totals of its two summary tables and the data of its two
// charts.
namespace lendora::analysis {

// A strategy of the comparison. Every number is kept as the tables show it
// (a double at 15 significant digits), so that what is saved, totalled and
// drawn is what the user sees.
struct Strategy : SavedStrategy {
    // Whether the EMI was recomputed when the strategy was composed; shown in
    // the change flags table, unknown for a strategy read from the files.
    std::optional<bool> emiRecomputed;

    StrategyInput input() const { return {values, changed}; }
};

// A saved strategy with its numbers as the tables show them.
Strategy shownStrategy(const SavedStrategy& saved);
// The strategy Add makes of the values entered, the entry's flags and the
// estimates of its Analyse: the feature totals and the segment totals.
Strategy addedStrategy(const FeatureValues& entered, const StrategyEntry& entry,
                       const DetailedEstimates& estimates);

// A strategy's "Totals" in the per-feature and the per-segment table: the
// sum of its feature estimates, of its segment estimates.
double featureSum(const Strategy& strategy);
double segmentSum(const Strategy& strategy);

// The "Totals" rows of the two tables: each column's sum over the
// strategies, accumulated in single precision and kept as shown (a sum
// beyond the float range stays at its largest value), and the sum of those
// shown sums.
struct ComparisonTotals {
    PerFeature<double> features{};
    double featureSum = 0;
    std::vector<double> segments; // one per segment
    double segmentSum = 0;
    // The texts of the column sums as the tables show them.
    PerFeature<QString> featureTexts;
    std::vector<QString> segmentTexts;
};
ComparisonTotals comparisonTotals(const std::vector<Strategy>& strategies, int segmentCount);

// A chart as plain data: one row per strategy ("Strategy 1" ...), one
// column per series, values[row][column].
struct ChartData {
    QStringList rowLabels;
    QStringList columnLabels;
    std::vector<std::vector<double>> values;
    // The 90% interval (low, high) of each value, in the same layout; empty
    // when the chart has none.
    std::vector<std::vector<std::pair<double, double>>> ranges;
};

// `MSCH_Features`: per strategy its seven feature estimates and its total
// (in single precision).
ChartData featuresChart(const std::vector<Strategy>& strategies);
// `MSCH_Segments`: per strategy its segment estimates and its total, in
// single precision, labelled with the segment descriptions and "Totals".
ChartData segmentsChart(const std::vector<Strategy>& strategies,
                        const SegmentDescriptions& segments);
// Whiskers for both charts from the strategies' intervals. A plan whose
// segments changed since its strategies were saved gets none by segment
// rather than misplaced ones.
void addRanges(ChartData& segments, ChartData& features,
               const std::vector<StrategyIntervals>& intervals);

} // namespace lendora::analysis
