#pragma once

#include "analysis/analysis_tables.h"
#include "storage/record_file.h"
#include "workspace/workspace.h"

#include <QString>

// The four analysis files of a plan, one per strategy table: the strategy
// values ("_0ff.lnd"), the per-feature estimates ("_0anf.lnd"), the change
// flags ("_0fgf.lnd") and the per-segment estimates ("_0sgf.lnd").
namespace lendora::analysis {

constexpr int strategyItems = 8;
constexpr int featureItems = 8;
constexpr int flagItems = 8;
constexpr int segmentItems = 3;

// Save analysis, the data part: the K = `lblAnalysisID` - 1 strategies of
// the tables.
std::vector<SavedStrategy> savedStrategies(const AnalysisTables& tables);

// Load saved analysis: fills the four strategy tables of plan
// `lblProjectIndex` from its files (the detailed estimates table must already
// hold the segments), sets `lblAnalysisID` to K + 1, gives `MSFG_Segments`
// N + 2 columns with the segment headings, labels the "Totals" rows and
// recomputes all totals. A missing file leaves its table empty.
void loadAnalysisFiles(const RecordFolder& folder, AnalysisTables& tables);

} // namespace lendora::analysis
