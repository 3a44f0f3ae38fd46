#pragma once

#include "storage/numbers.h"
#include "workspace/plan_data.h"

#include <QString>

#include <array>

// What every forecast of a plan reads: the three brands' feature values from
// the project's details and the poll counts of the three products, as
// numbers. Features are indexed 0 to 6 and brands 0 to 2 (own product,
// competitor 1, competitor 2); segments 0 to N - 1.
namespace lendora::analysis {

using lendora::brandCount;
using lendora::featureCount;

namespace feature {
constexpr int interest = 0;
constexpr int minIncome = 1;
constexpr int loanValue = 2;
constexpr int loanPercentage = 3;
constexpr int repaymentPeriod = 4;
constexpr int emi = 5;
constexpr int freebies = 6;
} // namespace feature

// Whether a feature enters the EMI (interest, loan value and period do).
constexpr bool entersEmi(int f) {
    return f == feature::interest || f == feature::loanValue || f == feature::repaymentPeriod;
}

// A strategy's seven values, in feature order.
using FeatureValues = PerFeature<double>;
// One value or count per brand: own product, competitor 1, competitor 2.
using BrandPoints = std::array<double, brandCount>;

// The three brands' values of a feature (their leading numbers).
BrandPoints brandValues(const ProjectDetails& details, int feature);
// The own product's value of a feature.
double ownValue(const ProjectDetails& details, int feature);

// The three products' counts of a segment and feature, a count not entered
// as 0; competitor 2's is taken in single precision, as the forecast always
// took it.
BrandPoints brandCounts(const PlanPoll& poll, int segment, int feature);
// The three products' segment totals, as entered or stored.
BrandPoints segmentTotals(const PlanPoll& poll, int segment);

// What the user calls a brand: its brand name, or its name when the brand
// is empty; empty when both are.
QString brandName(const ProjectDetails& details, int brand);

// A number as a table shows it and reads it back: a double written at 15
// significant digits, a float in its shortest form. The comparison keeps
// every number as shown, so what is saved, totalled and drawn is what the
// user sees.
inline double shownDouble(double value) {
    return leadingNumber(doubleText(value));
}
inline double shownFloat(float value) {
    return leadingNumber(floatText(value));
}

} // namespace lendora::analysis
