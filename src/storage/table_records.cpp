#include "storage/table_records.h"

#include "storage/numbers.h"

#include <memory>

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

namespace {
// The row of an item that is more than plain digits, decoded as text.
int recordRowOfText(const TextSource& source, const ItemScanner::Span& span) {
    constexpr qsizetype shortItem = 64;
    if (span.length > shortItem)
        return lendora::recordRow(source.decode(span.offset, span.length));
    char16_t text[shortItem];
    const QByteArrayView bytes = source.view(span.offset, span.length);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = char16_t(static_cast<unsigned char>(bytes[i])); // digits are ASCII
    return toWhole(leadingNumber(QStringView(text, bytes.size())));
}
} // namespace

int recordRow(const TextSource& source, const ItemScanner::Span& span) {
    const QByteArrayView bytes = source.view(span.offset, span.length);
    // Most items are plain digits, as the program writes numbers.
    if (bytes.size() < 1 || bytes.size() > 9)
        return recordRowOfText(source, span);
    int whole = 0;
    for (char c : bytes) {
        if (c < '0' || c > '9')
            return recordRowOfText(source, span);
        whole = whole * 10 + (c - '0');
    }
    return whole;
}

void placeRecords(Grid& grid, const QByteArray& bytes, int itemCount, int firstItem,
                  int firstColumn, bool appendRowAfterEach) {
    if (appendRowAfterEach) // about one record a line
        grid.reserveRows(grid.rowCount() + int(lineFeeds(bytes)) + 1);
    // The cells keep spans of the file's bytes, decoded when first read.
    auto source = std::make_shared<const TextSource>(bytes);
    const int sourceNumber = grid.addSource(source);
    ItemScanner scanner(source->bytes());
    while (!scanner.atEnd()) {
        const ItemScanner::Span first = scanner.next();
        const int row = recordRow(*source, first);
        const bool placed = row >= 1 && row < grid.rowCount();
        for (int i = 0; i < itemCount; ++i) {
            const ItemScanner::Span span =
                i == 0 ? first : (scanner.atEnd() ? ItemScanner::Span{} : scanner.next());
            if (placed && i >= firstItem)
                grid.setSpan(row, firstColumn + (i - firstItem), sourceNumber, span.offset,
                             span.length);
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
        for (int c = firstColumn; c <= lastColumn; ++c) {
            // A cell not yet decoded is written from its file bytes.
            if (auto bytes = grid.utf8Span(row, c))
                writer.utf8Text(*bytes);
            else
                writer.text(grid.text(row, c));
        }
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
