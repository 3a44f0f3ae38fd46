#include "storage/table_records.h"

#include "storage/numbers.h"

#include <algorithm>

namespace lendora {

int recordRow(const QString& firstItem) {
    return toWhole(leadingNumber(firstItem));
}

namespace {
void placeRecord(Grid& grid, QStringList& items, int firstItem, int firstColumn,
                 bool appendRowAfterEach) {
    const int row = items.isEmpty() ? 0 : recordRow(items.first());
    if (row >= 1 && row < grid.rowCount()) {
        for (int i = firstItem; i < items.size(); ++i)
            grid.setText(row, firstColumn + (i - firstItem), std::move(items[i]));
    }
    if (appendRowAfterEach)
        grid.addRow();
}
} // namespace

void placeRecords(Grid& grid, const std::vector<QStringList>& records, int firstItem,
                  int firstColumn, bool appendRowAfterEach) {
    for (QStringList items : records)
        placeRecord(grid, items, firstItem, firstColumn, appendRowAfterEach);
}

void placeRecords(Grid& grid, const QByteArray& bytes, int itemCount, int firstItem,
                  int firstColumn, bool appendRowAfterEach) {
    if (appendRowAfterEach) // about one record a line
        grid.reserveRows(grid.rowCount() + int(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    // Items go straight into their cells; the first one names the row.
    RecordReader reader(bytes);
    while (!reader.atEnd()) {
        QString first = reader.readItem(0);
        const int row = recordRow(first);
        const bool placed = row >= 1 && row < grid.rowCount();
        if (placed && firstItem == 0)
            grid.setText(row, firstColumn, std::move(first));
        for (int i = 1; i < itemCount; ++i) {
            QString item = reader.atEnd() ? QString() : reader.readItem(i);
            if (placed && i >= firstItem)
                grid.setText(row, firstColumn + (i - firstItem), std::move(item));
        }
        if (appendRowAfterEach)
            grid.addRow();
    }
}

QByteArray tableBytes(const Grid& grid, int firstColumn, int lastColumn) {
    RecordWriter writer;
    const int n = grid.rowCount() - 2;
    for (int row = 1; row <= n; ++row) {
        writer.whole(row);
        for (int c = firstColumn; c <= lastColumn; ++c)
            writer.text(grid.text(row, c));
        writer.endRecord();
    }
    return writer.take();
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
