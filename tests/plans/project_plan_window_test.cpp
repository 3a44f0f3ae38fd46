#include "plans/project_plan_window.h"
#include "shell/main_window.h"
#include "shell/projects_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include "plan_fixtures.h"
#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QGroupBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

const QString deleteQuestion =
    "Deleting cannot be undone.Do still you want to delete this project plan?\r\n"
    "Deletion will not be updated unless saved.";

QByteArray dataFile(const QString& name) {
    return readFile(QStringLiteral(PLANS_DATA "/") + name);
}

QStringList headings(ui::GridView* view) {
    QStringList texts;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        texts << view->model()->headerData(c, Qt::Horizontal).toString();
    return texts;
}

// The texts of a grid row (1 = first record) as the view shows them.
QStringList rowOf(ui::GridView* view, int gridRow) {
    QStringList texts;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        texts << view->model()->index(gridRow - 1, c).data().toString();
    return texts;
}

QStringList plan(int id, int project, int audience, const QString& poll = "000",
                 const QString& analysis = "No") {
    return {QString::number(id),
            QString::number(project),
            projectName(project),
            QString::number(audience),
            audienceName(audience),
            poll,
            analysis};
}

class PlanWindow : public ::testing::Test {
protected:
    void TearDown() override { closeProgram(); }

    void start() {
        mother = startProgram();
        ASSERT_NE(mother, nullptr);
    }
    // Presses a command key while the main window is active.
    void press(int key) {
        mother->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mother));
        pressShortcut(mother, key);
        settle();
    }
    void open() {
        press(Qt::Key_F6);
        settle();
        window = find<ProjectPlanWindow>("frmProjectPlan", mother);
        ASSERT_NE(window, nullptr);
        boxes.take();
    }
    void restart() {
        closeProgram();
        start();
        open();
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
    void deletePlan(int row) {
        clickRow(table("MSFG_ProjectPlans"), row);
        boxes.answerNext(QMessageBox::Yes);
        click(button("cmdDelete"));
    }
    int planCount() { return table("MSFG_ProjectPlans")->model()->rowCount() - 1; }
    std::map<std::string, bool> buttonStates() {
        std::map<std::string, bool> states;
        for (const char* name : {"cmdAdd", "cmdEdit", "cmdDelete", "cmdCancel", "cmdSave"})
            states[name] = button(name)->isEnabled();
        return states;
    }
    std::map<std::string, bool> editing(bool on) {
        return {{"cmdAdd", !on},
                {"cmdEdit", on},
                {"cmdDelete", on},
                {"cmdCancel", on},
                {"cmdSave", true}};
    }
    ui::GridView* allProjects(const char* name) {
        return find<ui::GridView>(name, find("frmProjects", mother));
    }

    TempWorkspace ws;
    MessageBoxes boxes;
    MainWindow* mother = nullptr;
    ProjectPlanWindow* window = nullptr;
};

TEST_F(PlanWindow, OpensBelowAllProjectsWithCopiesOfTheTablesAndTheGuruBesideIt) {
    writeRegistries(ws, 2, 2, {{1, 2, "011", "No"}});
    start();
    open();
    auto* child = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(window->windowTitle(), "Project Plan");
    EXPECT_EQ(child->pos(), QPoint(0, mother->projectsSize().height()));

    const std::pair<const char*, const char*> frames[] = {{"Frame1", "Basic Details"},
                                                          {"fraBA", "Basic Details for "},
                                                          {"Frame2", "Target Audience"},
                                                          {"fraTASegment", "Segments of "},
                                                          {"Frame3", "Project Plan"}};
    for (const auto& [name, caption] : frames)
        EXPECT_EQ(find<QGroupBox>(name, window)->title(), caption);
    EXPECT_EQ(headings(table("MSFG_BasicDetails")),
              QStringList({"#", "Project Name", "Product Name"}));
    EXPECT_EQ(headings(table("MSFG_BA")),
              QStringList({"Names", "Brand", "Market Share", "Interest", "Min.Eligible Income",
                           "Max. Loan Value", "Max. Loan Percentage", "Repayment Period", "EMI",
                           "Freebies"}));
    EXPECT_EQ(headings(table("MSFG_TA")), QStringList({"#", "Definition"}));
    EXPECT_EQ(headings(table("MSFG_Segments")), QStringList({"ID", "Discription"}));
    EXPECT_EQ(headings(table("MSFG_ProjectPlans")),
              QStringList({"ID", "Basic Details ID", "Basic Details", "Target Audience ID",
                           "Target Audience", "Poll Data ", "Analysis Started?"}));

    // The trailing rows are copied with their numbers.
    EXPECT_EQ(rowOf(table("MSFG_BasicDetails"), 2), QStringList({"2", "Car Loan", "Quick Car"}));
    EXPECT_EQ(rowOf(table("MSFG_BasicDetails"), 3), QStringList({"3", "", ""}));
    EXPECT_EQ(rowOf(table("MSFG_TA"), 3), QStringList({"3", ""}));
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 1), plan(1, 1, 2, "011"));
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 2).first(), "2");
    EXPECT_EQ(window->lblPPIndex(), 2);
    EXPECT_EQ(buttonStates(), editing(false));
    const std::pair<const char*, const char*> captions[] = {{"cmdAdd", "Add"},
                                                            {"cmdEdit", "Edit"},
                                                            {"cmdDelete", "Delete"},
                                                            {"cmdSave", "Save"},
                                                            {"cmdCancel", "Cancel"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(button(name)->text(), caption);

    ui::GuruWindow& guru = mother->guru();
    EXPECT_EQ(guru.text(),
              "At this stage, you can combine a Project with a Target Audience group.For example, "
              "here, you will find two Projects and two Target Audience groups.You can make upto "
              "four combinations out of these. For the same Project, you can try different Target "
              "Audience groups.Start by selecting a Project from the Basic Details table. The "
              "details of the selected Project will be displayed.");
    EXPECT_TRUE(guru.isVisible());
    EXPECT_EQ(guru.parentWidget()->pos(), QPoint(child->width(), 0));

    if (const QString folder = screenshotFolder(); !folder.isEmpty()) {
        ws.write("1_pdtl.lnd", "1,\"Home Loan\",\"EH\",\"40\",\"11.5\",\"20000\",\"500000\","
                               "\"80\",\"60\",\"10996.\",\"0\"\r\n"
                               "2,\"Metro Bank\",\"MB\",\"35\",\"12\",\"25000\",\"400000\","
                               "\"75\",\"48\",\"10533.\",\"1500\"\r\n");
        ws.write("1-segFile.lnd", "1,\"Salaried 25 to 30\"\r\n2,\"Salaried 30 to 40\"\r\n");
        add(1, 1);
        window->grab().save(folder + "/project_plan.png");
        mother->grab().save(folder + "/project_plan_all.png");
    }
}

TEST_F(PlanWindow, GuruIsPlacedOnlyWhenOpenedWithTheSwitchOnSelectionsOnlySetItsText) {
    writeRegistries(ws, 2, 2, {});
    start();
    press(Qt::Key_F1);
    ASSERT_FALSE(mother->guruOn());
    ui::GuruWindow& guru = mother->guru();
    mother->hideChild(&guru);
    const QString welcome = guru.text();
    const QPoint guruPos = guru.parentWidget()->pos();
    open();
    EXPECT_EQ(guru.text(), welcome);
    EXPECT_FALSE(guru.isVisible());
    pick(1, 0);
    EXPECT_EQ(guru.text(), "Now, select a group from the Target Audience Table. The segments of "
                           "that Target Audience will be displayed.");
    pick(0, 2);
    EXPECT_EQ(guru.text(), "Now, you can create a Project Plan combination by Clicking the 'Add' "
                           "button on the form.");
    EXPECT_FALSE(guru.isVisible());
    EXPECT_EQ(guru.parentWidget()->pos(), guruPos);
    press(Qt::Key_F1);
    ASSERT_TRUE(mother->guruOn());
    pick(1, 0);
    EXPECT_FALSE(guru.isVisible()) << "a selection never shows the Guru, switch on or off";
}

TEST_F(PlanWindow, SelectionsShowTheProjectDetailsAndTheAudienceSegments) {
    writeRegistries(ws, 2, 2, {});
    ws.write("1_pdtl.lnd", "1,\"Home Loan\",\"EH\",\"40\",\"11.5\",\"20000\",\"500000\",\"80\","
                           "\"60\",\"10996.\",\"0\"\r\n"
                           "2,\"Metro Bank\",\"MB\",\"35\",\"12\",\"25000\",\"400000\",\"75\","
                           "\"48\",\"10533.\",\"1500\"\r\n"
                           "3,\"City Credit\",\"CC\",\"25\",\"10.75\",\"18000\",\"450000\",\"85\","
                           "\"72\",\"8645.\",\"500\"\r\n");
    ws.write("2-segFile.lnd", "1,\"Pensioners\"\r\n2,\"Retired officers, urban\"\r\n");
    start();
    open();
    pick(1, 2);
    EXPECT_TRUE(boxes.take().isEmpty());
    EXPECT_EQ(find<QGroupBox>("fraBA", window)->title(), "Basic Details for Home Loan");
    EXPECT_EQ(rowOf(table("MSFG_BA"), 3), QStringList({"City Credit", "CC", "25", "10.75", "18000",
                                                       "450000", "85", "72", "8645.", "500"}));
    EXPECT_EQ(find<QGroupBox>("fraTASegment", window)->title(), "Segments of Retired");
    EXPECT_EQ(rowOf(table("MSFG_Segments"), 2), QStringList({"2", "Retired officers, urban"}));
    EXPECT_EQ(table("MSFG_Segments")->model()->rowCount(), 3);
    EXPECT_EQ(window->lblBASelect(), 1);
    EXPECT_EQ(window->lblTASelect(), 2);

    // The trailing rows are refused and the selections stay.
    clickRow(table("MSFG_BasicDetails"), 3);
    clickRow(table("MSFG_TA"), 3);
    clickRow(table("MSFG_ProjectPlans"), 1);
    EXPECT_EQ(boxes.take(), QStringList({"No Basic Details selected", "No Target Audience Selected",
                                         "No Project Plan selected!"}));
    EXPECT_EQ(window->lblBASelect(), 1);
    EXPECT_EQ(window->lblTASelect(), 2);

    // An audience without a segment file leaves the headings and one empty row.
    pick(0, 1);
    EXPECT_EQ(table("MSFG_Segments")->model()->rowCount(), 1);
    EXPECT_EQ(rowOf(table("MSFG_Segments"), 1), QStringList({"", ""}));
}

TEST_F(PlanWindow, TwoProjectsAndTwoAudiencesGiveFourPlansAndNoFifth) {
    writeRegistries(ws, 2, 2, {});
    start();
    open();
    for (int p = 1; p <= 2; ++p)
        for (int a = 1; a <= 2; ++a)
            add(p, a);
    EXPECT_EQ(boxes.take(), QStringList(4, "New Project Plan"));
    ASSERT_EQ(planCount(), 4);
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 3), plan(3, 2, 1));
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 4), plan(4, 2, 2));
    EXPECT_EQ(window->lblPPIndex(), 5);
    add(2, 1);
    EXPECT_EQ(boxes.take(), QStringList({"This Project Plan already exists!"}));
    EXPECT_EQ(planCount(), 4);
}

TEST_F(PlanWindow, KeysOfOnePlusTwelveAndElevenPlusTwoCollide) {
    const std::pair<QPoint, QPoint> orders[] = {{{11, 2}, {1, 12}}, {{1, 12}, {11, 2}}};
    for (const auto& [first, second] : orders) {
        writeRegistries(ws, 11, 12, {});
        start();
        open();
        add(first.x(), first.y());
        add(second.x(), second.y());
        EXPECT_EQ(boxes.take(),
                  QStringList({"New Project Plan", "This Project Plan already exists!"}))
            << first.x() << "+" << first.y();
        EXPECT_EQ(planCount(), 1);
        add(11, 12);
        EXPECT_EQ(boxes.take(), QStringList({"New Project Plan"})) << "1112 is another key";
        closeProgram();
    }
}

TEST_F(PlanWindow, AddNeedsBothAProjectAndAnAudience) {
    struct Case {
        int project, audience;
        const char* message;
    };
    const Case cases[] = {{0, 0, "No Basic Details selected"},
                          {2, 0, "No Target Audience Selected"},
                          {0, 2, "No Basic Details selected"}};
    writeRegistries(ws, 2, 2, {});
    for (const Case& c : cases) {
        start();
        open();
        add(c.project, c.audience);
        EXPECT_EQ(boxes.take(), QStringList({c.message})) << c.project << "+" << c.audience;
        EXPECT_EQ(planCount(), 0);
        closeProgram();
    }
}

TEST_F(PlanWindow, OnlyPlansWithoutPollDataCanBeEditedOrDeleted) {
    writeRegistries(ws, 2, 2, {{1, 1, "010", "No"}, {1, 2, "000", "No"}, {2, 1, "000", "No"}});
    start();
    open();
    clickRow(table("MSFG_ProjectPlans"), 1);
    EXPECT_EQ(boxes.take(), QStringList({"Project plan not editable anymore"}));
    EXPECT_EQ(buttonStates(), editing(false));
    clickRow(table("MSFG_ProjectPlans"), 2);
    EXPECT_EQ(buttonStates(), editing(true));
    EXPECT_EQ(window->lblPPSelect(), 2);
    click(button("cmdCancel"));
    EXPECT_EQ(buttonStates(), editing(false));
    EXPECT_EQ(window->lblPPSelect(), 2);

    // Clicking the final plan while plan 2 is selected: Delete still takes plan 2.
    clickRow(table("MSFG_ProjectPlans"), 2);
    clickRow(table("MSFG_ProjectPlans"), 1);
    EXPECT_EQ(boxes.take(), QStringList({"Project plan not editable anymore"}));
    EXPECT_EQ(buttonStates(), editing(true));
    boxes.answerNext(QMessageBox::Yes);
    click(button("cmdDelete"));
    EXPECT_EQ(boxes.take(), QStringList({deleteQuestion}));
    ASSERT_EQ(planCount(), 2);
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 1), plan(1, 1, 1, "010"));
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 2), plan(2, 2, 1));
    EXPECT_EQ(buttonStates(), editing(false));
}

TEST_F(PlanWindow, EditGivesThePlanAnotherPairButNoDuplicate) {
    writeRegistries(ws, 2, 2, {{1, 1, "000", "No"}, {2, 1, "000", "No"}});
    start();
    open();
    clickRow(table("MSFG_ProjectPlans"), 2);
    pick(2, 1);
    click(button("cmdEdit"));
    EXPECT_TRUE(boxes.take().isEmpty()) << "its own pair again is no duplicate";
    EXPECT_EQ(buttonStates(), editing(false));
    clickRow(table("MSFG_ProjectPlans"), 2);
    pick(1, 1);
    click(button("cmdEdit"));
    EXPECT_EQ(boxes.take(), QStringList({"This Project Plan already exists!"}));
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 2), plan(2, 2, 1));
    EXPECT_EQ(buttonStates(), editing(true));
    pick(1, 2);
    click(button("cmdEdit"));
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 2), plan(2, 1, 2));
    EXPECT_EQ(buttonStates(), editing(false));
}

TEST_F(PlanWindow, DeletingTheOnlyPlanLeavesRowOneForTheNextAdd) {
    writeRegistries(ws, 2, 2, {{2, 1, "000", "No"}});
    start();
    open();
    clickRow(table("MSFG_ProjectPlans"), 1);
    boxes.answerNext(QMessageBox::No);
    click(button("cmdDelete"));
    EXPECT_EQ(boxes.take(), QStringList({deleteQuestion}));
    EXPECT_EQ(boxes.buttons().last(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(planCount(), 1);
    EXPECT_EQ(buttonStates(), editing(false));

    deletePlan(1);
    EXPECT_EQ(boxes.take(), QStringList({deleteQuestion, "No project plans available        "}));
    EXPECT_EQ(planCount(), 0);
    EXPECT_EQ(window->lblPPIndex(), 1);
    add(1, 2);
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 1), plan(1, 1, 2));
    EXPECT_EQ(planCount(), 1);
}

TEST_F(PlanWindow, SaveWritesThePlansTheFlagAndTheActiveProjects) {
    writeRegistries(ws, 3, 2, {});
    start();
    open();
    add(1, 1);
    add(2, 2);
    add(1, 2);
    add(3, 1);
    deletePlan(2);
    boxes.take();
    click(button("cmdSave"));
    EXPECT_EQ(boxes.take(), QStringList({"Project Plan Saved"}));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", dataFile("three_plans/pptb.lnd"));
    EXPECT_FILE_BYTES(ws, "ppflag.lnd", "1\r\n");
    EXPECT_FILE_BYTES(ws, "Prj.lnd", dataFile("three_plans/Prj.lnd"));

    // The All Projects window holds the saved plans and statuses.
    ui::GridView* plans = allProjects("MSFG_ProjectPlans");
    ASSERT_EQ(plans->model()->rowCount(), 4);
    EXPECT_EQ(rowOf(plans, 3), plan(3, 3, 1));
    EXPECT_EQ(rowOf(plans, 4), QStringList(7, ""));
    EXPECT_EQ(rowOf(allProjects("MSFG_Projects"), 3).last(), "Active");
    EXPECT_EQ(rowOf(allProjects("MSFG_Projects"), 2).last(), "KickOff");
}

TEST_F(PlanWindow, DeletedPlansStayDeletedAfterARestart) {
    writeRegistries(ws, 2, 2, {{1, 1, "000", "No"}, {2, 2, "000", "No"}});
    start();
    open();
    deletePlan(2);
    deletePlan(1);
    click(button("cmdSave"));
    EXPECT_EQ(boxes.take().last(), "Project Plan Saved");
    EXPECT_TRUE(ws.exists("pptb.lnd"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", "");
    restart();
    EXPECT_EQ(allProjects("MSFG_ProjectPlans")->model()->rowCount(), 1);
    EXPECT_EQ(planCount(), 0);
}

TEST_F(PlanWindow, RenumberedPlansTakeTheirAnalysisAlongAndNoOneElsesFiles) {
    const QStringList suffixes = {"_0ff.lnd", "_0anf.lnd", "_0fgf.lnd", "_0sgf.lnd"};
    writeRegistries(ws, 2, 2, {{1, 1, "000", "No"}, {1, 2, "111", "Yes"}, {2, 1, "000", "No"}});
    for (const QString& suffix : suffixes) {
        ws.write("1" + suffix, "left over");
        ws.write("2" + suffix, "analysis of plan 1+2 " + suffix.toUtf8());
    }
    start();
    open();
    deletePlan(1);
    click(button("cmdSave"));
    EXPECT_EQ(boxes.take().last(), "Project Plan Saved");
    for (const QString& suffix : suffixes) {
        EXPECT_EQ(ws.read("1" + suffix), "analysis of plan 1+2 " + suffix.toUtf8());
        EXPECT_FALSE(ws.exists("2" + suffix)) << "plan 2+1 (now 2) has no analysis";
    }
    restart();
    EXPECT_EQ(rowOf(allProjects("MSFG_ProjectPlans"), 1), plan(1, 1, 2, "111", "Yes"));

    // A deleted plan's files are not inherited by the plan that takes its number.
    ws.write("2_0ff.lnd", "files of plan 2+1");
    deletePlan(2);
    add(2, 2);
    click(button("cmdSave"));
    EXPECT_EQ(boxes.take().last(), "Project Plan Saved");
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 2), plan(2, 2, 2));
    EXPECT_FALSE(ws.exists("2_0ff.lnd"));
    EXPECT_EQ(ws.read("1_0ff.lnd"), "analysis of plan 1+2 _0ff.lnd");
}

TEST_F(PlanWindow, PollDataSavedMeanwhileMakesThePlanFinalAndIsKept) {
    writeRegistries(ws, 2, 2, {{1, 1, "000", "No"}});
    start();
    open();
    // The poll window stores the own product's counts meanwhile.
    Workspace& workspace = mother->workspace();
    ASSERT_TRUE(workspace.savePoll(workspace.plan(1)->id, {}, {{true, false, false}}).ok());
    EXPECT_EQ(rowOf(table("MSFG_ProjectPlans"), 1).value(5), "100") << "shown at once";
    clickRow(table("MSFG_ProjectPlans"), 1);
    EXPECT_EQ(boxes.take(), QStringList({"Project plan not editable anymore"}));
    click(button("cmdSave"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd",
                      "1,\"1\",\"Home Loan\",\"1\",\"Salaried, 25 to 40\",\"100\",\"No\"\r\n");
}

TEST_F(PlanWindow, AFailedSaveNamesTheFileAndClaimsNoSuccess) {
    writeRegistries(ws, 2, 2, {{1, 1, "000", "No"}});
    const QByteArray before = ws.read("pptb.lnd");
    start();
    open();
    add(2, 2);
    boxes.take();
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    click(button("cmdSave"));
    ws.setReadOnly(false);
    const QStringList texts = boxes.take();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith("Could not save \"pptb.lnd\"")) << texts[0].toStdString();
    EXPECT_EQ(ws.read("pptb.lnd"), before);
    EXPECT_EQ(allProjects("MSFG_ProjectPlans")->model()->rowCount(), 2);
    EXPECT_EQ(rowOf(allProjects("MSFG_Projects"), 2).last(), "KickOff");
}

} // namespace
