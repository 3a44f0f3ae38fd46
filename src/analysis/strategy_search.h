#pragma once

#include "analysis/forecast.h"

#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// "Suggest strategies": the strategies with the highest forecast grand total
// over a grid of new values for the features the user lets change.
namespace lendora::analysis {

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

struct SearchResult {
    std::vector<Suggestion> best; // highest total first
    bool exhaustive = false;      // every grid point was forecast
    bool cancelled = false;
    std::int64_t forecasts = 0; // strategies forecast
};

// Grids of at most this many points are searched point by point; larger
// ones by coordinate ascent: from a start, each free feature in turn moves
// to its best grid value with the others held, until no move gains; the
// first start is the own product's values, the others random grid points.
constexpr std::int64_t exhaustiveLimit = 250000;
constexpr int ascentStarts = 48;

// Searches the space; strategies that change nothing are never suggested
// and neither is an EMI outside the EMI's bounds when the EMI is free.
// Progress goes 0 to 100; a raised cancel flag ends the search with what
// it found so far.
SearchResult searchStrategies(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                              const SearchSpace& space, int count = 10,
                              const std::function<void(int percent)>& progress = {},
                              const std::atomic<bool>* cancel = nullptr);

} // namespace lendora::analysis
