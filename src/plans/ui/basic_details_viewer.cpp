#include "plans/ui/basic_details_viewer.h"

#include "analysis/business_case_table.h"
#include "basic_details/ui/project_details_window.h"
#include "basic_details/ui/wizard.h"
#include "widgets/desk.h"
#include "widgets/guru_window.h"
#include "workspace/workspace.h"

namespace lendora {

void openBasicDetails(ui::Desk& desk, const Workspace& workspace, BasicDetailsWizard& wizard) {
    const int project = workspace.selectedProjectRow();
    const QSize all = desk.projectsSize();
    ProjectDetailsWindow* window = wizard.detailsWindow();
    const int detailsHeight = desk.childSize(window).height();
    const Project* listed = workspace.project(project);
    const QString name = listed ? listed->name : QString();

    const ProjectDetails details = workspace.projectDetails(project);
    window->showStored(details);
    window->showRates(analysis::effectiveRatesLine(details));

    desk.place(window, all.width(), 0);
    window->setProjectName(name);
    desk.showChild(window);

    wizard.showFirstStep(project);

    if (desk.guruOn()) {
        ui::GuruWindow& guru = desk.guru();
        guru.showAt(guru.text(), all.width(), detailsHeight);
    }
}

} // namespace lendora
