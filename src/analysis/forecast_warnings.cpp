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
    return parts.join(u", ");
}

QString number(double value) {
    return doubleText(value);
}

// Everything one segment needs for its sentences.
struct SegmentFacts {
    QString label;
    BrandPoints totals{}; // the three products' segment totals
    double allProducts = 0;
};

// Everything one feature needs.
struct FeatureFacts {
    int feature = 0;
    QString name;
    double value = 0;
    BrandPoints x{};
    bool changed = false;
    bool equalValues = false; // two brands share the value: no curve
    bool outside = false;     // the new value lies outside the brands' values
};

class WarningCollector {
public:
    WarningCollector(const ProjectDetails& details, const SegmentDescriptions& segments,
                     const PlanPoll& poll, const DetailedEstimates& estimates,
                     const StrategyInput& strategy)
        : segments_(segments)
        , poll_(poll)
        , estimates_(estimates)
        , strategy_(strategy)
        , brands_(brandNames(details)) {
        for (int f = 0; f < featureCount; ++f)
            features_[size_t(f)] = featureFacts(details, f);
    }

    std::vector<ForecastWarning> collect() {
        for (int r = 0; r < int(estimates_.segments.size()); ++r) {
            const SegmentFacts segment = segmentFacts(r);
            for (const FeatureFacts& feature : features_)
                checkCell(r, segment, feature);
            checkSegmentTotal(r, segment);
        }
        std::stable_sort(warnings_.begin(), warnings_.end(),
                         [](const ForecastWarning& a, const ForecastWarning& b) {
                             if (a.segment != b.segment)
                                 return a.segment < b.segment;
                             if (a.feature != b.feature)
                                 return a.feature < b.feature;
                             return int(a.kind) < int(b.kind);
                         });
        return std::move(warnings_);
    }

private:
    FeatureFacts featureFacts(const ProjectDetails& details, int f) const {
        FeatureFacts facts;
        facts.feature = f;
        facts.name = names::featureNames[f]();
        facts.value = strategy_.values[size_t(f)];
        facts.changed = strategy_.changed[size_t(f)];
        facts.x = brandValues(details, f);
        const auto [low, high] = std::minmax({facts.x[0], facts.x[1], facts.x[2]});
        facts.equalValues = !distinctValues(facts.x);
        facts.outside = facts.value < low || facts.value > high;
        return facts;
    }

    SegmentFacts segmentFacts(int r) const {
        SegmentFacts facts;
        facts.label = r < int(segments_.size()) ? segments_[size_t(r)] : QString();
        if (facts.label.isEmpty())
            facts.label = tr("Segment %1").arg(r + 1);
        facts.totals = segmentTotals(poll_, r);
        facts.allProducts = facts.totals[0] + facts.totals[1] + facts.totals[2];
        return facts;
    }

    void add(WarningKind kind, int segment, int feature, QString reason) {
        warnings_.push_back({kind, segment, feature, std::move(reason)});
    }

    void checkCell(int r, const SegmentFacts& segment, const FeatureFacts& feature) {
        const int f = feature.feature;
        const double estimate = estimates_.segments[size_t(r)].features[size_t(f)];
        const BrandPoints y = brandCounts(poll_, r, f);
        const QString where =
            feature.changed
                ? tr("%1, %2 %3").arg(segment.label, feature.name, number(feature.value))
                : tr("%1, %2").arg(segment.label, feature.name);
        if (feature.changed) {
            if (feature.equalValues) {
                add(WarningKind::NoCurve, r, f,
                    tr("%1: two of the three brands have the same value (%2), so no curve can be "
                       "drawn through their counts; the estimate is %3's own count.")
                        .arg(feature.name, perBrand(brands_, feature.x), brands_[0]));
            } else if (!std::isfinite(parabolaAt(feature.x, y, feature.value))) {
                add(WarningKind::NoCurve, r, f,
                    tr("%1: the curve through the counts gives no usable number; the estimate is "
                       "%2's own count.")
                        .arg(where, brands_[0]));
            } else if (feature.outside) {
                add(WarningKind::Extrapolated, r, f,
                    tr("%1 %2 lies outside the three brands' values (%3): the estimate extends "
                       "the curve beyond the poll data.")
                        .arg(feature.name, number(feature.value), perBrand(brands_, feature.x)));
            }
            const double respondents = y[0] + y[1] + y[2];
            if (respondents < fewRespondents)
                add(WarningKind::FewRespondents, r, f,
                    (respondents == 1 ? tr("%1, %2: the estimate rests on %3 respondent (%4), "
                                           "fewer than %5.")
                                      : tr("%1, %2: the estimate rests on %3 respondents (%4), "
                                           "fewer than %5."))
                        .arg(segment.label, feature.name, number(respondents), perBrand(brands_, y),
                             QString::number(fewRespondents)));
        }
        if (estimate < 0)
            add(WarningKind::BelowZero, r, f,
                tr("%1: the curve through the counts (%2) gives %3 respondents, fewer than 0.")
                    .arg(where, perBrand(brands_, y), number(estimate)));
        if (estimate > segment.allProducts)
            add(WarningKind::AboveSegmentTotal, r, f,
                tr("%1: the estimate %2 is more than the %3 respondents of this segment for all "
                   "three products (%4).")
                    .arg(where, number(estimate), number(segment.allProducts),
                         perBrand(brands_, segment.totals)));
    }

    void checkSegmentTotal(int r, const SegmentFacts& segment) {
        const double total = estimates_.segments[size_t(r)].total;
        if (total < 0)
            add(WarningKind::BelowZero, r, segmentTotal,
                tr("%1: the estimates add up to %2 respondents, fewer than 0.")
                    .arg(segment.label, number(total)));
        if (total > segment.allProducts)
            add(WarningKind::AboveSegmentTotal, r, segmentTotal,
                tr("%1: the estimates add up to %2 respondents, more than the %3 respondents of "
                   "this segment for all three products (%4).")
                    .arg(segment.label, number(total), number(segment.allProducts),
                         perBrand(brands_, segment.totals)));
    }

    const SegmentDescriptions& segments_;
    const PlanPoll& poll_;
    const DetailedEstimates& estimates_;
    const StrategyInput& strategy_;
    const std::array<QString, brandCount> brands_;
    PerFeature<FeatureFacts> features_;
    std::vector<ForecastWarning> warnings_;
};

// "1 estimate", "3 estimates".
QString estimatesText(qsizetype count) {
    return (count == 1 ? tr("%1 estimate") : tr("%1 estimates")).arg(count);
}

} // namespace

std::vector<ForecastWarning> forecastWarnings(const ProjectDetails& details,
                                              const SegmentDescriptions& segments,
                                              const PlanPoll& poll,
                                              const DetailedEstimates& estimates,
                                              const StrategyInput& strategy) {
    return WarningCollector(details, segments, poll, estimates, strategy).collect();
}

std::vector<const ForecastWarning*> cellWarnings(const std::vector<ForecastWarning>& warnings,
                                                 int segment, int feature) {
    std::vector<const ForecastWarning*> found;
    for (const ForecastWarning& warning : warnings)
        if (warning.segment == segment && warning.feature == feature)
            found.push_back(&warning);
    std::stable_sort(found.begin(), found.end(),
                     [](const ForecastWarning* a, const ForecastWarning* b) {
                         return int(a->kind) < int(b->kind);
                     });
    return found;
}

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
