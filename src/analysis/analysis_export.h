#pragma once

#include "analysis/intervals.h"
#include "analysis/plan_analysis.h"
#include "workspace/records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// What the comparison of a plan's strategies exports, as plain data: the
// CSV text of the two summary tables and the content of the PDF report.
// The window only draws and writes them.
namespace lendora::analysis {

// One CSV field (RFC 4180): a field holding a comma, a double quote, a
// carriage return or a line feed is put in double quotes, with each quote
// doubled; any other field is written as it is.
QString csvField(const QString& text);

// CSV records: fields joined by ",", CR LF after every record, UTF-8.
QByteArray csvRecords(const std::vector<QStringList>& records);

// The rows of a table as shown: the heading row, then every row that holds
// anything (strategies and the "Totals" row).
std::vector<QStringList> shownRows(std::vector<QStringList> rows);

// The CSV file of the comparison: the per-feature table (`MSFG_Features`)
// from its heading row to its "Totals" row, an empty line, the title line
// "Segment wise Analysis", then the per-segment table (`MSFG_Segments`) the
// same way. Cells exactly as the tables show them.
QByteArray comparisonCsv(const PlanAnalysis& plan);

// The same with the 90% intervals beside the tables' own columns: each
// strategy row of the per-feature table gets the low and the high end of
// its seven feature totals and its grand total, each row of the per-segment
// table those of its segment totals and total; the heading rows name them
// ("Interest low", "Interest high" ...) and the "Totals" rows leave them
// empty. With the resamples the intervals came from, an empty line, the
// title line "Detailed Estimates 90%" and every strategy's estimates by
// segment with their intervals follow, and at the end, after an empty
// line, how the intervals were worked out. Without intervals the file is
// that of comparisonCsv(tables).
QByteArray comparisonCsv(const PlanAnalysis& plan, const std::vector<StrategyIntervals>& intervals,
                         const ResampledPolls* resampled = nullptr);

// Every strategy's estimates by segment with their intervals, as numbers:
// a row per strategy and segment, under the headings "Strategy ID",
// "Segment", then an estimate, low and high per feature and for the
// segment's total.
struct EstimateTable {
    static constexpr int figures = 3 * (featureCount + 1);
    struct Row {
        int strategy = 0; // from 1
        int segment = 0;  // from 0
        std::array<std::int64_t, figures> values{};
    };
    QStringList headings;
    QStringList segmentNames; // as the per-segment table heads them
    std::vector<Row> rows;

    bool empty() const { return headings.isEmpty(); }
    // The rows as the CSV file holds them, the headings first.
    std::vector<QStringList> texts() const;
};

// The tables of that CSV file, each its heading row first: the per-feature
// and the per-segment table with their interval columns, every strategy's
// estimates by segment with their intervals ("Detailed Estimates 90%",
// empty without the resamples or when the segments changed), and how the
// intervals were worked out (empty without the resamples).
struct ComparisonTables {
    std::vector<QStringList> features;
    std::vector<QStringList> segments;
    EstimateTable estimates;
    QString method;
};
ComparisonTables comparisonTables(const PlanAnalysis& plan,
                                  const std::vector<StrategyIntervals>& intervals,
                                  const ResampledPolls* resampled = nullptr);

// A table of the report: a title, the column headings and the rows.
struct ReportTable {
    QString title;
    QStringList headings;
    std::vector<QStringList> rows;
    // Rows drawn in bold (the "Totals" rows).
    std::vector<int> emphasised;
};

// The content of the PDF report of a plan's analysis.
struct AnalysisReport {
    QString title;
    // Label and value lines: plan, project, target audience, products.
    std::vector<std::pair<QString, QString>> facts;
    ReportTable base;       // the three brands' Basic Details
    ReportTable strategies; // every strategy's seven values and its changed features
    ReportTable features;   // `MSFG_Features`
    ReportTable segments;   // `MSFG_Segments`
    // The 90% intervals of every strategy's totals in the layout of the two
    // tables above; without intervals they have no headings.
    ReportTable featureIntervals;
    ReportTable segmentIntervals;
    // The business case's inputs and table, a page of its own; no headings
    // for a plan without one (business_case_export.h).
    ReportTable businessCaseInputs;
    ReportTable businessCase;
    // A line under the title naming the report's owner, for the page foot.
    QString footer;
};

// Composes the report of the plan's analysis; the plan is plan `planNumber`
// of the registry.
AnalysisReport analysisReport(const PlanAnalysis& analysis, const Plan& plan, int planNumber);
// The same with a last column "Totals 90%" in the per-feature and the
// per-segment tables (the "low–high" interval of each strategy's total),
// the interval tables of every total and, with the resamples, a line of
// the facts that says how the intervals were worked out.
AnalysisReport analysisReport(const PlanAnalysis& analysis, const Plan& plan, int planNumber,
                              const std::vector<StrategyIntervals>& intervals,
                              const ResampledPolls* resampled = nullptr);

// The names of the features a strategy changed, in feature order, as the
// report lists them.
QStringList changedFeatures(const Strategy& strategy);

// A file name for an export of the plan, without folder or suffix: the
// project name and the plan number, with the characters that cannot stand
// in a file name replaced ("Home Loan Project - plan 1").
QString exportBaseName(const Plan& plan, int planNumber);

} // namespace lendora::analysis
