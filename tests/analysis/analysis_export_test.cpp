#include "analysis/analysis_export.h"
#include "analysis/analysis_plan.h"

#include "support/golden.h"
#include "support/road_screen.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::test;

namespace {

TEST(AnalysisExport, CsvFieldsAreQuotedOnlyWhenTheyMustBeAndRecordsEndWithCrLfInUtf8) {
    const std::pair<QString, QString> cases[] = {
        {"Retired", "Retired"},
        {"", ""},
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
    EXPECT_EQ(csvRecords({{"ID", "a,b"}, {"über", ""}, {""}}), QByteArray("ID,\"a,b\"\r\n\xc3\xbc"
                                                                          "ber,\r\n\r\n"));
    EXPECT_EQ(csvRecords({}), QByteArray());
    Grid grid(5, 3); // empty rows are left out, the headings stay
    grid.setHeadings({"ID", "", "Totals"});
    grid.setText(2, 1, "7");
    EXPECT_EQ(shownRows(grid), (std::vector<QStringList>{{"ID", "", "Totals"}, {"", "7", ""}}));
    EXPECT_EQ(shownRows(Grid(1, 2)), std::vector<QStringList>{QStringList({"", ""})});
}

QString tableText(const ReportTable& table) {
    QString text = table.title + "\n  |" + table.headings.join(u'|') + "|\n";
    for (const QStringList& row : table.rows)
        text += "  |" + row.join(u'|') + "|\n";
    for (int row : table.emphasised)
        text += QStringLiteral("  emphasised %1\n").arg(row);
    return text;
}

// The two-strategy plan of the window scenarios, opened from its files:
// its CSV and report, and the file names offered for other projects.
TEST(AnalysisExport, TheCsvAndTheReportOfAnOpenedPlan) {
    TempWorkspace ws;
    for (const char* folder : {"workspace", "segments_quoted", "two_strategies"})
        copyFolder(dataFolder(QStringLiteral("analysis/") + folder), ws);
    Plan plan;
    plan.project = plan.audience = 1;
    plan.projectName = "Home Loan Project";
    plan.audienceName = "Salaried, 25 to 40";
    plan.poll = {{true, true, true}};
    plan.analysed = true;
    AnalysisTables tables;
    PollTables polls;
    openAnalysis(RecordFolder(ws.path()), plan, 1, tables, polls);
    QString text = "== csv\n" + visible(comparisonCsv(tables));
    const AnalysisReport report = analysisReport(tables, plan);
    text += "== report " + report.title + "\n";
    for (const auto& [fact, value] : report.facts)
        text += fact + ": " + value + "\n";
    text += "footer " + report.footer + "\n";
    for (const ReportTable* table :
         {&report.base, &report.strategies, &report.features, &report.segments})
        text += tableText(*table);
    text += "== file names\n";
    for (const char* project :
         {"Home Loan Project", "Loans 2012/13: \"Gold\"?", "  ", "..", "Ärzte\tPlan"}) {
        plan.projectName = QString::fromUtf8(project);
        text += exportBaseName(plan, 3) + "\n";
    }
    expectSameText(text, "analysis/export.txt");
}

} // namespace
