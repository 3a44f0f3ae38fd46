#pragma once

// The plan the analysis benchmarks work on, at a size beyond everyday use:
// 200 segments of random poll counts for each brand, the three brands'
// base values, and strategy k moving every feature by its own step (the
// most forecast work per strategy; no two strategies share a value, so the
// novelty check passes).
#include "analysis/analysis_tables.h"
#include "analysis/forecast.h"

#include <array>
#include <random>

namespace lendora::bench {

constexpr int segmentCount = 200;
constexpr int strategyCount = 100;

// A brand's poll table: counts of 0 to 400 per segment and feature.
inline Grid randomPollGrid(std::mt19937& random) {
    std::uniform_int_distribution<int> count(0, 400);
    Grid grid(segmentCount + 2, 9);
    for (int r = 1; r <= segmentCount; ++r) {
        int total = 0;
        grid.setText(r, 0, QStringLiteral("Segment %1").arg(r));
        for (int f = 1; f <= analysis::featureCount; ++f) {
            const int c = count(random);
            grid.setText(r, f, QString::number(c));
            total += c;
        }
        grid.setText(r, analysis::pollTotalColumn, QString::number(total));
    }
    grid.setText(segmentCount + 1, 0, analysis::totalsLabel);
    return grid;
}

struct BenchPlan {
    std::mt19937 random{2012};
    Grid own = randomPollGrid(random);
    Grid c1 = randomPollGrid(random);
    Grid c2 = randomPollGrid(random);
    analysis::AnalysisTables fresh; // the segments and base values, no strategy yet

    BenchPlan() {
        std::vector<QStringList> segments;
        for (int s = 1; s <= segmentCount; ++s)
            segments.push_back({QString::number(s), QStringLiteral("Segment %1").arg(s)});
        analysis::placeSegments(fresh, segments);
        fresh.base.setRowCount(5);
        const std::array<QStringList, 3> base{
            QStringList{"10", "20000", "500000", "80", "240", "5000", "2"},
            QStringList{"12", "25000", "600000", "85", "180", "6000", "3"},
            QStringList{"14", "30000", "700000", "90", "120", "7000", "5"}};
        for (int b = 0; b < 3; ++b)
            for (int f = 0; f < analysis::featureCount; ++f)
                fresh.base.setText(b + 1, 3 + f, base[size_t(b)][f]);
    }

    analysis::PollGrids polls() const { return {own, c1, c2}; }

    static analysis::FeatureValues strategy(int k) {
        return {9 + k * 0.01, 19000.0 + k, 480000.0 + k * 10, 78 + k * 0.01,
                230.0 + k,    4900.0 + k,  1 + k * 0.01};
    }
};

} // namespace lendora::bench
