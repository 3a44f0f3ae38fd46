// The Excel workbook and the chart pictures of the Analysis window, through
// the window as the user reaches them.
#include "analysis/ui/analysis_window_fixture.h"
#include "analysis/workbook_cells.h"

#include "support/file_dialogs.h"
#include "support/message_boxes.h"
#include "support/workbook_dump.h"
#include "widgets/picture_copy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QImage>
#include <QTimer>

#include <QtCharts/QChartView>

#include <deque>

using namespace lendora;
using namespace lendora::test;
using namespace Qt::StringLiterals;

namespace {

// Answers each file dialog with the next file of the workspace, recording
// the dialog's title and the name it offered.
class FileAnswers : public QObject {
public:
    explicit FileAnswers(const TempWorkspace& ws)
        : ws_(ws) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->property("answered").toBool())
                return;
            dialog->setProperty("answered", true);
            seen << dialog->windowTitle() + u": "_s +
                        QFileInfo(dialog->selectedFiles().value(0)).fileName();
            if (names.empty()) {
                dialog->reject();
                return;
            }
            const QString path = ws_.filePath(names.front());
            names.pop_front();
            EXPECT_TRUE(chooseFile(dialog, path));
        });
        timer_.start(5);
    }
    std::deque<QString> names;
    QStringList seen;

private:
    const TempWorkspace& ws_;
    QTimer timer_;
};

class AnalysisWorkbookWindow : public AnalysisWindowFixture {
public:
    // Clicks the export button answering its dialog with `name`, and waits
    // until the file is there (the export waits for the intervals).
    bool exportTo(const char* button, const QString& name) {
        answers.names.push_back(name);
        click(this->button(button));
        return QTest::qWaitFor([&] { return ws.exists(name); }, 60'000);
    }
    MessageBoxes boxes;
    FileAnswers answers{ws};
};

// The workbook holds, cell for cell, the numbers of the CSV export of the
// same analysis, as number cells; its charts are those of the comparison.
TEST_F(AnalysisWorkbookWindow, ExportExcelHoldsTheNumbersOfTheCsvExport) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();
    ASSERT_TRUE(button("cmdExportExcel")->isEnabled());
    EXPECT_EQ(button("cmdExportExcel")->text(), u"Export Excel..."_s);
    ASSERT_TRUE(exportTo("cmdExportExcel", u"book"_s + u".xlsx"_s));
    ASSERT_TRUE(exportTo("cmdExportCsv", u"table.csv"_s));
    EXPECT_EQ(answers.seen, QStringList({"Export Excel: Home Loan Project - plan 1.xlsx",
                                         "Export CSV: Home Loan Project - plan 1.csv"}));
    EXPECT_EQ(boxes.take(), QStringList());

    const analysis::test::WorkbookCells book(dumpWorkbook(ws.read(u"book.xlsx"_s)));
    const analysis::test::CsvSections csv(ws.read(u"table.csv"_s));
    ASSERT_EQ(csv.comparison.size(), 10u) << book.dump().toStdString();
    ASSERT_EQ(csv.estimates.size(), 7u);
    EXPECT_EQ(book.mismatches(u"Comparison"_s, csv.comparison), QStringList());
    EXPECT_EQ(book.mismatches(u"Detailed Estimates"_s, csv.estimates), QStringList());
    EXPECT_EQ(book.charts(u"Comparison"_s).filter(u"chart "_s),
              QStringList({"chart BarChart Feature wise Analysis",
                           "chart BarChart Segment wise Analysis"}));
    EXPECT_EQ(book.sheets().mid(2, 4), QStringList({"Poll Easy Home", "Poll City Home",
                                                    "Poll Metro Nest", "Basic Details"}));
    EXPECT_EQ(book.text(u"Sensitivity"_s, 0, 4), u"Interest"_s) << "the curve shown";
}

// Copy on every chart puts its picture, at its size, on the clipboard.
TEST_F(AnalysisWorkbookWindow, CopyPutsEachChartsPictureOnTheClipboard) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();
    click(button("cmdSensitivity"));
    for (const char* name : {"MSCH_Segments", "MSCH_Features", "MSCH_Sensitivity"}) {
        auto* chart = find<QChartView>(name, window);
        find<QTabWidget>("SSTab2", window)
            ->setCurrentIndex(qstrcmp(name, "MSCH_Features") == 0 ? 1 : 0);
        settle();
        QApplication::clipboard()->clear();
        auto* copy = find<QAction>(ui::copyPictureAction, chart);
        EXPECT_EQ(copy->text(), u"Copy"_s);
        EXPECT_EQ(chart->contextMenuPolicy(), Qt::ActionsContextMenu);
        copy->trigger();
        const QImage image = QApplication::clipboard()->image();
        EXPECT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), chart->size() * chart->devicePixelRatio()) << name;
    }
}

} // namespace
