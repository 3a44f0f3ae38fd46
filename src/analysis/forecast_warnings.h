#pragma once

#include "analysis/forecast.h"

#include <QString>

#include <vector>

// Warnings on a forecast: estimates whose number the poll data cannot
// support. The numbers stay as the forecast made them; a warning only says
// why an estimate deserves doubt, in the user's own names and values.
namespace lendora::analysis {

// The kinds, most serious first: a cell with several warnings is shown in
// the colour of its most serious one.
enum class WarningKind {
    BelowZero,         // an estimate of fewer than 0 respondents
    AboveSegmentTotal, // more respondents than the segment has for all three products
    NoCurve,           // two brands share the value (or the curve gives no number): own count
    Extrapolated,      // the new value lies outside the three brands' values
    FewRespondents,    // the three counts of the cell sum to fewer than fewRespondents
};
constexpr int warningKindCount = 5;

// A forecast resting on fewer respondents than this is flagged.
constexpr int fewRespondents = 5;

// The place of a warning on a segment's total rather than on a feature.
constexpr int segmentTotal = featureCount;

struct ForecastWarning {
    WarningKind kind;
    int segment; // 0 to N - 1
    int feature; // 0 to 6, or segmentTotal
    bool operator==(const ForecastWarning&) const = default;
};

// What a forecast's warnings are about: the plan's data and the estimates of
// the strategy.
struct ForecastFacts {
    const ProjectDetails& details;
    const SegmentDescriptions& segments;
    const PlanPoll& poll;
    const DetailedEstimates& estimates;
    const StrategyInput& strategy;
};

// The warnings of the estimates of the strategy. Changed features are
// checked for their curve (outside the brands' values, no curve, fewer than
// 5 respondents); every estimate and segment total is checked against 0 and
// against the segment's respondents for all three products (the sum of the
// three products' segment totals). Ordered by segment, then feature, then
// kind: the warnings of one estimate follow each other, most serious first.
std::vector<ForecastWarning> forecastWarnings(const ForecastFacts& facts);

// Why the warning was given: one sentence in the user's own names and
// values. Made when it is shown, since a large plan has thousands of
// warnings and the user reads a few.
QString warningReason(const ForecastFacts& facts, const ForecastWarning& warning);

// How a kind is shown: the cell colour (0xRRGGBB) and its name for the Guru.
struct WarningLook {
    unsigned rgb;
    QString colourName;
};
WarningLook warningLook(WarningKind kind);

// The Guru's summary of the warnings: an empty text without warnings,
// otherwise a blank line, a heading line and one line per kind that occurs
// (in the order of the kinds), CR LF between lines. Appended to the Guru
// text after Analyse.
QString guruWarningSummary(const std::vector<ForecastWarning>& warnings);

} // namespace lendora::analysis
