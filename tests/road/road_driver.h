#pragma once

#include "road_data.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

#include <Qt>

class QTabWidget;
class QWidget;

namespace lendora {
class AnalysisWindow;
class MainWindow;
class PollDataEntryWindow;
} // namespace lendora

namespace lendora::test {
class MessageBoxes;
}

// Drives the program through the windows of the road of one plan by keys and
// clicks, as a user does, and writes down what each window shows after each
// step (see support/road_screen.h), with the messages, the Guru's text and
// the enabled menu entries whenever they change. Shared by the road test,
// the demo writer and the screenshots of the guide.
namespace lendora::test::road {

class Driver {
public:
    Driver(MainWindow* mother, MessageBoxes& boxes);

    // Presses a command key of the main window while it is active, as after
    // the user's click on it (a closed message box leaves no window active).
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Clicks the tab of a tab control.
    static void clickTab(QTabWidget* tabs, int index);
    // What the windows showed so far, step by step.
    const QString& transcript() const { return transcript_; }

    // F2 and the wizard's steps 1 to lastStep: every field typed and
    // confirmed with Enter (the EMI as the program computed it), every step
    // but the last left by Next.
    void enterProject(const Project& project, int number, int lastStep = 11);
    // Finish on the freebies step, then Save.
    void finishAndSaveProject();
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
    // confirmed with Enter, each segment left by Next.
    void enterCounts(const Audience& audience, int product, const std::vector<QStringList>& counts,
                     int first = 1);
    void savePoll(int product);
    // F7: the Analysis window of the selected plan.
    AnalysisWindow* openAnalysis(const Project& project, const Audience& audience);
    // The seven fields confirmed and Analyse; analyseStrategy adds it too.
    void analyseOnly(const Strategy& strategy);
    void analyseStrategy(const Strategy& strategy);
    // The "Final Analsis" tab and Save.
    void saveAnalysis();
    // All Projects, the plan selected, F7 and both comparison tabs of a
    // workspace where the whole road has been walked.
    void showStoredRoad();

    QWidget* form(const char* name) const;
    // Writes down the forms after a step, and what changed around them.
    void note(const QString& step, std::initializer_list<QWidget*> forms);

private:
    MainWindow* mother_;
    MessageBoxes& boxes_;
    QString transcript_;
    QString guru_;
    QStringList menu_;
};

// Where the road stands when the walk calls back.
enum class Stage {
    ProjectSaved,
    AudienceSaved,
    PlanSaved,
    PollSaved, // once per product, with the product's index
    AnalysisSaved,
};

// Walks the whole road of the demo plan from an empty working directory and
// calls `reached` after each stage (product: the product saved, otherwise 0).
void walkRoad(Driver& driver, const std::function<void(Stage, int product)>& reached = {});

} // namespace lendora::test::road
