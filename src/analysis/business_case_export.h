#pragma once

#include "analysis/analysis_export.h"
#include "analysis/business_case_rows.h"

#include <QStringList>

#include <vector>

// The business case in the exports of the comparison: a section of its own
// at the end of the CSV file and a page of the PDF report. A plan without
// a business case exports exactly as before.
namespace lendora::analysis {

// The CSV records of the section: an empty line, the title line "Business
// case", the inputs (average loan, cost of funds, acquisition cost, then
// each segment's borrowers), an empty line and the business case table,
// each 90% interval in a low and a high column.
std::vector<QStringList> businessCaseRecords(const PlanAnalysis& plan, const BusinessCase& inputs,
                                             const std::vector<BusinessCaseRow>& rows,
                                             const std::vector<MoneyIntervals>* intervals);

// The report's page: the inputs and the table without its per-segment
// columns (an A4 page holds a dozen columns, not hundreds).
void addBusinessCase(AnalysisReport& report, const PlanAnalysis& plan, const BusinessCase& inputs,
                     const std::vector<BusinessCaseRow>& rows,
                     const std::vector<MoneyIntervals>* intervals);

} // namespace lendora::analysis
