#include "analysis/export_pictures.h"

#include "support/workspace.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;

namespace {

// A chart of `strategies` rows and `series` columns with growing values.
ChartPicture chart(int strategies, const QStringList& series) {
    ChartPicture picture;
    picture.title = QStringLiteral("Respondents opting for Easy Home");
    picture.data.columnLabels = series;
    for (int i = 1; i <= strategies; ++i) {
        picture.data.rowLabels << QStringLiteral("Strategy %1").arg(i);
        picture.data.values.emplace_back();
        for (qsizetype c = 0; c < series.size(); ++c)
            picture.data.values.back().push_back(double(i * 3 + c));
    }
    return picture;
}

TEST(ExportPictures, PicturesOutsideTheSizesOfferedAreNotMade) {
    const ChartPicture picture = chart(2, {"Interest", "Totals"});
    for (QSize size : {QSize(199, 400), QSize(400, 199), QSize(10001, 400), QSize(0, 0)}) {
        EXPECT_TRUE(chartPng(picture, size).isEmpty()) << size.width() << "x" << size.height();
        EXPECT_TRUE(chartSvg(picture, size).isEmpty()) << size.width() << "x" << size.height();
    }
    for (QSize size : {QSize(200, 200), QSize(1234, 321), QSize(10000, 200)})
        EXPECT_EQ(QImage::fromData(chartPng(picture, size)).size(), size);
}

// Eighty strategies and fourteen long segment names: the tables run over
// several pages, each continued page with its headings again, no cell lost.
TEST(ExportPictures, LongAndWideTablesContinueOnFurtherPages) {
    AnalysisReport report;
    report.title = QStringLiteral("Strategy analysis for Home Loan Project");
    report.footer = QStringLiteral("Home Loan Project - plan 7");
    QStringList segments;
    for (int s = 1; s <= 14; ++s)
        segments << QStringLiteral("Salaried employees of group %1, 25 to 40").arg(s);
    report.segments.title = QStringLiteral("Segment wise Analysis");
    report.segments.headings = QStringList{"ID"} + segments + QStringList{"Totals"};
    report.strategies.title = QStringLiteral("Strategies");
    report.strategies.headings = {"Strategy ID", "Interest", "Changed features"};
    for (int k = 1; k <= 80; ++k) {
        report.segments.rows.push_back({QString::number(k)});
        for (int s = 1; s <= 15; ++s)
            report.segments.rows.back() << QString::number(1000 + k * 15 + s);
        report.strategies.rows.push_back(
            {QString::number(k), QStringLiteral("%1.25").arg(100 + k), "Interest"});
    }
    test::TempWorkspace ws;
    ws.write("long.pdf", reportPdf(report, chart(80, {"Interest", "Totals"}),
                                   chart(80, segments + QStringList{"Totals"})));
    QProcess tool;
    tool.start("pdftotext", {ws.filePath("long.pdf"), "-"});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        GTEST_SKIP() << "pdftotext cannot read the report";
    const QStringList pages =
        QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 6);
    EXPECT_TRUE(pages[0].contains("Strategy analysis for Home Loan Project"));
    for (const char* text : {"Strategies (continued)", "Segment wise Analysis (continued)",
                             "180.25", "2215"}) // strategy 80's values
        EXPECT_TRUE(pages.join(u'\f').contains(text)) << text;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].trimmed().isEmpty() ||
                    pages[p].contains(QStringLiteral("Page %1").arg(p + 1)))
            << p;
        if (pages[p].contains("Segment wise Analysis (continued)")) {
            EXPECT_TRUE(pages[p].contains("Totals")) << p;
        }
    }
}

} // namespace
