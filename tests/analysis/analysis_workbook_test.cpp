#include "analysis/analysis_workbook.h"

#include "analysis/analysis_export.h"
#include "analysis/analysis_fixtures.h"
#include "analysis/business_case_rows.h"
#include "analysis/workbook_cells.h"

#include "support/workbook_dump.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;
using namespace Qt::StringLiterals;

namespace {

// Three segments whose brands differ in every feature, two strategies added.
class AnalysisWorkbook : public ::testing::Test {
protected:
    AnalysisWorkbook()
        : plan(usualDetails(), segmentNames(3),
               planPoll({{10, 8, 6, 5, 4, 3, 2}, {12, 7, 5, 6, 3, 2, 1}, {9, 9, 9, 9, 9, 9, 9}},
                        {{14, 6, 5, 4, 3, 2, 1}, {8, 8, 8, 8, 8, 8, 8}, {3, 4, 5, 6, 7, 8, 9}},
                        {{6, 7, 8, 9, 10, 11, 12}, {5, 5, 5, 5, 5, 5, 5}, {2, 2, 2, 2, 2, 2, 2}}),
               {}, false) {
        for (const auto& changes :
             {std::initializer_list<std::pair<int, double>>{{0, 11}}, {{0, 13}, {6, 4}}}) {
            const FeatureValues values = changeFeatures(plan, changes);
            plan.analyse(values);
            plan.add(values);
        }
        resampled = std::make_unique<ResampledPolls>(plan.details(), plan.poll(), 3, 200);
        intervals = strategyIntervals(*resampled, plan.strategyInputs());
        curve = sensitivityCurve(plan.details(), plan.poll(), 3, 0, allSegments, 0.2, 10);
    }

    WorkbookCells written(std::optional<BusinessCase> businessCase = {}) {
        const WorkbookContent content{&plan, &intervals, resampled.get(), &curve,
                                      std::move(businessCase)};
        const spreadsheet::WrittenWorkbook book =
            spreadsheet::writeWorkbook(analysisWorkbook(content));
        EXPECT_TRUE(book.error.isEmpty()) << book.error.toStdString();
        return WorkbookCells(lendora::test::dumpWorkbook(book.bytes));
    }

    PlanAnalysis plan;
    std::unique_ptr<ResampledPolls> resampled;
    std::vector<StrategyIntervals> intervals;
    SensitivityCurve curve;
};

// The comparison and the estimates hold the CSV export's cells: its numbers
// as number cells of the same value, its texts as they are.
TEST_F(AnalysisWorkbook, HoldsTheNumbersOfTheCsvExportCellForCell) {
    const WorkbookCells book = written();
    const CsvSections csv(comparisonCsv(plan, intervals, resampled.get()));
    ASSERT_EQ(csv.comparison.size(), 4u + 2u + 4u) << "features, title, segments";
    ASSERT_EQ(csv.estimates.size(), 1u + 2u * 3u);
    EXPECT_EQ(book.mismatches(u"Comparison"_s, csv.comparison), QStringList());
    EXPECT_EQ(book.mismatches(u"Detailed Estimates"_s, csv.estimates), QStringList());
    EXPECT_EQ(book.text(u"Detailed Estimates"_s, 0, int(csv.estimates.front().size()) + 1),
              csv.method);
    EXPECT_EQ(book.sheets(),
              QStringList({"Comparison", "Detailed Estimates", "Poll Brand 0", "Poll Brand 1",
                           "Poll Brand 2", "Basic Details", "Sensitivity"}));
    for (const QString& sheet : book.sheets())
        EXPECT_TRUE(book.boldHeadings(sheet)) << sheet.toStdString();
    EXPECT_EQ(book.freeze(u"Comparison"_s), u"B2"_s);
    EXPECT_EQ(book.freeze(u"Detailed Estimates"_s), u"C2"_s);
}

// The charts are the comparison's: a group per strategy (rows 2 and 3), a
// series per feature and the total, a series per segment and the total.
TEST_F(AnalysisWorkbook, ChartsPointAtTheComparisonCells) {
    const QStringList charts = written().charts(u"Comparison"_s);
    QStringList expected{u"chart BarChart Feature wise Analysis"_s};
    for (const char* c : {"B", "C", "D", "E", "F", "G", "H", "I"})
        expected << u"series 'Comparison'!$%1$1 'Comparison'!$A$2:$A$3 'Comparison'!$%1$2:$%1$3"_s
                        .arg(QLatin1String(c));
    expected << u"chart BarChart Segment wise Analysis"_s;
    for (const char* c : {"B", "C", "D", "E"})
        expected << u"series 'Comparison'!$%1$7 'Comparison'!$A$8:$A$9 'Comparison'!$%1$8:$%1$9"_s
                        .arg(QLatin1String(c));
    EXPECT_EQ(charts, expected);
    // Below the tables and their note (the last row used is 10), one under
    // the other.
    EXPECT_EQ(written().anchors(u"Comparison"_s), QStringList({u"A12"_s, u"A38"_s}));
}

// The poll tables with their totals, the brands' details and the curve as
// numbers; texts stay texts however they look.
TEST_F(AnalysisWorkbook, PollTablesBrandsAndCurveAreNumbers) {
    const WorkbookCells book = written();
    EXPECT_EQ(book.row(u"Poll Brand 0"_s, 1), QStringList({"s Segment 1", "n 10", "n 8", "n 6",
                                                           "n 5", "n 4", "n 3", "n 2", "n 38"}));
    EXPECT_EQ(
        book.row(u"Poll Brand 2"_s, 4),
        QStringList({"s Totals", "n 13", "n 14", "n 15", "n 16", "n 17", "n 18", "n 19", "n 112"}));
    EXPECT_EQ(book.row(u"Basic Details"_s, 2),
              QStringList({"s Product 1", "s Brand 1", "-", "n 12", "n 25000", "n 600000", "n 85",
                           "n 180", "n 6000", "n 3"}));
    EXPECT_EQ(book.row(u"Sensitivity"_s, 0).mid(0, 2), QStringList({"s Value", "s Respondents"}));
    // What the curve is of, beside it; its chart under that.
    const char* labels[] = {"Feature", "Segment", "Vertex"};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(book.text(u"Sensitivity"_s, r, 3), QString::fromLatin1(labels[r]));
        EXPECT_TRUE(book.bold(u"Sensitivity"_s, r, 3)) << labels[r];
    }
    EXPECT_EQ(book.anchors(u"Sensitivity"_s), QStringList(u"D5"_s));
    EXPECT_EQ(book.row(u"Sensitivity"_s, 11).value(1),
              u"n %1"_s.arg(curve.points.back().respondents));
    EXPECT_EQ(book.charts(u"Sensitivity"_s).value(1),
              u"series 'Sensitivity'!$B$1 'Sensitivity'!$A$2:$A$12 'Sensitivity'!$B$2:$B$12"_s);
}

// With a business case stored: the current product from the own poll
// counts, each strategy from its segment estimates, customers in proportion
// to the respondents who chose the own product.
TEST_F(AnalysisWorkbook, BusinessCaseOnlyWhenStoredAndSound) {
    EXPECT_FALSE(written().sheets().contains(u"Business Case"_s));
    BusinessCase inputs;
    inputs.borrowers = {1000, 500, 0};
    inputs.averageLoanPercent = 50;
    const WorkbookCells book = written(inputs);
    ASSERT_TRUE(book.sheets().contains(u"Business Case"_s));
    // Segment 1: 38 of 38 + 35 + 63 respondents; segment 2: 36 of 36 + 56 + 35.
    const double current = 1000.0 * 38 / 136 + 500.0 * 36 / 127;
    EXPECT_NEAR(book.number(u"Business Case"_s, 1, 1), current, 1e-9);
    EXPECT_EQ(book.number(u"Business Case"_s, 1, 6), 0) << "no gain over itself";
    const std::vector<QStringList> segments = CsvSections(comparisonCsv(plan)).comparison;
    const double first = 1000.0 * segments[7].value(1).toDouble() / 136 +
                         500.0 * segments[7].value(2).toDouble() / 127;
    EXPECT_NEAR(book.number(u"Business Case"_s, 2, 1), first, 1e-9);
    EXPECT_EQ(book.text(u"Business Case"_s, 2, 0), u"Strategy 1"_s);
    // Every row holds the business case's own figures, each in its column.
    inputs.costOfFunds = 9; // present values below the instalments
    const WorkbookCells priced = written(inputs);
    const std::vector<BusinessCaseRow> rows = businessCaseRows(plan, inputs);
    ASSERT_EQ(rows.size(), 3u);
    for (size_t r = 0; r < rows.size(); ++r) {
        const MoneyForecast& m = rows[r].money;
        ASSERT_TRUE(rows[r].effectiveRate);
        std::vector<double> expected{m.customers,           m.marketShare, m.volume,
                                     m.marginPerLoan,       m.profit,      rows[r].gain,
                                     *rows[r].effectiveRate};
        expected.insert(expected.end(), m.customersBySegment.begin(), m.customersBySegment.end());
        for (size_t c = 0; c < expected.size(); ++c)
            EXPECT_NEAR(priced.number(u"Business Case"_s, int(r) + 1, int(c) + 1), expected[c],
                        1e-9 * std::max(1.0, std::abs(expected[c])))
                << "row " << r + 1 << ", column " << c + 1;
    }

    inputs.averageLoanPercent = 0; // refused: no average loan
    EXPECT_FALSE(written(inputs).sheets().contains(u"Business Case"_s));
}

// Nothing added yet: the tables' headings, no charts, nothing that fails.
// A brand without a name gets its poll sheet by its place.
TEST_F(AnalysisWorkbook, APlanWithoutStrategiesHasNoCharts) {
    ProjectDetails details = usualDetails();
    details.brands[2].brand.clear();
    PlanAnalysis empty(details, segmentNames(2), plan.poll(), {}, false);
    const spreadsheet::WrittenWorkbook book =
        spreadsheet::writeWorkbook(analysisWorkbook({&empty, nullptr, nullptr, nullptr, {}}));
    ASSERT_TRUE(book.error.isEmpty()) << book.error.toStdString();
    const WorkbookCells cells(lendora::test::dumpWorkbook(book.bytes));
    EXPECT_EQ(cells.charts(u"Comparison"_s), QStringList());
    EXPECT_FALSE(cells.sheets().contains(u"Detailed Estimates"_s));
    EXPECT_EQ(cells.sheets().mid(1, 3),
              QStringList({"Poll Brand 0", "Poll Brand 1", "Poll Product 3"}));
}

// Every chart's axes say what they count; a product and a brand named by
// numbers keep their names as texts.
TEST_F(AnalysisWorkbook, AxesAreTitledAndNamesThatLookLikeNumbersStayTexts) {
    const spreadsheet::Workbook built =
        analysisWorkbook({&plan, &intervals, resampled.get(), &curve, {}});
    QStringList axes;
    for (const spreadsheet::Sheet& sheet : built.sheets)
        for (const spreadsheet::Chart& chart : sheet.charts)
            axes << sheet.name + u": "_s + chart.categoryTitle + u" / "_s + chart.valueTitle;
    EXPECT_EQ(axes, QStringList({"Comparison: Strategy / Respondents",
                                 "Comparison: Strategy / Respondents",
                                 "Sensitivity: Interest / Respondents"}));

    ProjectDetails details = usualDetails();
    details.brands[1].name = u"2025"_s;
    details.brands[1].brand = u"1.5"_s;
    PlanAnalysis named(details, segmentNames(3), plan.poll(), {}, false);
    const spreadsheet::WrittenWorkbook book =
        spreadsheet::writeWorkbook(analysisWorkbook({&named, nullptr, nullptr, nullptr, {}}));
    ASSERT_TRUE(book.error.isEmpty()) << book.error.toStdString();
    EXPECT_EQ(
        WorkbookCells(lendora::test::dumpWorkbook(book.bytes)).row(u"Basic Details"_s, 2).mid(0, 4),
        QStringList({"s 2025", "s 1.5", "-", "n 12"}));
}

TEST(ExportedCell, NumbersBecomeNumberCellsAndNothingElseDoes) {
    const std::pair<QString, QString> cases[] = {
        {u"12"_s, u"n 12 0"_s},       {u"-3"_s, u"n -3 0"_s},
        {u"2.5"_s, u"n 2.5 0.00"_s},  {u"12 apples"_s, u"s 12 apples"_s},
        {u" 12"_s, u"s  12"_s},       {u"inf"_s, u"s inf"_s},
        {u"nan"_s, u"s nan"_s},       {u"1e400"_s, u"s 1e400"_s},
        {u"Totals"_s, u"s Totals"_s}, {u"0x10"_s, u"s 0x10"_s},
    };
    for (const auto& [text, expected] : cases) {
        const spreadsheet::Cell cell = exportedCell(text);
        const QString shown = cell.kind == spreadsheet::Cell::Kind::Number
                                  ? u"n %1 %2"_s.arg(cell.number).arg(cell.numberFormat)
                                  : u"s "_s + cell.text;
        EXPECT_EQ(shown, expected) << text.toStdString();
    }
}

} // namespace
