#include "shell/ui/main_window.h"
#include "storage/shown_text.h"
#include "widgets/grid_view.h"

#include "support/feature_window.h"
#include "support/golden.h"
#include "support/program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>

#include <gtest/gtest.h>

#include <functional>

using namespace lendora;
using namespace lendora::test;

namespace {

// A folder with a project name and an audience definition of 10 MB, and
// every other name and description of 1 MB, each of its own letter: plan 1
// still waits for its poll, plan 2 (the same pair) is analysed.
void writeLongTexts(const TempWorkspace& ws) {
    copyFolder(dataFolder(QStringLiteral("reliability/damaged/sound")), ws);
    const auto text = [](char letter) {
        return '"' + QByteArray(letter == 'P' || letter == 'A' ? 10 << 20 : 1 << 20, letter) + '"';
    };
    ws.write("Prj.lnd", "1," + text('P') + ',' + text('Q') + ',' + text('B') + ",\"Active\"\r\n");
    ws.write("1_pdtl.lnd",
             "1," + text('O') + ',' + text('B') +
                 ",\"30\",\"10\",\"20000\",\"900\",\"85\",\"36\",\"34.\",\"500\"\r\n"
                 "2," +
                 text('C') + ',' + text('D') +
                 ",\"40\",\"12\",\"25000\",\"700\",\"80\",\"36\",\"26.44\",\"1000\"\r\n"
                 "3,\"Metro\",\"Metro Home\",\"30\",\"14" +
                 QByteArray(1 << 20, ' ') + "\",\"30000\",\"600\",\"75\",\"12\",\"55\",\"0\"\r\n");
    ws.write("ta.lnd", "1," + text('A') + ",\"2\"\r\n");
    ws.write("1-segFile.lnd", "1," + text('S') + "\r\n2,\"Married, two children\"\r\n");
    const QByteArray plan = ',' + text('P') + ",\"1\"," + text('A');
    ws.write("pptb.lnd",
             "1,\"1\"" + plan + ",\"000\",\"No\"\r\n2,\"1\"" + plan + ",\"111\",\"Yes\"\r\n");
    for (const char* suffix : {"_0ff.lnd", "_0anf.lnd", "_0fgf.lnd", "_0sgf.lnd"})
        ws.write(QStringLiteral("2") + suffix, ws.read(QStringLiteral("1") + suffix));
}

// The time a click may take, and the opening of a window, which reads the
// plan's files and builds the window (half a second in the sanitizer build
// with short names). Laid out whole, the long texts took tens of seconds.
constexpr qint64 aClick = 1000;
constexpr qint64 anOpening = 3000;

// How long the action takes, with the events it posts.
qint64 millisecondsOf(const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    settle();
    return clock.elapsed();
}

// A shown text cut to the window's limit: its start as given, the end an
// ellipsis. A text of 10 MB laid out whole stalls the window for seconds.
void expectCut(const QString& shown, const QString& start, const char* what) {
    EXPECT_TRUE(shown.startsWith(start)) << what << ": " << qPrintable(shown.left(80));
    EXPECT_LE(shown.size(), shownTextLimit) << what;
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << what;
}

QString run(char letter, int length = 20) {
    return QString(length, QLatin1Char(letter));
}

class LongTexts : public WindowTest {
protected:
    void SetUp() override {
        writeLongTexts(ws);
        ASSERT_NE(start(), nullptr);
        tabs = find<QTabWidget>("SSTab1", mother->form("frmProjects"));
    }
    void selectPlan(int row) {
        tabs->setCurrentIndex(2);
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), row);
    }

    QTabWidget* tabs = nullptr;
};

// The plan builder: a click on a project titles the details frame with its
// name, a click on an audience the segments frame with its definition.
TEST_F(LongTexts, ThePlanBuilderShowsAProjectAndAnAudienceWithinASecond) {
    press(Qt::Key_F6);
    QWidget* window = mother->form("frmProjectPlan");
    ASSERT_NE(window, nullptr);
    EXPECT_LT(millisecondsOf([&] { clickRow(find<ui::GridView>("MSFG_BasicDetails", window), 1); }),
              aClick);
    expectCut(find<QGroupBox>("fraBA", window)->title(), "Basic Details for " + run('P'), "fraBA");
    EXPECT_LT(millisecondsOf([&] { clickRow(find<ui::GridView>("MSFG_TA", window), 1); }), aClick);
    expectCut(find<QGroupBox>("fraTASegment", window)->title(), "Segments of " + run('A'),
              "fraTASegment");
}

// The preview: the chosen segment, and the feature captions of the product
// whose interest is stored with 1 MB of blanks after it.
TEST_F(LongTexts, TheQuestionnaireShowsASegmentAndAProductWithinASecond) {
    selectPlan(1);
    press(Qt::Key_F5, Qt::ControlModifier);
    QWidget* window = mother->form("frmQuestionairePreview");
    ASSERT_NE(window, nullptr);
    EXPECT_LT(millisecondsOf([&] { clickRow(find<ui::GridView>("MSFG_Segments", window), 1); }),
              aClick);
    expectCut(find<QLabel>("lblSegment", window)->text(), "You have selected " + run('S'),
              "lblSegment");
    EXPECT_LT(millisecondsOf([&] { click(find<QAbstractButton>("Option3", window)); }), aClick);
    expectCut(find<QAbstractButton>("Opt_Interest", window)->text(), "Interest - 14   ",
              "Opt_Interest");
    click(find<QAbstractButton>("Opt_Interest", window));
    EXPECT_LT(millisecondsOf([&] { click(find<QAbstractButton>("cmdRecord", window)); }), aClick);
    const QStringList lines = boxes.take().value(0).split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_LT(lines[0].size(), shownTextLimit + 3);
    EXPECT_LT(lines[3].size(), shownTextLimit + 12);
}

// The poll entry: the tab captions (name and brand) and the segment.
TEST_F(LongTexts, ThePollWindowOpensWithItsProductsAndSegmentWithinSeconds) {
    selectPlan(1);
    EXPECT_LT(millisecondsOf([&] { press(Qt::Key_F5); }), anOpening);
    QWidget* window = mother->form("frmPollDataEntry");
    ASSERT_NE(window, nullptr);
    expectCut(window->windowTitle(), "Poll Resulsts for " + run('P'), "caption");
    auto* products = find<QTabWidget>("SSTab1", window);
    expectCut(products->tabText(0), run('O'), "own product's tab");
    expectCut(products->tabText(1), run('C'), "competitor 1's tab");
    expectCut(find<QLabel>("lblBSegmentName", window)->text(), run('S'), "lblBSegmentName");
}

// The analysis: its frames, the segment headings, the charts with their
// legends, and the sensitivity's segments.
TEST_F(LongTexts, TheAnalysisOpensWithTheProjectBrandAndSegmentsWithinSeconds) {
    selectPlan(2);
    EXPECT_LT(millisecondsOf([&] { press(Qt::Key_F7); }), anOpening);
    QWidget* window = mother->form("frmAnalysis");
    ASSERT_NE(window, nullptr);
    expectCut(window->windowTitle(), "Analysis for Project " + run('P'), "caption");
    expectCut(find<QGroupBox>("fraBasicDetails", window)->title(), "Basic Details for " + run('P'),
              "fraBasicDetails");
    expectCut(find<QGroupBox>("Frame2", window)->title(), "New Analysis for " + run('B'), "Frame2");
    expectCut(find<ui::GridView>("MSFG_Segments", window)
                  ->model()
                  ->headerData(1, Qt::Horizontal, Qt::DisplayRole)
                  .toString(),
              run('S'), "the segment's heading");
    const QList<QLegendMarker*> markers =
        find<QChartView>("MSCH_Segments", window)->chart()->legend()->markers();
    ASSERT_FALSE(markers.isEmpty());
    expectCut(markers.front()->label(), run('S'), "the segment's bars");
    for (const char* chart : {"MSCH_Segments", "MSCH_Features"}) {
        const QString title = find<QChartView>(chart, window)->chart()->title();
        EXPECT_TRUE(title.startsWith("Respondents opting for " + run('B'))) << chart;
        EXPECT_TRUE(title.contains(QChar(0x2026) + QStringLiteral(", by "))) << chart;
        EXPECT_LT(title.size(), shownTextLimit + 40) << chart;
    }
    auto* segments = find<QComboBox>("cboSensitivitySegment", window);
    ASSERT_EQ(segments->count(), 3);
    expectCut(segments->itemText(1), run('S'), "segment 1 of the sensitivity");
    EXPECT_LT(millisecondsOf([&] { segments->setCurrentIndex(1); }), aClick);
    const QString title = find<QChartView>("MSCH_Sensitivity", window)->chart()->title();
    EXPECT_LT(title.size(), 2 * shownTextLimit + 100) << "the segment and the brand, each cut";
}

// The basic details viewer and the audience viewer.
TEST_F(LongTexts, TheViewersOpenOnTheProjectAndTheAudienceWithinSeconds) {
    tabs->setCurrentIndex(0);
    clickRow(find<ui::GridView>("MSFG_Projects", mother), 1);
    EXPECT_LT(millisecondsOf([&] { press(Qt::Key_F2, Qt::ControlModifier); }), anOpening);
    expectCut(mother->form("frmProjectDetails")->windowTitle(), "Basic Details for " + run('P'),
              "the viewer's caption");
    tabs->setCurrentIndex(1);
    clickRow(find<ui::GridView>("MSFG_TargetAudience", mother), 1);
    EXPECT_LT(millisecondsOf([&] { press(Qt::Key_F3, Qt::ControlModifier); }), anOpening);
}

} // namespace
