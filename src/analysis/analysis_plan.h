#pragma once

#include "analysis/analysis_tables.h"
#include "poll/poll_tables.h"
#include "storage/grid.h"
#include "storage/record_file.h"

#include <QString>

#include <array>

// The plan's side of an analysis: opening the Analysis window's tables from
// the plan's files, saving the strategies with the plan's analysis flag, and
// taking the flag back when no strategy is left.
namespace lendora::analysis {

// The plan's three poll tables (own product, competitor 1, competitor 2) as
// the analysis holds them: its own copies, laid out and loaded from the poll
// files, the input of the forecast.
using PollTables = std::array<Grid, poll::productCount>;

inline const QString analysedFlag = QStringLiteral("Yes");
inline const QString notAnalysedFlag = QStringLiteral("No");

// "Analysis for Project " + project name + "and Target Audience " +
// definition (no blank before "and").
QString windowCaption(const poll::PlanRef& plan);
// "Basic Details for " + project name: the caption of the base table.
QString baseCaption(const poll::PlanRef& plan);
// "New Analysis for " + the own brand: the caption of the entry frame.
QString entryFrameCaption(const Grid& base);

// What opening found out about the plan.
struct OpenedPlan {
    poll::PlanRef plan;
    bool saved = false; // the plan's analysis flag was "Yes": its strategies were loaded
};

// Open analysis, everything but the window: every table and state field
// starts afresh; the base table gets the project's details, the detailed
// estimates and poll tables the audience's segments, the poll tables their
// counts and totals; `lblProjectIndex` becomes the plan row; when the plan's
// analysis flag is "Yes" the strategies are loaded from the analysis files
// and all totals recomputed. Missing files leave their tables empty.
OpenedPlan openAnalysis(const RecordFolder& folder, const Grid& plans, int planRow,
                        AnalysisTables& tables, PollTables& polls);

// Save analysis: writes the four analysis files of plan `lblProjectIndex`,
// then sets the plan's analysis flag to "Yes" and rewrites the plan
// registry. When a file cannot be written the flag is left alone and the
// registry is not touched; when the registry cannot be written the plan row
// gets its old flag back, so the table never claims what the files do not
// hold. Returns the first failure.
WriteStatus saveAnalysis(const RecordFolder& folder, const AnalysisTables& tables, Grid& plans);

// After the last strategy was deleted: the plan's analysis flag becomes
// "No" and the plan registry is rewritten at once, so the plan does not
// reopen with the strategies just deleted. When the registry cannot be
// written the row keeps its old flag.
WriteStatus withdrawAnalysis(const RecordFolder& folder, Grid& plans, int planRow);

} // namespace lendora::analysis
