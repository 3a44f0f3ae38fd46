#pragma once

#include "analysis/forecast_inputs.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The forecast behind "Analyse": for every segment and every changed feature
// a parabola through the three brands' points (feature value, poll count) is
// read at the strategy's new value; an unchanged feature keeps the own
// product's count.
namespace lendora::analysis {

// A strategy as the forecast sees it: its seven values and which of them
// it changes.
struct StrategyInput {
    FeatureValues values{};
    PerFeature<bool> changed{};
    bool operator==(const StrategyInput&) const = default;
};

// Whether the three values differ, so that a parabola passes through them.
bool distinctValues(const BrandPoints& x);

// y = (a v v + b v) + c, with the coefficients worked out as Analyse does.
struct Parabola {
    double a = 0;
    double b = 0;
    double c = 0;
    double at(double v) const { return (a * v * v + b * v) + c; }
};
Parabola parabolaThrough(const BrandPoints& x, const BrandPoints& y);

// The parabola through (x[0], y[0]), (x[1], y[1]), (x[2], y[2]) read at v,
// in double precision. Not finite when two x are equal.
double parabolaAt(const BrandPoints& x, const BrandPoints& y, double v);

// One estimate: the parabola's value rounded halves to even and held in 32
// bits. The own count y[0] (rounded) stands in when two base values are
// equal or the parabola's value is not finite.
std::int32_t estimateCount(const BrandPoints& x, const BrandPoints& y, double v);

// The estimate of one segment and feature under the strategy.
std::int32_t estimateOf(const ProjectDetails& details, const PlanPoll& poll,
                        const StrategyInput& strategy, int segment, int feature);

// The detailed estimates of a strategy.
struct SegmentEstimates {
    PerFeature<std::int32_t> features{}; // respondents opting for the own product
    std::int32_t total = 0;              // their sum
    double change = 0;                   // the total less the own poll total (single precision)
};
struct DetailedEstimates {
    std::vector<SegmentEstimates> segments;
    PerFeature<std::int32_t> featureTotals{}; // sums over the segments
    std::int32_t grandTotal = 0;              // the sum of the segment totals
};

// Forecasts the strategy for `segmentCount` segments. Sums that leave 32
// bits stay at its bounds.
DetailedEstimates forecast(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                           const StrategyInput& strategy);

// The novelty check of Analyse against the strategies already added (their
// values and change flags, numbered 1 to K).
enum class Novelty {
    New,           // may be forecast
    NoChange,      // refused: the first strategy changes nothing
    AlreadyExists, // refused: a stored strategy of the same changed features has an equal value
};
Novelty checkNovelty(const std::vector<StrategyInput>& stored, const StrategyInput& strategy);

// The message shown for a refused strategy; empty for a new one.
QString noveltyMessage(Novelty novelty);

} // namespace lendora::analysis
