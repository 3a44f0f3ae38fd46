#pragma once

#include <QByteArray>
#include <QString>

namespace lendora::test {

// The workbook as an independent reader (openpyxl) sees it, one fact a line
// (see tests/support/dump_workbook.py); the reader's complaint when it
// cannot read it.
QString dumpWorkbook(const QByteArray& workbook);

} // namespace lendora::test
