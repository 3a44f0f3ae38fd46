#pragma once

#include "road_data.h"
#include "support/chart_bars.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include <Qt>

class QChart;
class QTabWidget;
class QWidget;

namespace lendora {
class AnalysisWindow;
class MainWindow;
class PollDataEntryWindow;
namespace ui {
class GridView;
}
} // namespace lendora

namespace lendora::test {
class MessageBoxes;
}

// Drives the program through the windows of the road of one plan by keys and
// clicks, as a user does, and checks on the way the captions, the enabled
// buttons and menu entries and the messages that each step must show. Shared
// by the road test, the demo writer and the screenshots of the guide.
namespace lendora::test::road {

// The texts of a grid's rows as the view shows them: Grid row 0 gives the
// headings, Grid row r the cells of view row r - 1.
QStringList gridRow(ui::GridView* view, int gridRow);
// Grid rows first to last.
std::vector<QStringList> gridRows(ui::GridView* view, int first, int last);

class Driver {
public:
    Driver(MainWindow* mother, MessageBoxes& boxes);

    MainWindow* mother() const { return mother_; }

    // Presses a command key of the main window while it is active, as after
    // the user's click on it (a closed message box leaves no window active).
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Clicks the tab of a tab control.
    static void clickTab(QTabWidget* tabs, int index);
    // The names of the enabled menu entries, in menu order.
    QStringList enabledEntries() const;
    // The messages shown since the last call.
    QStringList messages();

    // F2 and the wizard's steps 1 to lastStep: every field typed and
    // confirmed with Enter, every step but the last left by Next.
    void enterProject(const Project& project, int number, int lastStep = 11);
    // Finish on the freebies step: the project's row in All Projects and its
    // Basic Details window.
    void finishProject(const Project& project, int number);
    void saveProject();

    // F3, the description, Next, the segments one by one, Finish.
    void defineAudience(const Audience& audience, int number);
    void saveAudience();

    // F6, the project and the audience selected, Add, Save.
    void makePlan(const Project& project, int projectNumber, const Audience& audience,
                  int audienceNumber, int planNumber);

    // Clicks the tab "Project Details" of All Projects and the plan's row.
    void selectPlan(int plan);

    // Ctrl+F5 and the preview: a segment, a product, a feature, Record.
    void previewQuestionnaire(const Audience& audience, const Preview& preview);

    // F5: the poll window of the selected plan.
    PollDataEntryWindow* openPoll(const Project& project, const Audience& audience);
    // The product's tab: the counts of segments first to last, each field
    // confirmed with Enter, each segment left by Next (the last Next
    // completes the product when it passes the last segment).
    void enterCounts(const Audience& audience, int product, const std::vector<QStringList>& counts,
                     int first = 1);
    void savePoll(int product);

    // F7: the Analysis window of the selected plan.
    AnalysisWindow* openAnalysis(const Project& project, const Audience& audience);
    // The seven fields confirmed, Analyse, Add; `number` is the strategy's number.
    void analyseStrategy(const Project& project, const Strategy& strategy, int number);
    // Only the fields and Analyse, not Add.
    void analyseOnly(const Strategy& strategy);
    // The "Final Analsis" tab and Save.
    void saveAnalysis();
    // The comparison tables and both charts.
    void expectComparison(const Comparison& comparison);

    // The All Projects tables, the plan's menu entries, F7 and the comparison
    // of a workspace where the whole road has been walked.
    void expectStoredRoad(const Project& project, const Audience& audience,
                          const Comparison& comparison);

    // Forms of the program by objectName, null when there is none.
    QWidget* form(const char* name) const;
    QWidget* wizardStep(int step) const;

private:
    void confirmWizardStep(const Project& project, int step);
    QWidget* allProjects() const;

    MainWindow* mother_;
    MessageBoxes& boxes_;
};

// Where the road stands when the walk calls back.
enum class Stage {
    ProjectSaved,
    AudienceSaved,
    PlanSaved,
    PlanSelected,
    PollSaved, // once per product, with the product's index
    AnalysisSaved,
};

// Walks the whole road of the demo plan from an empty working directory and
// calls `reached` after each stage (product: the product saved, otherwise 0).
void walkRoad(Driver& driver, const std::function<void(Stage, int product)>& reached = {});

} // namespace lendora::test::road
