#include "analysis/forecast.h"

#include "analysis/analysis_names.h"

#include <cmath>
#include <limits>

namespace lendora::analysis {

namespace {

// Clamps a 64-bit sum of 32-bit estimates back into 32 bits.
std::int32_t saturate(std::int64_t value) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(value < low ? low : value > high ? high : value);
}

} // namespace

bool distinctValues(const BrandPoints& x) {
    return x[0] != x[1] && x[1] != x[2] && x[0] != x[2];
}

Parabola parabolaThrough(const BrandPoints& x, const BrandPoints& y) {
    const double d1 = (y[0] - y[1]) / (x[0] - x[1]);
    const double d2 = (y[1] - y[2]) / (x[1] - x[2]);
    Parabola p;
    p.a = (d1 - d2) / (x[0] - x[2]);
    p.b = d1 - p.a * (x[0] + x[1]);
    p.c = y[0] - (p.a * x[0] * x[0] + p.b * x[0]);
    return p;
}

double parabolaAt(const BrandPoints& x, const BrandPoints& y, double v) {
    return parabolaThrough(x, y).at(v);
}

std::int32_t estimateCount(const BrandPoints& x, const BrandPoints& y, double v) {
    if (!distinctValues(x))
        return toWhole(y[0]);
    const double value = parabolaAt(x, y, v);
    if (!std::isfinite(value))
        return toWhole(y[0]);
    return toWhole(value);
}

std::int32_t estimateOf(const ProjectDetails& details, const PlanPoll& poll,
                        const StrategyInput& strategy, int segment, int feature) {
    const BrandPoints y = brandCounts(poll, segment, feature);
    if (!strategy.changed[size_t(feature)])
        return toWhole(y[0]);
    return estimateCount(brandValues(details, feature), y, strategy.values[size_t(feature)]);
}

DetailedEstimates forecast(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                           const StrategyInput& strategy) {
    const int n = std::max(segmentCount, 0);
    DetailedEstimates estimates;
    estimates.segments.resize(size_t(n));
    std::vector<std::int64_t> segmentSums(size_t(n), 0);
    for (int f = 0; f < featureCount; ++f) {
        const BrandPoints x = brandValues(details, f);
        const bool changed = strategy.changed[size_t(f)];
        const double v = strategy.values[size_t(f)];
        std::int64_t featureTotal = 0;
        for (int r = 0; r < n; ++r) {
            const BrandPoints y = brandCounts(poll, r, f);
            const std::int32_t e = changed ? estimateCount(x, y, v) : toWhole(y[0]);
            estimates.segments[size_t(r)].features[size_t(f)] = e;
            featureTotal += e;
            segmentSums[size_t(r)] += e;
        }
        estimates.featureTotals[size_t(f)] = saturate(featureTotal);
    }
    std::int64_t grandTotal = 0;
    for (int r = 0; r < n; ++r) {
        SegmentEstimates& segment = estimates.segments[size_t(r)];
        segment.total = saturate(segmentSums[size_t(r)]);
        grandTotal += segment.total;
        const float ownTotal = float(segmentTotals(poll, r)[0]);
        segment.change = double(segment.total) - double(ownTotal);
    }
    estimates.grandTotal = saturate(grandTotal);
    return estimates;
}

Novelty checkNovelty(const std::vector<StrategyInput>& stored, const StrategyInput& strategy) {
    if (stored.empty()) {
        for (bool changed : strategy.changed)
            if (changed)
                return Novelty::New;
        return Novelty::NoChange;
    }
    // Only a stored strategy of the same changed features makes the values
    // count; then any stored strategy that changed a feature to the value
    // now entered for it counts as the same strategy.
    bool samePattern = false;
    for (const StrategyInput& s : stored)
        samePattern = samePattern || s.changed == strategy.changed;
    if (!samePattern)
        return Novelty::New;
    for (const StrategyInput& s : stored)
        for (int f = 0; f < featureCount; ++f)
            if (s.changed[size_t(f)] && s.values[size_t(f)] == strategy.values[size_t(f)])
                return Novelty::AlreadyExists;
    return Novelty::New;
}

QString noveltyMessage(Novelty novelty) {
    switch (novelty) {
    case Novelty::NoChange:
        return names::noChangeMessage();
    case Novelty::AlreadyExists:
        return names::strategyExistsMessage();
    case Novelty::New:
        break;
    }
    return {};
}

} // namespace lendora::analysis
