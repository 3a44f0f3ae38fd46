#include "plans/ui/project_plan_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include "support/feature_texts.h"
#include "support/feature_window.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QGroupBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

class PlanWindow : public WindowTest {
protected:
    void SetUp() override { copyFolder(dataFolder("plans/start"), ws); }
    void open(const QByteArray& plans = {}) {
        if (!plans.isEmpty()) {
            ws.write("pptb.lnd", plans);
            ws.write("ppflag.lnd", "1\r\n");
        }
        start();
        press(Qt::Key_F6);
        window = find<ProjectPlanWindow>("frmProjectPlan", mother);
        ASSERT_NE(window, nullptr);
    }
    ui::GridView* table(const char* name) { return find<ui::GridView>(name, window); }
    QPushButton* button(const char* name) { return find<QPushButton>(name, window); }
    // Selects a project and an audience; 0 leaves that table alone.
    void pick(int project, int audience) {
        if (project)
            clickRow(table("MSFG_BasicDetails"), project);
        if (audience)
            clickRow(table("MSFG_TA"), audience);
    }
    void add(int project, int audience) {
        pick(project, audience);
        click(button("cmdAdd"));
    }
    void clickPlan(int row) { clickRow(table("MSFG_ProjectPlans"), row); }
    void deletePlan(int row, QMessageBox::StandardButton answer = QMessageBox::Yes) {
        clickPlan(row);
        boxes.answerNext(answer);
        click(button("cmdDelete"));
    }
    QString enabled() {
        return enabledButtons(window, {"cmdAdd", "cmdEdit", "cmdDelete", "cmdCancel", "cmdSave"});
    }
    QString plan(int row) { return rowTexts(table("MSFG_ProjectPlans"), row).join(u'|'); }
    QStringList says(const QStringList& keys) { return textsOf(texts, keys); }

    const QMap<QString, QString> texts = dataTexts("plans/texts.tsv");
    ProjectPlanWindow* window = nullptr;
};

TEST_F(PlanWindow, SelectionsAddPlansUntilAPairIsTakenAndSaveWritesThem) {
    open();
    EXPECT_EQ(mother->guru().text(), texts["guruOpen"]);
    EXPECT_EQ(window->parentWidget()->pos(), QPoint(0, mother->projectsSize().height()));
    for (const char* frame : {"Frame1", "fraBA", "Frame2", "fraTASegment", "Frame3"})
        EXPECT_EQ(find<QGroupBox>(frame, window)->title(), texts[frame]);
    for (const QStringList& names : dataRows("plans/headings.tsv"))
        EXPECT_EQ(headings(table(qPrintable(names[0]))), names.mid(1));
    EXPECT_EQ(enabled(), "Add Save");
    add(0, 0);
    add(1, 0);
    EXPECT_EQ(mother->guru().text(), texts["guruProject"]);
    EXPECT_EQ(find<QGroupBox>("fraBA", window)->title(), texts["fraBA1"]);
    EXPECT_EQ(rowTexts(table("MSFG_BA"), 3).value(3), "10.75");
    clickRow(table("MSFG_TA"), 1);
    EXPECT_EQ(mother->guru().text(), texts["guruAudience"]);
    EXPECT_EQ(find<QGroupBox>("fraTASegment", window)->title(), texts["fraTASegment1"]);
    EXPECT_EQ(rowTexts(table("MSFG_Segments"), 2), QStringList({"2", "Married, two incomes"}));
    // The trailing rows are refused and the selections stay.
    clickRow(table("MSFG_BasicDetails"), 4);
    clickRow(table("MSFG_TA"), 3);
    clickPlan(1);
    EXPECT_EQ(boxes.take(), says({"noProject", "noAudience", "noProject", "noAudience", "noPlan"}));
    add(0, 0);
    add(2, 2);
    add(1, 2);
    add(3, 1);
    add(2, 2);
    EXPECT_EQ(boxes.take(), says({"added", "added", "added", "added", "duplicate"}));
    EXPECT_EQ(window->nextPlanRow(), 5);
    deletePlan(2, QMessageBox::No);
    EXPECT_EQ(enabled(), "Add Save");
    EXPECT_EQ(plan(4), "4|3|Education Loan|1|Salaried, 25 to 40|000|No");
    deletePlan(2);
    EXPECT_EQ(boxes.take(), says({"deleteQuestion", "deleteQuestion"}));
    EXPECT_EQ(boxes.buttons().last(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(plan(3), "3|3|Education Loan|1|Salaried, 25 to 40|000|No");
    EXPECT_EQ(plan(4), "4||||||") << "the trailing row is numbered too";
    click(button("cmdSave"));
    EXPECT_EQ(boxes.take(), says({"saved"}));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", readFile(dataFolder("plans/three_plans/pptb.lnd")));
    EXPECT_FILE_BYTES(ws, "Prj.lnd", readFile(dataFolder("plans/three_plans/Prj.lnd")));
    EXPECT_FILE_BYTES(ws, "ppflag.lnd", "1\r\n");
    auto* all = find("frmProjects", mother);
    EXPECT_EQ(shownRows(find<ui::GridView>("MSFG_ProjectPlans", all)), 4);
    EXPECT_EQ(rowTexts(find<ui::GridView>("MSFG_Projects", all), 3).last(), "Active");

    // Every plan just saved, the last one too, keeps its files when a later
    // save numbers the plans anew.
    ws.write("3_0bc.lnd", "the last plan's business case");
    deletePlan(1);
    click(button("cmdSave"));
    EXPECT_EQ(ws.exists("2_0bc.lnd") ? ws.read("2_0bc.lnd") : "none",
              "the last plan's business case");
    EXPECT_FALSE(ws.exists("3_0bc.lnd"));
}

TEST_F(PlanWindow, PlansWithPollDataAreFinalAndEditRefusesADuplicate) {
    open(readFile(dataFolder("plans/edited/pptb_before.lnd")));
    clickPlan(1);
    EXPECT_EQ(enabled(), "Add Save");
    clickPlan(2);
    EXPECT_EQ(enabled(), "Edit Delete Cancel Save");
    click(button("cmdCancel"));
    EXPECT_EQ(enabled(), "Add Save");
    clickPlan(3);
    pick(1, 1);
    click(button("cmdEdit"));
    EXPECT_EQ(enabled(), "Edit Delete Cancel Save");
    clickRow(table("MSFG_BasicDetails"), 2);
    click(button("cmdEdit"));
    EXPECT_EQ(boxes.take(), says({"final", "duplicate"}));
    EXPECT_EQ(enabled(), "Add Save") << "its own pair again is no duplicate";
    clickPlan(3);
    pick(3, 2);
    click(button("cmdEdit"));
    EXPECT_EQ(plan(3), "3|3|Education Loan|2|Retired|000|No");
    // Poll data saved meanwhile makes plan 2 final at once.
    Workspace& workspace = mother->workspace();
    ASSERT_TRUE(workspace.savePoll(workspace.plan(2)->id, 0, {}, {{true, false, false}}).ok());
    EXPECT_EQ(plan(2), "2|1|Home Loan|2|Retired|100|No");
    clickPlan(2);
    EXPECT_EQ(boxes.take(), says({"final"}));
    click(button("cmdSave"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", readFile(dataFolder("plans/edited/pptb.lnd")));
}

TEST_F(PlanWindow, DeletingTheOnlyPlanAndAFailedSaveClaimNothing) {
    const QByteArray stored =
        "1,\"2\",\"Car Loan\",\"1\",\"Salaried, 25 to 40\",\"000\",\"No\"\r\n";
    open(stored);
    deletePlan(1);
    EXPECT_EQ(boxes.take(), says({"deleteQuestion", "noPlansLeft"}));
    EXPECT_EQ(window->nextPlanRow(), 1);
    add(1, 2);
    EXPECT_EQ(plan(1), "1|1|Home Loan|2|Retired|000|No");
    boxes.take();
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    click(button("cmdSave"));
    ws.setReadOnly(false);
    expectOneMessageStartingWith(boxes, texts["saveFailed"]);
    EXPECT_EQ(ws.read("pptb.lnd"), stored);
    EXPECT_EQ(ws.read("Prj.lnd"), readFile(dataFolder("plans/start/Prj.lnd")));
    auto* all = find("frmProjects", mother);
    EXPECT_EQ(rowTexts(find<ui::GridView>("MSFG_ProjectPlans", all), 1).value(1), "2");
}

} // namespace
