#pragma once

#include "plans/plan_table.h"
#include "storage/grid.h"

#include <QPointer>
#include <QWidget>

class QGroupBox;
class QPushButton;

namespace lendora {

class Workspace;
namespace ui {
class Desk;
class GridView;
} // namespace ui

// The project plan window "frmProjectPlan": projects and audiences side by
// side, the selected project's basic details and the selected audience's
// segments, and the plans made of them, which Save writes to the registry.
class ProjectPlanWindow : public QWidget {
    Q_OBJECT
public:
    ProjectPlanWindow(ui::Desk& desk, Workspace& workspace);

    QSize sizeHint() const override;

    // Copies the projects, audiences and plans from the workspace (unsaved
    // changes of the plans are dropped) and leaves the editing mode.
    void reload();

    // The selected project and audience rows, the plan row being edited and
    // the row where the next plan goes; 0 until set.
    int selectedProject() const { return selectedProject_; }
    int selectedAudience() const { return selectedAudience_; }
    int selectedPlan() const { return selectedPlan_; }
    int nextPlanRow() const { return nextPlanRow_; }

    const plans::PlanTable& planTable() const { return plans_; }

private:
    void projectClicked(int row);
    void audienceClicked(int row);
    void planClicked(int row);
    void add();
    void edit();
    void remove();
    void save();
    // Leaves the editing mode: Add on; Edit, Cancel and Delete off.
    void endEditing();
    // Whether the plan selected for editing can still be changed (its poll
    // data may have been saved since); tells the user and leaves the editing
    // mode when not.
    bool selectionEditable();
    // Tells why a plan cannot be made; false when it can.
    bool refused(plans::Refusal refusal);

    ui::Desk& desk_;
    Workspace& workspace_;
    Grid projects_;
    Grid details_;
    Grid audiences_;
    Grid segments_;
    plans::PlanTable plans_;

    QGroupBox* detailsFrame_;
    QGroupBox* segmentsFrame_;
    ui::GridView* planView_;
    QPushButton* addButton_;
    QPushButton* editButton_;
    QPushButton* deleteButton_;
    QPushButton* cancelButton_;
    QPushButton* saveButton_;

    int selectedProject_ = 0;
    int selectedAudience_ = 0;
    int selectedPlan_ = 0;
    int nextPlanRow_ = 0;
};

// Go > Projects: opens the window (created in slot when missing), reloads
// its tables, places it below the All Projects window and, with the Guru on,
// shows the Guru beside it.
void openProjectPlan(ui::Desk& desk, Workspace& workspace, QPointer<ProjectPlanWindow>& slot);

} // namespace lendora
