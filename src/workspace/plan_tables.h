#pragma once

#include "storage/grid.h"
#include "workspace/plan_data.h"

#include <QStringList>

// The tables in which windows show a plan's data: built from the typed data
// whenever it changes, and never read back (the data stays the source).
namespace lendora::plantables {

// Columns of a details table: name, brand, market share and the seven
// features in their order.
constexpr int detailsColumnCount = 3 + featureCount;

// Row 0 the headings, rows 1 to 3 the own brand, competitor 1 and
// competitor 2.
Grid detailsTable(const ProjectDetails& details, const QStringList& headings);
// The same as a table that grew by one row with every record of the details
// file: the brands up to the last one that holds a text, then an empty row.
Grid growingDetailsTable(const ProjectDetails& details, const QStringList& headings);

// Row 0 the headings, rows 1 to N the segments (column 0 the number, column
// 1 the description), then the empty row where the next segment would go.
Grid segmentsTable(const SegmentDescriptions& segments, const QStringList& headings);

} // namespace lendora::plantables
