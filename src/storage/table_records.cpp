#include "storage/table_records.h"

#include "storage/numbers.h"

namespace lendora {

int recordRow(const QString& firstItem) {
    return toWhole(leadingNumber(firstItem));
}

void placeRecords(Grid& grid, const std::vector<QStringList>& records, int firstItem,
                  int firstColumn, bool appendRowAfterEach) {
    for (const QStringList& items : records) {
        const int row = items.isEmpty() ? 0 : recordRow(items.first());
        if (row >= 1 && row < grid.rowCount()) {
            for (int i = firstItem; i < items.size(); ++i)
                grid.setText(row, firstColumn + (i - firstItem), items[i]);
        }
        if (appendRowAfterEach)
            grid.addRow();
    }
}

std::vector<Record> tableRecords(const Grid& grid, int firstColumn, int lastColumn) {
    std::vector<Record> records;
    const int n = grid.rowCount() - 2;
    for (int row = 1; row <= n; ++row) {
        Record record{Item::whole(row)};
        for (int c = firstColumn; c <= lastColumn; ++c)
            record.push_back(Item::text(grid.text(row, c)));
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace lendora
