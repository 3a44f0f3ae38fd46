#include "analysis/export_pictures.h"

#include "export_test_tools.h"
#include "support/workspace.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::test;

namespace {

// A chart of `strategies` rows and `series` columns with growing values.
ChartPicture chart(int strategies, const QStringList& series) {
    ChartPicture picture;
    picture.title = QStringLiteral("Respondents opting for Easy Home");
    picture.data.columnLabels = series;
    for (int i = 1; i <= strategies; ++i) {
        picture.data.rowLabels << QStringLiteral("Strategy %1").arg(i);
        std::vector<double> values;
        for (qsizetype c = 0; c < series.size(); ++c)
            values.push_back(double(i * 3 + c));
        picture.data.values.push_back(values);
    }
    return picture;
}

TEST(ExportPictures, PicturesOutsideTheSizesOfferedAreNotMade) {
    const ChartPicture picture = chart(2, {"Interest", "Totals"});
    for (QSize size : {QSize(199, 400), QSize(400, 199), QSize(10001, 400), QSize(0, 0)}) {
        EXPECT_TRUE(chartPng(picture, size).isEmpty()) << size.width() << "x" << size.height();
        EXPECT_TRUE(chartSvg(picture, size).isEmpty()) << size.width() << "x" << size.height();
    }
    for (QSize size : {QSize(200, 200), QSize(1234, 321)})
        EXPECT_EQ(QImage::fromData(chartPng(picture, size)).size(), size);
}

// Eighty strategies and fourteen long segment names: the tables run over
// several pages, each continued page with its headings again, and no cell
// is lost.
TEST(ExportPictures, LongAndWideTablesContinueOnFurtherPages) {
    AnalysisReport report;
    report.title = QStringLiteral("Strategy analysis for Home Loan Project");
    report.facts = {{QStringLiteral("Project plan"), QStringLiteral("7")}};
    report.footer = QStringLiteral("Home Loan Project - plan 7");
    QStringList segments;
    for (int s = 1; s <= 14; ++s)
        segments << QStringLiteral("Salaried employees of group %1, 25 to 40").arg(s);
    report.segments.title = QStringLiteral("Segment wise Analysis");
    report.segments.headings = QStringList{"ID"} + segments + QStringList{"Totals"};
    report.strategies.title = QStringLiteral("Strategies");
    report.strategies.headings = {"Strategy ID", "Interest", "Changed features"};
    for (int k = 1; k <= 80; ++k) {
        QStringList row{QString::number(k)};
        for (int s = 1; s <= 15; ++s)
            row << QString::number(1000 + k * 15 + s);
        report.segments.rows.push_back(row);
        report.strategies.rows.push_back(
            {QString::number(k), QStringLiteral("%1.25").arg(100 + k), QStringLiteral("Interest")});
    }
    const QByteArray pdf = reportPdf(report, chart(80, {"Interest", "Totals"}),
                                     chart(80, segments + QStringList{"Totals"}));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));

    TempWorkspace ws;
    ws.write("long.pdf", pdf);
    // A copy to look at beside the screenshots.
    if (const QString folder = screenshotFolder(); !folder.isEmpty()) {
        QFile copy(folder + "/analysis-long-report.pdf");
        EXPECT_TRUE(copy.open(QIODevice::WriteOnly) && copy.write(pdf) == pdf.size());
    }
    const auto pages = pdfPages(ws.filePath("long.pdf"));
    if (!pages)
        GTEST_SKIP() << "pdftotext is not installed";
    const QString all = pages->join(u'\f');
    EXPECT_GE(pages->size(), 6);
    EXPECT_TRUE(pages->at(0).contains("Strategy analysis for Home Loan Project"));
    EXPECT_TRUE(all.contains("Strategies (continued)"));
    EXPECT_TRUE(all.contains("Segment wise Analysis (continued)"));
    // The last strategy's values and the last segment's last number.
    EXPECT_TRUE(all.contains("180.25")) << "interest of strategy 80";
    EXPECT_TRUE(all.contains(QString::number(1000 + 80 * 15 + 15)));
    for (int p = 0; p < pages->size(); ++p)
        EXPECT_TRUE(pages->at(p).contains(QStringLiteral("Page %1").arg(p + 1))) << p;
    // Every continued page repeats the headings.
    for (const QString& page : *pages) {
        if (page.contains("Segment wise Analysis (continued)")) {
            EXPECT_TRUE(page.contains("Totals")) << qPrintable(page.left(300));
        }
    }
}

} // namespace
