#include "analysis/forecast_warnings.h"

#include "storage/numbers.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

double cellNumber(const Grid& grid, int row, int column) {
    return leadingNumber(grid.text(row, column));
}

// What the user calls the three brands: the brand of the Basic Details, or
// the company when the brand is empty.
std::array<QString, 3> brandNames(const Grid& base) {
    const QString fallback[3] = {u"own product"_s, u"competitor 1"_s, u"competitor 2"_s};
    std::array<QString, 3> names;
    for (int b = 0; b < 3; ++b) {
        QString name = base.text(brand::own + b, 1).trimmed();
        if (name.isEmpty())
            name = base.text(brand::own + b, 0).trimmed();
        names[size_t(b)] = name.isEmpty() ? fallback[b] : name;
    }
    return names;
}

// "Easy Home 12, City Home 11, Metro Nest 13"
QString perBrand(const std::array<QString, 3>& names, const std::array<double, 3>& values) {
    QStringList parts;
    for (size_t b = 0; b < 3; ++b)
        parts << names[b] + u' ' + doubleText(values[b]);
    return parts.join(u", "_s);
}

QString plural(qsizetype count, const QString& one, const QString& many) {
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

// Everything one segment row needs for its sentences.
struct SegmentFacts {
    QString label;
    std::array<double, 3> totals; // the three poll tables' segment totals
    double allProducts = 0;
};

// Everything one changed feature needs.
struct FeatureFacts {
    int feature = 0;
    QString name;
    double value = 0;
    std::array<double, 3> x{};
    bool changed = false;
    bool equalValues = false; // two brands share the value: no curve
    bool outside = false;     // the new value lies outside the brands' values
};

class WarningCollector {
public:
    WarningCollector(const AnalysisTables& tables, const PollGrids& polls,
                     const FeatureValues& strategy)
        : tables_(tables)
        , polls_(polls)
        , strategy_(strategy)
        , brands_(brandNames(tables.base))
        , names_(featureNames()) {}

    std::vector<ForecastWarning> collect() {
        const int n = tables_.segmentCount();
        std::array<FeatureFacts, featureCount> features;
        for (int f = 1; f <= featureCount; ++f)
            features[size_t(f - 1)] = featureFacts(f);
        for (int r = 1; r <= n; ++r) {
            const SegmentFacts segment = segmentFacts(r);
            for (const FeatureFacts& feature : features)
                checkCell(r, segment, feature);
            checkSegmentTotal(r, segment);
        }
        std::stable_sort(warnings_.begin(), warnings_.end(),
                         [](const ForecastWarning& a, const ForecastWarning& b) {
                             if (a.row != b.row)
                                 return a.row < b.row;
                             if (a.column != b.column)
                                 return a.column < b.column;
                             return int(a.kind) < int(b.kind);
                         });
        return std::move(warnings_);
    }

private:
    FeatureFacts featureFacts(int f) const {
        FeatureFacts facts;
        facts.feature = f;
        facts.name = names_.value(f - 1);
        facts.value = strategy_[size_t(f - 1)];
        facts.changed = tables_.changeFlag(f);
        const int column = 2 + f; // the feature's column in the base table
        facts.x = {cellNumber(tables_.base, brand::own, column),
                   cellNumber(tables_.base, brand::competitor1, column),
                   cellNumber(tables_.base, brand::competitor2, column)};
        const auto [low, high] = std::minmax({facts.x[0], facts.x[1], facts.x[2]});
        facts.equalValues =
            facts.x[0] == facts.x[1] || facts.x[1] == facts.x[2] || facts.x[0] == facts.x[2];
        facts.outside = facts.value < low || facts.value > high;
        return facts;
    }

    SegmentFacts segmentFacts(int r) const {
        SegmentFacts facts;
        facts.label = tables_.estimates.text(r, 0);
        if (facts.label.isEmpty())
            facts.label = u"Segment "_s + QString::number(r);
        facts.totals = {cellNumber(polls_.own, r, pollTotalColumn),
                        cellNumber(polls_.competitor1, r, pollTotalColumn),
                        cellNumber(polls_.competitor2, r, pollTotalColumn)};
        facts.allProducts = facts.totals[0] + facts.totals[1] + facts.totals[2];
        return facts;
    }

    // The three counts the forecast used (competitor 2's in single precision).
    std::array<double, 3> counts(int r, int f) const {
        return {cellNumber(polls_.own, r, f), cellNumber(polls_.competitor1, r, f),
                double(float(cellNumber(polls_.competitor2, r, f)))};
    }

    void add(WarningKind kind, int row, int column, QString reason) {
        warnings_.push_back({kind, row, column, std::move(reason)});
    }

    void checkCell(int r, const SegmentFacts& segment, const FeatureFacts& feature) {
        const int f = feature.feature;
        const double estimate = cellNumber(tables_.estimates, r, f);
        const std::array<double, 3> y = counts(r, f);
        const QString where = feature.changed ? segment.label + u", "_s + feature.name + u' ' +
                                                    doubleText(feature.value)
                                              : segment.label + u", "_s + feature.name;
        if (feature.changed) {
            if (feature.equalValues) {
                add(WarningKind::NoCurve, r, f,
                    feature.name + u": two of the three brands have the same value ("_s +
                        perBrand(brands_, feature.x) +
                        u"), so no curve can be drawn through their counts; the estimate is "_s +
                        brands_[0] + u"'s own count."_s);
            } else if (!std::isfinite(parabolaAt(feature.x, y, feature.value))) {
                add(WarningKind::NoCurve, r, f,
                    where +
                        u": the curve through the counts gives no usable number; the "_s
                        u"estimate is "_s +
                        brands_[0] + u"'s own count."_s);
            } else if (feature.outside) {
                add(WarningKind::Extrapolated, r, f,
                    feature.name + u' ' + doubleText(feature.value) +
                        u" lies outside the three brands' values ("_s +
                        perBrand(brands_, feature.x) +
                        u"): the estimate extends the curve beyond the poll data."_s);
            }
            const double respondents = y[0] + y[1] + y[2];
            if (respondents < fewRespondents)
                add(WarningKind::FewRespondents, r, f,
                    segment.label + u", "_s + feature.name + u": the estimate rests on "_s +
                        doubleText(respondents) +
                        (respondents == 1 ? u" respondent ("_s : u" respondents ("_s) +
                        perBrand(brands_, y) + u"), fewer than "_s +
                        QString::number(fewRespondents) + u'.');
        }
        if (estimate < 0)
            add(WarningKind::BelowZero, r, f,
                where + u": the curve through the counts ("_s + perBrand(brands_, y) +
                    u") gives "_s + doubleText(estimate) + u" respondents, fewer than 0."_s);
        if (estimate > segment.allProducts)
            add(WarningKind::AboveSegmentTotal, r, f,
                where + u": the estimate "_s + doubleText(estimate) + u" is more than the "_s +
                    doubleText(segment.allProducts) +
                    u" respondents of this segment for all three products ("_s +
                    perBrand(brands_, segment.totals) + u")."_s);
    }

    void checkSegmentTotal(int r, const SegmentFacts& segment) {
        const double total = cellNumber(tables_.estimates, r, estimate::total);
        const QString sum = segment.label + u": the estimates add up to "_s + doubleText(total) +
                            u" respondents, "_s;
        if (total < 0)
            add(WarningKind::BelowZero, r, estimate::total, sum + u"fewer than 0."_s);
        if (total > segment.allProducts)
            add(WarningKind::AboveSegmentTotal, r, estimate::total,
                sum + u"more than the "_s + doubleText(segment.allProducts) +
                    u" respondents of this segment for all three products ("_s +
                    perBrand(brands_, segment.totals) + u")."_s);
    }

    const AnalysisTables& tables_;
    const PollGrids& polls_;
    const FeatureValues& strategy_;
    const std::array<QString, 3> brands_;
    const QStringList names_;
    std::vector<ForecastWarning> warnings_;
};

} // namespace

std::vector<ForecastWarning> forecastWarnings(const AnalysisTables& tables, const PollGrids& polls,
                                              const FeatureValues& strategy) {
    return WarningCollector(tables, polls, strategy).collect();
}

std::vector<const ForecastWarning*> cellWarnings(const std::vector<ForecastWarning>& warnings,
                                                 int row, int column) {
    std::vector<const ForecastWarning*> found;
    for (const ForecastWarning& warning : warnings)
        if (warning.row == row && warning.column == column)
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
        return {0xF4B6B0, u"Red"_s};
    case WarningKind::AboveSegmentTotal:
        return {0xDDB8F0, u"Purple"_s};
    case WarningKind::NoCurve:
        return {0xCFD6E0, u"Grey"_s};
    case WarningKind::Extrapolated:
        return {0xFFD08A, u"Orange"_s};
    case WarningKind::FewRespondents:
        return {0xFFF09A, u"Yellow"_s};
    }
    return {0xFFFFFF, QString()};
}

QString guruWarningSummary(const std::vector<ForecastWarning>& warnings) {
    if (warnings.empty())
        return {};
    const QStringList names = featureNames();
    QStringList lines{u"Forecast warnings (point at a coloured cell of the 'Detailed Estimates' "_s
                      u"table to read why):"_s};
    for (int k = 0; k < warningKindCount; ++k) {
        const auto kind = WarningKind(k);
        qsizetype cells = 0;
        QStringList features;
        for (const ForecastWarning& warning : warnings) {
            if (warning.kind != kind)
                continue;
            ++cells;
            const QString name = names.value(warning.column - 1);
            if (!name.isEmpty() && !features.contains(name))
                features << name;
        }
        if (cells == 0)
            continue;
        const QString colour = warningLook(kind).colourName + u": "_s;
        switch (kind) {
        case WarningKind::BelowZero:
            lines << colour + plural(cells, u"estimate"_s, u"estimates"_s) +
                         u" below 0 respondents."_s;
            break;
        case WarningKind::AboveSegmentTotal:
            lines << colour + plural(cells, u"estimate"_s, u"estimates"_s) +
                         u" above the segment's respondents for all three products."_s;
            break;
        case WarningKind::NoCurve:
            lines << colour + features.join(u", "_s) +
                         u": no curve through the brands' values; the own counts stand."_s;
            break;
        case WarningKind::Extrapolated:
            lines << colour + features.join(u", "_s) +
                         u": the new value lies outside the three brands' values, so the curve "_s
                         u"is extended beyond the poll data."_s;
            break;
        case WarningKind::FewRespondents:
            lines << colour + plural(cells, u"estimate"_s, u"estimates"_s) +
                         u" resting on fewer than "_s + QString::number(fewRespondents) +
                         u" respondents."_s;
            break;
        }
    }
    return u"\r\n\r\n"_s + lines.join(u"\r\n"_s);
}

} // namespace lendora::analysis
