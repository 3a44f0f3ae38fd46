#pragma once

#include "storage/grid.h"
#include "storage/record_file.h"

#include <QString>
#include <QStringList>

#include <vector>

// The segment file of a target audience: one record per segment, the
// segment number and its description.
namespace lendora::segments {

constexpr int itemCount = 2;

// "2-segFile.lnd" for audience 2.
QString fileName(long long audience);

// The headings of a segments table: "ID" and "Discription".
QStringList headings();

// Every record of the audience's segment file; none when it is missing.
std::vector<QStringList> read(const RecordFolder& folder, long long audience);

// Reads the segments into a table: record k into row k (column 0 the number,
// column 1 the description), one empty row appended after each record.
void readInto(const RecordFolder& folder, long long audience, Grid& table);

// The file bytes of rows 1 to row count - 2 of a segments table: record k is
// the number k and the description in column 1. No segments give an empty
// file, so that a file left under the audience's number by an earlier
// installation is not taken for its own.
QByteArray bytes(const Grid& table);

} // namespace lendora::segments
