#pragma once

#include "analysis/business_case.h"
#include "analysis/intervals.h"
#include "analysis/plan_analysis.h"

#include <atomic>
#include <optional>
#include <vector>

// The business case of a plan's strategies: for the current product and
// every strategy its customers, volume, margin and profit (business_case.h),
// the gain over the current product, the effective annual rate, and the 90%
// intervals of customers, profit and gain from the resamples of the poll.
namespace lendora::analysis {

// r_s: the seven counts of each segment summed over the three poll tables.
std::vector<double> segmentRespondents(const PlanPoll& poll, int segments);
// e_s of the current product: the own product's seven counts of each
// segment, each taken whole as Analyse takes a feature left unchanged.
std::vector<double> currentChoices(const PlanPoll& poll, int segments);
// The effective annual rate of each brand's maximum loan value, EMI and
// repayment period (effectiveAnnualRate).
PerBrand<std::optional<double>> brandEffectiveRates(const ProjectDetails& details);
// The current product as a strategy that changes nothing.
StrategyInput currentProduct(const ProjectDetails& details);

struct BusinessCaseRow {
    int strategy = 0; // 0 the current product, k strategy k
    LoanTerms terms;
    MoneyForecast money;
    double gain = 0; // profit minus the current product's profit
    std::optional<double> effectiveRate;
    bool operator==(const BusinessCaseRow&) const = default;
};

// The current product first, then strategies 1 to K in order.
std::vector<BusinessCaseRow> businessCaseRows(const PlanAnalysis& plan, const BusinessCase& inputs);

struct MoneyInterval {
    double low = 0;
    double high = 0;
};
// The 90% intervals of a row's money, and the profit of every resample.
struct MoneyIntervals {
    MoneyInterval customers;
    MoneyInterval profit;
    MoneyInterval gain;
    std::vector<double> profitSamples;
};

// The intervals of the rows (`strategies` are those of rows 1 to K): in
// every resample, the segment totals give the customers as the forecast
// does, the customers times the row's margin the profit, and the profit
// less the current product's in the same resample the gain. The 5th to the
// 95th percentile, widened to hold the row's own figure. A raised cancel
// flag ends early with no result.
std::vector<MoneyIntervals> businessCaseIntervals(const ResampledPolls& resampled,
                                                  const PlanAnalysis& plan,
                                                  const BusinessCase& inputs,
                                                  const std::vector<BusinessCaseRow>& rows,
                                                  const std::atomic<bool>* cancel = nullptr);

// The chance that row a's profit beats row b's: the share of resamples in
// which it is higher, ties counting half.
double profitBeatChance(const MoneyIntervals& a, const MoneyIntervals& b);

} // namespace lendora::analysis
