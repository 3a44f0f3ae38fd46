#pragma once

#include "workspace/plan_data.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// From respondents to money: what a strategy's forecast means in borrowers,
// loan volume and profit, and what a flat-rate EMI really costs a borrower.
//
// For a strategy (or the current product) with maximum loan value L,
// repayment period N months, EMI E and freebies F, in every segment s with
// r_s respondents (the seven counts of the three poll tables) of whom e_s
// choose the own product:
//   share_s = e_s / r_s, held within 0 and 1 (0 when r_s = 0)
//   customers = sum of M_s x share_s, market share = customers / sum of M_s
//   A = L x u / 100 (the average loan), volume = customers x A
//   P = E x u / 100 (its instalment), i = c / 1200
//   PV = P x (1 - (1 + i)^-N) / i (P x N when c = 0)
//   margin per loan = PV - A - F - K, profit = customers x margin.
namespace lendora::analysis {

// The loan terms a forecast is worked out for.
struct LoanTerms {
    double loanValue = 0; // L
    double period = 0;    // N, months
    double emi = 0;       // E
    double freebies = 0;  // F
    bool operator==(const LoanTerms&) const = default;
};

// The terms of the brand's features (its maximum loan value, period, EMI
// and freebies).
LoanTerms loanTerms(const PerFeature<double>& features);

struct MoneyForecast {
    std::vector<double> customersBySegment;
    double customers = 0;
    double marketShare = 0; // 0 to 1; 0 without borrowers
    double volume = 0;
    double marginPerLoan = 0;
    double profit = 0;
    bool operator==(const MoneyForecast&) const = default;
};

// The forecast in money of one strategy: `respondents` r_s and `chosen` e_s
// per segment (missing entries count as 0).
MoneyForecast moneyForecast(const BusinessCase& inputs, const LoanTerms& terms,
                            const std::vector<double>& respondents,
                            const std::vector<double>& chosen);

// The customers alone, for many resamples or candidates: the same sum as
// moneyForecast, without the vectors.
double customersOf(const std::vector<std::int64_t>& borrowers,
                   const std::vector<double>& respondents, const std::vector<double>& chosen);

// The present value of the instalments at the lender's cost of funds, per
// loan of the average size, and the margin that leaves (PV - A - F - K).
double marginPerLoan(const BusinessCase& inputs, const LoanTerms& terms);

// The margin in two steps, for many strategies that share their loan value,
// period and EMI: PV - A (the freebies are not read), then the margin of
// freebies F from it, the same number as marginPerLoan to the last bit.
double instalmentsLessLoan(const BusinessCase& inputs, const LoanTerms& terms);
double marginAfter(const BusinessCase& inputs, double instalmentsLessLoan, double freebies);

// The effective annual rate of a loan of L paid back in N instalments of E:
// the monthly rate r with L = E x (1 - (1 + r)^-N) / r, as
// ((1 + r)^12 - 1) x 100 per cent. 0 when E x N = L; none when E x N < L,
// or when L, E or N is not above 0.
std::optional<double> effectiveAnnualRate(double loanValue, double emi, double period);

// Splits a total market over the segments in proportion to their
// respondents: whole numbers that add up to the total (the largest
// remainders get the units left over, earlier segments first on a tie). No
// respondents at all split it evenly.
std::vector<std::int64_t> splitMarket(std::int64_t total, const std::vector<double>& respondents);

// Which input a business case is refused for, and why.
enum class BusinessCaseField { Borrowers, AverageLoan, CostOfFunds, AcquisitionCost };
struct InputProblem {
    BusinessCaseField field;
    int segment = 0; // the segment (from 1) of a refused number of borrowers
};
// The first input that is out of range: borrowers below 0, u outside
// (0, 100], c or K below 0 or any value not finite. None when all are fine.
std::optional<InputProblem> checkInputs(const BusinessCase& inputs);

} // namespace lendora::analysis
