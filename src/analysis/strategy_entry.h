#pragma once

#include "analysis/analysis_tables.h"
#include "storage/grid.h"

#include <QString>
#include <QStringList>

#include <optional>

// Composing a strategy in the "New Analysis" frame: the entry field texts,
// the change flags decided on Enter and the EMI recomputed from interest,
// loan value and period.
namespace lendora::analysis {

// The own product's value of feature 1 to 7 (base table row 1).
double baseValue(const Grid& base, int feature);

// The change-flag rule: the entered value against the base value taken in
// single precision, so 10.1 (which a float cannot hold) counts as changed
// even when it is confirmed unchanged.
bool differsFromBase(double value, double baseValue);

// The texts of the seven entry fields for a fresh strategy: the own
// product's base values, the Freebies value passed through single precision.
// Used when the window opens and again after every Add, so that confirming a
// field unchanged never flags a change that was not made.
QStringList entryTexts(const Grid& base);

// Enter in the entry field of a feature: sets its change flag by the rule
// above; a changed interest, loan value or period also sets
// `lblNewEMIFlag` (an unchanged one leaves it as it was). Returns the flag.
bool confirmFeature(AnalysisTables& tables, int feature, const QString& fieldText);

// The strategy EMI (V / R) x ((100 + I x (R / 12)) / 100), evaluated in
// double precision and rounded to single precision. No value for a period
// of 0 or a result that does not fit a float.
std::optional<float> strategyEmi(double interest, double loanValue, double period);

// Enter in the Repayment Period field, after confirmFeature: when
// `lblNewEMIFlag` is set, the new EMI text in the pattern "######.##" from
// the three field texts, and `lblEFlag` is set. No value (the EMI field
// keeps its text and `lblEFlag` stays) when the EMI needs no recomputation or
// the period is 0.
std::optional<QString> recomputeEmi(AnalysisTables& tables, const QString& interestText,
                                    const QString& loanValueText, const QString& periodText);

} // namespace lendora::analysis
