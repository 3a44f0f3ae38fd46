#include "road_driver.h"

#include "analysis/analysis_session.h"
#include "analysis/ui/analysis_window.h"
#include "poll/ui/poll_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include "support/message_boxes.h"
#include "support/program.h"
#include "support/road_screen.h"
#include "support/wizard_names.h"

#include <QAction>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace lendora::test::road {

namespace {

const char* const menuEntries[] = {"mnuStart", "mnuNew",   "mnuNewBD",     "mnuNwPFD",
                                   "mnuNPR",   "mnuOpen",  "mnuXBD",       "mnuXPF",
                                   "mnuQP",    "mnuPRD",   "mnuNwProject", "mnuNewAnalysis",
                                   "mnuHelp",  "mnuAbout", "mnuGuru"};

// The poll window's fields of a product tab, and the prefix of its buttons.
QString pollField(int product, int f) {
    const char* const own[7] = {"txtBInterest",        "txtBMIE", "txtBMLV",     "txtBMLP",
                                "txtBRepaymenyPeriod", "txtBEMI", "txtBFreebies"};
    const char* const competitor[7] = {"Interest",        "MEI", "MLV",     "MLP",
                                       "RepaymentPeriod", "EMI", "Freebies"};
    return product ? QStringLiteral("txtC%1%2").arg(product).arg(competitor[f]) : own[f];
}
const char* const pollPrefixes[3] = {"B", "C1", "C2"};

const char* const strategyFields[7] = {"txtInterest",        "txtMEI", "txtMLV",     "txtMLP",
                                       "txtRepaymentPeriod", "txtEMI", "txtFreebies"};

QPushButton* button(QWidget* form, const QString& name) {
    return find<QPushButton>(name, form);
}

} // namespace

Driver::Driver(MainWindow* mother, MessageBoxes& boxes)
    : mother_(mother)
    , boxes_(boxes) {}

void Driver::press(int key, Qt::KeyboardModifiers modifiers) {
    ASSERT_NE(mother_, nullptr);
    mother_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mother_));
    pressShortcut(mother_, key, modifiers);
    settle();
}

void Driver::clickTab(QTabWidget* tabs, int index) {
    ASSERT_NE(tabs, nullptr);
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
    EXPECT_EQ(tabs->currentIndex(), index) << qPrintable(tabs->objectName());
}

QWidget* Driver::form(const char* name) const {
    return mother_->form(QString::fromLatin1(name));
}

void Driver::note(const QString& step, std::initializer_list<QWidget*> forms) {
    transcript_ += "== " + step + "\n";
    for (QWidget* shown : forms)
        transcript_ += screenText(shown);
    for (const QString& message : boxes_.take())
        transcript_ += "message: " + oneLine(message) + "\n";
    QStringList menu;
    for (const char* name : menuEntries)
        if (mother_->entry(QString::fromLatin1(name))->isEnabled())
            menu << QString::fromLatin1(name);
    if (menu != menu_)
        transcript_ += "menu: " + (menu_ = menu).join(u' ') + "\n";
    if (mother_->guru().text() != guru_)
        transcript_ += "guru: " + oneLine(guru_ = mother_->guru().text()) + "\n";
}

void Driver::enterProject(const Project& project, int number, int lastStep) {
    press(Qt::Key_F2);
    for (int s = 1; s <= lastStep; ++s) {
        QWidget* step = form(wizardWindows[size_t(s)]);
        ASSERT_NE(step, nullptr) << wizardWindows[size_t(s)];
        note(QStringLiteral("project %1, step %2").arg(number).arg(s),
             {s > 1 ? form(wizardWindows[size_t(s - 1)]) : form("frmProjects"), step});
        const QStringList texts = s == 1 ? QStringList{project.name, project.product, project.brand}
                                  : s == 2 ? project.competitors
                                  : s == 3 ? project.competitorBrands
                                           : project.typed[size_t(s - 4)];
        const auto& names = wizardFields[size_t(s)];
        for (size_t f = 0; f < names.size(); ++f) {
            auto* field = find<QLineEdit>(QString::fromLatin1(names[f]), step);
            ASSERT_NE(field, nullptr);
            if (s == 10)
                pressEnter(field);
            else
                typeAndEnter(field, texts.value(int(f)));
        }
        note("confirmed", {step});
        if (s < lastStep)
            click(button(step, "cmdNext"));
    }
}

void Driver::finishAndSaveProject() {
    QWidget* step = form(wizardWindows[11]);
    click(button(step, "cmdFinish"));
    note("Finish", {step, form("frmProjects"), form("frmProjectDetails")});
    click(button(step, "cmdSave"));
    note("Save", {step});
}

void Driver::defineAudience(const Audience& audience, int number) {
    press(Qt::Key_F3);
    QWidget* definition = form("frmTragetAudience");
    ASSERT_NE(definition, nullptr);
    note(QStringLiteral("audience %1").arg(number), {definition, form("frmProjects")});
    typeText(find<QLineEdit>("txtTADefine", definition), audience.definition);
    click(button(definition, "cmdNext"));
    QWidget* segments = form("frmTASegment");
    ASSERT_NE(segments, nullptr);
    note("Next", {definition, segments});
    for (const QString& segment : audience.segments) {
        typeAndEnter(find<QLineEdit>("txtSegment", segments), segment);
        note("segment", {segments});
        click(button(segments, "cmdNext"));
        note("Next", {segments});
    }
    click(button(segments, "cmdFinish"));
    note("Finish", {segments, form("frmProjects")});
}

void Driver::saveAudience() {
    QWidget* segments = form("frmTASegment");
    ASSERT_NE(segments, nullptr);
    click(button(segments, "cmdSave"));
    note("Save", {segments});
}

void Driver::makePlan(const Project&, int projectNumber, const Audience&, int audienceNumber,
                      int planNumber) {
    press(Qt::Key_F6);
    QWidget* window = form("frmProjectPlan");
    ASSERT_NE(window, nullptr);
    note(QStringLiteral("plan %1").arg(planNumber), {window});
    clickRow(find<ui::GridView>("MSFG_BasicDetails", window), projectNumber);
    note("project clicked", {window});
    clickRow(find<ui::GridView>("MSFG_TA", window), audienceNumber);
    note("audience clicked", {window});
    click(button(window, "cmdAdd"));
    note("Add", {window});
    click(button(window, "cmdSave"));
    note("Save", {window, form("frmProjects")});
}

void Driver::selectPlan(int plan) {
    QWidget* all = form("frmProjects");
    ASSERT_NE(all, nullptr);
    clickTab(find<QTabWidget>("SSTab1", all), 2);
    clickRow(find<ui::GridView>("MSFG_ProjectPlans", all), plan);
    note(QStringLiteral("plan %1 selected").arg(plan), {});
}

void Driver::previewQuestionnaire(const Audience&, const Preview& preview) {
    press(Qt::Key_F5, Qt::ControlModifier);
    QWidget* window = form("frmQuestionairePreview");
    ASSERT_NE(window, nullptr);
    note("questionnaire preview", {window});
    clickRow(find<ui::GridView>("MSFG_Segments", window), preview.segmentRow);
    note("segment clicked", {window});
    click(find<QRadioButton>(QStringLiteral("Option%1").arg(preview.product), window));
    QStringList captions;
    for (const char* name :
         {"Opt_Interest", "Opt_MEI", "Opt_MLV", "Opt_MLP", "Opt_RP", "Opt_Freebies"})
        captions << find<QRadioButton>(QString::fromLatin1(name), window)->text();
    EXPECT_EQ(captions, preview.captions);
    click(find<QRadioButton>(preview.featureOption, window));
    note("feature clicked", {window});
    click(button(window, "cmdRecord"));
    EXPECT_EQ(boxes_.texts().value(boxes_.texts().size() - 1), preview.recordedMessage);
    note("Record", {});
}

PollDataEntryWindow* Driver::openPoll(const Project&, const Audience&) {
    press(Qt::Key_F5);
    auto* window = qobject_cast<PollDataEntryWindow*>(form("frmPollDataEntry"));
    EXPECT_NE(window, nullptr) << "the poll window did not open";
    note("poll results", {window});
    return window;
}

void Driver::enterCounts(const Audience&, int product, const std::vector<QStringList>& counts,
                         int first) {
    auto* window = qobject_cast<PollDataEntryWindow*>(form("frmPollDataEntry"));
    ASSERT_NE(window, nullptr);
    clickTab(window->tabs(), product);
    for (size_t i = 0; i < counts.size(); ++i) {
        for (int f = 0; f < 7; ++f) {
            typeAndEnter(find<QLineEdit>(pollField(product, f), window), counts[i].value(f));
            if (f >= 5)
                note(QStringLiteral("product %1, segment %2, field %3")
                         .arg(product)
                         .arg(first + int(i))
                         .arg(f + 1),
                     {window});
        }
        click(button(window, QStringLiteral("cmd%1Next").arg(pollPrefixes[product])));
        note("Next", {window});
    }
}

void Driver::savePoll(int product) {
    QWidget* window = form("frmPollDataEntry");
    ASSERT_NE(window, nullptr);
    click(button(window, QStringLiteral("cmd%1Save").arg(pollPrefixes[product])));
    note("Save", {window});
}

AnalysisWindow* Driver::openAnalysis(const Project&, const Audience&) {
    press(Qt::Key_F7);
    auto* window = qobject_cast<AnalysisWindow*>(form("frmAnalysis"));
    EXPECT_NE(window, nullptr) << "the analysis window did not open";
    note("analysis", {window});
    return window;
}

void Driver::analyseOnly(const Strategy& strategy) {
    auto* window = qobject_cast<AnalysisWindow*>(form("frmAnalysis"));
    ASSERT_NE(window, nullptr);
    clickTab(find<QTabWidget>("SSTab1", window), 0);
    for (int f = 0; f < 7; ++f) {
        auto* field = find<QLineEdit>(QString::fromLatin1(strategyFields[f]), window);
        if (strategy.typed[size_t(f)].isNull())
            pressEnter(field);
        else
            typeAndEnter(field, strategy.typed[size_t(f)]);
        if (f == 4) {
            EXPECT_EQ(find<QLineEdit>("txtEMI", window)->text(), strategy.emiAfterPeriod);
        }
    }
    QString flags;
    const analysis::StrategyEntry& entry = window->session().analysis().entry();
    for (bool changed : entry.changed)
        flags += changed ? u'1' : u'0';
    EXPECT_EQ(flags + (entry.emiRecomputed ? u'1' : u'0'), strategy.flags);
    note("fields confirmed", {window});
    click(button(window, "cmdAnalyse"));
    note("Analyse", {window});
}

void Driver::analyseStrategy(const Strategy& strategy) {
    analyseOnly(strategy);
    QWidget* window = form("frmAnalysis");
    click(button(window, "cmdAdd"));
    note("Add", {window});
}

void Driver::saveAnalysis() {
    QWidget* window = form("frmAnalysis");
    ASSERT_NE(window, nullptr);
    clickTab(find<QTabWidget>("SSTab1", window), 1);
    note("Final Analsis", {window});
    click(button(window, "cmdSave"));
    note("Save", {window, form("frmProjects")});
}

void Driver::showStoredRoad() {
    note("stored road", {form("frmProjects")});
    selectPlan(1);
    QWidget* window = openAnalysis({}, {});
    ASSERT_NE(window, nullptr);
    auto* tabs = find<QTabWidget>("SSTab2", window);
    clickTab(find<QTabWidget>("SSTab1", window), 1);
    clickTab(tabs, 1);
    clickTab(tabs, 0);
    note("Final Analsis", {window});
}

void walkRoad(Driver& d, const std::function<void(Stage, int)>& reached) {
    const auto stage = [&](Stage s, int product = 0) {
        if (reached && !::testing::Test::HasFatalFailure())
            reached(s, product);
        return !::testing::Test::HasFatalFailure();
    };
    const Project& project = demoProject();
    const Audience& audience = demoAudience();
    d.note("start", {});
    d.enterProject(project, 1);
    d.finishAndSaveProject();
    if (!stage(Stage::ProjectSaved))
        return;
    d.defineAudience(audience, 1);
    d.saveAudience();
    if (!stage(Stage::AudienceSaved))
        return;
    d.makePlan(project, 1, audience, 1, 1);
    if (!stage(Stage::PlanSaved))
        return;
    d.selectPlan(1);
    d.previewQuestionnaire(audience, demoPreview());
    if (!d.openPoll(project, audience))
        return;
    for (int k = 0; k < 3; ++k) {
        d.enterCounts(audience, k, demoPoll()[size_t(k)]);
        d.savePoll(k);
        if (!stage(Stage::PollSaved, k))
            return;
    }
    d.selectPlan(1);
    if (!d.openAnalysis(project, audience))
        return;
    for (const Strategy& strategy : demoStrategies())
        d.analyseStrategy(strategy);
    d.saveAnalysis();
    stage(Stage::AnalysisSaved);
}

} // namespace lendora::test::road
