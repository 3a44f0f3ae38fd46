#include "analysis/forecast_inputs.h"

namespace lendora::analysis {

namespace {

const SegmentCounts* segmentOf(const PlanPoll& poll, int product, int segment) {
    const auto& segments = poll.products[size_t(product)].segments;
    if (segment < 0 || segment >= int(segments.size()))
        return nullptr;
    return &segments[size_t(segment)];
}

double countOf(const PlanPoll& poll, int product, int segment, int feature) {
    const SegmentCounts* counts = segmentOf(poll, product, segment);
    return counts ? counts->features[size_t(feature)].value_or(0) : 0;
}

} // namespace

BrandPoints brandValues(const ProjectDetails& details, int feature) {
    BrandPoints x{};
    for (int b = 0; b < brandCount; ++b)
        x[size_t(b)] = details.brands[size_t(b)].features[size_t(feature)].value;
    return x;
}

double ownValue(const ProjectDetails& details, int feature) {
    return details.own().features[size_t(feature)].value;
}

BrandPoints brandCounts(const PlanPoll& poll, int segment, int feature) {
    return {countOf(poll, 0, segment, feature), countOf(poll, 1, segment, feature),
            double(float(countOf(poll, 2, segment, feature)))};
}

BrandPoints segmentTotals(const PlanPoll& poll, int segment) {
    BrandPoints totals{};
    for (int b = 0; b < brandCount; ++b)
        if (const SegmentCounts* counts = segmentOf(poll, b, segment))
            totals[size_t(b)] = counts->total.value_or(0);
    return totals;
}

QString brandName(const ProjectDetails& details, int brand) {
    const BrandDetails& b = details.brands[size_t(brand)];
    const QString name = b.brand.trimmed();
    return name.isEmpty() ? b.name.trimmed() : name;
}

} // namespace lendora::analysis
