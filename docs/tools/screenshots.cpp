// Takes the screenshots of the user guide (docs/guide.md) on the demo
// workspace. Not part of the test suite: run it through
// scripts/screenshots.sh, which starts it on a virtual display. The windows
// are driven by the road driver, so every picture shows what the road test
// checks.
#include "road_data.h"
#include "road_driver.h"

#include "analysis/ui/analysis_charts.h"
#include "analysis/ui/analysis_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include "support/message_boxes.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <QtCharts/QChartView>

#include <gtest/gtest.h>

#include <memory>

using namespace lendora;
using namespace lendora::test;

namespace {

QString outputFolder() {
    return screenshotFolder(QDir::currentPath());
}

// A second audience of the demo's project, for a plan still without poll data.
const road::Audience& selfEmployed() {
    static const road::Audience audience{"Self-employed professionals",
                                         {"Doctors and lawyers", "Shop owners, small traders"}};
    return audience;
}

class Screenshots : public ::testing::Test {
protected:
    void SetUp() override {
        const QDir demo(QStringLiteral(LENDORA_DEMO_DIR));
        const QStringList names = demo.entryList({"*.lnd"}, QDir::Files);
        ASSERT_FALSE(names.isEmpty()) << "no demo workspace in " LENDORA_DEMO_DIR;
        for (const QString& name : names)
            ws.write(name, readFile(demo.filePath(name)));
        mother = startProgram();
        ASSERT_NE(mother, nullptr);
        mother->resize(1280, 800);
        settle(50);
        driver = std::make_unique<road::Driver>(mother, boxes);
    }
    void TearDown() override {
        driver.reset();
        closeProgram();
    }

    // Saves the part of the main window that its menu and its shown windows
    // cover, or one window alone.
    void save(const QString& name, QWidget* window = nullptr) {
        settle(100);
        const QString path = QDir(outputFolder()).filePath(name + QStringLiteral(".png"));
        if (window) {
            ASSERT_TRUE(window->grab().save(path)) << path.toStdString();
            return;
        }
        QRect used(0, 0, 1, mother->menuBar()->height());
        for (QMdiSubWindow* child : mother->mdiArea()->subWindowList())
            if (child->isVisible())
                used |= QRect(child->mapTo(mother, QPoint(0, 0)), child->size());
        used = QRect(QPoint(0, 0), used.bottomRight() + QPoint(6, 6)) & mother->rect();
        ASSERT_TRUE(mother->grab(used).save(path)) << path.toStdString();
    }
    // The child window around a form, as the user sees it.
    QMdiSubWindow* child(QWidget* form) {
        return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
    }
    QWidget* allProjects() { return mother->form("frmProjects"); }
    void clickAllProjects(int tab, const char* table, int row) {
        road::Driver::clickTab(find<QTabWidget>("SSTab1", allProjects()), tab);
        clickRow(find<ui::GridView>(table, allProjects()), row);
    }
    // The demo's second plan: the project with the self-employed audience.
    void makeSecondPlan() {
        driver->defineAudience(selfEmployed(), 2);
        driver->saveAudience();
        driver->makePlan(road::demoProject(), 1, selfEmployed(), 2, 2);
    }

    TempWorkspace ws;
    MessageBoxes boxes;
    MainWindow* mother = nullptr;
    std::unique_ptr<road::Driver> driver;
};

TEST_F(Screenshots, MainWindowWithAllProjectsAndTheGuru) {
    clickAllProjects(2, "MSFG_ProjectPlans", 1);
    save("01-main-window");
}

TEST_F(Screenshots, AWizardStep) {
    road::Project project = road::demoProject();
    project.name = QStringLiteral("Festive Home Loan Offer");
    driver->enterProject(project, 2, 5);
    save("02-wizard-step");
}

TEST_F(Screenshots, BasicDetailsOfTheProject) {
    clickAllProjects(0, "MSFG_Projects", 1);
    driver->press(Qt::Key_F2, Qt::ControlModifier);
    save("03-basic-details");
}

TEST_F(Screenshots, TargetAudienceAndSegments) {
    clickAllProjects(1, "MSFG_TargetAudience", 1);
    driver->press(Qt::Key_F3, Qt::ControlModifier);
    save("04-target-audience");
}

TEST_F(Screenshots, ProjectPlanPreviewAndPollEntryOfASecondPlan) {
    makeSecondPlan();
    save("05-project-plan", child(mother->form("frmProjectPlan")));

    // The user closes the plan window.
    ASSERT_NE(child(mother->form("frmProjectPlan")), nullptr);
    child(mother->form("frmProjectPlan"))->close();
    driver->selectPlan(2);
    const road::Preview preview{
        2,
        1,
        "Opt_MLV",
        {"Interest - 9.5", "Maximum Eligible Income - 25000", "Maximum Loan Value - 2400000",
         "Maximum Loan Percentage - 80", "Repament Period - 240", "Freebies - 5000"},
        "You have selected Shop owners, small traders, \r\nProduct - Product 1, \r\nand\r\n"
        "Feature - Maximum Loan Value - 2400000",
    };
    driver->previewQuestionnaire(selfEmployed(), preview);
    save("06-questionnaire-preview", child(mother->form("frmQuestionairePreview")));
    child(mother->form("frmQuestionairePreview"))->close();

    ASSERT_NE(driver->openPoll(road::demoProject(), selfEmployed()), nullptr);
    driver->enterCounts(selfEmployed(), 0, {{"12", "4", "9", "6", "3", "7", "5"}});
    for (const auto& [name, count] : {std::pair{"txtBInterest", "15"}, {"txtBMIE", "6"}})
        typeAndEnter(find<QLineEdit>(name, mother->form("frmPollDataEntry")), count);
    save("07-poll-results");
}

TEST_F(Screenshots, AnalysisWithItsStrategiesAndCharts) {
    driver->selectPlan(1);
    QWidget* window = driver->openAnalysis(road::demoProject(), road::demoAudience());
    ASSERT_NE(window, nullptr);
    // The user maximises the window for room.
    child(window)->showMaximized();
    // A third strategy, analysed but not added: a shorter repayment period.
    road::Strategy strategy;
    strategy.typed[4] = QStringLiteral("200");
    strategy.emiAfterPeriod = QStringLiteral("31000.");
    strategy.flags = QStringLiteral("00001101");
    driver->analyseOnly(strategy);
    save("08-analysis-basic");

    auto* tabs = find<QTabWidget>("SSTab1", window);
    auto* comparison = find<QTabWidget>("SSTab2", window);
    road::Driver::clickTab(tabs, 1);
    road::Driver::clickTab(comparison, 0);
    save("09-analysis-segments");
    road::Driver::clickTab(comparison, 1);
    save("10-analysis-features");
}

TEST_F(Screenshots, ForecastToolsSensitivityErrorBarsAndSuggestions) {
    driver->selectPlan(1);
    QWidget* window = driver->openAnalysis(road::demoProject(), road::demoAudience());
    ASSERT_NE(window, nullptr);
    child(window)->showMaximized();
    road::Driver::clickTab(find<QTabWidget>("SSTab1", window), 1);
    road::Driver::clickTab(find<QTabWidget>("SSTab2", window), 1);
    // The whiskers come once the intervals are worked out.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return analysis::errorBarCount(find<QChartView>("MSCH_Features", window)) > 0; },
        30000));
    click(find<QPushButton>("cmdSensitivity", window));
    find<QComboBox>("cboSensitivityFeature", window)->setCurrentIndex(0);
    save("11-analysis-sensitivity");

    road::Driver::clickTab(find<QTabWidget>("SSTab1", window), 0);
    click(find<QPushButton>("cmdSuggest", window));
    auto* dialog = find<QDialog>("dlgSuggest", window);
    ASSERT_NE(dialog, nullptr);
    for (const char* name : {"chkSuggest1", "chkSuggest3"})
        find<QCheckBox>(name, dialog)->setChecked(true);
    click(find<QPushButton>("cmdSuggestSearch", dialog));
    auto* table = find<QTableWidget>("tblSuggestions", dialog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->rowCount() > 0; }, 30000));
    settle(200);
    save("12-suggest-strategies", dialog);
}

TEST_F(Screenshots, BusinessCaseOfTheStrategies) {
    driver->selectPlan(1);
    QWidget* window = driver->openAnalysis(road::demoProject(), road::demoAudience());
    ASSERT_NE(window, nullptr);
    child(window)->showMaximized();
    road::Driver::clickTab(find<QTabWidget>("SSTab1", window), 2);
    const std::pair<const char*, const char*> inputs[] = {{"txtMarketSize", "12000"},
                                                          {"txtAverageLoan", "75"},
                                                          {"txtCostOfFunds", "7"},
                                                          {"txtAcquisitionCost", "2500"}};
    for (const auto& [name, text] : inputs) {
        auto* field = find<QLineEdit>(name, window);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
        if (QByteArray(name) == "txtMarketSize")
            click(find<QPushButton>("cmdSplitMarket", window));
    }
    click(find<QPushButton>("cmdSaveBusinessCase", window));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !find<ui::GridView>("MSFG_BusinessCase", window)
                        ->model()
                        ->index(0, 8)
                        .data()
                        .toString()
                        .isEmpty();
        },
        30000));
    // The user puts the Guru aside to see the whole table.
    child(&mother->guru())->hide();
    save("13-business-case");
}

} // namespace
