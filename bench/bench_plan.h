#pragma once

// The plan the analysis benchmarks work on, at a size beyond everyday use:
// 200 segments of random poll counts for each brand, the three brands'
// base values, and strategy k moving every feature by its own step (the
// most forecast work per strategy; no two strategies share a value, so the
// novelty check passes).
#include "analysis/plan_analysis.h"

#include <array>
#include <random>

namespace lendora::bench {

constexpr int segmentCount = 200;
constexpr int strategyCount = 100;

// A product's counts: 0 to 400 per segment and feature, and their sum.
inline ProductCounts randomCounts(std::mt19937& random) {
    std::uniform_int_distribution<int> count(0, 400);
    ProductCounts counts;
    for (int r = 0; r < segmentCount; ++r) {
        SegmentCounts segment;
        double total = 0;
        for (PollCount& c : segment.features) {
            c = count(random);
            total += *c;
        }
        segment.total = total;
        counts.segments.push_back(segment);
    }
    return counts;
}

struct BenchPlan {
    std::mt19937 random{2012};
    ProjectDetails details;
    SegmentDescriptions segments;
    PlanPoll poll;

    BenchPlan() {
        for (ProductCounts& product : poll.products)
            product = randomCounts(random);
        for (int s = 1; s <= segmentCount; ++s)
            segments.push_back(QStringLiteral("Segment %1").arg(s));
        const std::array<QStringList, 3> base{
            QStringList{"10", "20000", "500000", "80", "240", "5000", "2"},
            QStringList{"12", "25000", "600000", "85", "180", "6000", "3"},
            QStringList{"14", "30000", "700000", "90", "120", "7000", "5"}};
        for (int b = 0; b < 3; ++b)
            for (int f = 0; f < featureCount; ++f)
                details.brands[size_t(b)].features[size_t(f)] = TypedNumber(base[size_t(b)][f]);
    }

    // The plan opened without strategies.
    analysis::PlanAnalysis fresh() const { return {details, segments, poll, {}, false}; }

    static analysis::FeatureValues strategy(int k) {
        return {9 + k * 0.01, 19000.0 + k, 480000.0 + k * 10, 78 + k * 0.01,
                230.0 + k,    4900.0 + k,  1 + k * 0.01};
    }
    // Strategy k with every feature changed.
    static analysis::StrategyInput input(int k) {
        return {strategy(k), {true, true, true, true, true, true, true}};
    }
};

} // namespace lendora::bench
