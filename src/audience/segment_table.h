#pragma once

#include "storage/grid.h"
#include "workspace/plan_data.h"

#include <QString>

// The segments table of the segments window: row 0 holds the headings "ID"
// and "Discription", rows 1 to N the segments (column 0 the number, column 1
// the description) and row N + 1 is the empty row where the next segment goes.
namespace lendora::segments {

constexpr int idColumn = 0;
constexpr int descriptionColumn = 1;

// Sets the table to the headings and one empty row.
void startTable(Grid& table);

// Row count - 2: the number of segments.
int count(const Grid& table);

// Whether the row holds a segment (not the heading and not the trailing row).
bool isSegmentRow(const Grid& table, int row);

// The descriptions of rows 1 to N.
SegmentDescriptions descriptions(const Grid& table);

// Puts a new segment into the trailing row and appends a fresh empty row.
// Returns the new segment's number.
int add(Grid& table, const QString& description);

// Replaces the description of segment i; false (nothing changed) when row i
// holds no segment.
bool edit(Grid& table, int i, const QString& description);

// Removes segment i and numbers the rows after it anew, the trailing row
// included (it shows the number the next segment gets). False (nothing
// changed) when row i holds no segment.
bool remove(Grid& table, int i);

} // namespace lendora::segments
