#pragma once

#include "analysis/business_case.h"
#include "analysis/forecast.h"

#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// "Suggest strategies": the strategies with the highest forecast grand total
// (or the most customers, or the most profit) over a grid of new values for
// the features the user lets change.
namespace lendora::analysis {

// What the search ranks strategies by.
enum class Objective {
    Respondents, // the forecast grand total
    Customers,   // the borrowers the business case expects
    Profit,      // their profit over the loans' present value
};

// The values one feature may take: low, low + step, ... up to high (high
// itself always included). A feature that is not free keeps the own value.
struct SearchRange {
    bool free = false;
    double low = 0;
    double high = 0;
    double step = 0;
};
using SearchSpace = std::array<SearchRange, featureCount>;

// Every feature fixed, its bounds the three brands' lowest and highest value
// (so that nothing extrapolates) and a tenth of that as step.
SearchSpace defaultSearchSpace(const ProjectDetails& details);

// The values of the range, in rising order; only `low` for a step of 0.
std::vector<double> gridValues(const SearchRange& range);

struct Suggestion {
    FeatureValues values{};
    // The change flags the strategy gets when its values are confirmed.
    PerFeature<bool> changed{};
    std::int64_t total = 0; // the forecast grand total
    // In money, when the search ranks by customers or profit.
    double customers = 0;
    double profit = 0;
    // The seven flags as "0" and "1", as the novelty check joins them.
    QString pattern() const;
};

// The strategy the chosen values make: the fixed features at the own
// product's values; the EMI recomputed by the strategy EMI rule (shown in
// the "######.##" pattern) when interest, loan value or period changed;
// the flags by the change-flag rule.
Suggestion makeSuggestion(const ProjectDetails& details, FeatureValues values);

// The seven entry field texts of a suggestion.
QStringList suggestionTexts(const Suggestion& suggestion);

// The figure a suggestion is ranked by.
double score(const Suggestion& suggestion, Objective objective);

// What a search is for, beyond its grid.
struct SearchGoal {
    Objective objective = Objective::Respondents;
    // The plan's business case: needed to rank by customers or profit.
    std::optional<BusinessCase> money;
    // The strategies added so far: a candidate that Analyse would refuse as
    // already existing against them is left out.
    std::vector<StrategyInput> stored;
};

// A strategy the search forecast, in money, for the customers-profit view.
struct Candidate {
    FeatureValues values{}; // the suggestion's values (makeSuggestion gives its flags)
    double customers = 0;
    double profit = 0;
};

struct SearchResult {
    Objective objective = Objective::Respondents;
    std::vector<Suggestion> best; // highest score first
    bool exhaustive = false;      // every grid point was forecast
    bool cancelled = false;
    std::int64_t forecasts = 0; // strategies forecast
    // Distinct strategies left out because Analyse would refuse them as
    // already existing.
    std::int64_t notNew = 0;
    // With a money objective: every strategy forecast (a grid point once,
    // however often a search visits it), and the current product.
    std::vector<Candidate> candidates;
    Candidate current;
};

// Why an objective cannot be searched for with the plan's business case as
// stored (`damaged`: its file could not be read); empty when it can.
QString objectiveUnavailable(Objective objective, const std::optional<BusinessCase>& money,
                             bool damaged);

// The money forecast of the current product: the own product's values and
// poll totals.
Candidate currentProduct(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                         const BusinessCase& money);

// Grids of at most this many points are searched point by point; larger
// ones by coordinate ascent: from a start, each free feature in turn moves
// to its best grid value with the others held, until no move gains; the
// first start is the own product's values, the others random grid points.
constexpr std::int64_t exhaustiveLimit = 250000;
constexpr int ascentStarts = 48;

// Searches the space for the goal; strategies that change nothing are never
// suggested, nor one that Analyse would refuse, nor an EMI outside the EMI's
// bounds when the EMI is free. A money objective without a business case
// ranks by respondents. Progress goes 0 to 100; a raised cancel flag ends
// the search with what it found so far.
SearchResult searchStrategies(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                              const SearchSpace& space, int count = 10,
                              const std::function<void(int percent)>& progress = {},
                              const std::atomic<bool>* cancel = nullptr,
                              const SearchGoal& goal = {});

} // namespace lendora::analysis
