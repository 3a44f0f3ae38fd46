#pragma once

#include "analysis/forecast_inputs.h"

#include <QString>
#include <QStringList>

#include <optional>

// Composing a strategy in the "New Analysis" frame: the change flags decided
// as each field is confirmed with Enter, and the EMI recomputed from
// interest, loan value and period.
namespace lendora::analysis {

// The change-flag rule: the entered value against the base value taken in
// single precision, so 10.1 (which a float cannot hold) counts as changed
// even when it is confirmed unchanged.
bool differsFromBase(double value, double baseValue);

// The entry frame's state for the strategy being composed.
struct StrategyEntry {
    PerFeature<bool> changed{}; // each feature's flag, set when its field is confirmed
    // Interest, loan value or period changed: the EMI is recomputed when the
    // period is confirmed.
    bool emiRecomputed = false;

    // Enter in the field of a feature, holding `value`: sets the feature's
    // flag by the rule above; a changed interest, loan value or period also
    // sets emiRecomputed (an unchanged one leaves it as it was). Returns the
    // flag.
    bool confirm(const ProjectDetails& details, int feature, double value);
    // Enter in the Repayment Period field, after confirm(): when the EMI is
    // to be recomputed, the new EMI from the three values, and the EMI's flag
    // is set. No value (the EMI field keeps its text and the flag stays)
    // when it needs no recomputation or the period is 0.
    std::optional<float> recomputeEmi(double interest, double loanValue, double period);
    // Every flag back to unchanged, for the next strategy.
    void clear() { *this = StrategyEntry(); }
};

// The strategy EMI (V / R) x ((100 + I x (R / 12)) / 100), evaluated in
// double precision and rounded to single precision. No value for a period
// of 0 or a result that does not fit a float.
std::optional<float> strategyEmi(double interest, double loanValue, double period);

// The texts of the seven entry fields for a fresh strategy: the own
// product's values as typed, the Freebies value passed through single
// precision. Used when the window opens and after every Add, so that
// confirming a field unchanged never flags a change that was not made.
QStringList freshEntryTexts(const ProjectDetails& details);
// The values those texts hold.
FeatureValues freshEntryValues(const ProjectDetails& details);

// The leading numbers of the seven field texts (missing texts count as 0).
FeatureValues fieldValues(const QStringList& texts);

} // namespace lendora::analysis
