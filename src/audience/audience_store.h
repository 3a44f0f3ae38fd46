#pragma once

#include "storage/grid.h"
#include "storage/record_file.h"

#include <QString>

// A target audience in the audience table of the working copy and on disk.
namespace lendora::audience {

// Fills row n of the audience table: the number, the definition and the
// segment count as texts. When row n was the trailing empty row a new empty
// row is appended, so the table keeps exactly one trailing row however often
// the row is filled. Returns whether the row was new.
bool placeRow(Grid& audiences, int n, const QString& definition, int segmentCount);

// Takes back row n when it is the last audience of the table, as for an
// audience that was put there but can no longer be stored. Returns whether
// the row was removed.
bool withdrawRow(Grid& audiences, int n);

// Stores audience n from row n of the audience table and the segments table,
// in this order: its record in "ta.lnd" (a fresh file for n = 1, appended
// otherwise), its segment file, "tfag.lnd". Stops at the first failure and
// returns it. A record that an earlier, partly failed attempt wrote is
// replaced, not appended again. recordWritten is set once the record is
// written.
WriteStatus save(const RecordFolder& folder, const Grid& audiences, int n, const Grid& segments,
                 bool& recordWritten);

} // namespace lendora::audience
