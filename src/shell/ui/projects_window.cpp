#include "shell/ui/projects_window.h"

#include "shell/guru_texts.h"
#include "shell/menu_names.h"
#include "shell/menu_switching.h"
#include "shell/ui/main_window.h"
#include "shell/ui/projects_names.h"
#include "storage/shown_text.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"
#include "widgets/messages.h"
#include "workspace/registry_codec.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace lendora {

namespace names = projects::names;

ProjectsWindow::ProjectsWindow(MainWindow& mother)
    : mother_(mother)
    , workspace_(mother.workspace())
    , tabs_(new QTabWidget(this))
    , projects_(workspace_, RegistryModel::Registry::Projects)
    , audiences_(workspace_, RegistryModel::Registry::Audiences)
    , plans_(workspace_, RegistryModel::Registry::Plans) {
    setObjectName(QString::fromLatin1(names::window));
    setWindowTitle(tr(names::caption));
    tabs_->setObjectName(QString::fromLatin1(names::tabs));
    auto* projects = projectsView_ =
        new ui::GridView(&projects_, QString::fromLatin1(names::projectsTable));
    auto* audiences = audiencesView_ =
        new ui::GridView(&audiences_, QString::fromLatin1(names::audiencesTable));
    plansView_ = new ui::GridView(&plans_, QString::fromLatin1(names::plansTable));
    tabs_->addTab(projects, tr(names::projectsTab));
    tabs_->addTab(audiences, tr(names::audiencesTab));
    tabs_->addTab(plansView_, tr(names::plansTab));
    connect(projects, &ui::GridView::gridRowClicked, this, &ProjectsWindow::projectClicked);
    connect(audiences, &ui::GridView::gridRowClicked, this, &ProjectsWindow::audienceClicked);
    connect(plansView_, &ui::GridView::gridRowClicked, this, &ProjectsWindow::planClicked);
    connect(&workspace_, &Workspace::plansReplaced, this, &ProjectsWindow::followSavedPlans);
    connect(&workspace_, &Workspace::reloaded, this, &ProjectsWindow::followReload);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs_);
    resize(620, 290);
}

void ProjectsWindow::selectTab(int index) {
    tabs_->setCurrentIndex(index);
}

// The Guru texts take the names as shown: a damaged registry may hold names
// of megabytes, and composing a text of them would stall the click.
void ProjectsWindow::projectClicked(int row) {
    workspace_.selectProject(row);
    const Project* project = workspace_.project(row);
    if (!project || project->name.isEmpty())
        return;
    if (mother_.guruOn())
        mother_.guru().show(guru::basicDetails(
            shownText(project->name), shownText(project->product), shownText(project->brand)));
    mother_.setEntryEnabled(QString::fromLatin1(menu::openBasicDetails), true);
}

void ProjectsWindow::audienceClicked(int row) {
    workspace_.selectAudience(row);
    const Audience* audience = workspace_.audience(row);
    if (!audience || audience->definition.isEmpty()) {
        ui::inform(this, tr(names::noAudienceMessage));
        return;
    }
    mother_.setEntryEnabled(QString::fromLatin1(menu::openAudience), true);
    if (mother_.guruOn())
        mother_.guru().show(
            guru::targetAudience(shownText(audience->definition), shownText(audience->segments)));
}

void ProjectsWindow::planClicked(int row) {
    const Plan* plan = workspace_.selectPlan(row);
    if (!plan) {
        switchMenus(nullptr);
        ui::inform(this, tr(names::noPlanMessage));
        return;
    }
    if (mother_.guruOn())
        mother_.guru().show(guru::projectPlans(QString::number(row), shownText(plan->projectName),
                                               shownText(plan->audienceName),
                                               registry::pollText(plan->poll)));
    switchMenus(plan);
}

void ProjectsWindow::switchMenus(const Plan* selected) {
    switchedFor_ = selected ? std::optional<Plan>(*selected) : std::nullopt;
    for (const MenuChange& change : planMenuChanges(selected))
        mother_.setEntryEnabled(change.entry, change.enabled);
}

// The workspace moved the selection along: to the plan's new row, or to no
// row when the selected plan is gone.
void ProjectsWindow::followSavedPlans() {
    if (workspace_.selectedPlan().valid()) {
        plansView_->setCurrentGridRow(workspace_.selectedPlanRow());
    } else if (workspace_.selectedPlanRow() == 0) {
        plansView_->setCurrentGridRow(0);
        switchMenus(nullptr);
    }
}

void ProjectsWindow::followReload() {
    projectsView_->setCurrentGridRow(workspace_.selectedProjectRow());
    audiencesView_->setCurrentGridRow(workspace_.selectedAudienceRow());
    plansView_->setCurrentGridRow(workspace_.selectedPlanRow());
    if (!switchedFor_)
        return;
    const Plan* selected = workspace_.plan(workspace_.selectedPlan());
    if (!selected || !selected->sameData(*switchedFor_))
        switchMenus(selected);
}

} // namespace lendora
