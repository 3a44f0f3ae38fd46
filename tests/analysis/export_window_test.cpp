#include "analysis/analysis_guru.h"
#include "analysis/analysis_window.h"
#include "analysis_window_fixture.h"
#include "shell/main_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include "dialog_answers.h"
#include "export_test_tools.h"
#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <optional>

using namespace lendora;
using namespace lendora::test;

namespace {

// The colours of the warnings in the detailed estimates table.
const QColor red(0xF4B6B0);
const QColor purple(0xDDB8F0);
const QColor orange(0xFFD08A);

// The chart colours of the first feature or segment, of Freebies (the
// seventh series, only in the feature chart) and of the totals.
const QColor firstSeries(0x4e, 0x79, 0xa7);
const QColor seventhSeries(0xb0, 0x7a, 0xa1);
const QColor totalsSeries(0x55, 0x5b, 0x66);

class ExportWindowTest : public AnalysisWindowFixture {
public:
    // Which of the three export buttons are enabled.
    QString exportButtons() {
        QString text;
        for (const char* name : {"cmdExportCsv", "cmdSaveCharts", "cmdReportPdf"})
            text += button(name)->isEnabled() ? u'1' : u'0';
        return text;
    }
    // Types the given texts (null: left as shown), confirms the seven fields
    // with Enter and presses Analyse.
    void analyse(const std::array<const char*, 7>& texts) {
        confirmFields(texts);
        click(button("cmdAnalyse"));
    }
    // A cell of the detailed estimates table by Grid row, in a role.
    QVariant estimate(int gridRow, int column, int role = Qt::DisplayRole) {
        return table("MSFG_Seg_Analysis")->model()->index(gridRow - 1, column).data(role);
    }
    // The cells with a background colour, as "row,column".
    QStringList colouredCells() {
        QStringList cells;
        QAbstractItemModel* model = table("MSFG_Seg_Analysis")->model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                if (model->index(r, c).data(Qt::BackgroundRole).isValid())
                    cells << QStringLiteral("%1,%2").arg(r + 1).arg(c);
        return cells;
    }
    // A table as shown: the heading row, then every row.
    QList<QStringList> shownTable(const char* name) {
        QAbstractItemModel* model = table(name)->model();
        QList<QStringList> rows;
        QStringList headings;
        for (int c = 0; c < model->columnCount(); ++c)
            headings << model->headerData(c, Qt::Horizontal).toString();
        rows << headings;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            rows << cells;
        }
        return rows;
    }
    // Answers the chart dialog with a chart (0 segments, 1 features) and size.
    void chartDialog(int chart, int width, int height) {
        dialogs.answerNext([=](QDialog* dialog) {
            EXPECT_EQ(dialog->objectName(), "frmChartExport");
            find<QComboBox>("cboChart", dialog)->setCurrentIndex(chart);
            find<QSpinBox>("txtChartWidth", dialog)->setValue(width);
            find<QSpinBox>("txtChartHeight", dialog)->setValue(height);
            dialog->accept();
        });
    }

    MessageBoxes boxes;
    DialogAnswers dialogs;
};

TEST_F(ExportWindowTest, TheCsvOfTwoStrategiesParsesBackToTheSameCells) {
    // Segment descriptions with a comma, with double quotes (an unquoted
    // item may hold them) and with letters beyond ASCII.
    ws.write("1-segFile.lnd", "1,\"Salaried, 25 to 40\"\r\n2,Self \"employed\"\r\n"
                              "3,\"Retired, \xc3\xbc"
                              "ber 60\"\r\n");
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();
    EXPECT_EQ(exportButtons(), "111");
    ASSERT_EQ(
        shownTable("MSFG_Segments")[0].mid(1),
        QStringList({"Salaried, 25 to 40", "Self \"employed\"", "Retired, über 60", "Totals"}));

    dialogs.saveAs(ws.filePath("comparison.csv"));
    click(button("cmdExportCsv"));
    EXPECT_EQ(dialogs.titles(), QStringList({"Export CSV"}));
    ASSERT_EQ(dialogs.offeredFiles().size(), 1);
    EXPECT_EQ(QFileInfo(dialogs.offeredFiles()[0]).fileName(), "Home Loan Project - plan 1.csv");
    EXPECT_EQ(QFileInfo(dialogs.offeredFiles()[0]).absolutePath(),
              QFileInfo(ws.path()).absoluteFilePath());
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));

    const QByteArray bytes = ws.read("comparison.csv");
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "every line ends with CR LF";
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_TRUE(bytes.contains("Retired, \xc3\xbc"
                               "ber 60"))
        << "UTF-8";
    EXPECT_TRUE(bytes.startsWith("ID,Interest,")) << "the header row comes first";

    QList<QStringList> expected = shownTable("MSFG_Features");
    expected << QStringList() << QStringList({"Segment wise Analysis"});
    expected << shownTable("MSFG_Segments");
    ASSERT_EQ(expected[3].first(), "Totals");
    ASSERT_EQ(expected.last().first(), "Totals");
    auto parsed = pythonCsv(ws.filePath("comparison.csv"));
    if (!parsed)
        GTEST_SKIP() << "python3 is not installed";
    // The tables' cells first, then the 90% intervals beside them.
    ASSERT_EQ(parsed->size(), expected.size());
    EXPECT_EQ(parsed->at(0).mid(9, 2), QStringList({"Interest low", "Interest high"}));
    EXPECT_EQ(parsed->at(6).mid(5, 2),
              QStringList({"Salaried, 25 to 40 low", "Salaried, 25 to 40 high"}));
    for (qsizetype r = 0; r < parsed->size(); ++r)
        (*parsed)[r] = parsed->at(r).mid(0, expected[r].size());
    EXPECT_EQ(*parsed, expected);
}

TEST_F(ExportWindowTest, ExportsNeedAStrategyAndACancelledDialogWritesNothing) {
    ws.write("pptb.lnd", plansRegistry("No"));
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();
    EXPECT_EQ(exportButtons(), "000");

    analyse({"11", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    click(button("cmdAdd"));
    EXPECT_EQ(exportButtons(), "111");

    dialogs.cancelNext();
    click(button("cmdExportCsv"));
    dialogs.cancelNext();
    click(button("cmdSaveCharts"));
    dialogs.cancelNext();
    click(button("cmdReportPdf"));
    EXPECT_EQ(dialogs.names(), QStringList({"QFileDialog", "frmChartExport", "QFileDialog"}));
    EXPECT_EQ(dialogs.titles(), QStringList({"Export CSV", "Save Chart", "PDF Report"}));
    EXPECT_EQ(ws.files().filter(QRegularExpression("\\.(csv|png|svg|pdf)$")), QStringList());
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));

    // Deleting the only strategy leaves nothing to export.
    clickRow(table("MSFG_Segments"), 1);
    boxes.answerNext(QMessageBox::Yes);
    click(button("cmdDelete"));
    EXPECT_EQ(exportButtons(), "000");
}

TEST_F(ExportWindowTest, EachChartIsSavedAsPngAtTheChosenSizeAndAsSvg) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();

    chartDialog(1, 900, 500);
    dialogs.saveAs(ws.filePath("features.png"));
    click(button("cmdSaveCharts"));
    chartDialog(0, 640, 1000);
    dialogs.saveAs(ws.filePath("segments.PNG"));
    click(button("cmdSaveCharts"));
    EXPECT_EQ(dialogs.pending(), 0u);
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));

    const QImage features(ws.filePath("features.png"));
    EXPECT_EQ(features.size(), QSize(900, 500));
    const QImage segments(ws.filePath("segments.PNG"));
    EXPECT_EQ(segments.size(), QSize(640, 1000));
    // The bars are drawn: the features chart has seven series and the
    // totals, the segments chart three series and the totals.
    for (const QColor& colour : {firstSeries, seventhSeries, totalsSeries})
        EXPECT_TRUE(hasColour(features, colour)) << qPrintable(colour.name());
    EXPECT_TRUE(hasColour(segments, firstSeries));
    EXPECT_TRUE(hasColour(segments, totalsSeries));
    EXPECT_FALSE(hasColour(segments, seventhSeries));

    // SVG: by the chosen filter when the name has no suffix.
    chartDialog(0, 800, 450);
    dialogs.saveAs(ws.filePath("segments"), QStringLiteral("SVG drawing (*.svg)"));
    click(button("cmdSaveCharts"));
    EXPECT_FALSE(ws.exists("segments"));
    QXmlStreamReader svg(ws.read("segments.svg"));
    QString root;
    QString viewBox;
    QString text;
    while (!svg.atEnd()) {
        svg.readNext();
        if (svg.isStartElement() && root.isEmpty()) {
            root = svg.name().toString();
            viewBox = svg.attributes().value("viewBox").toString();
        }
        if (svg.isCharacters())
            text += svg.text().toString() + u'|';
    }
    EXPECT_FALSE(svg.hasError()) << qPrintable(svg.errorString());
    EXPECT_EQ(root, "svg");
    EXPECT_EQ(viewBox, "0 0 800 450");
    for (const char* series : {"Salaried, 25 to 40", "Self employed", "Retired", "Totals",
                               "Strategy 1", "Strategy 2", "Respondents opting for Easy Home"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(series)))
            << series << " in " << qPrintable(text);
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));
}

TEST_F(ExportWindowTest, ThePdfReportShowsThePlanTheStrategiesAndBothComparisons) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();
    dialogs.saveAs(ws.filePath("report"));
    click(button("cmdReportPdf"));
    EXPECT_EQ(dialogs.titles(), QStringList({"PDF Report"}));
    EXPECT_EQ(QFileInfo(dialogs.offeredFiles().value(0)).fileName(),
              "Home Loan Project - plan 1.pdf");
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));
    ASSERT_TRUE(ws.read("report.pdf").startsWith("%PDF-"));

    const auto pages = pdfPages(ws.filePath("report.pdf"));
    if (!pages)
        GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_GE(pages->size(), 3);
    const QString& first = pages->at(0);
    for (const char* text :
         {"Strategy analysis for Home Loan Project", "Salaried, 25 to 40", "Easy Home", "City Home",
          "Metro Nest", "Metro Finance", "66.5", "Interest, EMI", "Max. Loan Percentage, Freebies"})
        EXPECT_TRUE(first.contains(QString::fromUtf8(text))) << text;
    const QString features = pages->filter("Feature wise Analysis").value(0);
    const QString segments = pages->filter("Segment wise Analysis").value(0);
    EXPECT_TRUE(features.contains("339")) << qPrintable(features);
    EXPECT_TRUE(features.contains("Respondents opting for Easy Home, by feature"));
    EXPECT_TRUE(segments.contains("Retired"));
    EXPECT_TRUE(segments.contains("Respondents opting for Easy Home, by segment"));
    EXPECT_TRUE(pages->last().contains("Page " + QString::number(pages->size())));
}

TEST_F(ExportWindowTest, AnExportIntoAFolderThatCannotBeWrittenIsReported) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    struct Case {
        const char* button;
        const char* file;
    };
    for (const Case& c : {Case{"cmdExportCsv", "out.csv"}, Case{"cmdSaveCharts", "out.png"},
                          Case{"cmdSaveCharts", "out.svg"}, Case{"cmdReportPdf", "out.pdf"}}) {
        SCOPED_TRACE(c.file);
        if (QString(c.button) == "cmdSaveCharts")
            chartDialog(0, 600, 400);
        dialogs.saveAs(ws.filePath(c.file));
        click(button(c.button));
        const QStringList messages = boxes.take();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Could not save \"%1\": ").arg(c.file)))
            << qPrintable(messages[0]);
        EXPECT_GT(messages[0].size(), QStringLiteral("Could not save \"%1\": ").arg(c.file).size())
            << "the reason is given";
        EXPECT_FALSE(ws.exists(c.file));
    }
    ws.setReadOnly(false);
    dialogs.saveAs(ws.filePath("out.csv"));
    click(button("cmdExportCsv"));
    EXPECT_TRUE(boxes.take().isEmpty());
    EXPECT_TRUE(ws.exists("out.csv"));
}

TEST_F(ExportWindowTest, WarnedEstimatesAreColouredWithTheirReasonAndTheGuruSumsThemUp) {
    ws.write("pptb.lnd", plansRegistry("No"));
    start();
    ASSERT_NE(open(1), nullptr);
    ASSERT_EQ(mother->guru().text(), guru::aboutAnalysis());

    // Interest 30, far beyond the brands' 11 to 13: segment 1's curve falls
    // below zero, segment 2's rises above its respondents, segment 3's is
    // extended only.
    analyse({"30", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    ASSERT_TRUE(button("cmdAdd")->isEnabled());
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(colouredCells(), QStringList({"1,1", "1,8", "2,1", "2,8", "3,1"}));
    // The numbers stay as the forecast wrote them.
    EXPECT_EQ(estimate(1, 1).toString(), "-4065");
    EXPECT_EQ(estimate(2, 1).toString(), "443");
    EXPECT_EQ(estimate(3, 1).toString(), "46");

    const QString outside = "Interest 30 lies outside the three brands' values (Easy Home 12, "
                            "City Home 11, Metro Nest 13): the estimate extends the curve beyond "
                            "the poll data.";
    EXPECT_EQ(estimate(1, 1, Qt::BackgroundRole).value<QColor>(), red);
    EXPECT_EQ(estimate(1, 1, Qt::ToolTipRole).toString(),
              "Salaried, 25 to 40, Interest 30: the curve through the counts (Easy Home 30, City "
              "Home 20, Metro Nest 15) gives -4065 respondents, fewer than 0.\n" +
                  outside);
    EXPECT_EQ(estimate(2, 1, Qt::BackgroundRole).value<QColor>(), purple);
    EXPECT_EQ(estimate(2, 1, Qt::ToolTipRole).toString(),
              "Self employed, Interest 30: the estimate 443 is more than the 178 respondents of "
              "this segment for all three products (Easy Home 58, City Home 63, Metro Nest 57).\n" +
                  outside);
    EXPECT_EQ(estimate(3, 1, Qt::BackgroundRole).value<QColor>(), orange);
    EXPECT_EQ(estimate(3, 1, Qt::ToolTipRole).toString(), outside);
    EXPECT_EQ(estimate(1, 8, Qt::BackgroundRole).value<QColor>(), red);
    EXPECT_EQ(estimate(2, 8, Qt::BackgroundRole).value<QColor>(), purple);
    // A cell without warning keeps its text as tooltip.
    EXPECT_EQ(estimate(1, 2, Qt::ToolTipRole).toString(), "12");

    EXPECT_EQ(mother->guru().text(),
              guru::aboutAnalysis() +
                  "\r\n\r\nForecast warnings (point at a coloured cell of the 'Detailed "
                  "Estimates' table to read why):\r\n"
                  "Red: 2 estimates below 0 respondents.\r\n"
                  "Purple: 2 estimates above the segment's respondents for all three products.\r\n"
                  "Orange: Interest: the new value lies outside the three brands' values, so the "
                  "curve is extended beyond the poll data.");

    // A fresh strategy inside the brands' values: no warning is left, and
    // the Guru's own text is back as it was.
    analyse({"12.5", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    ASSERT_TRUE(button("cmdAdd")->isEnabled());
    EXPECT_EQ(estimate(1, 1).toString(), "26");
    EXPECT_EQ(colouredCells(), QStringList());
    EXPECT_EQ(estimate(1, 1, Qt::ToolTipRole).toString(), "26");
    EXPECT_EQ(mother->guru().text(), guru::aboutAnalysis());

    // A refused strategy takes the warnings of the previous one away.
    analyse({"30", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    ASSERT_FALSE(colouredCells().isEmpty());
    analyse({"12", nullptr, nullptr, nullptr, nullptr, "68", nullptr});
    EXPECT_EQ(boxes.take(), QStringList({"Change at least one value for a new analysis. \r\n"
                                         "This is not a new Analysis."}));
    EXPECT_EQ(colouredCells(), QStringList());
    EXPECT_EQ(mother->guru().text(), guru::aboutAnalysis());

    // Opening the plan again starts without warnings.
    analyse({"30", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    ASSERT_FALSE(colouredCells().isEmpty());
    ASSERT_NE(open(1), nullptr);
    EXPECT_EQ(colouredCells(), QStringList());
}

TEST_F(ExportWindowTest, WithTheGuruSwitchedOffOnlyTheCellsWarn) {
    ws.write("pptb.lnd", plansRegistry("No"));
    start();
    ASSERT_NE(open(1), nullptr);
    mother->entry("mnuGuru")->trigger();
    ASSERT_FALSE(mother->guruOn());
    const QString before = mother->guru().text();
    analyse({"30", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    EXPECT_EQ(colouredCells().size(), 5);
    EXPECT_EQ(mother->guru().text(), before);
}

// The Final Analysis tab with the export buttons and a warned estimates
// table, grabbed as the user sees them; the pictures go to
// $LENDORA_SCREENSHOTS when it is set.
TEST_F(ExportWindowTest, ScreenshotsOfTheExportButtonsAndOfWarnedEstimates) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    const QString out = screenshotFolder(ws.path());
    const auto grab = [&](const QString& name) {
        settle(100);
        const QImage image = window->parentWidget()->grab().toImage();
        EXPECT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(QDir(out).filePath(name + ".png"))) << qPrintable(name);
        return image;
    };
    showFinalAnalysis();
    grab("analysis-final-exports");
    for (const char* name : {"cmdExportCsv", "cmdSaveCharts", "cmdReportPdf"})
        EXPECT_TRUE(button(name)->isVisible()) << name;
    // The exported pictures beside the screenshots, to be looked at (fresh
    // files: the file dialog would ask before replacing one).
    for (const char* name :
         {"analysis-features-chart.png", "analysis-segments-chart.svg", "analysis-report.pdf"})
        QFile::remove(QDir(out).filePath(name));
    chartDialog(1, 1600, 900);
    dialogs.saveAs(QDir(out).filePath("analysis-features-chart.png"));
    click(button("cmdSaveCharts"));
    chartDialog(0, 1000, 560);
    dialogs.saveAs(QDir(out).filePath("analysis-segments-chart.svg"));
    click(button("cmdSaveCharts"));
    dialogs.saveAs(QDir(out).filePath("analysis-report.pdf"));
    click(button("cmdReportPdf"));
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));

    find<QTabWidget>("SSTab1", window)->setCurrentIndex(0);
    analyse({"30", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    table("MSFG_Seg_Analysis")->clearSelection();
    const QImage warned = grab("analysis-warned-estimates");
    EXPECT_TRUE(hasColour(warned, red));
    EXPECT_TRUE(hasColour(warned, orange));
}

} // namespace
