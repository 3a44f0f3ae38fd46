#pragma once

#include "analysis/analysis_tables.h"
#include "analysis/forecast.h"

#include <QString>

#include <vector>

// Warnings on a forecast: cells of the detailed estimates table whose number
// the poll data cannot support. The numbers stay as the forecast wrote them;
// a warning only says why a cell deserves doubt, in the user's own values.
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

struct ForecastWarning {
    WarningKind kind;
    int row;        // segment row 1 to N of `MSFG_Seg_Analysis`
    int column;     // feature column 1 to 7, or 8 for the segment total
    QString reason; // one sentence in the user's own names and values
};

// The warnings of the forecast the detailed estimates table holds, made with
// the change flags of `tables` and the strategy's values (as Analyse used
// them). Changed features are checked for their curve (outside the brands'
// values, no curve, fewer than 5 respondents); every estimate and segment
// total is checked against 0 and against the segment's respondents for all
// three products (the sum of the three poll tables' segment totals). Ordered
// by row, then column, then kind.
std::vector<ForecastWarning> forecastWarnings(const AnalysisTables& tables, const PollGrids& polls,
                                              const FeatureValues& strategy);

// The warnings of one cell, most serious first.
std::vector<const ForecastWarning*> cellWarnings(const std::vector<ForecastWarning>& warnings,
                                                 int row, int column);

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
