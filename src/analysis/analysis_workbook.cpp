#include "analysis/analysis_workbook.h"

#include "analysis/analysis_export.h"
#include "analysis/analysis_names.h"
#include "analysis/business_case.h"
#include "analysis/business_case_rows.h"
#include "analysis/table_texts.h"
#include "poll/poll_tables.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace lendora::analysis {

using namespace Qt::StringLiterals;
using spreadsheet::Cell;
using spreadsheet::Chart;
using spreadsheet::Range;
using spreadsheet::Sheet;

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("AnalysisWorkbook", source);
}

// Excel draws at most 255 series in a chart.
constexpr int mostSeries = 255;
// Rows a chart of the default height covers, with a row to spare.
constexpr int chartRows = 26;

QString formatOf(double number) {
    return number == std::floor(number) ? u"0"_s : u"0.00"_s;
}

Cell numberCell(double number) {
    return Cell::ofNumber(number, formatOf(number));
}

// Puts the table's rows from `top` down, the heading row bold; the columns
// in `texts` stay text whatever they hold. Returns the row after it.
int putTable(Sheet& sheet, int top, const std::vector<QStringList>& rows,
             const std::vector<int>& texts = {}) {
    for (size_t r = 0; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        for (int c = 0; c < row.size(); ++c) {
            if (row[c].isEmpty())
                continue;
            const bool text = r == 0 || std::find(texts.begin(), texts.end(), c) != texts.end();
            sheet.at(top + int(r), c) = text ? Cell::ofText(row[c], r == 0) : exportedCell(row[c]);
        }
    }
    return top + int(rows.size());
}

// A column chart of a summary table at `top`: one group per strategy (rows
// 1 to K), one series per column from 1 to `columns`.
Chart summaryChart(const QString& title, int top, int strategies, int columns, int at) {
    Chart chart;
    chart.title = title;
    chart.categoryTitle = tr("Strategy");
    chart.valueTitle = tr("Respondents");
    chart.row = at;
    const Range categories{top + 1, 0, top + strategies, 0};
    for (int c = 1; c <= std::min(columns, mostSeries); ++c)
        chart.series.push_back({QString(), spreadsheet::CellAt{top, c}, categories,
                                Range{top + 1, c, top + strategies, c}});
    return chart;
}

void addComparison(spreadsheet::Workbook& book, const ComparisonTables& tables, int strategies,
                   int segments) {
    Sheet& sheet = book.addSheet(tr("Comparison"));
    const int featureRows = putTable(sheet, 0, tables.features);
    const int title = featureRows + 1;
    sheet.at(title, 0) = Cell::ofText(names::segmentWise(), true);
    const int segmentTop = title + 1;
    const int end = putTable(sheet, segmentTop, tables.segments);
    sheet.frozenRows = 1;
    sheet.frozenColumns = 1;
    if (strategies == 0)
        return;
    sheet.charts.push_back(
        summaryChart(names::featureWise(), 0, strategies, featureCount + 1, end + 1));
    sheet.charts.push_back(summaryChart(names::segmentWise(), segmentTop, strategies, segments + 1,
                                        end + 1 + chartRows));
}

// The estimates' numbers go into their cells as they are, as the CSV file's
// texts of them would be read (the segments' names stay text).
void addEstimates(spreadsheet::Workbook& book, const ComparisonTables& tables) {
    const EstimateTable& table = tables.estimates;
    if (table.empty())
        return;
    Sheet& sheet = book.addSheet(tr("Detailed Estimates"));
    putTable(sheet, 0, {table.headings});
    constexpr int last = 1 + EstimateTable::figures;
    sheet.rows.reserve(table.rows.size() + 1);
    for (size_t i = 0; i < table.rows.size(); ++i) {
        const EstimateTable::Row& row = table.rows[i];
        const int r = int(i) + 1;
        sheet.at(r, last); // the row's cells at once
        sheet.at(r, 0) = numberCell(row.strategy);
        if (const QString& name = table.segmentNames.at(row.segment); !name.isEmpty())
            sheet.at(r, 1) = Cell::ofText(name);
        for (int c = 0; c < EstimateTable::figures; ++c)
            sheet.at(r, 2 + c) = numberCell(double(row.values[size_t(c)]));
    }
    // How the intervals were worked out, in view beside the headings (under
    // the table it would widen the strategies' column).
    sheet.at(0, int(table.headings.size()) + 1) = Cell::ofText(tables.method);
    sheet.frozenRows = 1;
    sheet.frozenColumns = 2;
}

QString productName(const PlanAnalysis& analysis, int product) {
    const QString& brand = analysis.details().brands[size_t(product)].brand;
    return brand.isEmpty() ? tr("Product %1").arg(product + 1) : brand;
}

void addPoll(spreadsheet::Workbook& book, const PlanAnalysis& analysis, int product) {
    Sheet& sheet = book.addSheet(tr("Poll %1").arg(productName(analysis, product)));
    const QStringList headings = poll::headings();
    for (int c = 0; c < headings.size(); ++c)
        sheet.at(0, c) = Cell::ofText(headings[c], true);
    const ProductCounts& counts = analysis.poll().products[size_t(product)];
    const int n = analysis.segmentCount();
    for (int s = 0; s < n; ++s) {
        sheet.at(s + 1, 0) = Cell::ofText(analysis.segments()[size_t(s)]);
        if (size_t(s) >= counts.segments.size())
            continue;
        const SegmentCounts& segment = counts.segments[size_t(s)];
        for (int f = 0; f < featureCount; ++f)
            if (const PollCount& count = segment.features[size_t(f)])
                sheet.at(s + 1, f + 1) = numberCell(*count);
        if (segment.total)
            sheet.at(s + 1, poll::totalColumn) = numberCell(*segment.total);
    }
    sheet.at(n + 1, 0) = Cell::ofText(poll::totalsLabel, true);
    const auto totals = poll::columnTotals(counts);
    for (int c = 0; c < poll::totalColumn; ++c)
        sheet.at(n + 1, c + 1) = numberCell(double(totals[size_t(c)]));
    sheet.frozenRows = 1;
    sheet.frozenColumns = 1;
}

void addBrands(spreadsheet::Workbook& book, const PlanAnalysis& analysis) {
    Sheet& sheet = book.addSheet(names::basicDetails());
    std::vector<QStringList> rows = tableTexts(analysis, AnalysisTable::Base);
    rows.resize(brandCount + 1);
    putTable(sheet, 0, rows, {0, 1});
    sheet.frozenRows = 1;
    sheet.frozenColumns = 2;
}

void addCurve(spreadsheet::Workbook& book, const PlanAnalysis& analysis,
              const SensitivityCurve& curve) {
    Sheet& sheet = book.addSheet(tr("Sensitivity"));
    const std::vector<QStringList> records = curveRecords(curve);
    sheet.at(0, 0) = Cell::ofText(records.front().value(0), true);
    sheet.at(0, 1) = Cell::ofText(records.front().value(1), true);
    const int points = int(curve.points.size());
    for (int i = 0; i < points; ++i) {
        sheet.at(i + 1, 0) = Cell::ofNumber(curve.points[size_t(i)].value, u"0.00"_s);
        sheet.at(i + 1, 1) = Cell::ofNumber(double(curve.points[size_t(i)].respondents), u"0"_s);
    }
    const QString feature = names::featureNames[std::clamp(curve.feature, 0, featureCount - 1)]();
    const QString segment = curve.segment == allSegments || curve.segment >= analysis.segmentCount()
                                ? tr("all segments")
                                : analysis.segments()[size_t(curve.segment)];
    sheet.at(0, 3) = Cell::ofText(tr("Feature"), true);
    sheet.at(0, 4) = Cell::ofText(feature);
    sheet.at(1, 3) = Cell::ofText(tr("Segment"), true);
    sheet.at(1, 4) = Cell::ofText(segment);
    sheet.at(2, 3) = Cell::ofText(tr("Vertex"), true);
    if (curve.vertex)
        sheet.at(2, 4) = Cell::ofNumber(*curve.vertex, u"0.00"_s);
    sheet.frozenRows = 1;
    if (points == 0)
        return;
    Chart chart;
    chart.kind = Chart::Kind::Line;
    chart.title = tr("Respondents opting for %1, by %2 (%3)")
                      .arg(analysis.details().own().brand, feature, segment);
    chart.categoryTitle = feature;
    chart.valueTitle = tr("Respondents");
    chart.row = 4;
    chart.column = 3;
    chart.series.push_back(
        {QString(), spreadsheet::CellAt{0, 1}, Range{1, 0, points, 0}, Range{1, 1, points, 1}});
    sheet.charts.push_back(chart);
}

// The business case's rows as the Business case panel shows them: the
// current product, then every strategy, with its customers per segment.
void addBusinessCase(spreadsheet::Workbook& book, const PlanAnalysis& analysis,
                     const BusinessCase& inputs) {
    const int n = analysis.segmentCount();
    Sheet& sheet = book.addSheet(tr("Business Case"));
    QStringList headings{
        tr("Product"),         tr("Customers"), tr("Market share"), tr("Loan volume"),
        tr("Margin per loan"), tr("Profit"),    tr("Gain"),         tr("Effective annual rate %")};
    for (int s = 0; s < n; ++s)
        headings << analysis.segments()[size_t(s)];
    for (int c = 0; c < headings.size(); ++c)
        sheet.at(0, c) = Cell::ofText(headings[c], true);
    const std::vector<BusinessCaseRow> rows = businessCaseRows(analysis, inputs);
    for (size_t r = 0; r < rows.size(); ++r) {
        const BusinessCaseRow& line = rows[r];
        const MoneyForecast& money = line.money;
        const int row = int(r) + 1;
        sheet.at(row, 0) = Cell::ofText(
            line.strategy == 0 ? tr("Current product") : names::strategyLabel().arg(line.strategy));
        sheet.at(row, 1) = Cell::ofNumber(money.customers, u"#,##0"_s);
        sheet.at(row, 2) = Cell::ofNumber(money.marketShare, u"0.0%"_s);
        sheet.at(row, 3) = Cell::ofNumber(money.volume, u"#,##0"_s);
        sheet.at(row, 4) = Cell::ofNumber(money.marginPerLoan, u"#,##0.00"_s);
        sheet.at(row, 5) = Cell::ofNumber(money.profit, u"#,##0"_s);
        sheet.at(row, 6) = Cell::ofNumber(line.gain, u"#,##0"_s);
        if (line.effectiveRate)
            sheet.at(row, 7) = Cell::ofNumber(*line.effectiveRate, u"0.00"_s);
        for (size_t s = 0; s < money.customersBySegment.size() && int(s) < n; ++s)
            sheet.at(row, 8 + int(s)) = Cell::ofNumber(money.customersBySegment[s], u"#,##0"_s);
    }

    // The figures it was worked out from, below the table and a blank row.
    int row = int(rows.size()) + 2;
    const std::pair<QString, double> figures[] = {
        {tr("Average loan, % of the maximum loan value"), inputs.averageLoanPercent},
        {tr("Cost of funds, % per year"), inputs.costOfFunds},
        {tr("Acquisition cost per loan"), inputs.acquisitionCost},
    };
    for (const auto& [label, value] : figures) {
        sheet.at(row, 0) = Cell::ofText(label, true);
        sheet.at(row++, 1) = numberCell(value);
    }
    sheet.at(++row, 0) = Cell::ofText(tr("Segment"), true);
    sheet.at(row, 1) = Cell::ofText(tr("Borrowers per year"), true);
    for (int s = 0; s < n; ++s) {
        sheet.at(++row, 0) = Cell::ofText(analysis.segments()[size_t(s)]);
        const size_t at = size_t(s);
        sheet.at(row, 1) = Cell::ofNumber(
            at < inputs.borrowers.size() ? double(inputs.borrowers[at]) : 0.0, u"#,##0"_s);
    }
    sheet.frozenRows = 1;
    sheet.frozenColumns = 1;
}

} // namespace

Cell exportedCell(const QString& text) {
    bool number = false;
    const double value = text.trimmed() == text ? text.toDouble(&number) : 0.0;
    if (number && std::isfinite(value))
        return numberCell(value);
    return Cell::ofText(text);
}

spreadsheet::Workbook analysisWorkbook(const WorkbookContent& content) {
    const PlanAnalysis& analysis = *content.analysis;
    static const std::vector<StrategyIntervals> none;
    const ComparisonTables tables = comparisonTables(
        analysis, content.intervals ? *content.intervals : none, content.resampled);
    spreadsheet::Workbook book;
    addComparison(book, tables, int(analysis.strategies().size()), analysis.segmentCount());
    addEstimates(book, tables);
    for (int product = 0; product < brandCount; ++product)
        addPoll(book, analysis, product);
    addBrands(book, analysis);
    if (content.curve)
        addCurve(book, analysis, *content.curve);
    if (content.businessCase && !checkInputs(*content.businessCase))
        addBusinessCase(book, analysis, *content.businessCase);
    return book;
}

} // namespace lendora::analysis
