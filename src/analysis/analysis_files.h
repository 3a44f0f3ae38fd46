#pragma once

#include "analysis/analysis_tables.h"
#include "storage/record_file.h"

#include <QString>

// The four analysis files of a plan, one per strategy table: the strategy
// values ("_0ff.lnd"), the per-feature estimates ("_0anf.lnd"), the change
// flags ("_0fgf.lnd") and the per-segment estimates ("_0sgf.lnd").
namespace lendora::analysis {

constexpr int strategyItems = 8;
constexpr int featureItems = 8;
constexpr int flagItems = 8;
constexpr int segmentItems = 3;

// "3_0ff.lnd" for plan 3, and so on.
QString strategiesFileName(int plan);
QString featuresFileName(int plan);
QString flagsFileName(int plan);
QString segmentsFileName(int plan);

// Save analysis, the file part: writes the K = `lblAnalysisID` - 1
// strategies of the tables to the four files of plan `lblProjectIndex`,
// each file replaced whole. With K = 0 no file is touched. The files are
// replaced together: when one cannot be written, none is replaced and the
// failure is returned.
WriteStatus writeAnalysisFiles(const RecordFolder& folder, const AnalysisTables& tables);

// Load saved analysis: fills the four strategy tables of plan
// `lblProjectIndex` from its files (the detailed estimates table must already
// hold the segments), sets `lblAnalysisID` to K + 1, gives `MSFG_Segments`
// N + 2 columns with the segment headings, labels the "Totals" rows and
// recomputes all totals. A missing file leaves its table empty.
void loadAnalysisFiles(const RecordFolder& folder, AnalysisTables& tables);

} // namespace lendora::analysis
