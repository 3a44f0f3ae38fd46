#pragma once

#include "analysis/business_case_rows.h"

#include <QString>
#include <QStringList>

#include <optional>

// The Guru's words on the business case, with the user's own names and
// values; the window shows them only while the Guru is switched on.
namespace lendora::guru {

// On the panel: what the inputs mean, with the inputs as stored (none yet:
// how to start) and the brands' effective annual rates. `brands` are the
// three brand names, own first.
QString aboutBusinessCase(const std::optional<BusinessCase>& inputs, const QStringList& brands,
                          const PerBrand<std::optional<double>>& rates);

// On one row of the table: its customers, margin, profit and gain, and
// what its EMI really costs a borrower.
QString businessCaseRow(const analysis::BusinessCaseRow& row, const BusinessCase& inputs,
                        const QString& brand);

// On the chance that strategy a makes more profit than strategy b, with
// their profits' intervals.
QString profitBeatChance(int a, int b, double chance, const analysis::MoneyIntervals& first,
                         const analysis::MoneyIntervals& second);

} // namespace lendora::guru
