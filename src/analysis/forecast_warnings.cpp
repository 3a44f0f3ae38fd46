#include "analysis/forecast_warnings.h"

#include "analysis/analysis_names.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("ForecastWarnings", source);
}

// What the user calls the three brands, "own product" and so on for a
// brand without any name.
std::array<QString, brandCount> brandNames(const ProjectDetails& details) {
    const QString fallback[brandCount] = {tr("own product"), tr("competitor 1"),
                                          tr("competitor 2")};
    std::array<QString, brandCount> names;
    for (int b = 0; b < brandCount; ++b) {
        const QString name = brandName(details, b);
        names[size_t(b)] = name.isEmpty() ? fallback[b] : name;
    }
    return names;
}

// "Easy Home 12, City Home 11, Metro Nest 13"
QString perBrand(const std::array<QString, brandCount>& names, const BrandPoints& values) {
    QStringList parts;
    for (size_t b = 0; b < brandCount; ++b)
        parts << names[b] + u' ' + doubleText(values[b]);
    return parts.join(u", "_s);
}

QString number(double value) {
    return doubleText(value);
}

// What the checks of one changed feature rest on.
struct FeatureFacts {
    BrandPoints x{};
    bool equalValues = false; // two brands share the value: no curve
    bool outside = false;     // the new value lies outside the brands' values
};

FeatureFacts featureFacts(const ForecastFacts& facts, int f) {
    FeatureFacts feature;
    feature.x = brandValues(facts.details, f);
    const auto [low, high] = std::minmax({feature.x[0], feature.x[1], feature.x[2]});
    const double value = facts.strategy.values[size_t(f)];
    feature.equalValues = !distinctValues(feature.x);
    feature.outside = value < low || value > high;
    return feature;
}

double respondentsOf(const BrandPoints& totals) {
    return totals[0] + totals[1] + totals[2];
}

double estimateAt(const ForecastFacts& facts, int segment, int feature) {
    const SegmentEstimates& estimates = facts.estimates.segments[size_t(segment)];
    return feature == segmentTotal ? estimates.total : estimates.features[size_t(feature)];
}

} // namespace

std::vector<ForecastWarning> forecastWarnings(const ForecastFacts& facts) {
    std::vector<ForecastWarning> warnings;
    PerFeature<FeatureFacts> features;
    for (int f = 0; f < featureCount; ++f)
        features[size_t(f)] = featureFacts(facts, f);
    for (int r = 0; r < int(facts.estimates.segments.size()); ++r) {
        const double allProducts = respondentsOf(segmentTotals(facts.poll, r));
        for (int f = 0; f <= segmentTotal; ++f) {
            if (f < featureCount && facts.strategy.changed[size_t(f)]) {
                const FeatureFacts& feature = features[size_t(f)];
                const BrandPoints y = brandCounts(facts.poll, r, f);
                if (feature.equalValues ||
                    !std::isfinite(parabolaAt(feature.x, y, facts.strategy.values[size_t(f)])))
                    warnings.push_back({WarningKind::NoCurve, r, f});
                else if (feature.outside)
                    warnings.push_back({WarningKind::Extrapolated, r, f});
                if (y[0] + y[1] + y[2] < fewRespondents)
                    warnings.push_back({WarningKind::FewRespondents, r, f});
            }
            const double estimate = estimateAt(facts, r, f);
            if (estimate < 0)
                warnings.push_back({WarningKind::BelowZero, r, f});
            if (estimate > allProducts)
                warnings.push_back({WarningKind::AboveSegmentTotal, r, f});
        }
    }
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const ForecastWarning& a, const ForecastWarning& b) {
                         if (a.segment != b.segment)
                             return a.segment < b.segment;
                         if (a.feature != b.feature)
                             return a.feature < b.feature;
                         return int(a.kind) < int(b.kind);
                     });
    return warnings;
}

QString warningReason(const ForecastFacts& facts, const ForecastWarning& warning) {
    const int r = warning.segment;
    const int f = warning.feature;
    const std::array<QString, brandCount> brands = brandNames(facts.details);
    QString label = r < int(facts.segments.size()) ? facts.segments[size_t(r)] : QString();
    if (label.isEmpty())
        label = tr("Segment %1").arg(r + 1);
    const BrandPoints totals = segmentTotals(facts.poll, r);
    const double estimate = estimateAt(facts, r, f);
    if (f == segmentTotal)
        return warning.kind == WarningKind::BelowZero
                   ? tr("%1: the estimates add up to %2 respondents, fewer than 0.")
                         .arg(label, number(estimate))
                   : tr("%1: the estimates add up to %2 respondents, more than the %3 "
                        "respondents of this segment for all three products (%4).")
                         .arg(label, number(estimate), number(respondentsOf(totals)),
                              perBrand(brands, totals));

    const QString name = names::featureNames[f]();
    const double value = facts.strategy.values[size_t(f)];
    const FeatureFacts feature = featureFacts(facts, f);
    const BrandPoints y = brandCounts(facts.poll, r, f);
    const QString where = facts.strategy.changed[size_t(f)]
                              ? tr("%1, %2 %3").arg(label, name, number(value))
                              : tr("%1, %2").arg(label, name);
    switch (warning.kind) {
    case WarningKind::NoCurve:
        if (feature.equalValues)
            return tr("%1: two of the three brands have the same value (%2), so no curve can be "
                      "drawn through their counts; the estimate is %3's own count.")
                .arg(name, perBrand(brands, feature.x), brands[0]);
        return tr("%1: the curve through the counts gives no usable number; the estimate is "
                  "%2's own count.")
            .arg(where, brands[0]);
    case WarningKind::Extrapolated:
        return tr("%1 %2 lies outside the three brands' values (%3): the estimate extends the "
                  "curve beyond the poll data.")
            .arg(name, number(value), perBrand(brands, feature.x));
    case WarningKind::FewRespondents: {
        const double respondents = y[0] + y[1] + y[2];
        return (respondents == 1
                    ? tr("%1, %2: the estimate rests on %3 respondent (%4), fewer than %5.")
                    : tr("%1, %2: the estimate rests on %3 respondents (%4), fewer than %5."))
            .arg(label, name, number(respondents), perBrand(brands, y),
                 QString::number(fewRespondents));
    }
    case WarningKind::BelowZero:
        return tr("%1: the curve through the counts (%2) gives %3 respondents, fewer than 0.")
            .arg(where, perBrand(brands, y), number(estimate));
    case WarningKind::AboveSegmentTotal:
        return tr("%1: the estimate %2 is more than the %3 respondents of this segment for all "
                  "three products (%4).")
            .arg(where, number(estimate), number(respondentsOf(totals)), perBrand(brands, totals));
    }
    return {};
}

namespace {

// "1 estimate", "3 estimates".
QString estimatesText(qsizetype count) {
    return (count == 1 ? tr("%1 estimate") : tr("%1 estimates")).arg(count);
}

} // namespace

WarningLook warningLook(WarningKind kind) {
    switch (kind) {
    case WarningKind::BelowZero:
        return {0xF4B6B0, tr("Red")};
    case WarningKind::AboveSegmentTotal:
        return {0xDDB8F0, tr("Purple")};
    case WarningKind::NoCurve:
        return {0xCFD6E0, tr("Grey")};
    case WarningKind::Extrapolated:
        return {0xFFD08A, tr("Orange")};
    case WarningKind::FewRespondents:
        return {0xFFF09A, tr("Yellow")};
    }
    return {0xFFFFFF, QString()};
}

QString guruWarningSummary(const std::vector<ForecastWarning>& warnings) {
    if (warnings.empty())
        return {};
    QStringList lines{tr("Forecast warnings (point at a coloured cell of the 'Detailed Estimates' "
                         "table to read why):")};
    for (int k = 0; k < warningKindCount; ++k) {
        const auto kind = WarningKind(k);
        qsizetype cells = 0;
        QStringList features;
        for (const ForecastWarning& warning : warnings) {
            if (warning.kind != kind)
                continue;
            ++cells;
            if (warning.feature < featureCount) {
                const QString name = names::featureNames[warning.feature]();
                if (!features.contains(name))
                    features << name;
            }
        }
        if (cells == 0)
            continue;
        const QString colour = warningLook(kind).colourName;
        switch (kind) {
        case WarningKind::BelowZero:
            lines << tr("%1: %2 below 0 respondents.").arg(colour, estimatesText(cells));
            break;
        case WarningKind::AboveSegmentTotal:
            lines << tr("%1: %2 above the segment's respondents for all three products.")
                         .arg(colour, estimatesText(cells));
            break;
        case WarningKind::NoCurve:
            lines << tr("%1: %2: no curve through the brands' values; the own counts stand.")
                         .arg(colour, features.join(u", "));
            break;
        case WarningKind::Extrapolated:
            lines << tr("%1: %2: the new value lies outside the three brands' values, so the "
                        "curve is extended beyond the poll data.")
                         .arg(colour, features.join(u", "));
            break;
        case WarningKind::FewRespondents:
            lines << tr("%1: %2 resting on fewer than %3 respondents.")
                         .arg(colour, estimatesText(cells), QString::number(fewRespondents));
            break;
        }
    }
    return u"\r\n\r\n"_s + lines.join(u"\r\n"_s);
}

} // namespace lendora::analysis
