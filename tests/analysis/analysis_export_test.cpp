#include "analysis/analysis_export.h"
#include "analysis/analysis_plan.h"
#include "workspace/registry_codec.h"

#include "analysis_fixtures.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using lendora::test::readFile;
using lendora::test::TempWorkspace;

namespace {

const QString dataDir = QStringLiteral(ANALYSIS_TEST_DATA);

TEST(AnalysisExport, CsvFieldsAreQuotedOnlyWhenTheyMustBe) {
    const std::pair<QString, QString> cases[] = {
        {"Retired", "Retired"},
        {"", ""},
        {"-12.5", "-12.5"},
        {"  blanks stay  ", "  blanks stay  "},
        {"Salaried, 25 to 40", "\"Salaried, 25 to 40\""},
        {"Self \"employed\"", "\"Self \"\"employed\"\"\""},
        {"\"", "\"\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"line\nfeed", "\"line\nfeed\""},
        {"carriage\rreturn", "\"carriage\rreturn\""},
        {"Rentner über 60; Ärzte", "Rentner über 60; Ärzte"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(csvField(text), field) << text.toStdString();
}

TEST(AnalysisExport, CsvRecordsEndWithCrLfInUtf8) {
    EXPECT_EQ(csvRecords({{"ID", "a,b"}, {"über", ""}, {""}}), QByteArray("ID,\"a,b\"\r\n\xc3\xbc"
                                                                          "ber,\r\n\r\n"));
    EXPECT_EQ(csvRecords({}), QByteArray());
}

// A comparison of two strategies over two segments, as the window holds it.
AnalysisTables twoStrategies() {
    AnalysisTables tables;
    tables.features.reset(5, featureColumnCount);
    tables.features.setHeadings(featureTableHeadings());
    const QStringList featureRows[3] = {
        {"1", "53", "27", "18", "24", "12", "19", "9", "162"},
        {"2", "60", "27", "18", "29", "12", "19", "12", "177"},
        {"Totals", "113", "54", "36", "53", "24", "38", "21", "339"}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < featureColumnCount; ++c)
            tables.features.setText(r, c, featureRows[r - 1][c]);
    tables.segments.reset(4, 4);
    tables.segments.setHeadings({"ID", "Salaried, 25 to 40", "Self \"employed\"", "Totals"});
    const QStringList segmentRows[3] = {
        {"1", "70", "63", "133"}, {"2", "83", "61", "144"}, {"Totals", "153", "124", "277"}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < 4; ++c)
            tables.segments.setText(r, c, segmentRows[r - 1][c]);
    return tables;
}

TEST(AnalysisExport, TheCsvHoldsBothTablesWithTheirTotalsOneAfterTheOther) {
    EXPECT_EQ(comparisonCsv(twoStrategies()),
              QByteArray("ID,Interest,Min. Eligible Income,Max. Loan Value,Max. Loan "
                         "Percentage,Repayment Period,EMI,Freebies,Totals\r\n"
                         "1,53,27,18,24,12,19,9,162\r\n"
                         "2,60,27,18,29,12,19,12,177\r\n"
                         "Totals,113,54,36,53,24,38,21,339\r\n"
                         "\r\n"
                         "Segment wise Analysis\r\n"
                         "ID,\"Salaried, 25 to 40\",\"Self \"\"employed\"\"\",Totals\r\n"
                         "1,70,63,133\r\n"
                         "2,83,61,144\r\n"
                         "Totals,153,124,277\r\n"));
}

TEST(AnalysisExport, EmptyRowsAreLeftOutButTheHeadingsStay) {
    Grid grid(5, 3);
    grid.setHeadings({"ID", "", "Totals"});
    grid.setText(2, 1, "7");
    const std::vector<QStringList> rows = shownRows(grid);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], QStringList({"ID", "", "Totals"}));
    EXPECT_EQ(rows[1], QStringList({"", "7", ""}));
    EXPECT_EQ(shownRows(Grid(1, 2)), std::vector<QStringList>{QStringList({"", ""})});
}

// The two-strategy plan of the window tests, opened from its files.
struct OpenedPlan {
    TempWorkspace ws;
    AnalysisTables tables;
    PollTables polls;
    Plan plan;

    OpenedPlan() {
        for (const QString& folder :
             {QStringLiteral("workspace"), QStringLiteral("two_strategies")})
            for (const QString& name : QDir(dataDir + u'/' + folder).entryList(QDir::Files))
                ws.write(name, readFile(dataDir + u'/' + folder + u'/' + name));
        plan.project = plan.audience = 1;
        plan.projectName = "Home Loan Project";
        plan.audienceName = "Salaried, 25 to 40";
        plan.poll = {{true, true, true}};
        plan.analysed = true;
        openAnalysis(RecordFolder(ws.path()), plan, 1, tables, polls);
    }
};

TEST(AnalysisExport, TheReportCarriesThePlanTheBrandsEveryStrategyAndBothTables) {
    const OpenedPlan opened;
    const AnalysisReport report = analysisReport(opened.tables, opened.plan);
    EXPECT_EQ(report.title, "Strategy analysis for Home Loan Project");
    const std::vector<std::pair<QString, QString>> facts = {
        {"Project plan", "1"},
        {"Project", "Home Loan Project (project 1)"},
        {"Target audience", "Salaried, 25 to 40 (audience 1, 3 segments)"},
        {"Own product", "Easy Home (Home Loan Project)"},
        {"Competitor 1", "City Home (City Bank)"},
        {"Competitor 2", "Metro Nest (Metro Finance)"},
        {"Strategies", "2"}};
    EXPECT_EQ(report.facts, facts);
    EXPECT_EQ(report.footer, "Home Loan Project - plan 1");

    EXPECT_EQ(report.base.headings.size(), 10);
    ASSERT_EQ(report.base.rows.size(), 3u);
    EXPECT_EQ(report.base.rows[2], QStringList({"Metro Finance", "Metro Nest", "25", "13", "20000",
                                                "2400", "85", "24", "126", "1000"}));

    EXPECT_EQ(report.strategies.headings.last(), "Changed features");
    ASSERT_EQ(report.strategies.rows.size(), 2u);
    EXPECT_EQ(report.strategies.rows[0], QStringList({"1", "11", "25000", "1800", "80", "36",
                                                      "66.5", "500", "Interest, EMI"}));
    EXPECT_EQ(report.strategies.rows[1], QStringList({"2", "12", "25000", "1800", "85", "36", "68",
                                                      "1000", "Max. Loan Percentage, Freebies"}));

    EXPECT_EQ(report.features.title, "Feature wise Analysis");
    EXPECT_EQ(report.features.headings, featureTableHeadings());
    ASSERT_EQ(report.features.rows.size(), 3u);
    EXPECT_EQ(report.features.rows[2],
              QStringList({"Totals", "113", "54", "36", "53", "24", "38", "21", "339"}));
    EXPECT_EQ(report.features.emphasised, std::vector<int>{2});
    EXPECT_EQ(report.segments.title, "Segment wise Analysis");
    EXPECT_EQ(report.segments.headings.mid(1),
              QStringList({"Salaried, 25 to 40", "Self employed", "Retired", "Totals"}));
    ASSERT_EQ(report.segments.rows.size(), 3u);
    EXPECT_EQ(report.segments.rows[2], QStringList({"Totals", "153", "124", "62", "339"}));
}

TEST(AnalysisExport, FileNamesKeepTheProjectNameWithoutForbiddenCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"Home Loan Project", "Home Loan Project - plan 3"},
        {"Loans 2012/13: \"Gold\"?", "Loans 2012_13_ _Gold__ - plan 3"},
        {"  ", "Lendora - plan 3"},
        {"..", "Lendora.. - plan 3"},
        {"Ärzte\tPlan", "Ärzte_Plan - plan 3"},
    };
    for (const auto& [project, name] : cases) {
        Plan plan;
        plan.projectName = QString::fromUtf8(project);
        EXPECT_EQ(exportBaseName(plan, 3), QString::fromUtf8(name)) << project;
    }
}

} // namespace
