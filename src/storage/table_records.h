#pragma once

#include "storage/grid.h"
#include "storage/record_codec.h"

#include <QStringList>

#include <vector>

namespace lendora {

// The row a record names by its first item: its leading number rounded
// halves to even.
int recordRow(const QString& firstItem);
// The same, read straight from an item's bytes.
int recordRow(const TextSource& source, const ItemScanner::Span& item);

// Places each record in the row named by its first item: items from
// firstItem on go to the columns from firstColumn on. Records naming row 0,
// a negative row or a row beyond the table are not placed. With
// appendRowAfterEach one empty row is appended after every record, placed or
// not, as the loaders of growing tables do.
void placeRecords(Grid& grid, const std::vector<QStringList>& records, int firstItem,
                  int firstColumn, bool appendRowAfterEach);

// The same, reading the records straight from file bytes.
void placeRecords(Grid& grid, const QByteArray& bytes, int itemCount, int firstItem,
                  int firstColumn, bool appendRowAfterEach);

// Records of a table with a trailing row: rows 1 to row count - 2, each the
// row number followed by columns firstColumn to lastColumn as texts.
std::vector<Record> tableRecords(const Grid& grid, int firstColumn, int lastColumn);
// The file bytes of those records; empty when the table has no records.
QByteArray tableBytes(const Grid& grid, int firstColumn, int lastColumn);

} // namespace lendora
