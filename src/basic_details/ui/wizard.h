#pragma once

#include "basic_details/wizard_steps.h"
#include "workspace/plan_data.h"
#include "workspace/records.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <optional>

namespace lendora {

class ProjectDetailsWindow;
class StepWindow;
class Workspace;
namespace ui {
class Desk;
}

// The Basic Details wizard of one main window: its eleven step windows and
// the Basic Details window, created on first use and afterwards shown and
// hidden, and what the steps' Enter keys and buttons do.
class BasicDetailsWizard : public QObject {
    Q_OBJECT
public:
    BasicDetailsWizard(ui::Desk& desk, Workspace& workspace, QObject* parent = nullptr);

    // F2: starts the wizard for the next free project number.
    void start();

    // A step window (1 to 11), created hidden when it is not loaded.
    StepWindow* stepWindow(int step);
    // The step window when it is loaded, else null.
    StepWindow* loadedStep(int step) const;
    // The Basic Details window "frmProjectDetails", created hidden when missing.
    ProjectDetailsWindow* detailsWindow();

    // Places and shows step 1 below the All Projects window with this project
    // number and the focus in the project name field.
    void showFirstStep(int projectNumber);

    // The texts of every field of the loaded step windows.
    wizard::FieldTexts fieldTexts() const;

private:
    void next(int step);
    void back(int step);
    void enterPressed(int step, int field);
    void finish();
    void save();
    void connectStep(StepWindow* window);
    void showGuru(const wizard::GuruText& text);
    int belowProjects();

    // What Finish assembled, kept for Save: the number and the details (the
    // Basic Details window may show another project by then).
    struct Finished {
        int number;
        Project project;
        ProjectDetails details;
    };
    // After a reload the finished project, not saved yet, takes the next
    // free number again: its old number may belong to a project another
    // copy saved meanwhile.
    void followReload();

    ui::Desk& desk_;
    Workspace& workspace_;
    std::array<QPointer<StepWindow>, wizard::stepCount + 1> steps_;
    QPointer<ProjectDetailsWindow> details_;
    // Finish was used in this pass of the wizard.
    bool finishUsed_ = false;
    std::optional<Finished> finished_;
};

} // namespace lendora
