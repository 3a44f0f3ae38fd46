#include "analysis/strategy_table.h"

#include "analysis/analysis_totals.h"
#include "storage/numbers.h"

#include <cstdint>
#include <limits>

namespace lendora::analysis {

namespace {

// Writes row `row` of a table through `fill`, then appends an empty row. A
// table that fell behind the strategy values table is first grown to reach
// the row, so that no strategy's cells are dropped.
template <class Fill>
void appendStrategyRow(Grid& grid, int row, Fill&& fill) {
    if (grid.rowCount() < row + 1)
        grid.setRowCount(row + 1);
    fill();
    grid.addRow();
}

QString flagText(bool flag) {
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

int addStrategy(AnalysisTables& tables, const FeatureValues& entered) {
    const int s = tables.strategies.rowCount() - 1;
    const int n = tables.segmentCount();
    const QString number = QString::number(s);
    const Grid& estimates = tables.estimates;

    Grid& segments = tables.segments;
    segments.setColumnCount(n + 2);
    segments.setText(0, 0, QStringLiteral("ID"));
    for (int j = 1; j <= n; ++j)
        segments.setText(0, j, estimates.text(j, 0));
    segments.setText(0, n + 1, totalsLabel);
    tables.features.setHeadings(featureTableHeadings());

    appendStrategyRow(segments, s, [&] {
        segments.setText(s, 0, number);
        std::int64_t sum = 0;
        for (int j = 1; j <= n; ++j) {
            const std::int32_t total = toWhole(leadingNumber(estimates.text(j, estimate::total)));
            segments.setText(s, j, wholeText(total));
            sum += total;
        }
        const std::int64_t low = std::numeric_limits<std::int32_t>::min();
        const std::int64_t high = std::numeric_limits<std::int32_t>::max();
        segments.setText(s, n + 1, wholeText(sum < low ? low : sum > high ? high : sum));
    });

    appendStrategyRow(tables.flags, s, [&] {
        tables.flags.setText(s, 0, number);
        for (int f = 1; f <= featureCount; ++f)
            tables.flags.setText(s, f, flagText(tables.changeFlag(f)));
        tables.flags.setText(s, newEmiFlagColumn, flagText(tables.lblNewEMIFlag));
    });

    appendStrategyRow(tables.strategies, s, [&] {
        tables.strategies.setText(s, 0, number);
        for (int f = 1; f <= featureCount; ++f)
            tables.strategies.setText(s, f, doubleText(entered[size_t(f - 1)]));
    });

    appendStrategyRow(tables.features, s, [&] {
        tables.features.setText(s, 0, number);
        for (int f = 1; f <= featureCount; ++f)
            tables.features.setText(s, f, estimates.text(n + 1, f));
        const std::int32_t grand = toWhole(leadingNumber(estimates.text(n + 1, estimate::total)));
        tables.features.setText(s, featureTotalColumn, wholeText(grand));
    });

    tables.lblAnalysisID = s + 1;
    tables.clearChangeFlags();
    allTotals(tables);
    return s;
}

DeleteOutcome deleteStrategy(AnalysisTables& tables, int row) {
    const int strategies = tables.strategies.rowCount() - 2;
    if (row < 1 || row > strategies)
        return DeleteOutcome::NotAStrategy;
    for (Grid* grid : {&tables.strategies, &tables.features, &tables.flags, &tables.segments})
        grid->removeRow(row);

    const int m = tables.strategies.rowCount() - 1;
    tables.lblAnalysisID = m;
    if (m > 1) {
        for (int i = 1; i < m; ++i) {
            const QString number = QString::number(i);
            for (Grid* grid :
                 {&tables.strategies, &tables.features, &tables.flags, &tables.segments})
                grid->setText(i, 0, number);
        }
    }
    allTotals(tables);
    return m <= 1 ? DeleteOutcome::NoneLeft : DeleteOutcome::Deleted;
}

QString deleteMessage(DeleteOutcome outcome) {
    switch (outcome) {
    case DeleteOutcome::NoneLeft:
        return noAnalysisMessage;
    case DeleteOutcome::Deleted:
        return deletionNotSavedMessage;
    case DeleteOutcome::NotAStrategy:
        break;
    }
    return {};
}

} // namespace lendora::analysis
