#pragma once

#include "analysis/forecast.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// How the forecast of one feature moves with its new value: the count that
// Analyse would give (same parabola, same rounding) over a range of values,
// for one segment or summed over all segments.
namespace lendora::analysis {

// The segment that stands for all segments (the others are 0 to N - 1).
constexpr int allSegments = -1;

struct CurvePoint {
    double value = 0;
    std::int64_t respondents = 0;
};

struct SensitivityCurve {
    int feature = 0;
    int segment = allSegments;
    double brandLow = 0; // the lowest and highest of the three brands' values
    double brandHigh = 0;
    double low = 0; // the range drawn: the brands' range widened by the margin
    double high = 0;
    std::vector<CurvePoint> points;
    // The three brands' values and counts (own, competitor 1, competitor 2).
    std::array<CurvePoint, 3> brands;
    // The turning point of the parabola, when it lies inside the range.
    std::optional<double> vertex;
    bool vertexIsMaximum = false;
    // The vertex lies beyond every brand's value: the parabola is
    // extrapolated there, so it is no best (or worst) value to offer.
    bool vertexExtrapolated = false;
};

// The estimate of Analyse for feature f changed to v: estimateCount for the
// segment, or its sum over the plan's segments.
std::int64_t forecastAt(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                        int feature, int segment, double v);

// The turning point -b / 2a; none for a straight line.
std::optional<double> parabolaVertex(const Parabola& parabola);

// The curve over steps + 1 evenly spaced values from low to high, where the
// brands' range is widened on each side by `margin` times its width (by
// `margin` times the value, or 1, when the three values are equal).
SensitivityCurve sensitivityCurve(const ProjectDetails& details, const PlanPoll& poll,
                                  int segmentCount, int feature, int segment, double margin,
                                  int steps = 100);

// A value as the curve's texts show it: decimals enough for the range.
QString curveValueText(double value, double rangeWidth);

// "most respondents at Interest 10.4" (a maximum) or "fewest respondents at
// Interest 10.4" (a minimum); for a vertex beyond the brands' values
// "turning point at Interest 15.2, beyond the brands' values
// (extrapolated)"; empty without a vertex in the range.
QString vertexText(const SensitivityCurve& curve);

// The curve as CSV records: "Value" and "Respondents", one row per point.
std::vector<QStringList> curveRecords(const SensitivityCurve& curve);

} // namespace lendora::analysis
