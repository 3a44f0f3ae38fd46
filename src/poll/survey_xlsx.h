#pragma once

#include "poll/survey_responses.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Excel workbooks (.xlsx): one worksheet read as a comma-separated export of
// the same rows would be (see survey_layout.h). A workbook is refused, with
// the reason, when it is damaged, protected by a password, an old binary
// workbook (.xls), when its sheet has more rows than a sheet may have here,
// or when its archive would expand past the byte budget.
namespace lendora::poll {

struct WorkbookLimits {
    int rows = 1'000'000;
    qint64 expandedBytes = qint64(1) << 30; // all parts of the archive, inflated
    long long cells = 50'000'000;           // columns times respondents
};

// True when the bytes begin like a workbook: a ZIP archive, or the compound
// file that old and encrypted workbooks are.
bool looksLikeWorkbook(const QByteArray& start);

// The names of the workbook's worksheets, in its order; no value, and the
// reason in `error`, when it cannot be read.
std::optional<QStringList> workbookSheets(const QByteArray& bytes, QString& error,
                                          const WorkbookLimits& limits = {});

// The respondents of worksheet `sheet` (from 0, in the order above).
std::optional<SurveyResponses> readWorkbook(const QByteArray& bytes, int sheet, QString& error,
                                            const WorkbookLimits& limits = {});

} // namespace lendora::poll
