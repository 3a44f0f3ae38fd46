#pragma once

#include "poll/poll_tables.h"

#include <QWidget>

#include <optional>

class QTabWidget;

namespace lendora {

class MainWindow;
namespace ui {
class GridView;
}

// The All Projects window "frmProjects": the projects, audiences and plans of
// the working copy on three tabs. A click selects a record and switches the
// main window's commands.
class ProjectsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProjectsWindow(MainWindow& mother);

    QTabWidget* tabs() const { return tabs_; }
    void selectTab(int index);

    // The rows last clicked; 0 until the first click.
    int lblRSelect() const { return lblRSelect_; }
    int lblTASelect() const { return lblTASelect_; }
    int lblPPSel() const { return lblPPSel_; }

    void projectClicked(int row);
    void audienceClicked(int row);
    void planClicked(int row);

private:
    // After a plan save: `lblPPSel` follows the selected plan to its new
    // row. When that plan is gone, nothing is selected and the commands
    // that act on the selected plan are disabled.
    void followSavedPlans();
    // No plan is selected: the commands that act on the selected plan
    // (questionnaire preview, poll results, analysis) are disabled, so that
    // none of them opens a window for an empty row.
    void unselectPlan();

    MainWindow& mother_;
    QTabWidget* tabs_;
    ui::GridView* plansView_;
    int lblRSelect_ = 0;
    int lblTASelect_ = 0;
    int lblPPSel_ = 0;
    // The plan last selected by a click; empty after a click on no plan.
    std::optional<poll::PlanRef> selectedPlan_;
};

} // namespace lendora
