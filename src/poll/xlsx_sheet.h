#pragma once

#include "poll/survey_layout.h"
#include "poll/xlsx_archive.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The rows of a worksheet part as the answers a survey export holds: shared
// and inline strings as their text, numbers in their shortest decimal form,
// booleans as TRUE and FALSE, numbers in a date or time style as
// "2024-03-05 14:30:00", errors as their code ("#N/A").
namespace lendora::poll {

// What cells are read with.
struct CellContext {
    QStringList sharedStrings;
    std::vector<bool> dateStyles; // per cell style index
    bool date1904 = false;
};

enum class SheetError { None, Damaged, TooManyRows };

// Hands the rows to `onRow` in order, each with its number (from 1) and
// its cells that hold a text, by column; reading stops early when `onRow`
// returns false. A row numbered past `maxRows` stops it with TooManyRows;
// rows or cells out of order, a shared string that is not there or a
// damaged part with Damaged (the archive's own error, when it has one, is
// the archive's).
SheetError readSheetRows(XlsxArchive& archive, const QString& part, const CellContext& context,
                         int maxRows,
                         const std::function<bool(int, const std::vector<SheetCell>&)>& onRow);

// The column of a cell reference from 0 ("A1" is 0, "AB7" 27); -1 when the
// reference names none of the 16,384 columns a sheet has.
int columnOf(QStringView reference);

// The text of a day number as the format counts days (from 1900 or 1904):
// "2024-03-05", "2024-03-05 14:30:00", or "14:30:00" for a time alone.
QString dateText(double days, bool date1904);

} // namespace lendora::poll
