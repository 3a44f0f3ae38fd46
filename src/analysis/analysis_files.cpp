#include "analysis/analysis_files.h"

#include "analysis/analysis_totals.h"
#include "storage/numbers.h"
#include "storage/table_records.h"
#include "workspace/plan_files.h"

#include <vector>

namespace lendora::analysis {

namespace {

double cellNumber(const Grid& grid, int row, int column) {
    return leadingNumber(grid.text(row, column));
}

// Record i of a strategy table: i, the leading-number values of columns 1 to
// 6, and the seventh value in the form `last` gives it.
template <class Last>
Record strategyRecord(const Grid& grid, int i, Last&& last) {
    Record record{Item::whole(i)};
    for (int c = 1; c < featureCount; ++c)
        record.push_back(Item::number(cellNumber(grid, i, c)));
    record.push_back(last(cellNumber(grid, i, featureCount)));
    return record;
}

// A number read from a file is shown in its shortest decimal form; an item
// that is no number stays as it was read.
void normaliseNumbers(std::vector<QStringList>& records) {
    for (QStringList& items : records)
        for (QString& item : items)
            if (const auto value = parseWholeNumber(item))
                item = doubleText(*value);
}

std::vector<QStringList> readNumbers(const RecordFolder& folder, const QString& name, int items) {
    std::vector<QStringList> records = folder.readRecords(name, items);
    normaliseNumbers(records);
    return records;
}

} // namespace

std::vector<SavedStrategy> savedStrategies(const AnalysisTables& tables) {
    const int k = tables.lblAnalysisID - 1;
    const int n = tables.segments.columnCount() - 2;
    std::vector<SavedStrategy> saved;
    for (int i = 1; i <= k; ++i) {
        SavedStrategy strategy;
        for (int f = 0; f < featureCount; ++f) {
            strategy.values[size_t(f)] = cellNumber(tables.strategies, i, f + 1);
            strategy.featureEstimates[size_t(f)] = cellNumber(tables.features, i, f + 1);
            strategy.changed[size_t(f)] = cellNumber(tables.flags, i, f + 1) == 1;
        }
        for (int j = 1; j <= n; ++j)
            strategy.segmentEstimates.push_back(cellNumber(tables.segments, i, j));
        saved.push_back(std::move(strategy));
    }
    return saved;
}

void loadAnalysisFiles(const RecordFolder& folder, AnalysisTables& tables) {
    const int p = tables.lblProjectIndex;
    tables.features.setHeadings(featureTableHeadings());

    placeRecords(tables.strategies,
                 readNumbers(folder, planfiles::strategiesFile(p), strategyItems), 0, 0, true);
    tables.lblAnalysisID = tables.strategies.rowCount() - 1;
    tables.segments.setRowCount(tables.strategies.rowCount());

    placeRecords(tables.flags, readNumbers(folder, planfiles::flagsFile(p), flagItems), 0, 0, true);
    placeRecords(tables.features, readNumbers(folder, planfiles::featuresFile(p), featureItems), 0,
                 0, true);

    Grid& segments = tables.segments;
    const int columns = tables.estimates.rowCount();
    segments.setColumnCount(columns);
    for (int j = 0; j < columns; ++j)
        segments.setText(0, j, tables.estimates.text(j, 0));

    const int k = tables.lblAnalysisID - 1;
    for (int i = 1; i <= k; ++i)
        segments.setText(i, 0, QString::number(i));
    tables.features.setText(tables.features.rowCount() - 1, 0, totalsLabel);
    segments.setText(segments.rowCount() - 1, 0, totalsLabel);
    segments.setText(0, columns - 1, totalsLabel);

    // Each record names its cell; cells outside the strategy rows and the
    // segment columns (the headings, the numbers) are never overwritten.
    for (const QStringList& items : readNumbers(folder, planfiles::segmentsFile(p), segmentItems)) {
        const int row = recordRow(items.value(0));
        const int column = recordRow(items.value(1));
        if (row >= 1 && column >= 1)
            segments.setText(row, column, items.value(2));
    }

    allTotals(tables);
}

} // namespace lendora::analysis
