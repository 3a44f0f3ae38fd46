#include "analysis/business_case_rows.h"

#include "storage/numbers.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace lendora::analysis {

std::vector<double> segmentRespondents(const PlanPoll& poll, int segments) {
    std::vector<double> respondents(size_t(std::max(segments, 0)), 0.0);
    for (int s = 0; s < segments; ++s)
        for (int f = 0; f < featureCount; ++f)
            for (double count : brandCounts(poll, s, f))
                respondents[size_t(s)] += count;
    return respondents;
}

std::vector<double> currentChoices(const PlanPoll& poll, int segments) {
    std::vector<double> chosen(size_t(std::max(segments, 0)), 0.0);
    for (int s = 0; s < segments; ++s)
        for (int f = 0; f < featureCount; ++f)
            chosen[size_t(s)] += toWhole(brandCounts(poll, s, f)[0]);
    return chosen;
}

PerBrand<std::optional<double>> brandEffectiveRates(const ProjectDetails& details) {
    PerBrand<std::optional<double>> rates;
    for (int b = 0; b < brandCount; ++b) {
        const auto& f = details.brands[size_t(b)].features;
        rates[size_t(b)] = effectiveAnnualRate(f[feature::loanValue].value, f[feature::emi].value,
                                               f[feature::repaymentPeriod].value);
    }
    return rates;
}

StrategyInput currentProduct(const ProjectDetails& details) {
    StrategyInput current;
    for (int f = 0; f < featureCount; ++f)
        current.values[size_t(f)] = ownValue(details, f);
    return current;
}

namespace {

BusinessCaseRow rowOf(int strategy, const LoanTerms& terms, const BusinessCase& inputs,
                      const std::vector<double>& respondents, const std::vector<double>& chosen) {
    BusinessCaseRow row;
    row.strategy = strategy;
    row.terms = terms;
    row.money = moneyForecast(inputs, terms, respondents, chosen);
    row.effectiveRate = effectiveAnnualRate(terms.loanValue, terms.emi, terms.period);
    return row;
}

// The 5th and 95th percentiles of the samples (which it reorders), widened
// to hold the figure itself; the same ranks as the respondents' intervals.
MoneyInterval percentiles(std::vector<double>& samples, double figure) {
    MoneyInterval interval{figure, figure};
    if (samples.empty())
        return interval;
    const size_t n = samples.size();
    const auto lowRank = std::ptrdiff_t(std::floor(0.05 * double(n - 1)));
    const auto highRank = std::ptrdiff_t(std::ceil(0.95 * double(n - 1)));
    std::nth_element(samples.begin(), samples.begin() + lowRank, samples.end());
    interval.low = std::min(samples[size_t(lowRank)], figure);
    std::nth_element(samples.begin() + lowRank, samples.begin() + highRank, samples.end());
    interval.high = std::max(samples[size_t(highRank)], figure);
    return interval;
}

// The customers of every resample: the resampled segment totals as shares
// of the segments' respondents, times the segments' borrowers.
std::vector<double> customerSamples(const ResampledPolls& resampled, const StrategyInput& strategy,
                                    const BusinessCase& inputs,
                                    const std::vector<double>& respondents) {
    const size_t k = size_t(resampled.resamples());
    std::vector<double> customers(k, 0.0);
    std::vector<double> totals(k);
    const int segments = std::min(resampled.segments(), int(inputs.borrowers.size()));
    for (int s = 0; s < segments; ++s) {
        const double r = respondents[size_t(s)];
        const double borrowers = double(inputs.borrowers[size_t(s)]);
        if (!(r > 0) || borrowers == 0)
            continue;
        std::fill(totals.begin(), totals.end(), 0.0);
        resampled.addSegmentSamples(strategy, s, totals.data());
        for (size_t i = 0; i < k; ++i)
            customers[i] += borrowers * std::clamp(totals[i] / r, 0.0, 1.0);
    }
    return customers;
}

} // namespace

std::vector<BusinessCaseRow> businessCaseRows(const PlanAnalysis& plan,
                                              const BusinessCase& inputs) {
    const int segments = plan.segmentCount();
    const std::vector<double> respondents = segmentRespondents(plan.poll(), segments);
    std::vector<BusinessCaseRow> rows;
    rows.reserve(plan.strategies().size() + 1);
    rows.push_back(rowOf(0, loanTerms(currentProduct(plan.details()).values), inputs, respondents,
                         currentChoices(plan.poll(), segments)));
    std::vector<double> chosen;
    for (size_t k = 0; k < plan.strategies().size(); ++k) {
        const Strategy& strategy = plan.strategies()[k];
        chosen.assign(size_t(segments), 0.0);
        for (size_t s = 0; s < chosen.size() && s < strategy.segmentEstimates.size(); ++s)
            chosen[s] = strategy.segmentEstimates[s].value_or(0);
        rows.push_back(rowOf(int(k) + 1, loanTerms(strategy.values), inputs, respondents, chosen));
    }
    for (BusinessCaseRow& row : rows)
        row.gain = row.money.profit - rows.front().money.profit;
    return rows;
}

std::vector<MoneyIntervals> businessCaseIntervals(const ResampledPolls& resampled,
                                                  const PlanAnalysis& plan,
                                                  const BusinessCase& inputs,
                                                  const std::vector<BusinessCaseRow>& rows,
                                                  const std::atomic<bool>* cancel) {
    std::vector<StrategyInput> strategies{currentProduct(plan.details())};
    for (const StrategyInput& strategy : plan.strategyInputs())
        strategies.push_back(strategy);
    if (strategies.size() != rows.size())
        return {};
    const std::vector<double> respondents = segmentRespondents(plan.poll(), plan.segmentCount());
    std::vector<std::vector<double>> customers(rows.size());
    // The rows shared out over the worker threads, each row whole.
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t j = next++; j < rows.size(); j = next++) {
            if (cancel && *cancel)
                return;
            customers[j] = customerSamples(resampled, strategies[j], inputs, respondents);
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min(workerThreads(), int(rows.size())); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    if (cancel && *cancel)
        return {};

    std::vector<MoneyIntervals> intervals(rows.size());
    std::vector<double> current;
    for (size_t j = 0; j < rows.size(); ++j) {
        MoneyIntervals& money = intervals[j];
        std::vector<double>& samples = customers[j];
        money.profitSamples.resize(samples.size());
        for (size_t i = 0; i < samples.size(); ++i)
            money.profitSamples[i] = samples[i] * rows[j].money.marginPerLoan;
        if (j == 0)
            current = money.profitSamples;
        std::vector<double> gains(samples.size());
        for (size_t i = 0; i < samples.size(); ++i)
            gains[i] = money.profitSamples[i] - current[i];
        money.customers = percentiles(samples, rows[j].money.customers);
        std::vector<double> profits = money.profitSamples;
        money.profit = percentiles(profits, rows[j].money.profit);
        money.gain = percentiles(gains, rows[j].gain);
    }
    return intervals;
}

double profitBeatChance(const MoneyIntervals& a, const MoneyIntervals& b) {
    return shareAbove(a.profitSamples, b.profitSamples);
}

} // namespace lendora::analysis
