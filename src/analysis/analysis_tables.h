#pragma once

#include "storage/grid.h"
#include "workspace/plan_data.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The tables and state fields of the Analysis window, kept in core so that
// the forecast, the strategy tables, the totals and the analysis files can
// work and be tested without a window. The window shows these Grids through
// the shared GridView adapter.
namespace lendora::analysis {

using lendora::featureCount;

// Features, numbered as the columns that hold them in every analysis table.
namespace feature {
constexpr int interest = 1;
constexpr int minIncome = 2;
constexpr int loanValue = 3;
constexpr int loanPercentage = 4;
constexpr int repaymentPeriod = 5;
constexpr int emi = 6;
constexpr int freebies = 7;
} // namespace feature

// Rows of the base table (the project's Basic Details).
namespace brand {
constexpr int own = 1;
constexpr int competitor1 = 2;
constexpr int competitor2 = 3;
} // namespace brand

// Columns of the detailed estimates table `MSFG_Seg_Analysis`: column 0 the
// segment label, 1 to 7 the estimates per feature, 8 the segment total, 9
// the change against the own poll total.
namespace estimate {
constexpr int total = 8;
constexpr int change = 9;
constexpr int columnCount = 10;
} // namespace estimate

constexpr int strategyColumnCount = 8; // `MSFG_Analyses`: number, seven values
constexpr int featureColumnCount = 9;  // `MSFG_Features`: number, seven totals, total
constexpr int flagColumnCount = 9;     // `MSFG_Flags`: number, seven flags, EMI flag
constexpr int featureTotalColumn = 8;  // "Totals" of `MSFG_Features`
constexpr int newEmiFlagColumn = 8;    // `lblNewEMIFlag` of a strategy in `MSFG_Flags`

inline const QString totalsLabel = QStringLiteral("Totals");

// "Interest", "Min. Eligible Income", ... "Freebies".
QStringList featureNames();
// Headings of the base table (the Basic Details table), columns 0 to 9.
QStringList baseHeadings();
// Headings of `MSFG_Seg_Analysis`, columns 0 to 8 (column 9 has none).
QStringList estimateHeadings();
// Headings of `MSFG_Analyses`: "Strategy ID" and the seven feature names.
QStringList strategyHeadings();
// Headings of `MSFG_Features`: "ID", the seven feature names, "Totals".
QStringList featureTableHeadings();
// Caption of the frame `Fra_Estimates`: "Detailed Estimates for " + number.
QString estimatesCaption(int analysisId);

// The Analysis window's tables and hidden state fields, in their initial
// state: every table with its heading row and one empty row, the detailed
// estimates and strategy values tables with their headings.
struct AnalysisTables {
    AnalysisTables();

    Grid base;       // the project's Basic Details: rows 1 to 3, columns 0 to 9
    Grid estimates;  // `MSFG_Seg_Analysis`
    Grid strategies; // `MSFG_Analyses`
    Grid features;   // `MSFG_Features`
    Grid flags;      // `MSFG_Flags`
    Grid segments;   // `MSFG_Segments`: 2 columns until strategies exist, then N + 2

    int lblProjectIndex = 0; // the plan number; names the analysis files
    int lblAnalysisID = 1;   // the number the next added strategy gets (K + 1)
    int lblRowSel = 0;       // the strategy row last clicked

    // Change flags of the strategy being entered, one per feature.
    bool lblIFlag = false;
    bool lblMFlag = false;
    bool lblVFlag = false;
    bool lblPFlag = false;
    bool lblRFlag = false;
    bool lblEFlag = false;
    bool lblFFlag = false;
    // Set when interest, loan value or period changed: the EMI is recomputed.
    bool lblNewEMIFlag = false;

    // The change flag of feature 1 to 7 (a feature outside gives a dummy).
    bool& changeFlag(int feature);
    bool changeFlag(int feature) const;
    std::array<bool, featureCount> changeFlags() const;
    // Sets the seven change flags and `lblNewEMIFlag` back to false.
    void clearChangeFlags();

    // N: the segments of the detailed estimates table.
    int segmentCount() const { return estimates.rowCount() - 2; }

private:
    bool unknownFlag_ = false;
};

// Places the segment records (number, description) of the plan's audience:
// each description goes to column 0 of the row named by its number in the
// detailed estimates table, and one empty row is appended per record, so N
// segments give N + 2 rows.
void placeSegments(AnalysisTables& tables, const std::vector<QStringList>& segmentRecords);

} // namespace lendora::analysis
