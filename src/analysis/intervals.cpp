#include "analysis/intervals.h"

#include "storage/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <thread>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

constexpr int cellCount = brandCount * featureCount;
// Strategies are worked out in blocks, which share the reading of the
// resampled parabolas (tens of megabytes for a large plan) from memory.
constexpr int strategyBlock = 8;

constexpr double wholeShift = 6755399441055744.0; // 1.5 x 2^52

// Rounds halves to even in the default rounding mode, without a library
// call: adding and taking away 1.5 x 2^52 leaves the nearest whole number.
// Without a branch, so that the loops over the resamples vectorise.
inline double roundEven(double value) {
    const double rounded = (value + wholeShift) - wholeShift;
    return std::abs(value) < 2251799813685248.0 ? rounded : value; // beyond: already whole
}

// Wider vectors where the processor has them (the same operations in the
// same order, so the same results to the bit: no fused multiply-add).
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__) &&                  \
    !defined(__clang__)
#define LENDORA_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define LENDORA_WIDE_VECTORS
#endif

// Adds round(a v^2 + b v + c) of every resample to both sums.
LENDORA_WIDE_VECTORS
void addParabolas(const double* a, const double* b, const double* c, double v, size_t k,
                  double* first, double* second) {
    for (size_t s = 0; s < k; ++s) {
        const double e = roundEven((a[s] * v * v + b[s] * v) + c[s]);
        first[s] += e;
        second[s] += e;
    }
}

// The sums of whole numbers kept in doubles (exact below 2^53), as counts.
std::vector<std::int64_t>& asCounts(const std::vector<double>& sums,
                                    std::vector<std::int64_t>& counts) {
    counts.resize(sums.size());
    for (size_t s = 0; s < sums.size(); ++s)
        counts[s] = std::int64_t(sums[s]);
    return counts;
}

// Runs work(i) for i = 0 to count - 1 on the worker threads.
template <typename Work>
void shareOut(int count, const Work& work) {
    const int threads = std::min(workerThreads(), std::max(count, 1));
    std::atomic<int> next{0};
    auto run = [&] {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(run);
    run();
    for (std::thread& helper : helpers)
        helper.join();
}

// Runs work(first, size) on the worker threads for blocks of about
// strategyBlock of `count` strategies, of nearly equal size, as many as keep
// every thread busy to the end.
template <typename Work>
void shareOutBlocks(int count, const Work& work) {
    const int threads = workerThreads();
    int blocks = (count + strategyBlock - 1) / strategyBlock;
    if (blocks > threads)
        blocks = (blocks + threads - 1) / threads * threads;
    shareOut(blocks, [&](int i) {
        const int first = int(std::int64_t(i) * count / blocks);
        const int end = int(std::int64_t(i + 1) * count / blocks);
        if (end > first)
            work(size_t(first), size_t(end - first));
    });
}

// The 5th and 95th percentiles of n samples from `least` to `most` (which
// it may reorder). Counts of respondents span a narrow range, so a tally
// finds them faster than sorting.
template <typename Count>
Interval orderStatistics(Count* samples, size_t n, Count least, Count most,
                         std::vector<std::uint32_t>& tally) {
    const size_t lowRank = size_t(std::floor(0.05 * double(n - 1)));
    const size_t highRank = size_t(std::ceil(0.95 * double(n - 1)));
    const std::int64_t lowest = least;
    // Unsigned: the span of any two counts, however far apart.
    const std::uint64_t span = std::uint64_t(std::int64_t(most)) - std::uint64_t(lowest);
    if (span < 4 * n) {
        // Four tallies side by side, so that equal samples in a row do not
        // wait for each other's count.
        constexpr size_t lanes = 4;
        tally.assign((size_t(span) + 1) * lanes, 0);
        size_t s = 0;
        for (; s + lanes <= n; s += lanes)
            for (size_t lane = 0; lane < lanes; ++lane)
                ++tally[size_t(samples[s + lane] - lowest) * lanes + lane];
        for (; s < n; ++s)
            ++tally[size_t(samples[s] - lowest) * lanes];
        const auto at = [&](size_t i) {
            return tally[i * lanes] + tally[i * lanes + 1] + tally[i * lanes + 2] +
                   tally[i * lanes + 3];
        };
        size_t seen = 0;
        size_t i = 0;
        for (; seen + at(i) <= lowRank; ++i)
            seen += at(i);
        const std::int64_t low = lowest + std::int64_t(i);
        for (; seen + at(i) <= highRank; ++i)
            seen += at(i);
        return {low, lowest + std::int64_t(i)};
    }
    std::nth_element(samples, samples + lowRank, samples + n);
    const std::int64_t low = samples[lowRank];
    std::nth_element(samples + lowRank, samples + highRank, samples + n);
    return {low, samples[highRank]};
}

// The 5th and 95th percentiles of samples (at least one; it reorders them).
Interval sampleSpread(std::vector<std::int64_t>& samples, std::vector<std::uint32_t>& tally) {
    const auto [least, most] = std::minmax_element(samples.begin(), samples.end());
    return orderStatistics(samples.data(), samples.size(), *least, *most, tally);
}

// The 5th and 95th percentiles of the samples (which it reorders), widened
// to hold the forecast.
Interval percentiles(std::vector<std::int64_t>& samples, std::int64_t forecast) {
    if (samples.empty())
        return {forecast, forecast};
    std::vector<std::uint32_t> tally;
    const Interval interval = sampleSpread(samples, tally);
    return {std::min(interval.low, forecast), std::max(interval.high, forecast)};
}

// Whole numbers w below 2^51 as the bit patterns of w + 1.5 x 2^52: those
// sums lie from 2^52 to 2^53, where doubles are one apart, so that the
// patterns count up one by one with w, and their least, most and order are
// those of the numbers. Adding 1.5 x 2^52 to any number below 2^51 is the
// first step of roundEven: its pattern is the rounded number's.
const std::int64_t wholeZero = std::bit_cast<std::int64_t>(wholeShift);
const std::int64_t wholesFrom = std::bit_cast<std::int64_t>(4503599627370496.0);   // 2^52
const std::int64_t wholesBefore = std::bit_cast<std::int64_t>(9007199254740992.0); // 2^53

// The least and the most of the patterns.
struct PatternRange {
    std::int64_t least = std::numeric_limits<std::int64_t>::max();
    std::int64_t most = std::numeric_limits<std::int64_t>::min();
    bool whole() const { return least >= wholesFrom && most < wholesBefore; }
};

// round(a v^2 + b v + c) of every resample as intervals() adds them, as
// such patterns (for a number beyond 2^51, or not a number, a pattern out
// of that range), and their range.
LENDORA_WIDE_VECTORS
PatternRange parabolaPatterns(const double* __restrict a, const double* __restrict b,
                              const double* __restrict c, double v, size_t k,
                              std::int64_t* __restrict out) {
    PatternRange range;
    for (size_t s = 0; s < k; ++s) {
        const auto pattern =
            std::bit_cast<std::int64_t>(((a[s] * v * v + b[s] * v) + c[s]) + wholeShift);
        out[s] = pattern;
        range.least = std::min(range.least, pattern);
        range.most = std::max(range.most, pattern);
    }
    return range;
}

// The own counts of every resample as such patterns, and their range.
PatternRange countPatterns(const std::int32_t* counts, size_t k, std::int64_t* out) {
    PatternRange range;
    for (size_t s = 0; s < k; ++s) {
        out[s] = wholeZero + counts[s];
        range.least = std::min(range.least, out[s]);
        range.most = std::max(range.most, out[s]);
    }
    return range;
}

} // namespace

int workerThreads() {
    return int(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
}

QString intervalText(const Interval& interval) {
    return wholeText(interval.low) + QChar(0x2013) + wholeText(interval.high);
}

ResampledPolls::ResampledPolls(const ProjectDetails& details, const PlanPoll& poll,
                               int segmentCount, int resamples, std::uint64_t seed,
                               const std::atomic<bool>* cancel)
    : segments_(std::max(segmentCount, 0))
    , resamples_(std::max(resamples, 1))
    , seed_(seed) {
    for (int f = 0; f < featureCount; ++f) {
        x_[size_t(f)] = brandValues(details, f);
        distinct_[size_t(f)] = distinctValues(x_[size_t(f)]);
    }
    counts_.resize(size_t(segments_));
    for (int r = 0; r < segments_; ++r)
        for (int f = 0; f < featureCount; ++f)
            counts_[size_t(r)][size_t(f)] = brandCounts(poll, r, f);
    const size_t size = size_t(segments_) * featureCount * size_t(resamples_);
    own_.assign(size, 0);
    a_.assign(size, 0);
    b_.assign(size, 0);
    c_.assign(size, 0);

    std::atomic<bool> stopped{false};
    shareOut(segments_, [&](int i) {
        if (cancel && *cancel) {
            stopped = true;
            return;
        }
        draw(i, seed);
    });
    cancelled_ = stopped;
}

void ResampledPolls::draw(int segment, std::uint64_t seed) {
    // One generator per segment: the draws do not depend on which thread
    // takes the segment.
    std::mt19937_64 random(seed ^ (0x9e3779b97f4a7c15ull * std::uint64_t(segment + 1)));
    const auto& counts = counts_[size_t(segment)];
    const size_t k = size_t(resamples_);

    // Gamma draws of the cells with respondents; the others keep their count.
    std::vector<double> shares(cellCount * k, 0.0);
    std::vector<double> sums(k, 0.0);
    double respondents = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        const double count = counts[size_t(cell / brandCount)][size_t(cell % brandCount)];
        if (!(count > 0))
            continue;
        respondents += count;
        std::gamma_distribution<double> gamma(count, 1.0);
        double* share = &shares[size_t(cell) * k];
        for (size_t s = 0; s < k; ++s) {
            share[s] = gamma(random);
            sums[s] += share[s];
        }
    }

    // Each resample's shares times the segment's respondents.
    for (size_t s = 0; s < k; ++s)
        sums[s] = sums[s] > 0 ? respondents / sums[s] : 0;
    BrandPoints y{};
    for (int f = 0; f < featureCount; ++f) {
        const size_t at = cell(segment, f);
        for (size_t s = 0; s < k; ++s) {
            for (int b = 0; b < brandCount; ++b) {
                const int c = f * brandCount + b;
                const double count = counts[size_t(f)][size_t(b)];
                y[size_t(b)] =
                    count > 0 && sums[s] > 0 ? shares[size_t(c) * k + s] * sums[s] : count;
            }
            own_[at + s] = toWhole(y[0]);
            if (distinct_[size_t(f)]) {
                const Parabola p = parabolaThrough(x_[size_t(f)], y);
                a_[at + s] = p.a;
                b_[at + s] = p.b;
                c_[at + s] = p.c;
            }
        }
    }
}

bool ResampledPolls::parabolaApplies(const StrategyInput& strategy, int feature) const {
    return strategy.changed[size_t(feature)] && distinct_[size_t(feature)];
}

std::int64_t ResampledPolls::estimate(const StrategyInput& strategy, int segment,
                                      int feature) const {
    const BrandPoints& y = counts_[size_t(segment)][size_t(feature)];
    if (strategy.changed[size_t(feature)])
        return estimateCount(x_[size_t(feature)], y, strategy.values[size_t(feature)]);
    return toWhole(y[0]);
}

void ResampledPolls::addEstimates(const StrategyInput& strategy, int segment, int feature,
                                  double* first, double* second) const {
    const size_t at = cell(segment, feature);
    const size_t k = size_t(resamples_);
    if (!parabolaApplies(strategy, feature)) {
        const std::int32_t* own = &own_[at];
        for (size_t s = 0; s < k; ++s) {
            first[s] += own[s];
            second[s] += own[s];
        }
        return;
    }
    addParabolas(&a_[at], &b_[at], &c_[at], strategy.values[size_t(feature)], k, first, second);
}

StrategyIntervals ResampledPolls::intervals(const StrategyInput& strategy) const {
    StrategyIntervals result;
    intervals(&strategy, 1, &result);
    return result;
}

void ResampledPolls::intervals(const StrategyInput* strategies, size_t count,
                               StrategyIntervals* results) const {
    // Segment by segment and feature by feature for all the strategies at
    // once, so that a cell's resampled parabolas are read from memory once
    // for them all. Each strategy's sums are added in the same order as
    // alone, so the results do not depend on the others.
    const size_t k = size_t(resamples_);
    struct Sums {
        std::vector<std::vector<double>> features;
        std::array<std::int64_t, featureCount> featureForecasts{};
        std::vector<double> totals;
        std::vector<double> segment;
        std::int64_t totalForecast = 0;
    };
    std::vector<Sums> sums(count);
    for (size_t j = 0; j < count; ++j) {
        sums[j].features.assign(featureCount, std::vector<double>(k, 0));
        sums[j].totals.assign(k, 0);
        sums[j].segment.assign(k, 0);
        results[j] = {};
        results[j].segments.reserve(size_t(segments_));
    }
    std::vector<std::int64_t> counts;
    std::vector<std::int64_t> segmentForecasts(count);
    for (int r = 0; r < segments_; ++r) {
        for (size_t j = 0; j < count; ++j) {
            std::fill(sums[j].segment.begin(), sums[j].segment.end(), 0);
            segmentForecasts[j] = 0;
        }
        for (int f = 0; f < featureCount; ++f)
            for (size_t j = 0; j < count; ++j) {
                Sums& sum = sums[j];
                addEstimates(strategies[j], r, f, sum.segment.data(),
                             sum.features[size_t(f)].data());
                const std::int64_t forecast = estimate(strategies[j], r, f);
                segmentForecasts[j] += forecast;
                sum.featureForecasts[size_t(f)] += forecast;
            }
        for (size_t j = 0; j < count; ++j) {
            Sums& sum = sums[j];
            for (size_t s = 0; s < k; ++s)
                sum.totals[s] += sum.segment[s];
            sum.totalForecast += segmentForecasts[j];
            results[j].segments.push_back(
                percentiles(asCounts(sum.segment, counts), segmentForecasts[j]));
        }
    }
    for (size_t j = 0; j < count; ++j) {
        Sums& sum = sums[j];
        for (int f = 0; f < featureCount; ++f)
            results[j].features[size_t(f)] = percentiles(asCounts(sum.features[size_t(f)], counts),
                                                         sum.featureForecasts[size_t(f)]);
        results[j].totalSamples = asCounts(sum.totals, counts);
        results[j].total = percentiles(counts, sum.totalForecast);
    }
}

std::vector<std::array<Interval, featureCount>>
ResampledPolls::cellIntervals(const StrategyInput& strategy) const {
    std::vector<std::array<Interval, featureCount>> cells;
    cellIntervals(&strategy, 1, &cells);
    return cells;
}

void ResampledPolls::cellIntervals(const StrategyInput* strategies, size_t count,
                                   std::vector<std::array<Interval, featureCount>>* results) const {
    for (size_t j = 0; j < count; ++j)
        results[j].assign(size_t(segments_), {});
    cellIntervals(strategies, count, 0, segments_, results);
}

void ResampledPolls::cellIntervals(const StrategyInput* strategies, size_t count, int first,
                                   int end,
                                   std::vector<std::array<Interval, featureCount>>* results) const {
    // Cell by cell for all the strategies at once, as intervals() does. A
    // cell's value in a resample is a single estimate, so its percentiles
    // are taken from the rounded estimates themselves, without sums.
    const size_t k = size_t(resamples_);
    std::vector<std::int64_t> patterns(k);
    std::vector<std::uint32_t> tally;
    for (int r = std::max(first, 0); r < std::min(end, segments_); ++r)
        for (int f = 0; f < featureCount; ++f) {
            const size_t at = cell(r, f);
            // The own count's percentiles hold for every strategy that keeps
            // the feature: worked out once, when first needed.
            std::optional<Interval> kept;
            for (size_t j = 0; j < count; ++j) {
                const StrategyInput& strategy = strategies[j];
                const bool parabola = parabolaApplies(strategy, f);
                const std::int64_t forecast = estimate(strategy, r, f);
                Interval spread;
                if (!parabola && kept) {
                    spread = *kept;
                } else {
                    const PatternRange range =
                        parabola ? parabolaPatterns(&a_[at], &b_[at], &c_[at],
                                                    strategy.values[size_t(f)], k, patterns.data())
                                 : countPatterns(&own_[at], k, patterns.data());
                    if (range.whole()) {
                        spread =
                            orderStatistics(patterns.data(), k, range.least, range.most, tally);
                        spread = {spread.low - wholeZero, spread.high - wholeZero};
                    } else {
                        // Beyond 2^51: the sums as intervals() takes them.
                        std::vector<double> sums(k, 0.0);
                        std::vector<double> unused(k, 0.0);
                        std::vector<std::int64_t> samples;
                        addEstimates(strategy, r, f, sums.data(), unused.data());
                        spread = sampleSpread(asCounts(sums, samples), tally);
                    }
                    if (!parabola)
                        kept = spread;
                }
                results[j][size_t(r)][size_t(f)] = {std::min(spread.low, forecast),
                                                    std::max(spread.high, forecast)};
            }
        }
}

void ResampledPolls::addSegmentSamples(const StrategyInput& strategy, int segment,
                                       double* sums) const {
    std::vector<double> unused(size_t(resamples_), 0.0);
    for (int f = 0; f < featureCount; ++f)
        addEstimates(strategy, segment, f, sums, unused.data());
}

std::vector<StrategyIntervals> strategyIntervals(const ResampledPolls& resampled,
                                                 const std::vector<StrategyInput>& strategies,
                                                 const ProgressCallback& progress,
                                                 const std::atomic<bool>* cancel) {
    const int count = int(strategies.size());
    std::vector<StrategyIntervals> results(strategies.size());
    std::atomic<int> done{0};
    shareOutBlocks(count, [&](size_t first, size_t size) {
        if (cancel && *cancel)
            return;
        resampled.intervals(&strategies[first], size, &results[first]);
        const int finished = done += int(size);
        if (progress)
            progress(finished, count);
    });
    return results;
}

std::vector<std::vector<std::array<Interval, featureCount>>>
strategyCellIntervals(const ResampledPolls& resampled,
                      const std::vector<StrategyInput>& strategies) {
    // Shared out by segments, so that each segment's resampled parabolas are
    // read from memory once for all the strategies.
    std::vector<std::vector<std::array<Interval, featureCount>>> cells(
        strategies.size(),
        std::vector<std::array<Interval, featureCount>>(size_t(std::max(resampled.segments(), 0))));
    constexpr int segmentBlock = 4;
    const int segments = resampled.segments();
    shareOut((segments + segmentBlock - 1) / segmentBlock, [&](int block) {
        resampled.cellIntervals(strategies.data(), strategies.size(), block * segmentBlock,
                                (block + 1) * segmentBlock, cells.data());
    });
    return cells;
}

QString intervalMethodLabel() {
    return QCoreApplication::translate("Intervals", "90% intervals");
}

QString intervalMethodText(const ResampledPolls& resampled) {
    return intervalMethodLabel() + u": "_s + intervalMethod(resampled);
}

QString intervalMethod(const ResampledPolls& resampled) {
    return QCoreApplication::translate("Intervals",
                                       "Bayesian bootstrap of each segment's poll counts "
                                       "(Dirichlet posterior), %1 resamples, seed %2")
        .arg(QString::number(resampled.resamples()), QString::number(resampled.seed()));
}

double beatChance(const StrategyIntervals& a, const StrategyIntervals& b) {
    return shareAbove(a.totalSamples, b.totalSamples);
}

} // namespace lendora::analysis
