#pragma once

#include "workspace/records.h"
#include "workspace/registry_models.h"

#include <QWidget>

#include <optional>

class QTabWidget;

namespace lendora {

class MainWindow;
class Workspace;
namespace ui {
class GridView;
}

// The All Projects window "frmProjects": the projects, audiences and plans of
// the workspace on three tabs. A click selects a record and switches the
// main window's commands.
class ProjectsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProjectsWindow(MainWindow& mother);

    QTabWidget* tabs() const { return tabs_; }
    void selectTab(int index);

    void projectClicked(int row);
    void audienceClicked(int row);
    void planClicked(int row);

private:
    // After a save of the plans the view's current row follows the selected
    // plan; when that plan is gone the plan commands are switched off.
    void followSavedPlans();
    // After a reload: the tables keep their selected rows, and the plan
    // commands follow the selected plan when its flags changed or it is gone.
    void followReload();
    void switchMenus(const Plan* selected);

    MainWindow& mother_;
    Workspace& workspace_;
    QTabWidget* tabs_;
    RegistryModel projects_;
    RegistryModel audiences_;
    RegistryModel plans_;
    ui::GridView* projectsView_;
    ui::GridView* audiencesView_;
    ui::GridView* plansView_;
    // The plan the commands were last switched for.
    std::optional<Plan> switchedFor_;
};

} // namespace lendora
