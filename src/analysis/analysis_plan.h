#pragma once

#include "analysis/analysis_tables.h"
#include "poll/poll_tables.h"
#include "storage/grid.h"
#include "storage/record_file.h"
#include "workspace/workspace.h"

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

// The captions are made of the names as a window shows them (shownText), so
// that a name of megabytes is not copied whole into a caption.
// "Analysis for Project " + project name + "and Target Audience " +
// definition (no blank before "and").
QString windowCaption(const Plan& plan);
// "Basic Details for " + project name: the caption of the base table.
QString baseCaption(const Plan& plan);
// "New Analysis for " + the own brand: the caption of the entry frame.
QString entryFrameCaption(const Grid& base);

// Open analysis, everything but the window: every table and state field
// starts afresh; the base table gets the project's details, the detailed
// estimates and poll tables the audience's segments, the poll tables their
// counts and totals; `lblProjectIndex` becomes the plan's number; when the
// plan is analysed the strategies are loaded from the analysis files and all
// totals recomputed. Missing files leave their tables empty.
void openAnalysis(const RecordFolder& folder, const Plan& plan, int number, AnalysisTables& tables,
                  PollTables& polls);

// Save analysis: the four analysis files of the plan and its analysis flag
// "Yes", written as a whole. Returns the failure, if any.
WriteStatus saveAnalysis(Workspace& workspace, PlanId plan, const AnalysisTables& tables);

} // namespace lendora::analysis
