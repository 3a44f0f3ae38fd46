#pragma once

#include "analysis/analysis_tables.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The comparison of all strategies: the totals row and column of the
// per-feature and per-segment tables, and the data of the two charts.
namespace lendora::analysis {

// AllTotals: the last row of `MSFG_Features` and of `MSFG_Segments` becomes
// their "Totals" row (column sums, accumulated in single precision) and the
// last column of each holds every row's sum of its feature or segment
// columns. The charts are to be redrawn after it.
void allTotals(AnalysisTables& tables);

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

// Column labels of `MSCH_Features`: "Interest", "Mn.Elig.Inc", ... "Totals".
QStringList featureChartLabels();

// `MSCH_Features`: the strategies' rows of `MSFG_Features`, columns 1 to 8
// (the total in single precision).
ChartData featuresChart(const AnalysisTables& tables);

// `MSCH_Segments`: the strategies' rows of `MSFG_Segments`, columns 1 to
// N + 1 in single precision, labelled with that table's headings.
ChartData segmentsChart(const AnalysisTables& tables);

} // namespace lendora::analysis
