#pragma once

#include "analysis/intervals.h"
#include "analysis/plan_analysis.h"
#include "analysis/sensitivity.h"
#include "spreadsheet/workbook.h"
#include "workspace/plan_data.h"

#include <optional>
#include <vector>

// The analysis of a plan as an Excel workbook: the comparison of all
// strategies with its two charts, every strategy's estimates by segment,
// the three poll tables, the brands' details, the sensitivity curve and the
// business case. Every number is a number cell, the same numbers as the
// comparison's CSV file holds.
namespace lendora::analysis {

struct WorkbookContent {
    const PlanAnalysis* analysis = nullptr;
    // The 90% intervals of strategies 1 to K and the resamples they came
    // from, as the CSV export takes them.
    const std::vector<StrategyIntervals>* intervals = nullptr;
    const ResampledPolls* resampled = nullptr;
    // The curve the window shows; none leaves its sheet out.
    const SensitivityCurve* curve = nullptr;
    // The plan's business case; none (or one refused by checkInputs) leaves
    // its sheet out.
    std::optional<BusinessCase> businessCase;
};

spreadsheet::Workbook analysisWorkbook(const WorkbookContent& content);

// A cell of an exported table: a number cell when the text is a number
// ("0" for whole numbers, "0.00" otherwise), a text cell otherwise.
spreadsheet::Cell exportedCell(const QString& text);

} // namespace lendora::analysis
