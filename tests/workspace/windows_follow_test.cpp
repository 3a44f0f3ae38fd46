#include "analysis/ui/analysis_window.h"
#include "plans/ui/project_plan_window.h"
#include "poll/ui/poll_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "support/golden.h"
#include "support/message_boxes.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

const char* const pollFields[3][7] = {{"txtBInterest", "txtBMIE", "txtBMLV", "txtBMLP",
                                       "txtBRepaymenyPeriod", "txtBEMI", "txtBFreebies"},
                                      {"txtC1Interest", "txtC1MEI", "txtC1MLV", "txtC1MLP",
                                       "txtC1RepaymentPeriod", "txtC1EMI", "txtC1Freebies"},
                                      {"txtC2Interest", "txtC2MEI", "txtC2MLV", "txtC2MLP",
                                       "txtC2RepaymentPeriod", "txtC2EMI", "txtC2Freebies"}};
const char* const pollPrefixes[3] = {"B", "C1", "C2"};

// Three plans of one project: plan 1 without poll data, plan 2 with its poll
// data, plan 3 waiting for it. The Analysis window is opened on plan 2 and the
// poll window on plan 3; then the plan window deletes plan 1.
class WindowsFollowTheWorkspace : public ::testing::Test {
protected:
    void SetUp() override {
        copyFolder(dataFolder(QStringLiteral("workspace/windows/before")), ws);
        mother = startProgram();
        ASSERT_NE(mother, nullptr);
    }
    void TearDown() override { closeProgram(); }

    void press(int key) {
        mother->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mother));
        pressShortcut(mother, key);
        settle();
    }
    ui::GridView* allProjectsPlans() {
        return find<ui::GridView>("MSFG_ProjectPlans", find("frmProjects", mother));
    }
    QWidget* openOnPlan(int planRow, int key, const char* form) {
        find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
        clickRow(allProjectsPlans(), planRow);
        press(key);
        return mother->form(form);
    }
    // The poll and analysis flags of a plan as both plan tables show them.
    QStringList flagsShown(int planRow) {
        const QStringList all = rowTexts(allProjectsPlans(), planRow);
        const QStringList own =
            rowTexts(find<ui::GridView>("MSFG_ProjectPlans", planWindow), planRow);
        return {all.value(5), all.value(6), own.value(5), own.value(6)};
    }

    TempWorkspace ws;
    MessageBoxes boxes;
    MainWindow* mother = nullptr;
    QWidget* planWindow = nullptr;
};

TEST_F(WindowsFollowTheWorkspace, APlanSaveThatRenumbersThenAPollSaveAndAnAnalysisSave) {
    // The plan window first: a plan click switches its command off.
    press(Qt::Key_F6);
    planWindow = find<ProjectPlanWindow>("frmProjectPlan", mother);
    ASSERT_NE(planWindow, nullptr);
    boxes.take();
    QWidget* poll = openOnPlan(3, Qt::Key_F5, "frmPollDataEntry");
    ASSERT_NE(poll, nullptr);
    QWidget* analysis = openOnPlan(2, Qt::Key_F7, "frmAnalysis");
    ASSERT_NE(analysis, nullptr);

    clickRow(find<ui::GridView>("MSFG_ProjectPlans", planWindow), 1);
    boxes.answerNext(QMessageBox::Yes);
    click(find<QPushButton>("cmdDelete", planWindow));
    click(find<QPushButton>("cmdSave", planWindow));
    boxes.take();
    ASSERT_EQ(shownRows(allProjectsPlans()), 3) << "two plans and the empty row";
    EXPECT_EQ(mother->form("frmAnalysis"), analysis) << "the analysis window stays on its plan";
    EXPECT_EQ(mother->form("frmPollDataEntry"), poll) << "the poll window stays on its plan";

    // The poll window counts both segments of its audience for each product.
    auto* tabs = find<QTabWidget>("SSTab1", poll);
    for (int product = 0; product < 3; ++product) {
        tabs->setCurrentIndex(product);
        for (int segment = 1; segment <= 2; ++segment) {
            for (const char* name : pollFields[product])
                typeAndEnter(find<QLineEdit>(name, poll), QStringLiteral("1"));
            click(find<QPushButton>(QStringLiteral("cmd%1Next").arg(pollPrefixes[product]), poll));
        }
        click(find<QPushButton>(QStringLiteral("cmd%1Save").arg(pollPrefixes[product]), poll));
    }
    EXPECT_EQ(flagsShown(2), QStringList({"111", "No", "111", "No"}));

    // The analysis window adds a strategy at competitor 1's interest and saves it.
    typeAndEnter(find<QLineEdit>("txtInterest", analysis), QStringLiteral("11"));
    for (const char* name :
         {"txtMEI", "txtMLV", "txtMLP", "txtRepaymentPeriod", "txtEMI", "txtFreebies"})
        pressEnter(find<QLineEdit>(name, analysis));
    click(find<QPushButton>("cmdAnalyse", analysis));
    click(find<QPushButton>("cmdAdd", analysis));
    find<QTabWidget>("SSTab1", analysis)->setCurrentIndex(1);
    click(find<QPushButton>("cmdSave", analysis));
    EXPECT_EQ(flagsShown(1), QStringList({"111", "Yes", "111", "Yes"}));
    EXPECT_EQ(flagsShown(2), QStringList({"111", "No", "111", "No"}));

    EXPECT_EQ(boxes.take(), QStringList());
    expectSameFiles(ws, dataFolder(QStringLiteral("workspace/windows/after")));
}

} // namespace
