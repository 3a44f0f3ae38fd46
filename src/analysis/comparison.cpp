#include "analysis/comparison.h"

#include "analysis/analysis_names.h"
#include "storage/shown_text.h"

#include <cfloat>
#include <cmath>

namespace lendora::analysis {

namespace {

// A float sum that ran beyond the float range stays at its largest value,
// so no infinity reaches a table.
float bounded(float sum) {
    if (std::isfinite(sum))
        return sum;
    return sum < 0 ? -FLT_MAX : FLT_MAX;
}

QStringList strategyLabels(size_t count) {
    QStringList labels;
    for (size_t i = 1; i <= count; ++i)
        labels << names::strategyLabel().arg(i);
    return labels;
}

std::pair<double, double> range(const Interval& interval) {
    return {double(interval.low), double(interval.high)};
}

} // namespace

Strategy shownStrategy(const SavedStrategy& saved) {
    Strategy strategy;
    static_cast<SavedStrategy&>(strategy) = saved;
    for (int f = 0; f < featureCount; ++f) {
        strategy.values[size_t(f)] = shownDouble(saved.values[size_t(f)]);
        strategy.featureEstimates[size_t(f)] = shownDouble(saved.featureEstimates[size_t(f)]);
    }
    for (std::optional<double>& estimate : strategy.segmentEstimates)
        if (estimate)
            estimate = shownDouble(*estimate);
    return strategy;
}

Strategy addedStrategy(const FeatureValues& entered, const StrategyEntry& entry,
                       const DetailedEstimates& estimates) {
    Strategy strategy;
    for (int f = 0; f < featureCount; ++f) {
        strategy.values[size_t(f)] = shownDouble(entered[size_t(f)]);
        strategy.featureEstimates[size_t(f)] = estimates.featureTotals[size_t(f)];
    }
    strategy.changed = entry.changed;
    strategy.emiRecomputed = entry.emiRecomputed;
    for (const SegmentEstimates& segment : estimates.segments)
        strategy.segmentEstimates.push_back(double(segment.total));
    return strategy;
}

double featureSum(const Strategy& strategy) {
    double sum = 0;
    for (double estimate : strategy.featureEstimates)
        sum += estimate;
    return sum;
}

double segmentSum(const Strategy& strategy) {
    double sum = 0;
    for (const std::optional<double>& estimate : strategy.segmentEstimates)
        sum += estimate.value_or(0);
    return sum;
}

ComparisonTotals comparisonTotals(const std::vector<Strategy>& strategies, int segmentCount) {
    ComparisonTotals totals;
    // Each column in single precision; the row sum reads the sums as shown.
    auto columnSum = [&](auto&& value) {
        float sum = 0;
        for (const Strategy& s : strategies)
            sum = bounded(sum + float(value(s)));
        return sum;
    };
    for (int f = 0; f < featureCount; ++f) {
        const float sum =
            columnSum([f](const Strategy& s) { return s.featureEstimates[size_t(f)]; });
        totals.featureTexts[size_t(f)] = floatText(sum);
        totals.features[size_t(f)] = leadingNumber(totals.featureTexts[size_t(f)]);
        totals.featureSum += totals.features[size_t(f)];
    }
    const int n = std::max(segmentCount, 0);
    totals.segments.resize(size_t(n));
    totals.segmentTexts.resize(size_t(n));
    for (int j = 0; j < n; ++j) {
        const float sum = columnSum([j](const Strategy& s) {
            return j < int(s.segmentEstimates.size()) ? s.segmentEstimates[size_t(j)].value_or(0)
                                                      : 0.0;
        });
        totals.segmentTexts[size_t(j)] = floatText(sum);
        totals.segments[size_t(j)] = leadingNumber(totals.segmentTexts[size_t(j)]);
        totals.segmentSum += totals.segments[size_t(j)];
    }
    return totals;
}

ChartData featuresChart(const std::vector<Strategy>& strategies) {
    ChartData chart;
    chart.rowLabels = strategyLabels(strategies.size());
    chart.columnLabels = names::texts(names::featureChartLabels);
    for (const Strategy& s : strategies) {
        std::vector<double> row(s.featureEstimates.begin(), s.featureEstimates.end());
        row.push_back(double(float(shownDouble(featureSum(s)))));
        chart.values.push_back(std::move(row));
    }
    return chart;
}

ChartData segmentsChart(const std::vector<Strategy>& strategies,
                        const SegmentDescriptions& segments) {
    ChartData chart;
    chart.rowLabels = strategyLabels(strategies.size());
    for (const QString& description : segments)
        chart.columnLabels << shownText(description);
    chart.columnLabels << names::totals();
    for (const Strategy& s : strategies) {
        std::vector<double> row;
        for (size_t j = 0; j < segments.size(); ++j)
            row.push_back(double(
                float(j < s.segmentEstimates.size() ? s.segmentEstimates[j].value_or(0) : 0.0)));
        row.push_back(double(float(shownDouble(segmentSum(s)))));
        chart.values.push_back(std::move(row));
    }
    return chart;
}

void addRanges(ChartData& segments, ChartData& features,
               const std::vector<StrategyIntervals>& intervals) {
    for (const StrategyIntervals& s : intervals) {
        std::vector<std::pair<double, double>> bySegment;
        for (const Interval& i : s.segments)
            bySegment.push_back(range(i));
        bySegment.push_back(range(s.total));
        if (segments.columnLabels.size() == qsizetype(bySegment.size()))
            segments.ranges.push_back(std::move(bySegment));
        std::vector<std::pair<double, double>> byFeature(s.features.size() + 1);
        for (size_t f = 0; f < s.features.size(); ++f)
            byFeature[f] = range(s.features[f]);
        byFeature.back() = range(s.total);
        features.ranges.push_back(std::move(byFeature));
    }
    if (segments.ranges.size() != intervals.size())
        segments.ranges.clear();
}

} // namespace lendora::analysis
