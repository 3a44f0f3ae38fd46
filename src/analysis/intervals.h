#pragma once

#include "analysis/forecast.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <vector>

// How far the forecast can be trusted, given how many respondents the poll
// had: 90% intervals from resampling the poll counts.
//
// The resampling is the Bayesian bootstrap of each segment: the segment's
// respondents fall into 21 cells (three brands times seven features), and a
// resample draws the cells' shares from the Dirichlet posterior whose
// parameters are the observed counts (independent gamma draws with the
// counts as shapes, normalised), times the segment's respondents. Every
// resample is forecast by the same parabola and rounding as Analyse. The
// generator is seeded per segment from a fixed seed, so the intervals repeat
// exactly, whatever the number of threads.
namespace lendora::analysis {

// A 90% interval of respondents, from the 5th to the 95th percentile of the
// resamples, widened where needed to hold the forecast itself.
struct Interval {
    std::int64_t low = 0;
    std::int64_t high = 0;
    bool operator==(const Interval&) const = default;
};

// "low–high".
QString intervalText(const Interval& interval);

struct StrategyIntervals {
    std::vector<Interval> segments;              // segment totals, segments 0 to N - 1
    std::array<Interval, featureCount> features; // feature totals
    Interval total;                              // grand total
    std::vector<std::int64_t> totalSamples;      // the grand total of every resample
};

// Called with the work done so far, 0 to `total`; may come from any thread.
using ProgressCallback = std::function<void(int done, int total)>;

class ResampledPolls {
public:
    static constexpr int defaultResamples = 2000;
    static constexpr std::uint64_t defaultSeed = 20120917;

    // Draws the resamples of the plan's segments and works out every
    // resample's parabolas, on several threads. A raised cancel flag leaves
    // the draws incomplete (cancelled() tells).
    ResampledPolls(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                   int resamples = defaultResamples, std::uint64_t seed = defaultSeed,
                   const std::atomic<bool>* cancel = nullptr);

    int segments() const { return segments_; }
    int resamples() const { return resamples_; }
    std::uint64_t seed() const { return seed_; }
    bool cancelled() const { return cancelled_; }

    // The forecast of Analyse for the strategy in a segment and feature.
    std::int64_t estimate(const StrategyInput& strategy, int segment, int feature) const;

    // The intervals of the strategy's segment totals, feature totals and
    // grand total.
    StrategyIntervals intervals(const StrategyInput& strategy) const;
    // The same for `count` strategies at once, into results[0 .. count - 1].
    void intervals(const StrategyInput* strategies, size_t count, StrategyIntervals* results) const;
    // The interval of every estimate: [segment][feature].
    std::vector<std::array<Interval, featureCount>>
    cellIntervals(const StrategyInput& strategy) const;
    // The same for `count` strategies at once, into results[0 .. count - 1].
    void cellIntervals(const StrategyInput* strategies, size_t count,
                       std::vector<std::array<Interval, featureCount>>* results) const;
    // The same for the segments from `first` to before `end` only, into
    // results already sized to hold every segment.
    void cellIntervals(const StrategyInput* strategies, size_t count, int first, int end,
                       std::vector<std::array<Interval, featureCount>>* results) const;
    // Adds the strategy's segment total of every resample to sums[0 ..
    // resamples() - 1], for figures worked out from the segment totals.
    void addSegmentSamples(const StrategyInput& strategy, int segment, double* sums) const;

private:
    // The forecast of a segment and feature in every resample, or nothing
    // when the feature keeps the own count.
    bool parabolaApplies(const StrategyInput& strategy, int feature) const;
    void draw(int segment, std::uint64_t seed);
    // Adds the resamples' estimates of the cell to both sums.
    void addEstimates(const StrategyInput& strategy, int segment, int feature, double* first,
                      double* second) const;
    size_t cell(int segment, int feature) const {
        return (size_t(segment) * featureCount + size_t(feature)) * size_t(resamples_);
    }

    int segments_ = 0;
    int resamples_ = 0;
    std::uint64_t seed_ = 0;
    bool cancelled_ = false;
    PerFeature<BrandPoints> x_{};
    PerFeature<bool> distinct_{};
    // Observed counts [segment][feature][brand].
    std::vector<PerFeature<BrandPoints>> counts_;
    // Per segment and feature, per resample: the rounded own count and the
    // parabola's coefficients.
    std::vector<std::int32_t> own_;
    std::vector<double> a_;
    std::vector<double> b_;
    std::vector<double> c_;
};

// The resampled poll counts of a plan, drawn on a thread of their own.
using ResampledSource = std::shared_future<std::shared_ptr<const ResampledPolls>>;

// The intervals of many strategies, shared out over several threads. A
// raised cancel flag stops early and leaves the rest empty.
std::vector<StrategyIntervals> strategyIntervals(const ResampledPolls& resampled,
                                                 const std::vector<StrategyInput>& strategies,
                                                 const ProgressCallback& progress = {},
                                                 const std::atomic<bool>* cancel = nullptr);

// The interval of every estimate of many strategies, on several threads.
std::vector<std::vector<std::array<Interval, featureCount>>>
strategyCellIntervals(const ResampledPolls& resampled,
                      const std::vector<StrategyInput>& strategies);

// How the intervals were worked out, for the exports: "90% intervals:
// Bayesian bootstrap ..., 2000 resamples, seed 20120917", that is the label
// and the method.
QString intervalMethodLabel();
QString intervalMethodText(const ResampledPolls& resampled);
QString intervalMethod(const ResampledPolls& resampled);

// The share of resamples in which a's figure is above b's, ties counting
// half; one half without resamples.
template <typename T>
double shareAbove(const std::vector<T>& a, const std::vector<T>& b) {
    const size_t n = std::min(a.size(), b.size());
    if (n == 0)
        return 0.5;
    double wins = 0;
    for (size_t s = 0; s < n; ++s)
        wins += a[s] > b[s] ? 1.0 : a[s] == b[s] ? 0.5 : 0.0;
    return wins / double(n);
}

// The chance that strategy a's grand total beats b's: the share of
// resamples in which it is higher, ties counting half.
double beatChance(const StrategyIntervals& a, const StrategyIntervals& b);

// The threads that share the work: the machine's cores, at least one.
int workerThreads();

} // namespace lendora::analysis
