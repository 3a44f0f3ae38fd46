#include "analysis/sensitivity.h"

#include "analysis/analysis_names.h"
#include "storage/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace lendora::analysis {

namespace {

// The segments a curve covers: one, or all.
std::pair<int, int> segmentSpan(int segmentCount, int segment) {
    if (segment == allSegments)
        return {0, segmentCount - 1};
    return {segment, segment};
}

} // namespace

std::int64_t forecastAt(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                        int feature, int segment, double v) {
    const BrandPoints x = brandValues(details, feature);
    const auto [first, last] = segmentSpan(segmentCount, segment);
    std::int64_t sum = 0;
    for (int r = first; r <= last; ++r)
        sum += estimateCount(x, brandCounts(poll, r, feature), v);
    return sum;
}

std::optional<double> parabolaVertex(const Parabola& parabola) {
    if (parabola.a == 0 || !std::isfinite(parabola.a) || !std::isfinite(parabola.b))
        return std::nullopt;
    return -parabola.b / (2 * parabola.a);
}

SensitivityCurve sensitivityCurve(const ProjectDetails& details, const PlanPoll& poll,
                                  int segmentCount, int feature, int segment, double margin,
                                  int steps) {
    SensitivityCurve curve;
    curve.feature = feature;
    curve.segment = segment;
    const BrandPoints x = brandValues(details, feature);
    curve.brandLow = *std::min_element(x.begin(), x.end());
    curve.brandHigh = *std::max_element(x.begin(), x.end());
    const double width = curve.brandHigh - curve.brandLow;
    const double widen = width > 0 ? width * margin : std::max(std::abs(x[0]) * margin, 1.0);
    curve.low = curve.brandLow - widen;
    curve.high = curve.brandHigh + widen;

    steps = std::max(steps, 1);
    curve.points.reserve(size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double v = i == steps ? curve.high : curve.low + (curve.high - curve.low) * i / steps;
        curve.points.push_back({v, forecastAt(details, poll, segmentCount, feature, segment, v)});
    }

    // The brands' points, and the parabola of the sum: the sum of the
    // segments' parabolas.
    const auto [first, last] = segmentSpan(segmentCount, segment);
    Parabola sum;
    for (int b = 0; b < 3; ++b)
        curve.brands[size_t(b)].value = x[size_t(b)];
    for (int r = first; r <= last; ++r) {
        const BrandPoints y = brandCounts(poll, r, feature);
        for (int b = 0; b < 3; ++b)
            curve.brands[size_t(b)].respondents += toWhole(y[size_t(b)]);
        if (distinctValues(x)) {
            const Parabola p = parabolaThrough(x, y);
            sum.a += p.a;
            sum.b += p.b;
        }
    }
    if (const auto vertex = parabolaVertex(sum);
        vertex && *vertex >= curve.low && *vertex <= curve.high) {
        curve.vertex = vertex;
        curve.vertexIsMaximum = sum.a < 0;
        // Within a hair of the brands' range counts as inside it.
        const double tolerance = 1e-9 * std::max(std::abs(curve.high - curve.low), 1.0);
        curve.vertexExtrapolated =
            *vertex < curve.brandLow - tolerance || *vertex > curve.brandHigh + tolerance;
    }
    return curve;
}

QString curveValueText(double value, double rangeWidth) {
    // Three significant digits of the range's width, at most six decimals.
    int decimals = 1;
    if (rangeWidth > 0)
        decimals = std::clamp(int(std::ceil(2 - std::log10(rangeWidth))), 0, 6);
    return doubleText(std::round(value * std::pow(10.0, decimals)) / std::pow(10.0, decimals));
}

QString vertexText(const SensitivityCurve& curve) {
    if (!curve.vertex)
        return {};
    if (curve.vertexExtrapolated)
        return QCoreApplication::translate(
                   "Sensitivity",
                   "turning point at %1 %2, beyond the brands' values (extrapolated)")
            .arg(names::featureNames[curve.feature](),
                 curveValueText(*curve.vertex, curve.high - curve.low));
    return (curve.vertexIsMaximum
                ? QCoreApplication::translate("Sensitivity", "most respondents at %1 %2")
                : QCoreApplication::translate("Sensitivity", "fewest respondents at %1 %2"))
        .arg(names::featureNames[curve.feature](),
             curveValueText(*curve.vertex, curve.high - curve.low));
}

std::vector<QStringList> curveRecords(const SensitivityCurve& curve) {
    std::vector<QStringList> records{{QCoreApplication::translate("Sensitivity", "Value"),
                                      QCoreApplication::translate("Sensitivity", "Respondents")}};
    for (const CurvePoint& point : curve.points)
        records.push_back({doubleText(point.value), wholeText(point.respondents)});
    return records;
}

} // namespace lendora::analysis
