#include "shell/main_window.h"
#include "shell/projects_window.h"
#include "shell/startup.h"
#include "widgets/guru_window.h"
#include "workspace/registry_codec.h"

#include "support/message_boxes.h"
#include "support/program.h"
#include "support/workspace.h"
#include "widgets/grid_view.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace lendora;
using namespace lendora::test;

namespace {

const char* const allEntries[] = {"mnuStart", "mnuNew",   "mnuNewBD",     "mnuNwPFD",
                                  "mnuNPR",   "mnuOpen",  "mnuXBD",       "mnuXPF",
                                  "mnuQP",    "mnuPRD",   "mnuNwProject", "mnuNewAnalysis",
                                  "mnuHelp",  "mnuAbout", "mnuGuru"};

std::map<std::string, bool> enabledStates(MainWindow* mother) {
    std::map<std::string, bool> states;
    for (const char* name : allEntries)
        states[name] = mother->entry(QString::fromLatin1(name))->isEnabled();
    return states;
}

std::map<std::string, bool> startStates() {
    return {{"mnuStart", true}, {"mnuNew", true},       {"mnuNewBD", true},
            {"mnuNwPFD", true}, {"mnuNPR", false},      {"mnuOpen", true},
            {"mnuXBD", false},  {"mnuXPF", false},      {"mnuQP", false},
            {"mnuPRD", false},  {"mnuNwProject", true}, {"mnuNewAnalysis", false},
            {"mnuHelp", true},  {"mnuAbout", true},     {"mnuGuru", true}};
}

// Calls back once when the watched window is hidden or closed.
struct HideWatcher : QObject {
    explicit HideWatcher(std::function<void()> callback)
        : callback(std::move(callback)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (!fired && (event->type() == QEvent::Hide || event->type() == QEvent::Close)) {
            fired = true;
            callback();
        }
        return false;
    }
    std::function<void()> callback;
    bool fired = false;
};

class Shell : public ::testing::Test {
protected:
    void TearDown() override { closeProgram(); }

    MainWindow* start() {
        mother = startProgram();
        EXPECT_NE(mother, nullptr);
        return mother;
    }
    ui::GridView* table(const char* name) { return find<ui::GridView>(name, mother); }
    void showTab(int index) {
        find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(index);
    }
    QString guruText() { return find<QPlainTextEdit>("txtHelp", mother)->toPlainText(); }

    TempWorkspace ws;
    MainWindow* mother = nullptr;
};

void writePlans(const TempWorkspace& ws, const QByteArray& plans) {
    ws.write("Prj.lnd", "1,\"Home Loan Project\",\"Easy Home Loan\",\"Easy Home\",\"Active\"\r\n"
                        "2,\"Car Loan\",\"Quick Car\",\"Zoom\",\"KickOff\"\r\n");
    ws.write("flag.lnd", "1\r\n");
    ws.write("ta.lnd", "1,\"Salaried, 25 to 40\",\"3\"\r\n2,\"Retired\",\"1\"\r\n");
    ws.write("tfag.lnd", "1\r\n");
    ws.write("pptb.lnd", plans);
    ws.write("ppflag.lnd", "1\r\n");
}

const QByteArray fourPlans =
    "1,\"1\",\"Home Loan Project\",\"1\",\"Salaried, 25 to 40\",\"000\",\"No\"\r\n"
    "2,\"1\",\"Home Loan Project\",\"2\",\"Retired\",\"111\",\"No\"\r\n"
    "3,\"2\",\"Car Loan\",\"1\",\"Salaried, 25 to 40\",\"111\",\"Yes\"\r\n"
    "4,\"2\",\"Car Loan\",\"2\",\"Retired\",\"011\",\"No\"\r\n";

TEST_F(Shell, IntroAnimatesInOneTickThenSplashThenMainWindow) {
    startUp();
    QWidget* intro = find("frmLendora");
    ASSERT_NE(intro, nullptr);
    EXPECT_EQ(find<QLabel>("Label1", intro)->text(), "Grab Your Competitor's Market Share");
    auto* shp1 = find("shp1", intro);
    auto* shape3 = find("Shape3", intro);
    const QPoint shp1Start = shp1->pos(), shape3Start = shape3->pos();
    // The positions as the intro closes, before the window is deleted.
    QPoint shp1End, shape3End;
    HideWatcher watcher([&] {
        shp1End = shp1->pos();
        shape3End = shape3->pos();
    });
    intro->installEventFilter(&watcher);
    find<QTimer>("Timer1", intro)->start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.fired; }));
    EXPECT_EQ(shp1End, shp1Start + QPoint(-720, 100));
    EXPECT_EQ(shape3End, shape3Start + QPoint(-1440, -275));
    QWidget* splash = find("frmSplash");
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(find<QLabel>("lblProductName", splash)->text(), "Lendora 2012");
    EXPECT_EQ(find<QLabel>("Label1", splash)->text(), "For Banks and Financial Enterprises");
    EXPECT_EQ(find<QLabel>("lblPlatform", splash)->text(), "OS: Windows");
    click(find<QPushButton>("cmdTry", splash));
    settle();
    auto* main = find<MainWindow>("frmMother");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle(), "Lendora 2012");
    EXPECT_TRUE(QApplication::windowIcon().availableSizes().contains(QSize(256, 256)))
        << "the program's icon is built in";
}

TEST_F(Shell, AKeyPressOnTheSplashEndsTheProgram) {
    startUp();
    find<QTimer>("Timer1", find("frmLendora"))->start(0);
    ASSERT_TRUE(QTest::qWaitFor([] {
        auto* s = qobject_cast<QWidget*>(findAny("frmSplash", nullptr, "QWidget"));
        return s && s->isVisible();
    }));
    QWidget* splash = find("frmSplash");
    QPointer<QWidget> watch(splash);
    QTest::keyClick(splash, Qt::Key_X);
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull() || !watch->isVisible());
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "frmMother") << "the main window must not open";
}

TEST_F(Shell, FirstStartShowsEmptyTablesTheStartMenuAndTheWelcome) {
    start();
    for (const char* name : {"MSFG_Projects", "MSFG_TargetAudience", "MSFG_ProjectPlans"})
        EXPECT_EQ(table(name)->model()->rowCount(), 1) << name;
    auto* model = table("MSFG_ProjectPlans")->model();
    QStringList headings;
    for (int c = 0; c < model->columnCount(); ++c)
        headings << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings,
              QStringList({"ID", "Basic Details ID", "Basic Details", "Target Audience ID",
                           "Target Audience", "Poll Data ", "Analysis Started?"}));
    auto* tabs = find<QTabWidget>("SSTab1", find("frmProjects", mother));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "Basic Details");
    EXPECT_EQ(tabs->tabText(1), "Target Audience");
    EXPECT_EQ(tabs->tabText(2), "Project Details");
    EXPECT_EQ(enabledStates(mother), startStates());
    EXPECT_TRUE(mother->entry("mnuGuru")->isChecked());
    EXPECT_EQ(find("frmProjects", mother)->windowTitle(), "All Projects");

    ui::GuruWindow* guru = find<ui::GuruWindow>("frmHelp", mother);
    ASSERT_NE(guru, nullptr);
    EXPECT_EQ(guru->windowTitle(), "Lendora 2012-Guru");
    EXPECT_TRUE(guru->isVisible());
    const QString welcome =
        "Guru is an automatic help system which can guide you in using Lendora 2012\r\n"
        "The contents of the Guru window will change automatically in response to your working "
        "with Lendora 2012\r\n"
        "Invoke Guru by clicking the F1 button.By default,Grur is turned On. Guru will guide you "
        "in using Lendora 2012.When you feel Guru's guidance is not needed, Click F1 button to "
        "turn Guru Off, and close Guru.\r\n"
        "Start exploring Lendora 2012, by clicking inside any of the tables in the window 'All "
        "Projects'\r\n"
        "Happy experience!!";
    EXPECT_EQ(guru->text(), welcome);
    EXPECT_EQ(guruText(), QString(welcome).replace("\r\n", "\n"));
    auto* guruChild = qobject_cast<QMdiSubWindow*>(guru->parentWidget());
    auto* allChild = qobject_cast<QMdiSubWindow*>(find("frmProjects", mother)->parentWidget());
    EXPECT_EQ(allChild->pos(), QPoint(0, 0));
    EXPECT_EQ(guruChild->pos(), QPoint(allChild->width(), 0));
}

TEST_F(Shell, StoredRegistriesAppearInNumberOrder) {
    writePlans(ws, fourPlans);
    start();
    auto* projects = table("MSFG_Projects")->model();
    ASSERT_EQ(projects->rowCount(), 3);
    EXPECT_EQ(projects->index(0, 1).data().toString(), "Home Loan Project");
    EXPECT_EQ(projects->index(1, 0).data().toString(), "2");
    EXPECT_EQ(projects->index(1, 3).data().toString(), "Zoom");
    EXPECT_EQ(projects->index(1, 4).data().toString(), "KickOff");
    auto* audiences = table("MSFG_TargetAudience")->model();
    ASSERT_EQ(audiences->rowCount(), 3);
    EXPECT_EQ(audiences->index(0, 1).data().toString(), "Salaried, 25 to 40");
    EXPECT_EQ(audiences->index(0, 2).data().toString(), "3");
    auto* plans = table("MSFG_ProjectPlans")->model();
    ASSERT_EQ(plans->rowCount(), 5);
    EXPECT_EQ(plans->index(3, 5).data().toString(), "011");
    EXPECT_EQ(plans->index(2, 6).data().toString(), "Yes");
    EXPECT_TRUE(plans->index(4, 0).data().toString().isEmpty());
}

struct SwitchCase {
    int row;
    std::map<std::string, bool> changed; // entries that differ from the start states
};

TEST_F(Shell, PlanClicksSwitchTheMenusByTheirFlags) {
    writePlans(ws, fourPlans);
    const std::vector<SwitchCase> cases = {
        {1,
         {{"mnuNewBD", false},
          {"mnuNwPFD", false},
          {"mnuNwProject", false},
          {"mnuQP", true},
          {"mnuNPR", true}}},
        {2, {{"mnuNew", false}, {"mnuNewAnalysis", true}, {"mnuNwProject", false}}},
        {3, {{"mnuNew", false}, {"mnuNewAnalysis", true}, {"mnuNwProject", false}}},
        {4, {{"mnuPRD", true}}},
    };
    for (const SwitchCase& c : cases) {
        start();
        showTab(2);
        clickRow(table("MSFG_ProjectPlans"), c.row);
        auto expected = startStates();
        for (const auto& [name, on] : c.changed)
            expected[name] = on;
        EXPECT_EQ(enabledStates(mother), expected) << "plan row " << c.row;
        EXPECT_EQ(mother->workspace().selectedPlanRow(), c.row);
        closeProgram();
    }
}

TEST_F(Shell, SecondPlanClickDoesNotRestoreWhatTheFirstSwitchedOff) {
    writePlans(ws, fourPlans);
    start();
    showTab(2);
    clickRow(table("MSFG_ProjectPlans"), 1);
    clickRow(table("MSFG_ProjectPlans"), 4);
    auto expected = startStates();
    for (const char* off : {"mnuNewBD", "mnuNwPFD", "mnuNwProject"})
        expected[off] = false;
    expected["mnuPRD"] = true;
    EXPECT_EQ(enabledStates(mother), expected);
}

TEST_F(Shell, RejectedClicksShowTheirMessageAndStillRecordTheRow) {
    start();
    MessageBoxes boxes;
    const auto before = enabledStates(mother);
    showTab(2);
    clickRow(table("MSFG_ProjectPlans"), 1);
    EXPECT_EQ(boxes.take(), QStringList({"No project plan selected!"}));
    EXPECT_EQ(boxes.titles().last(), "Lendora 2012");
    EXPECT_EQ(mother->workspace().selectedPlanRow(), 1);
    showTab(1);
    clickRow(table("MSFG_TargetAudience"), 1);
    EXPECT_EQ(boxes.take(), QStringList({"No Target Audience Selected!"}));
    EXPECT_EQ(mother->workspace().selectedAudienceRow(), 1);
    showTab(0);
    clickRow(table("MSFG_Projects"), 1);
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_EQ(mother->workspace().selectedProjectRow(), 1);
    EXPECT_EQ(enabledStates(mother), before);
}

// A click on the empty row after a plan leaves no plan selected: the
// commands for the selected plan go off, so none of them opens a window (and
// later saves files) for the empty row. What the plan click switched off
// stays off.
TEST_F(Shell, AClickOnTheEmptyPlanRowTurnsThePlanCommandsOff) {
    writePlans(ws, fourPlans);
    struct Case {
        int plan;
        int key;
        const char* window;
    };
    for (const Case& c :
         {Case{1, Qt::Key_F5, "frmPollDataEntry"}, Case{3, Qt::Key_F7, "frmAnalysis"}}) {
        start();
        MessageBoxes boxes;
        showTab(2);
        clickRow(table("MSFG_ProjectPlans"), c.plan);
        auto expected = enabledStates(mother);
        clickRow(table("MSFG_ProjectPlans"), 5);
        EXPECT_EQ(boxes.take(), QStringList({"No project plan selected!"}));
        EXPECT_EQ(mother->workspace().selectedPlanRow(), 5);
        for (const char* name : {"mnuQP", "mnuNPR", "mnuPRD", "mnuNewAnalysis"})
            expected[name] = false;
        EXPECT_EQ(enabledStates(mother), expected) << "after plan " << c.plan;
        mother->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mother));
        pressShortcut(mother, c.key);
        settle();
        EXPECT_EQ(mother->form(c.window), nullptr);
        closeProgram();
    }
}

TEST_F(Shell, ClicksComposeTheGuruTextsWithTheRowValues) {
    writePlans(ws, fourPlans);
    start();
    MessageBoxes boxes;
    clickRow(table("MSFG_Projects"), 2);
    EXPECT_EQ(mother->guru().text(),
              "Here a name is provided for the project, by the user.\r\n"
              "For example,Car Loan is the Project name for the Product - Quick Car.\r\n"
              "The project name is followed by the product name, which is again followed by the "
              "brand name for the product i.e. Zoom.\r\n"
              "If Status of the project is Active, then it means that the user has started working "
              "on the project.\r\n"
              "If the Status is In-active then, it means that Only the Basic Details have been "
              "entered for this project.\r\n"
              "Go ahead, try creating a new project.\r\n"
              "You can start by going to the Menu: New>Basic Details,\r\nOR,\r\n"
              "By just clicking F2 button on your keyboard.");
    EXPECT_TRUE(mother->entry("mnuXBD")->isEnabled());
    showTab(1);
    clickRow(table("MSFG_TargetAudience"), 1);
    EXPECT_EQ(mother->guru().text(),
              "Now, in this table, you see the target audience for which a marketing strategy has "
              "to be developed. You can create as many as Target Audience sets as you wish.\r\n"
              "For Example, Salaried, 25 to 40 is one target audience. divided into 3 segments.\r\n"
              "You can view Salaried, 25 to 40's segments by going to the menu:\r\n"
              "Open>Target Audience,\r\nOR,\r\nBy just clicking Ctrl+F3 on your keyboard\r\n"
              "You can also create a new Target Audience by going to the menu:New>Target "
              "Audience\r\nOR,\r\nBy pressing F3 on your keyboard.");
    EXPECT_TRUE(mother->entry("mnuXPF")->isEnabled());
    showTab(2);
    clickRow(table("MSFG_ProjectPlans"), 4);
    const QString plan = mother->guru().text();
    EXPECT_TRUE(plan.startsWith(
        "This table shows specific projects created.\r\nEach project is a combination of one "
        "project from the Basic Details table and one Target Audience from the Target Audience "
        "Table\r\nFor Example, the Project ID- 4 is a combination of Car Loan and, Retired\r\n"
        "011 is the status of the poll data that is entered for the prject ID- 4.\r\n"))
        << plan.toStdString();
    EXPECT_TRUE(plan.contains("ahve been enteredIf, the value is 100"));
    EXPECT_TRUE(plan.contains("respectively.As long as the value is not 111, poll data for the "
                              "project 4 is incomplete.\r\n"));
    EXPECT_TRUE(plan.endsWith("By, clicking F4 button on your keyboard"));
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(Shell, F1TogglesTheGuruAndAnOffGuruStaysQuiet) {
    writePlans(ws, fourPlans);
    start();
    QAction* guruEntry = mother->entry("mnuGuru");
    pressShortcut(mother, Qt::Key_F1);
    EXPECT_FALSE(guruEntry->isChecked());
    EXPECT_TRUE(find("frmHelp", mother)->isVisible()) << "the Guru window stays open";
    const QString before = mother->guru().text();
    clickRow(table("MSFG_Projects"), 1);
    EXPECT_EQ(mother->guru().text(), before);
    EXPECT_TRUE(mother->entry("mnuXBD")->isEnabled());
    pressShortcut(mother, Qt::Key_F1);
    EXPECT_TRUE(guruEntry->isChecked());
    clickRow(table("MSFG_Projects"), 1);
    EXPECT_NE(mother->guru().text(), before);
}

TEST_F(Shell, DisabledEntriesIgnoreTheirShortcuts) {
    writePlans(ws, fourPlans);
    start();
    QSignalSpy openDetails(mother->entry("mnuXBD"), &QAction::triggered);
    QSignalSpy newDetails(mother->entry("mnuNewBD"), &QAction::triggered);
    QSignalSpy about(mother->entry("mnuAbout"), &QAction::triggered);
    pressShortcut(mother, Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(openDetails.count(), 0) << "Ctrl+F2 before a project was selected";
    pressShortcut(mother, Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(about.count(), 1);
    EXPECT_EQ(enabledStates(mother), startStates()) << "About Guru changes nothing";
    showTab(2);
    clickRow(table("MSFG_ProjectPlans"), 2); // "111": the whole New menu is off
    pressShortcut(mother, Qt::Key_F2);
    EXPECT_EQ(newDetails.count(), 0);
    EXPECT_TRUE(mother->entry("mnuNewBD")->isEnabled()) << "the entry itself keeps its flag";
    showTab(0);
    clickRow(table("MSFG_Projects"), 1);
    pressShortcut(mother, Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(openDetails.count(), 1);
}

} // namespace
