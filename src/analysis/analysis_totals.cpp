#include "analysis/analysis_totals.h"

#include "storage/numbers.h"
#include "storage/shown_text.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

double cellNumber(const Grid& grid, int row, int column) {
    return leadingNumber(grid.text(row, column));
}

// A float sum that ran beyond the float range stays at its largest value,
// so no infinity reaches a table.
float bounded(float sum) {
    if (std::isfinite(sum))
        return sum;
    return sum < 0 ? -FLT_MAX : FLT_MAX;
}

// Totals of a table whose rows 1 to last - 1 hold strategies, columns 1 to
// totalColumn - 1 their values: row `last` gets the column sums (single
// precision) and column totalColumn of every row its row sum. Each cell is
// read once.
void totalTable(Grid& grid, int last, int totalColumn) {
    if (last < 1 || totalColumn < 1)
        return;
    const int width = totalColumn - 1;
    std::vector<double> values(size_t(last) * size_t(width), 0.0);
    const auto at = [&](int r, int c) -> double& {
        return values[size_t(r - 1) * size_t(width) + size_t(c - 1)];
    };
    for (int r = 1; r < last; ++r)
        for (int c = 1; c <= width; ++c)
            at(r, c) = cellNumber(grid, r, c);

    for (int c = 1; c <= width; ++c) {
        float sum = 0;
        for (int r = 1; r < last; ++r)
            sum = bounded(sum + float(at(r, c)));
        const QString text = floatText(sum);
        grid.setText(last, c, text);
        at(last, c) = leadingNumber(text); // the row sum reads the text as shown
    }
    grid.setText(last, 0, totalsLabel);
    for (int r = 1; r <= last; ++r) {
        double sum = 0;
        for (int c = 1; c <= width; ++c)
            sum += at(r, c);
        grid.setText(r, totalColumn, doubleText(sum));
    }
}

} // namespace

void allTotals(AnalysisTables& tables) {
    totalTable(tables.features, tables.features.rowCount() - 1, featureTotalColumn);
    totalTable(tables.segments, tables.segments.rowCount() - 1, tables.segments.columnCount() - 1);
}

QStringList featureChartLabels() {
    return {u"Interest"_s,         u"Mn.Elig.Inc"_s, u"Mx. Loan Value"_s, u"Mx. Loan Percentage"_s,
            u"Repayment Period"_s, u"EMI"_s,         u"Freebies"_s,       totalsLabel};
}

namespace {

QStringList strategyLabels(int count) {
    QStringList labels;
    for (int i = 1; i <= count; ++i)
        labels << u"Strategy "_s + QString::number(i);
    return labels;
}

int chartStrategies(const AnalysisTables& tables) {
    return std::max(tables.features.rowCount() - 2, 0);
}

} // namespace

ChartData featuresChart(const AnalysisTables& tables) {
    ChartData chart;
    const int k = chartStrategies(tables);
    chart.rowLabels = strategyLabels(k);
    chart.columnLabels = featureChartLabels();
    for (int i = 1; i <= k; ++i) {
        std::vector<double> row;
        for (int c = 1; c <= featureTotalColumn; ++c) {
            const double value = cellNumber(tables.features, i, c);
            row.push_back(c == featureTotalColumn ? double(float(value)) : value);
        }
        chart.values.push_back(std::move(row));
    }
    return chart;
}

ChartData segmentsChart(const AnalysisTables& tables) {
    ChartData chart;
    const int k = chartStrategies(tables);
    const int columns = tables.segments.columnCount() - 1;
    chart.rowLabels = strategyLabels(k);
    for (int c = 1; c <= columns; ++c)
        chart.columnLabels << shownText(tables.segments.text(0, c));
    for (int i = 1; i <= k; ++i) {
        std::vector<double> row;
        for (int c = 1; c <= columns; ++c)
            row.push_back(double(float(cellNumber(tables.segments, i, c))));
        chart.values.push_back(std::move(row));
    }
    return chart;
}

} // namespace lendora::analysis
