#include "analysis/forecast.h"

#include "storage/numbers.h"

#include <cmath>
#include <limits>

namespace lendora::analysis {

namespace {

// Clamps a 64-bit sum of 32-bit estimates back into 32 bits.
std::int32_t saturate(std::int64_t value) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(value < low ? low : value > high ? high : value);
}

double cellNumber(const Grid& grid, int row, int column) {
    return leadingNumber(grid.text(row, column));
}

// Whether a stored strategy has the same flag pattern as the current one:
// its seven flag texts joined, compared with the current flags joined.
QString storedPattern(const Grid& flags, int row) {
    QString pattern;
    for (int f = 1; f <= featureCount; ++f)
        pattern += flags.text(row, f);
    return pattern;
}

QString currentPattern(const std::array<bool, featureCount>& flags) {
    QString pattern;
    for (bool flag : flags)
        pattern += flag ? u'1' : u'0';
    return pattern;
}

// The novelty check; Computed when the strategy may be forecast.
AnalyseResult::Outcome novelty(const AnalysisTables& tables,
                               const std::array<bool, featureCount>& flags,
                               const FeatureValues& strategy) {
    const int next = tables.lblAnalysisID;
    int changed = 0;
    for (bool flag : flags)
        changed += flag ? 1 : 0;
    if (next <= 1)
        return changed == 0 ? AnalyseResult::Outcome::NoChange : AnalyseResult::Outcome::Computed;

    const QString pattern = currentPattern(flags);
    int samePattern = 0;
    for (int k = 1; k < next; ++k)
        if (storedPattern(tables.flags, k) == pattern)
            ++samePattern;
    if (samePattern == 0)
        return AnalyseResult::Outcome::Computed;

    // Any stored strategy that changed a feature to the value now entered
    // for it counts as the same strategy.
    for (int k = 1; k < next; ++k)
        for (int f = 1; f <= featureCount; ++f)
            if (cellNumber(tables.flags, k, f) == 1 &&
                cellNumber(tables.strategies, k, f) == strategy[size_t(f - 1)])
                return AnalyseResult::Outcome::AlreadyExists;
    return AnalyseResult::Outcome::Computed;
}

} // namespace

FeatureValues featureValues(const QStringList& fieldTexts) {
    FeatureValues values{};
    for (int f = 0; f < featureCount && f < fieldTexts.size(); ++f)
        values[size_t(f)] = leadingNumber(fieldTexts[f]);
    return values;
}

QString AnalyseResult::message() const {
    switch (outcome) {
    case Outcome::NoChange:
        return noChangeMessage;
    case Outcome::AlreadyExists:
        return strategyExistsMessage;
    case Outcome::Computed:
        break;
    }
    return {};
}

std::array<double, 3> brandValues(const Grid& base, int feature) {
    const int column = 2 + feature; // the feature's column in the base table
    return {cellNumber(base, brand::own, column), cellNumber(base, brand::competitor1, column),
            cellNumber(base, brand::competitor2, column)};
}

std::array<double, 3> brandCounts(const PollGrids& polls, int segment, int feature) {
    return {cellNumber(polls.own, segment, feature),
            cellNumber(polls.competitor1, segment, feature),
            double(float(cellNumber(polls.competitor2, segment, feature)))};
}

bool distinctValues(const std::array<double, 3>& x) {
    return x[0] != x[1] && x[1] != x[2] && x[0] != x[2];
}

Parabola parabolaThrough(const std::array<double, 3>& x, const std::array<double, 3>& y) {
    const double d1 = (y[0] - y[1]) / (x[0] - x[1]);
    const double d2 = (y[1] - y[2]) / (x[1] - x[2]);
    Parabola p;
    p.a = (d1 - d2) / (x[0] - x[2]);
    p.b = d1 - p.a * (x[0] + x[1]);
    p.c = y[0] - (p.a * x[0] * x[0] + p.b * x[0]);
    return p;
}

double parabolaAt(const std::array<double, 3>& x, const std::array<double, 3>& y, double v) {
    return parabolaThrough(x, y).at(v);
}

std::int32_t estimateCount(const std::array<double, 3>& x, const std::array<double, 3>& y,
                           double v) {
    if (!distinctValues(x))
        return toWhole(y[0]);
    const double value = parabolaAt(x, y, v);
    if (!std::isfinite(value))
        return toWhole(y[0]);
    return toWhole(value);
}

AnalyseResult analyse(AnalysisTables& tables, const PollGrids& polls,
                      const FeatureValues& strategy) {
    const std::array<bool, featureCount> flags = tables.changeFlags();
    Grid& table = tables.estimates;
    if (table.rowCount() < 2)
        table.setRowCount(2); // no segments: only the totals row
    const int n = table.rowCount() - 2;

    table.setText(n + 1, 0, totalsLabel);
    for (int c = 1; c <= estimate::total; ++c)
        table.setText(n + 1, c, QStringLiteral("0"));

    AnalyseResult result;
    result.outcome = novelty(tables, flags, strategy);
    if (!result.computed())
        return result;

    std::vector<std::int64_t> segmentTotals(size_t(n) + 1, 0);
    for (int f = 1; f <= featureCount; ++f) {
        const std::array<double, 3> x = brandValues(tables.base, f);
        std::int64_t featureTotal = 0;
        for (int r = 1; r <= n; ++r) {
            const std::int32_t e = flags[size_t(f - 1)] ? estimateCount(x, brandCounts(polls, r, f),
                                                                        strategy[size_t(f - 1)])
                                                        : toWhole(cellNumber(polls.own, r, f));
            table.setText(r, f, wholeText(e));
            featureTotal += e;
            segmentTotals[size_t(r)] += e;
        }
        table.setText(n + 1, f, wholeText(saturate(featureTotal)));
    }

    std::int64_t grandTotal = 0;
    for (int r = 1; r <= n; ++r) {
        const std::int32_t total = saturate(segmentTotals[size_t(r)]);
        table.setText(r, estimate::total, wholeText(total));
        grandTotal += total;
        const float ownTotal = float(cellNumber(polls.own, r, pollTotalColumn));
        table.setText(r, estimate::change, doubleText(double(total) - double(ownTotal)));
    }
    table.setText(n + 1, estimate::total, wholeText(saturate(grandTotal)));
    return result;
}

} // namespace lendora::analysis
