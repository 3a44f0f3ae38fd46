#pragma once

#include "storage/grid.h"
#include "storage/record_file.h"

#include <QString>
#include <QStringList>

namespace lendora::details {

constexpr int itemCount = 11;
constexpr int columnCount = 10;

// Columns of a details table (items 2 to 11 of a record).
constexpr int name = 0;
constexpr int brand = 1;
constexpr int marketShare = 2;
constexpr int firstFeature = 3; // interest; the seven features follow in order
constexpr int interest = 3;
constexpr int minIncome = 4;
constexpr int loanValue = 5;
constexpr int loanPercentage = 6;
constexpr int repaymentPeriod = 7;
constexpr int emi = 8;
constexpr int freebies = 9;

// The headings of a details table: the given first heading ("Product and
// Competitors" or "Names"), then "Brand", "Market Share" and the seven features.
QStringList headings(const QString& firstHeading);

// "3_pdtl.lnd" for project 3.
QString fileName(long long project);

// The file bytes of rows 1 to 3, columns 0 to 9 of the table: the project's
// three records (own product, competitor 1, competitor 2).
QByteArray bytes(const Grid& table);

// Reads the project's records into the rows named by their first items,
// items 2 to 11 into columns 0 to 9, appending one empty row after each
// record when appendRows is set. A missing file reads nothing.
void readInto(const RecordFolder& folder, long long project, Grid& table, bool appendRows);

} // namespace lendora::details
