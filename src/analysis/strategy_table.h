#pragma once

#include "analysis/analysis_tables.h"
#include "analysis/forecast.h"

#include <QString>

// Adding an analysed strategy to the strategy tables and deleting one.
namespace lendora::analysis {

// Add: appends the strategy just analysed, numbered S = (row count of
// `MSFG_Analyses`) - 1, to the four strategy tables: its segment totals to
// `MSFG_Segments` (which gets N + 2 columns and the segment headings), its
// change flags and `lblNewEMIFlag` to `MSFG_Flags`, the entered values to
// `MSFG_Analyses` and the feature totals and grand total to `MSFG_Features`.
// Then `lblAnalysisID` becomes S + 1, the change flags and `lblNewEMIFlag`
// are cleared and allTotals() runs, so the totals rows stay under the
// strategies. The window then redraws the charts, resets the entry fields
// (entryTexts) and switches its buttons. Returns S.
int addStrategy(AnalysisTables& tables, const FeatureValues& entered);

inline const QString deleteQuestion =
    QStringLiteral("Deleting cannot be undone.Do still you want to delete this strategy?");
inline const QString noAnalysisMessage = QStringLiteral("No Analysis available");
inline const QString deletionNotSavedMessage = QStringLiteral(
    "This deletion has not yet been saved.To save the deletion, click the 'Save' button");

enum class DeleteOutcome {
    NotAStrategy, // the row is no strategy (a heading or totals row): nothing changed
    NoneLeft,     // the last strategy went: plan's analysis flag "No", Save disabled
    Deleted,      // strategies remain, renumbered 1 to K: Save enabled
};

// Delete strategy (after the user answered Yes to deleteQuestion): removes
// row `row` from the four strategy tables, sets `lblAnalysisID` to the next
// free number, renumbers the remaining strategies and recomputes the totals.
DeleteOutcome deleteStrategy(AnalysisTables& tables, int row);

// The message the window shows after a deletion; empty for NotAStrategy.
QString deleteMessage(DeleteOutcome outcome);

} // namespace lendora::analysis
