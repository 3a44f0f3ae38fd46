#pragma once

#include "analysis/analysis_tables.h"
#include "storage/grid.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The forecast behind "Analyse": for every segment and every changed feature
// a parabola through the three brands' points (feature value, poll count) is
// read at the strategy's new value.
namespace lendora::analysis {

// The poll tables of the own product and the two competitors: row 0
// headings, rows 1 to N the segments with the counts of features 1 to 7 in
// columns 1 to 7 and the segment total in column 8, row N + 1 "Totals".
struct PollGrids {
    const Grid& own;
    const Grid& competitor1;
    const Grid& competitor2;
};
constexpr int pollTotalColumn = 8;

// The seven values of a strategy, in feature order.
using FeatureValues = std::array<double, featureCount>;

// The leading-number values of the seven entry field texts (missing texts
// count as 0).
FeatureValues featureValues(const QStringList& fieldTexts);

// Shown when the first strategy changes nothing.
inline const QString noChangeMessage =
    QStringLiteral("Change at least one value for a new analysis. \r\nThis is not a new Analysis.");
// Shown when a stored strategy with the same changed features has an equal value.
inline const QString strategyExistsMessage = QStringLiteral("This feature strategy already exists");

// The three brands' values of a feature (base table rows own, competitor 1,
// competitor 2) and their counts in a segment (competitor 2's in single
// precision): the points of the parabola, as Analyse takes them.
std::array<double, 3> brandValues(const Grid& base, int feature);
std::array<double, 3> brandCounts(const PollGrids& polls, int segment, int feature);
// Whether the three values differ, so that a parabola passes through them.
bool distinctValues(const std::array<double, 3>& x);

// y = (a v v + b v) + c, with the coefficients worked out as Analyse does.
struct Parabola {
    double a = 0;
    double b = 0;
    double c = 0;
    double at(double v) const { return (a * v * v + b * v) + c; }
};
Parabola parabolaThrough(const std::array<double, 3>& x, const std::array<double, 3>& y);

// The parabola through (x[0], y[0]), (x[1], y[1]), (x[2], y[2]) read at v,
// in double precision. Not finite when two x are equal.
double parabolaAt(const std::array<double, 3>& x, const std::array<double, 3>& y, double v);

// One estimate: the parabola's value rounded halves to even and held in 32
// bits. The own count y[0] (rounded) stands in when two base values are
// equal or the parabola's value is not finite.
std::int32_t estimateCount(const std::array<double, 3>& x, const std::array<double, 3>& y,
                           double v);

struct AnalyseResult {
    enum class Outcome {
        Computed,      // the estimates are in the table; "Add" may be enabled
        NoChange,      // refused: the first strategy changes nothing
        AlreadyExists, // refused: an equal changed value is stored
    };
    Outcome outcome = Outcome::Computed;

    bool computed() const { return outcome == Outcome::Computed; }
    // The message to show for a refused strategy; empty when computed.
    QString message() const;
};

// Analyse: checks that the strategy given by the change flags of `tables`
// and the entered values is new, then fills the detailed estimates table
// (rows 1 to N: estimates, segment totals and changes; row N + 1: "Totals",
// the feature totals and the grand total). A refused strategy leaves the
// estimates of rows 1 to N as they were and the totals row reset to zeros.
// "Add" must be disabled after a refusal and enabled after a computation.
AnalyseResult analyse(AnalysisTables& tables, const PollGrids& polls,
                      const FeatureValues& strategy);

} // namespace lendora::analysis
