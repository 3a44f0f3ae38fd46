// The comparison charts are rebuilt whenever the strategies or their
// intervals change, and the intervals arrive from a thread at any moment:
// before, during or after a save, while a refused save's message runs its
// own event loop, between an Add and a Delete, or while the window is
// hidden. No order of these may leave the charts' scene with a dangling item.
#include "analysis/analysis_session.h"
#include "analysis/ui/analysis_charts.h"
#include "analysis/ui/analysis_window_fixture.h"

#include "support/message_boxes.h"
#include "support/program.h"

#include <QtCharts/QChartView>

#include <gtest/gtest.h>

#include <random>

using namespace lendora;
using namespace lendora::test;
using namespace Qt::StringLiterals;

namespace {

class AnalysisChartsStressTest : public AnalysisWindowFixture {
public:
    // Lets events run for a random while: up to a few milliseconds, often none.
    void pause() {
        const int ms = std::uniform_int_distribution<int>(0, 6)(random) - 2;
        if (ms > 0)
            QTest::qWait(ms);
        else if (ms == 0)
            settle();
    }
    bool chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; }
    // Paints the charts now, as the screen would: a chart left in the scene
    // after it was deleted is touched here.
    void paintCharts() {
        for (const char* name : {"MSCH_Segments", "MSCH_Features"})
            find<QChartView>(name, window)->grab();
    }
    // A strategy of its own interest rate (one the list does not hold).
    void addStrategy(int round) {
        find<QTabWidget>("SSTab1", window)->setCurrentIndex(0);
        typeAndEnter(field(1), QString::number(10 + round * 0.1));
        for (int f = 2; f <= 7; ++f)
            pressEnter(field(f));
        click(button("cmdAnalyse"));
        pause();
        ASSERT_TRUE(button("cmdAdd")->isEnabled()) << qPrintable(boxes.take().join(" | "));
        click(button("cmdAdd"));
    }
    void refusedSave() {
        showFinalAnalysis();
        pause();
        click(button("cmdSave"));
        const QStringList shown = boxes.take();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].startsWith(u"Could not save "_s)) << qPrintable(shown[0]);
    }
    void deleteFirstStrategy() {
        showFinalAnalysis();
        clickRow(table(chance(50) ? "MSFG_Segments" : "MSFG_Features"), 1);
        boxes.answerNext(QMessageBox::Yes);
        click(button("cmdDelete"));
        const QStringList shown = boxes.take();
        ASSERT_EQ(shown.size(), 2) << qPrintable(shown.join(" | ")); // the question, the outcome
    }
    void hideAndShow() {
        QWidget* frame = window->parentWidget() ? window->parentWidget() : window;
        frame->hide();
        pause();
        frame->show();
    }

    MessageBoxes boxes;
    std::mt19937 random{29};
};

TEST_F(AnalysisChartsStressTest, RebuiltChartsNeverLeaveADanglingItemWhateverTheOrderOfEvents) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    ASSERT_TRUE(ws.setReadOnly(true));
    for (int round = 0; round < 20 && !HasFatalFailure(); ++round) {
        SCOPED_TRACE(round);
        addStrategy(round);
        pause();
        if (chance(30))
            paintCharts();
        refusedSave();
        pause();
        if (chance(25))
            hideAndShow();
        if (chance(50))
            find<QTabWidget>("SSTab2", window)->setCurrentIndex(chance(50) ? 1 : 0);
        deleteFirstStrategy();
        pause();
        paintCharts();
    }
    // Two strategies as at the start, whose whiskers come once their
    // intervals are worked out.
    EXPECT_EQ(window->session().analysis().strategies().size(), 2u);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return analysis::errorBarCount(find<QChartView>("MSCH_Segments", window)) == 8; },
        20000));
}

} // namespace
