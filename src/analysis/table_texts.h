#pragma once

#include "analysis/plan_analysis.h"

#include <QString>
#include <QStringList>

#include <vector>

// The tables of the Analysis window as texts: what each cell shows, made
// from the plan's analysis when it is asked for. The window's table models
// and the exports read them; nothing reads a number back out of them.
namespace lendora::analysis {

enum class AnalysisTable {
    Base,             // `MSFlexGrid1`: the three brands' details and one empty row
    Estimates,        // `MSFG_Seg_Analysis`: the last Analyse, a row per segment and "Totals"
    StrategyValues,   // `MSFG_Analyses`: each strategy's values, then an empty row
    FeatureEstimates, // `MSFG_Features`: respondents per feature, then "Totals"
    ChangeFlags,      // `MSFG_Flags`: each strategy's change flags, then an empty row
    SegmentEstimates, // `MSFG_Segments`: respondents per segment, then "Totals"
};

// Rows under the headings, and columns. The rows are numbered from 1, as
// the strategies are (row k of a strategy table is strategy k).
int tableRows(const PlanAnalysis& plan, AnalysisTable table);
int tableColumns(const PlanAnalysis& plan, AnalysisTable table);

// A column's heading (row 0) or a cell's text.
QString tableText(const PlanAnalysis& plan, AnalysisTable table, int row, int column);

// Every row of the table, the headings first.
std::vector<QStringList> tableTexts(const PlanAnalysis& plan, AnalysisTable table);

} // namespace lendora::analysis
