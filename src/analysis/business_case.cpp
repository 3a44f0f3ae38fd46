#include "analysis/business_case.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lendora::analysis {

namespace {

double at(const std::vector<double>& values, size_t s) {
    return s < values.size() ? values[s] : 0.0;
}

double shareOf(double chosen, double respondents) {
    if (!(respondents > 0))
        return 0;
    return std::clamp(chosen / respondents, 0.0, 1.0);
}

// The present value of N instalments of P at the monthly rate i.
double presentValue(double instalment, double period, double monthlyRate) {
    if (monthlyRate == 0)
        return instalment * period;
    return instalment * (1 - std::pow(1 + monthlyRate, -period)) / monthlyRate;
}

bool finiteAtLeastZero(double value) {
    return std::isfinite(value) && value >= 0;
}

} // namespace

LoanTerms loanTerms(const PerFeature<double>& f) {
    return {f[2], f[4], f[5], f[6]};
}

double customersOf(const std::vector<std::int64_t>& borrowers,
                   const std::vector<double>& respondents, const std::vector<double>& chosen) {
    double customers = 0;
    for (size_t s = 0; s < borrowers.size(); ++s)
        customers += double(borrowers[s]) * shareOf(at(chosen, s), at(respondents, s));
    return customers;
}

double instalmentsLessLoan(const BusinessCase& inputs, const LoanTerms& terms) {
    const double averageLoan = terms.loanValue * inputs.averageLoanPercent / 100;
    const double instalment = terms.emi * inputs.averageLoanPercent / 100;
    return presentValue(instalment, terms.period, inputs.costOfFunds / 1200) - averageLoan;
}

double marginAfter(const BusinessCase& inputs, double instalmentsLessLoan, double freebies) {
    return instalmentsLessLoan - freebies - inputs.acquisitionCost;
}

double marginPerLoan(const BusinessCase& inputs, const LoanTerms& terms) {
    return marginAfter(inputs, instalmentsLessLoan(inputs, terms), terms.freebies);
}

MoneyForecast moneyForecast(const BusinessCase& inputs, const LoanTerms& terms,
                            const std::vector<double>& respondents,
                            const std::vector<double>& chosen) {
    MoneyForecast money;
    double market = 0;
    for (size_t s = 0; s < inputs.borrowers.size(); ++s) {
        const double borrowers = double(inputs.borrowers[s]);
        money.customersBySegment.push_back(borrowers * shareOf(at(chosen, s), at(respondents, s)));
        money.customers += money.customersBySegment.back();
        market += borrowers;
    }
    money.marketShare = market > 0 ? money.customers / market : 0;
    money.volume = money.customers * terms.loanValue * inputs.averageLoanPercent / 100;
    money.marginPerLoan = marginPerLoan(inputs, terms);
    money.profit = money.customers * money.marginPerLoan;
    return money;
}

std::optional<double> effectiveAnnualRate(double loanValue, double emi, double period) {
    if (!(loanValue > 0) || !(emi > 0) || !(period > 0) || !std::isfinite(loanValue) ||
        !std::isfinite(emi) || !std::isfinite(period))
        return std::nullopt;
    const double paid = emi * period;
    // Equal to the loan within rounding: no interest at all.
    if (std::abs(paid - loanValue) <= 1e-12 * loanValue)
        return 0.0;
    if (paid < loanValue)
        return std::nullopt;
    // The present value of the instalments falls as the rate rises: find the
    // rate where it meets the loan by halving an interval that holds it.
    const auto excess = [&](double r) { return presentValue(emi, period, r) - loanValue; };
    double low = 0;
    double high = 1;
    while (excess(high) > 0 && high < 1e6)
        high *= 2;
    for (int step = 0; step < 200 && high - low > 1e-15 * std::max(high, 1.0); ++step) {
        const double middle = (low + high) / 2;
        (excess(middle) > 0 ? low : high) = middle;
    }
    const double monthly = (low + high) / 2;
    return (std::pow(1 + monthly, 12) - 1) * 100;
}

std::vector<std::int64_t> splitMarket(std::int64_t total, const std::vector<double>& respondents) {
    std::vector<std::int64_t> parts(respondents.size(), 0);
    if (respondents.empty() || total <= 0)
        return parts;
    std::vector<double> weights;
    for (double r : respondents)
        weights.push_back(r > 0 && std::isfinite(r) ? r : 0.0);
    double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
    if (sum <= 0) {
        std::fill(weights.begin(), weights.end(), 1.0);
        sum = double(weights.size());
    }
    std::vector<std::pair<double, size_t>> remainders;
    std::int64_t given = 0;
    for (size_t s = 0; s < weights.size(); ++s) {
        const double exact = double(total) * weights[s] / sum;
        parts[s] = std::int64_t(std::floor(exact));
        given += parts[s];
        remainders.emplace_back(exact - std::floor(exact), s);
    }
    // Larger remainders first; on a tie the earlier segment.
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t k = 0; given < total && k < remainders.size(); ++k, ++given)
        ++parts[remainders[k].second];
    return parts;
}

std::optional<InputProblem> checkInputs(const BusinessCase& inputs) {
    for (size_t s = 0; s < inputs.borrowers.size(); ++s)
        if (inputs.borrowers[s] < 0)
            return InputProblem{BusinessCaseField::Borrowers, int(s) + 1};
    const double u = inputs.averageLoanPercent;
    if (!std::isfinite(u) || u <= 0 || u > 100)
        return InputProblem{BusinessCaseField::AverageLoan};
    if (!finiteAtLeastZero(inputs.costOfFunds))
        return InputProblem{BusinessCaseField::CostOfFunds};
    if (!finiteAtLeastZero(inputs.acquisitionCost))
        return InputProblem{BusinessCaseField::AcquisitionCost};
    return std::nullopt;
}

} // namespace lendora::analysis
