#include "road_driver.h"

#include "analysis/analysis_window.h"
#include "poll/poll_window.h"
#include "shell/main_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include "support/message_boxes.h"
#include "support/program.h"
#include "support/wizard_names.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include <gtest/gtest.h>

namespace lendora::test::road {

namespace {

const char* const menuEntries[] = {"mnuStart", "mnuNew",   "mnuNewBD",     "mnuNwPFD",
                                   "mnuNPR",   "mnuOpen",  "mnuXBD",       "mnuXPF",
                                   "mnuQP",    "mnuPRD",   "mnuNwProject", "mnuNewAnalysis",
                                   "mnuHelp",  "mnuAbout", "mnuGuru"};

// The caption each wizard step carries once entered.
QString stepCaption(int step, const QString& project) {
    switch (step) {
    case 1:
        return QStringLiteral("New Project");
    case 2:
        return QStringLiteral("Competitors for ") + project;
    case 3:
        return QStringLiteral("Competitors' Brand namse for ") + project;
    case 4:
        return QStringLiteral("Market Shares for ") + project;
    case 5:
        return QStringLiteral("Rate of Interest for ") + project;
    case 6:
        return QStringLiteral("Minimum Elilgiblee Income");
    case 7:
        return QStringLiteral("Maximym Loan Value");
    case 8:
        return QStringLiteral("Maximum Loan Percentage");
    case 9:
        return QStringLiteral("Repayment Period");
    case 10:
        return QStringLiteral("EMI");
    default:
        return QStringLiteral("Freebies");
    }
}

// The poll window's controls per product tab.
const char* const pollFields[3][7] = {{"txtBInterest", "txtBMIE", "txtBMLV", "txtBMLP",
                                       "txtBRepaymenyPeriod", "txtBEMI", "txtBFreebies"},
                                      {"txtC1Interest", "txtC1MEI", "txtC1MLV", "txtC1MLP",
                                       "txtC1RepaymentPeriod", "txtC1EMI", "txtC1Freebies"},
                                      {"txtC2Interest", "txtC2MEI", "txtC2MLV", "txtC2MLP",
                                       "txtC2RepaymentPeriod", "txtC2EMI", "txtC2Freebies"}};
const char* const pollPrefixes[3] = {"B", "C1", "C2"};
const char* const pollIndexLabels[3] = {"lblBSegmentIndex", "lblC1SegIndex", "lblC2SegIndex"};
const char* const pollNameLabels[3] = {"lblBSegmentName", "lblC1SegName", "lblC2SegName"};
const char* const pollTables[3] = {"MSFG_Brand", "MSFG_C1", "MSFG_C2"};

const char* const strategyFields[7] = {"txtInterest",        "txtMEI", "txtMLV",     "txtMLP",
                                       "txtRepaymentPeriod", "txtEMI", "txtFreebies"};

const QStringList chartFeatureLabels = {
    "Interest",         "Mn.Elig.Inc", "Mx. Loan Value", "Mx. Loan Percentage",
    "Repayment Period", "EMI",         "Freebies",       "Totals"};

QPoint placeOf(QWidget* form) {
    auto* child = form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
    return child ? child->pos() : QPoint(-1, -1);
}

// The enabled buttons among `names`, by their names without "cmd".
QString enabledButtons(QWidget* form, std::initializer_list<const char*> names) {
    QStringList on;
    for (const char* name : names)
        if (auto* button = find<QPushButton>(QString::fromLatin1(name), form);
            button && button->isEnabled())
            on << QString::fromLatin1(name).mid(3);
    return on.join(u' ');
}

QString segmentButtons(QWidget* form) {
    return enabledButtons(
        form, {"cmdNext", "cmdEdit", "cmdCancel", "cmdDelete", "cmdSave", "cmdBack", "cmdFinish"});
}

QString analysisButtons(QWidget* form) {
    return enabledButtons(form, {"cmdAnalyse", "cmdAdd", "cmdSave", "cmdDelete", "cmdCancel"});
}

// The segments as their tables show them: number and description.
std::vector<QStringList> segmentRows(const Audience& audience) {
    std::vector<QStringList> rows;
    for (int k = 1; k <= audience.segments.size(); ++k)
        rows.push_back({QString::number(k), audience.segments[k - 1]});
    return rows;
}

QStringList ownValues(const Project& project) {
    return project.details[0].mid(3, 7);
}

// "Strategy 1" ... "Strategy K".
QStringList strategyLabels(int count) {
    QStringList labels;
    for (int i = 1; i <= count; ++i)
        labels << QStringLiteral("Strategy %1").arg(i);
    return labels;
}

// Column c of the rows, as the numbers a chart draws.
QList<double> column(const std::vector<QStringList>& rows, int c) {
    QList<double> values;
    for (const QStringList& row : rows)
        values << row.value(c).toDouble();
    return values;
}

bool failed() {
    return ::testing::Test::HasFatalFailure();
}

} // namespace

QStringList gridRow(ui::GridView* view, int gridRow) {
    QStringList texts;
    if (!view)
        return texts;
    QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c)
        texts << (gridRow == 0 ? model->headerData(c, Qt::Horizontal).toString()
                               : model->index(gridRow - 1, c).data().toString());
    return texts;
}

std::vector<QStringList> gridRows(ui::GridView* view, int first, int last) {
    std::vector<QStringList> rows;
    for (int r = first; r <= last; ++r)
        rows.push_back(gridRow(view, r));
    return rows;
}

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
    EXPECT_EQ(tabs->currentIndex(), index)
        << "tab " << index << " of " << qPrintable(tabs->objectName());
}

QStringList Driver::enabledEntries() const {
    QStringList on;
    for (const char* name : menuEntries)
        if (mother_->entry(QString::fromLatin1(name))->isEnabled())
            on << QString::fromLatin1(name);
    return on;
}

QStringList Driver::messages() {
    return boxes_.take();
}

QWidget* Driver::form(const char* name) const {
    return mother_->form(QString::fromLatin1(name));
}

QWidget* Driver::wizardStep(int step) const {
    return form(wizardWindows[step]);
}

QWidget* Driver::allProjects() const {
    return form("frmProjects");
}

// --- Basic Details ---------------------------------------------------------

void Driver::confirmWizardStep(const Project& project, int step) {
    QWidget* form = wizardStep(step);
    const auto& names = wizardFields[size_t(step)];
    QStringList texts;
    switch (step) {
    case 1:
        texts = {project.name, project.product, project.brand};
        break;
    case 2:
        texts = project.competitors;
        break;
    case 3:
        texts = project.competitorBrands;
        break;
    default:
        texts = project.typed[size_t(step - 4)];
    }
    for (size_t f = 0; f < names.size(); ++f) {
        auto* field = find<QLineEdit>(QString::fromLatin1(names[f]), form);
        ASSERT_NE(field, nullptr);
        if (step == 10) {
            // The EMI step shows what the program computed.
            EXPECT_EQ(field->text(), project.details[f][8]) << names[f];
            pressEnter(field);
        } else {
            typeAndEnter(field, texts.value(int(f)));
        }
    }
}

void Driver::enterProject(const Project& project, int number, int lastStep) {
    press(Qt::Key_F2);
    for (int s = 1; s <= lastStep; ++s) {
        SCOPED_TRACE(wizardWindows[s]);
        QWidget* step = wizardStep(s);
        ASSERT_NE(step, nullptr);
        ASSERT_TRUE(step->isVisible());
        EXPECT_EQ(step->windowTitle(), stepCaption(s, project.name));
        EXPECT_EQ(placeOf(step), QPoint(0, mother_->projectsSize().height()));
        if (s == 1) {
            EXPECT_EQ(find<QLabel>("lblProjectID", step)->text(), QString::number(number));
        } else {
            EXPECT_FALSE(wizardStep(s - 1)->isVisible()) << "the step left is hidden";
        }
        if (s == 3) {
            EXPECT_EQ(find<QLabel>("lblBrand_1", step)->text(),
                      project.competitors[0] + "'s Brand name:");
            EXPECT_EQ(find<QLabel>("LBLbRAND_2", step)->text(),
                      project.competitors[1] + "'s Brand name:");
        }
        auto* next = find<QPushButton>(s < 11 ? "cmdNext" : "cmdFinish", step);
        ASSERT_NE(next, nullptr);
        // Only the repayment period step starts with Next enabled.
        EXPECT_EQ(next->isEnabled(), s == 9);
        confirmWizardStep(project, s);
        if (failed())
            return;
        EXPECT_TRUE(next->isEnabled()) << "the last field's Enter enables it";
        if (s < lastStep)
            click(next);
    }
    EXPECT_EQ(messages(), QStringList());
}

void Driver::finishProject(const Project& project, int number) {
    QWidget* step = wizardStep(11);
    ASSERT_NE(step, nullptr);
    auto* finish = find<QPushButton>("cmdFinish", step);
    auto* save = find<QPushButton>("cmdSave", step);
    EXPECT_FALSE(save->isEnabled());
    click(finish);
    auto* projects = find<ui::GridView>("MSFG_Projects", allProjects());
    EXPECT_EQ(gridRow(projects, number), QStringList({QString::number(number), project.name,
                                                      project.product, project.brand, "KickOff"}));
    EXPECT_EQ(gridRow(projects, number + 1), QStringList(5, QString()));
    QWidget* details = form("frmProjectDetails");
    ASSERT_NE(details, nullptr);
    EXPECT_TRUE(details->isVisible());
    EXPECT_EQ(details->windowTitle(), "Basic Details for " + project.name);
    EXPECT_EQ(gridRows(find<ui::GridView>("MSFlexGrid1", details), 1, 3),
              std::vector<QStringList>(project.details.begin(), project.details.end()));
    EXPECT_EQ(mother_->guru().text(), "All details pertaining to " + project.name +
                                          " are displayed in the Project Details window.");
    EXPECT_FALSE(finish->isEnabled());
    EXPECT_TRUE(save->isEnabled());
    EXPECT_EQ(messages(), QStringList());
}

void Driver::saveProject() {
    auto* save = find<QPushButton>("cmdSave", wizardStep(11));
    ASSERT_NE(save, nullptr);
    click(save);
    EXPECT_FALSE(save->isEnabled()) << "a saved project is not saved twice";
    EXPECT_EQ(messages(), QStringList()) << "Save tells nothing";
}

// --- Target audience -------------------------------------------------------

void Driver::defineAudience(const Audience& audience, int number) {
    press(Qt::Key_F3);
    QWidget* definition = form("frmTragetAudience");
    ASSERT_NE(definition, nullptr);
    EXPECT_TRUE(definition->isVisible());
    EXPECT_EQ(find<QLabel>("lblTAIndex", definition)->text(), QString::number(number));
    EXPECT_EQ(find<QTabWidget>("SSTab1", allProjects())->currentIndex(), 1);
    typeText(find<QLineEdit>("txtTADefine", definition), audience.definition);
    click(find<QPushButton>("cmdNext", definition));

    QWidget* segments = form("frmTASegment");
    ASSERT_NE(segments, nullptr);
    EXPECT_TRUE(segments->isVisible());
    EXPECT_FALSE(definition->isVisible());
    EXPECT_EQ(segments->windowTitle(), "Target Audience for " + audience.definition);
    EXPECT_EQ(segmentButtons(segments), "Back");
    auto* field = find<QLineEdit>("txtSegment", segments);
    auto* table = find<ui::GridView>("MSFG_TASegment", segments);
    for (int k = 1; k <= audience.segments.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(find<QLabel>("lblSegIndex", segments)->text(), QString::number(k));
        typeAndEnter(field, audience.segments[k - 1]);
        EXPECT_EQ(segmentButtons(segments), k == 1 ? "Next Back" : "Next Back Finish");
        click(find<QPushButton>("cmdNext", segments));
        EXPECT_EQ(segmentButtons(segments), "Back Finish");
        EXPECT_EQ(gridRow(table, k), QStringList({QString::number(k), audience.segments[k - 1]}));
        EXPECT_TRUE(field->text().isEmpty());
    }
    click(find<QPushButton>("cmdFinish", segments));
    EXPECT_EQ(segmentButtons(segments), "Save Back");
    EXPECT_EQ(gridRow(find<ui::GridView>("MSFG_TargetAudience", allProjects()), number),
              QStringList({QString::number(number), audience.definition,
                           QString::number(audience.segments.size())}));
    EXPECT_EQ(messages(), QStringList());
}

void Driver::saveAudience() {
    QWidget* segments = form("frmTASegment");
    ASSERT_NE(segments, nullptr);
    click(find<QPushButton>("cmdSave", segments));
    EXPECT_EQ(segmentButtons(segments), "Back") << "a saved audience is not saved twice";
    EXPECT_EQ(messages(), QStringList()) << "Save tells nothing";
}

// --- Project plan ----------------------------------------------------------

void Driver::makePlan(const Project& project, int projectNumber, const Audience& audience,
                      int audienceNumber, int planNumber) {
    press(Qt::Key_F6);
    QWidget* window = form("frmProjectPlan");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Project Plan");
    EXPECT_EQ(placeOf(window), QPoint(0, mother_->projectsSize().height()));
    const auto buttons = [&] {
        return enabledButtons(window, {"cmdAdd", "cmdEdit", "cmdDelete", "cmdSave", "cmdCancel"});
    };
    EXPECT_EQ(buttons(), "Add Save");
    if (mother_->guruOn()) {
        EXPECT_EQ(mother_->guru().text(),
                  "At this stage, you can combine a Project with a Target Audience group.For "
                  "example, here, you will find two Projects and two Target Audience groups.You "
                  "can make upto four combinations out of these. For the same Project, you can try "
                  "different Target Audience groups.Start by selecting a Project from the Basic "
                  "Details table. The details of the selected Project will be displayed.");
    }

    clickRow(find<ui::GridView>("MSFG_BasicDetails", window), projectNumber);
    EXPECT_EQ(find<QGroupBox>("fraBA", window)->title(), "Basic Details for " + project.name);
    EXPECT_EQ(gridRows(find<ui::GridView>("MSFG_BA", window), 1, 3),
              std::vector<QStringList>(project.details.begin(), project.details.end()));
    EXPECT_EQ(mother_->guru().text(), "Now, select a group from the Target Audience Table. The "
                                      "segments of that Target Audience will be displayed.");
    clickRow(find<ui::GridView>("MSFG_TA", window), audienceNumber);
    EXPECT_EQ(find<QGroupBox>("fraTASegment", window)->title(),
              "Segments of " + audience.definition);
    EXPECT_EQ(
        gridRows(find<ui::GridView>("MSFG_Segments", window), 1, int(audience.segments.size())),
        segmentRows(audience));
    EXPECT_EQ(mother_->guru().text(), "Now, you can create a Project Plan combination by Clicking "
                                      "the 'Add' button on the form.");
    EXPECT_EQ(messages(), QStringList());

    click(find<QPushButton>("cmdAdd", window));
    EXPECT_EQ(messages(), QStringList({"New Project Plan"}));
    const QStringList plan = {QString::number(planNumber),
                              QString::number(projectNumber),
                              project.name,
                              QString::number(audienceNumber),
                              audience.definition,
                              "000",
                              "No"};
    auto* plans = find<ui::GridView>("MSFG_ProjectPlans", window);
    EXPECT_EQ(gridRow(plans, planNumber), plan);
    EXPECT_EQ(buttons(), "Add Save");

    click(find<QPushButton>("cmdSave", window));
    EXPECT_EQ(messages(), QStringList({"Project Plan Saved"}));
    EXPECT_EQ(gridRow(find<ui::GridView>("MSFG_ProjectPlans", allProjects()), planNumber), plan);
    EXPECT_EQ(gridRow(find<ui::GridView>("MSFG_Projects", allProjects()), projectNumber).value(4),
              "Active");
}

void Driver::selectPlan(int plan) {
    QWidget* all = allProjects();
    ASSERT_NE(all, nullptr);
    clickTab(find<QTabWidget>("SSTab1", all), 2);
    clickRow(find<ui::GridView>("MSFG_ProjectPlans", all), plan);
    EXPECT_EQ(messages(), QStringList());
}

// --- Questionnaire preview -------------------------------------------------

void Driver::previewQuestionnaire(const Audience& audience, const Preview& preview) {
    press(Qt::Key_F5, Qt::ControlModifier);
    QWidget* window = form("frmQuestionairePreview");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* segments = find<ui::GridView>("MSFG_Segments", window);
    const int n = int(audience.segments.size());
    EXPECT_EQ(gridRows(segments, 1, n), segmentRows(audience));
    EXPECT_EQ(gridRow(segments, n + 1), QStringList({"", ""}));
    auto* products = find<QGroupBox>("Frame2", window);
    auto* features = find<QGroupBox>("Frame_Features", window);
    const auto option = [&](const QString& name) { return find<QRadioButton>(name, window); };
    EXPECT_FALSE(products->isVisible());
    EXPECT_FALSE(features->isVisible());
    EXPECT_FALSE(option("Option1")->isEnabled() || option("Option2")->isEnabled() ||
                 option("Option3")->isEnabled());

    clickRow(segments, preview.segmentRow);
    EXPECT_EQ(find<QLabel>("lblSegment", window)->text(),
              "You have selected " + audience.segments[preview.segmentRow - 1]);
    EXPECT_TRUE(products->isVisible());
    EXPECT_TRUE(option("Option1")->isEnabled() && option("Option2")->isEnabled() &&
                option("Option3")->isEnabled());

    const QString product = QStringLiteral("Product %1").arg(preview.product);
    click(option(QStringLiteral("Option%1").arg(preview.product)));
    EXPECT_TRUE(features->isVisible());
    EXPECT_EQ(features->title(), "Features of " + product);
    QStringList captions;
    for (const char* name :
         {"Opt_Interest", "Opt_MEI", "Opt_MLV", "Opt_MLP", "Opt_RP", "Opt_Freebies"})
        captions << option(QString::fromLatin1(name))->text();
    EXPECT_EQ(captions, preview.captions);
    click(option(preview.featureOption));
    EXPECT_EQ(messages(), QStringList());

    click(find<QPushButton>("cmdRecord", window));
    EXPECT_EQ(messages(), QStringList({preview.recordedMessage}));
}

// --- Poll results ----------------------------------------------------------

PollDataEntryWindow* Driver::openPoll(const Project& project, const Audience& audience) {
    press(Qt::Key_F5);
    auto* window = qobject_cast<PollDataEntryWindow*>(form("frmPollDataEntry"));
    EXPECT_NE(window, nullptr) << "the poll window did not open";
    if (!window)
        return nullptr;
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(),
              "Poll Resulsts for " + project.name + " and Target Audience " + audience.definition);
    EXPECT_EQ(placeOf(window), QPoint(0, mother_->projectsSize().height()));
    QTabWidget* tabs = window->tabs();
    EXPECT_EQ(tabs->currentIndex(), 0);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(tabs->tabText(k), project.details[k][0] + ": " + project.details[k][1]);
    EXPECT_EQ(messages(), QStringList());
    return window;
}

void Driver::enterCounts(const Audience& audience, int product,
                         const std::vector<QStringList>& counts, int first) {
    auto* window = qobject_cast<PollDataEntryWindow*>(form("frmPollDataEntry"));
    ASSERT_NE(window, nullptr);
    clickTab(window->tabs(), product);
    const auto button = [&](const char* role) {
        return find<QPushButton>(QStringLiteral("cmd%1%2").arg(pollPrefixes[product], role),
                                 window);
    };
    const auto field = [&](int f) {
        return find<QLineEdit>(QString::fromLatin1(pollFields[product][f - 1]), window);
    };
    auto* table = find<ui::GridView>(pollTables[product], window);
    const int n = int(audience.segments.size());
    for (size_t i = 0; i < counts.size(); ++i) {
        const int r = first + int(i);
        SCOPED_TRACE(QStringLiteral("product %1, segment %2").arg(product).arg(r).toStdString());
        EXPECT_EQ(find<QLabel>(pollIndexLabels[product], window)->text(), QString::number(r));
        EXPECT_EQ(find<QLabel>(pollNameLabels[product], window)->text(), audience.segments[r - 1]);
        for (int f = 1; f <= 7; ++f) {
            EXPECT_FALSE(button("Next")->isEnabled());
            typeAndEnter(field(f), counts[i][f - 1]);
            if (f < 7) {
                EXPECT_FALSE(field(f + 1)->isHidden()) << "field " << f + 1 << " is shown";
            }
        }
        EXPECT_TRUE(button("Next")->isEnabled());
        click(button("Next"));
        EXPECT_EQ(gridRow(table, r).mid(0, 8), QStringList({audience.segments[r - 1]}) + counts[i]);
        if (r < n) {
            EXPECT_TRUE(field(2)->isHidden()) << "the next segment starts at field 1";
        }
    }
    if (first + int(counts.size()) > n) {
        EXPECT_EQ(find<QLabel>(pollIndexLabels[product], window)->text(), "");
        EXPECT_EQ(find<QLabel>(pollNameLabels[product], window)->text(), "Completed");
        EXPECT_TRUE(field(1)->isHidden());
        EXPECT_FALSE(button("Next")->isEnabled());
        EXPECT_TRUE(button("Save")->isEnabled());
    } else {
        EXPECT_FALSE(button("Save")->isEnabled());
    }
    EXPECT_EQ(messages(), QStringList());
}

void Driver::savePoll(int product) {
    QWidget* window = form("frmPollDataEntry");
    ASSERT_NE(window, nullptr);
    auto* save = find<QPushButton>(QStringLiteral("cmd%1Save").arg(pollPrefixes[product]), window);
    click(save);
    EXPECT_TRUE(save->isEnabled()) << "Save stays enabled";
    EXPECT_EQ(messages(), QStringList()) << "Save tells nothing";
}

// --- Analysis --------------------------------------------------------------

AnalysisWindow* Driver::openAnalysis(const Project& project, const Audience& audience) {
    press(Qt::Key_F7);
    auto* window = qobject_cast<AnalysisWindow*>(form("frmAnalysis"));
    EXPECT_NE(window, nullptr) << "the analysis window did not open";
    if (!window)
        return nullptr;
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Analysis for Project " + project.name +
                                         "and Target Audience " + audience.definition);
    EXPECT_EQ(find<QGroupBox>("Frame2", window)->title(), "New Analysis for " + project.brand);
    QStringList fields;
    for (const char* name : strategyFields)
        fields << find<QLineEdit>(QString::fromLatin1(name), window)->text();
    EXPECT_EQ(fields, ownValues(project));
    EXPECT_EQ(gridRows(find<ui::GridView>("MSFlexGrid1", window), 1, 3),
              std::vector<QStringList>(project.details.begin(), project.details.end()));
    EXPECT_EQ(analysisButtons(window), "");
    EXPECT_TRUE(mother_->guru().text().startsWith(
        "Analysis form uses standard statistical forecasting process to estimate"));
    EXPECT_EQ(messages(), QStringList());
    return window;
}

void Driver::analyseOnly(const Strategy& strategy) {
    auto* window = qobject_cast<AnalysisWindow*>(form("frmAnalysis"));
    ASSERT_NE(window, nullptr);
    clickTab(find<QTabWidget>("SSTab1", window), 0);
    auto* analyse = find<QPushButton>("cmdAnalyse", window);
    for (int f = 1; f <= 7; ++f) {
        auto* field = find<QLineEdit>(QString::fromLatin1(strategyFields[f - 1]), window);
        EXPECT_FALSE(analyse->isEnabled()) << "before field " << f;
        if (strategy.typed[size_t(f - 1)].isNull())
            pressEnter(field);
        else
            typeAndEnter(field, strategy.typed[size_t(f - 1)]);
        if (f == 5) {
            EXPECT_EQ(find<QLineEdit>("txtEMI", window)->text(), strategy.emiAfterPeriod);
        }
    }
    const analysis::AnalysisTables& state = window->tables();
    QString flags;
    for (int f = 1; f <= 7; ++f)
        flags += state.changeFlag(f) ? u'1' : u'0';
    flags += state.lblNewEMIFlag ? u'1' : u'0';
    EXPECT_EQ(flags, strategy.flags);
    EXPECT_TRUE(analyse->isEnabled()) << "the Freebies Enter enables Analyse";

    click(analyse);
    EXPECT_EQ(messages(), QStringList());
    EXPECT_TRUE(find<QPushButton>("cmdAdd", window)->isEnabled());
    EXPECT_EQ(gridRows(find<ui::GridView>("MSFG_Seg_Analysis", window), 1,
                       int(strategy.estimates.size())),
              strategy.estimates);
}

void Driver::analyseStrategy(const Project& project, const Strategy& strategy, int number) {
    auto* window = qobject_cast<AnalysisWindow*>(form("frmAnalysis"));
    ASSERT_NE(window, nullptr);
    SCOPED_TRACE(QStringLiteral("strategy %1").arg(number).toStdString());
    EXPECT_EQ(find<QLabel>("lblAnalysisID", window)->text(), QString::number(number));
    analyseOnly(strategy);
    if (failed())
        return;
    click(find<QPushButton>("cmdAdd", window));
    EXPECT_EQ(find<QLabel>("lblAnalysisID", window)->text(), QString::number(number + 1));
    EXPECT_EQ(find<QGroupBox>("Fra_Estimates", window)->title(),
              QStringLiteral("Detailed Estimates for %1").arg(number + 1));
    QStringList fields;
    for (const char* name : strategyFields)
        fields << find<QLineEdit>(QString::fromLatin1(name), window)->text();
    EXPECT_EQ(fields, ownValues(project)) << "the frame starts again from the own values";
    EXPECT_EQ(analysisButtons(window), "Save");
    EXPECT_EQ(messages(), QStringList());
}

void Driver::saveAnalysis() {
    auto* window = qobject_cast<AnalysisWindow*>(form("frmAnalysis"));
    ASSERT_NE(window, nullptr);
    clickTab(find<QTabWidget>("SSTab1", window), 1);
    const QString buttonsBefore = analysisButtons(window);
    click(find<QPushButton>("cmdSave", window));
    EXPECT_EQ(messages(), QStringList()) << "Save tells nothing";
    EXPECT_EQ(analysisButtons(window), buttonsBefore) << "Save changes no button";
    const int plan = window->tables().lblProjectIndex;
    EXPECT_EQ(gridRow(find<ui::GridView>("MSFG_ProjectPlans", allProjects()), plan).value(6),
              "Yes");
}

void Driver::expectComparison(const Comparison& comparison) {
    QWidget* window = form("frmAnalysis");
    ASSERT_NE(window, nullptr);
    const int k = int(comparison.values.size());
    auto* values = find<ui::GridView>("MSFG_Analyses", window);
    EXPECT_EQ(gridRows(values, 1, k), comparison.values);
    EXPECT_EQ(gridRow(values, k + 1), QStringList(8, QString()));
    EXPECT_EQ(gridRows(find<ui::GridView>("MSFG_Features", window), 1, k + 1), comparison.features);
    auto* segments = find<ui::GridView>("MSFG_Segments", window);
    EXPECT_EQ(gridRow(segments, 0).mid(1), comparison.segmentHeadings);
    EXPECT_EQ(gridRows(segments, 1, k + 1), comparison.segments);

    const std::vector<QStringList> strategyFeatures(comparison.features.begin(),
                                                    comparison.features.begin() + k);
    const std::vector<QStringList> strategySegments(comparison.segments.begin(),
                                                    comparison.segments.begin() + k);
    const Bars bySegment = bars(find<QChartView>("MSCH_Segments", window)->chart());
    EXPECT_EQ(bySegment.categories, strategyLabels(k));
    EXPECT_EQ(bySegment.sets, comparison.segmentHeadings);
    for (int c = 0; c < comparison.segmentHeadings.size() && c < int(bySegment.values.size()); ++c)
        EXPECT_EQ(bySegment.values[size_t(c)], column(strategySegments, c + 1)) << "series " << c;
    EXPECT_EQ(bySegment.values.size(), size_t(comparison.segmentHeadings.size()));
    const Bars byFeature = bars(find<QChartView>("MSCH_Features", window)->chart());
    EXPECT_EQ(byFeature.categories, strategyLabels(k));
    EXPECT_EQ(byFeature.sets, chartFeatureLabels);
    ASSERT_EQ(byFeature.values.size(), 8u);
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(byFeature.values[size_t(c)], column(strategyFeatures, c + 1)) << "series " << c;
}

void Driver::expectStoredRoad(const Project& project, const Audience& audience,
                              const Comparison& comparison) {
    QWidget* all = allProjects();
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(
        gridRows(find<ui::GridView>("MSFG_Projects", all), 1, 2),
        std::vector<QStringList>({{"1", project.name, project.product, project.brand, "Active"},
                                  QStringList(5, QString())}));
    EXPECT_EQ(gridRows(find<ui::GridView>("MSFG_TargetAudience", all), 1, 2),
              std::vector<QStringList>(
                  {{"1", audience.definition, QString::number(audience.segments.size())},
                   QStringList(3, QString())}));
    EXPECT_EQ(
        gridRows(find<ui::GridView>("MSFG_ProjectPlans", all), 1, 2),
        std::vector<QStringList>({{"1", "1", project.name, "1", audience.definition, "111", "Yes"},
                                  QStringList(7, QString())}));

    selectPlan(1);
    EXPECT_EQ(enabledEntries(), QStringList({"mnuStart", "mnuNewBD", "mnuNwPFD", "mnuOpen",
                                             "mnuNewAnalysis", "mnuHelp", "mnuAbout", "mnuGuru"}));
    AnalysisWindow* window = openAnalysis(project, audience);
    ASSERT_NE(window, nullptr);
    const int k = int(comparison.values.size());
    EXPECT_EQ(find<QLabel>("lblAnalysisID", window)->text(), QString::number(k + 1));
    clickTab(find<QTabWidget>("SSTab1", window), 1);
    auto* byCriterion = find<QTabWidget>("SSTab2", window);
    clickTab(byCriterion, 1);
    clickTab(byCriterion, 0);
    expectComparison(comparison);
    EXPECT_EQ(messages(), QStringList());
}

// --- The whole road --------------------------------------------------------

void walkRoad(Driver& d, const std::function<void(Stage, int)>& reached) {
    const auto stage = [&](Stage s, int product = 0) {
        if (reached)
            reached(s, product);
    };
    const Project& project = demoProject();
    const Audience& audience = demoAudience();
    const Poll& poll = demoPoll();

    EXPECT_EQ(d.enabledEntries(),
              QStringList({"mnuStart", "mnuNew", "mnuNewBD", "mnuNwPFD", "mnuOpen", "mnuNwProject",
                           "mnuHelp", "mnuAbout", "mnuGuru"}));

    // 1. F2, the wizard, Finish, Save.
    d.enterProject(project, 1);
    if (failed())
        return;
    d.finishProject(project, 1);
    d.saveProject();
    if (failed())
        return;
    stage(Stage::ProjectSaved);

    // 2. F3, the audience and its segments, Finish, Save.
    d.defineAudience(audience, 1);
    d.saveAudience();
    if (failed())
        return;
    stage(Stage::AudienceSaved);

    // 3. F6, project 1 with audience 1, Add, Save.
    d.makePlan(project, 1, audience, 1, 1);
    if (failed())
        return;
    stage(Stage::PlanSaved);

    // 4. The plan selected: the preview, then the poll results of all three products.
    d.selectPlan(1);
    EXPECT_EQ(d.enabledEntries(), QStringList({"mnuStart", "mnuNew", "mnuNPR", "mnuOpen", "mnuQP",
                                               "mnuHelp", "mnuAbout", "mnuGuru"}));
    stage(Stage::PlanSelected);
    d.previewQuestionnaire(audience, demoPreview());
    PollDataEntryWindow* pollWindow = d.openPoll(project, audience);
    if (failed() || !pollWindow)
        return;
    for (int k = 0; k < 3; ++k) {
        d.enterCounts(audience, k, poll.counts[size_t(k)]);
        if (failed())
            return;
        const int totalsRow = int(audience.segments.size()) + 1;
        EXPECT_EQ(gridRow(find<ui::GridView>(pollTables[k], pollWindow), totalsRow),
                  poll.totals[size_t(k)]);
        d.savePoll(k);
        stage(Stage::PollSaved, k);
    }

    // 5. The plan selected again: F7, two strategies, Save.
    d.selectPlan(1);
    EXPECT_EQ(d.enabledEntries(), QStringList({"mnuStart", "mnuOpen", "mnuNewAnalysis", "mnuHelp",
                                               "mnuAbout", "mnuGuru"}));
    if (!d.openAnalysis(project, audience))
        return;
    const auto& strategies = demoStrategies();
    for (size_t i = 0; i < strategies.size(); ++i) {
        d.analyseStrategy(project, strategies[i], int(i) + 1);
        if (failed())
            return;
    }
    Driver::clickTab(find<QTabWidget>("SSTab1", d.form("frmAnalysis")), 1);
    d.expectComparison(demoComparison());
    d.saveAnalysis();
    stage(Stage::AnalysisSaved);
}

} // namespace lendora::test::road
