#pragma once

#include "analysis/ui/analysis_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "support/program.h"
#include "support/workspace.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <array>

#include <gtest/gtest.h>

// The program started on the analysis test workspace, with the Analysis
// window opened through the All Projects window as the user opens it.
namespace lendora::test {

inline const QString analysisDataDir = QStringLiteral(ANALYSIS_TEST_DATA);

inline QByteArray dataFile(const QString& name) {
    return readFile(analysisDataDir + u'/' + name);
}

inline const QStringList analysisFiles = {"1_0ff.lnd", "1_0anf.lnd", "1_0fgf.lnd", "1_0sgf.lnd"};
inline const char* const fieldNames[7] = {"txtInterest",        "txtMEI", "txtMLV",     "txtMLP",
                                          "txtRepaymentPeriod", "txtEMI", "txtFreebies"};

// The plans registry: plan 1 over project 1 and its three-segment audience
// with the given analysis flag, plan 2 over the two-segment audience.
inline QByteArray plansRegistry(const char* analysisFlag) {
    return QByteArray("1,\"1\",\"Home Loan Project\",\"1\",\"Salaried, 25 to 40\",\"111\",\"") +
           analysisFlag +
           "\"\r\n"
           "2,\"1\",\"Home Loan Project\",\"2\",\"Self employed\",\"111\",\"No\"\r\n";
}

class AnalysisWindowFixture : public ::testing::Test {
public:
    void SetUp() override {
        const QDir dir(analysisDataDir + QStringLiteral("/workspace"));
        for (const QString& name : dir.entryList(QDir::Files))
            ws.write(name, dataFile(QStringLiteral("workspace/") + name));
    }
    void TearDown() override {
        ws.setReadOnly(false);
        closeProgram();
    }

    // Plan 1 with its two saved strategies.
    void writeSavedPlan() {
        ws.write("pptb.lnd", plansRegistry("Yes"));
        for (const QString& name : analysisFiles)
            ws.write(name, dataFile(QStringLiteral("two_strategies/") + name));
    }
    void start() {
        mother = startProgram();
        ASSERT_NE(mother, nullptr);
    }
    // Clicks the plan in the All Projects window's third tab and presses F7.
    AnalysisWindow* open(int planRow) {
        // A closed message box leaves no window active here: the main
        // window takes its shortcut keys again once it is active.
        mother->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(mother));
        find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), planRow);
        pressShortcut(mother, Qt::Key_F7);
        settle();
        window = qobject_cast<AnalysisWindow*>(mother->form("frmAnalysis"));
        EXPECT_NE(window, nullptr) << "the analysis window did not open";
        return window;
    }

    QLineEdit* field(int feature) { return find<QLineEdit>(fieldNames[feature - 1], window); }
    QPushButton* button(const char* name) { return find<QPushButton>(name, window); }
    ui::GridView* table(const char* name) { return find<ui::GridView>(name, window); }
    void showFinalAnalysis() { find<QTabWidget>("SSTab1", window)->setCurrentIndex(1); }
    // Types the given texts (null: left as shown) and confirms the seven
    // fields with Enter, in entry order.
    void confirmFields(const std::array<const char*, 7>& texts) {
        for (int f = 1; f <= 7; ++f) {
            if (texts[size_t(f - 1)])
                typeAndEnter(field(f), QString::fromLatin1(texts[size_t(f - 1)]));
            else
                pressEnter(field(f));
        }
    }

    // Picks in "Which wins?"'s first list the strategy the second names, as
    // the user picks it, and gives the chance's text then.
    QString beatChanceAgainstItself() {
        auto* first = find<QComboBox>("cboBeatA", window);
        const int second = find<QComboBox>("cboBeatB", window)->currentIndex();
        first->setCurrentIndex(second);
        emit first->activated(second);
        return find<QLabel>("lblBeatChance", window)->text();
    }

    TempWorkspace ws;
    MainWindow* mother = nullptr;
    AnalysisWindow* window = nullptr;
};

} // namespace lendora::test
