#pragma once

#include "storage/grid.h"
#include "storage/record_file.h"
#include "workspace/plan_data.h"
#include "workspace/records.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The poll tables of a project plan (one per product: the own product,
// competitor 1, competitor 2), their poll files and the plan's poll
// completion flag.
//
// A poll table has the headings of row 0, one row per segment of the plan's
// audience (row r is segment r, column 0 its description, columns 1 to 7 the
// counts of the seven features, column 8 the segment total) and a last row
// "Totals" with the column sums.
namespace lendora::poll {

constexpr int productCount = 3;
using lendora::featureCount;
constexpr int columnCount = 9;
constexpr int totalColumn = 8;
constexpr int itemCount = 9; // items of a poll file record

// Products, numbered as their tabs, poll files and flag characters.
namespace product {
constexpr int own = 0;
constexpr int competitor1 = 1;
constexpr int competitor2 = 2;
} // namespace product

inline const QString totalsLabel = QStringLiteral("Totals");

// "Segment", the seven feature names, "Totals".
QStringList headings();

// "_01.lnd", "_11.lnd" or "_21.lnd".
QString fileSuffix(int product);
// The project number, the audience number and the product's suffix: project
// 2 with audience 3 keeps its own product's counts in "23_01.lnd".
QString fileName(long long project, long long audience, int product);
QString fileName(const Plan& plan, int product);

// Lays out an empty poll table: headings, one row per segment record (its
// description in column 0 of the row named by the record's number; one row
// appended per record) and "Totals" in column 0 of the last row. N records
// give N + 2 rows.
void layOut(Grid& table, const std::vector<QStringList>& segmentRecords);
// The same for the segments of the plan's audience, read from its segment
// file; a missing file gives the headings and the "Totals" row only.
void layOut(const RecordFolder& folder, const Plan& plan, Grid& table);

// Fills the count cells of a laid-out table from the product's poll file:
// each record goes to the row its number names (rounded halves to even),
// items 2 to 9 into columns 1 to 8; records naming no row are skipped. Then
// the totals are recomputed. A missing file loads nothing.
void load(const RecordFolder& folder, const Plan& plan, int product, Grid& table);

// The counts of rows 1 to N of the table, the cells as they stand (a cell
// that holds no number counts as not entered).
ProductCounts productCounts(const Grid& table);

// Rewrites the totals row: for columns 1 to 8 the single-precision sum of the
// leading numbers of the segment rows (empty cells count as 0).
void computeTotals(Grid& table);

// The same for typed counts: columns 1 to 7 the features, column 8 the
// segment totals (index 0 stands for column 1). A count not entered adds 0;
// an addition whose result does not fit a float is left out.
std::array<float, totalColumn> columnTotals(const ProductCounts& counts);

// A count as its cell shows it: its shortest decimal form, empty when it was
// not entered.
QString countText(const PollCount& count);

// The counts of a segment as the entry fields give them: each field's leading
// number ("007" counts 7, a word 0) and their sum as the segment total.
SegmentCounts enteredCounts(const std::array<QString, featureCount>& fieldTexts);

// Writes the seven counts of segment row `row` from the entry field texts
// (their leading numbers, so "007" becomes "7") and the segment total.
void writeCounts(Grid& table, int row, const std::array<QString, featureCount>& fieldTexts);

// Which products Open loads for a stored flag, in order, and which tab it
// selects (-1: the selection is left as it is).
struct OpenSteps {
    std::vector<int> loads;
    int tab = -1;
};
OpenSteps openSteps(const PollCompletion& completion);

} // namespace lendora::poll
