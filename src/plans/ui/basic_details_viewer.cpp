#include "plans/ui/basic_details_viewer.h"

#include "analysis/business_case_rows.h"
#include "analysis/business_case_table.h"
#include "analysis/forecast_inputs.h"
#include "basic_details/ui/project_details_window.h"
#include "basic_details/ui/wizard.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/guru_window.h"
#include "workspace/workspace.h"

#include <QCoreApplication>

namespace lendora {

namespace {

// "Effective annual rate: Easy Home 23.39%, ...": what each brand's EMI
// really costs a borrower, beside the flat rate the table shows.
QString ratesText(const ProjectDetails& details) {
    const auto rates = analysis::brandEffectiveRates(details);
    QStringList parts;
    for (int b = 0; b < brandCount; ++b) {
        const QString name = analysis::brandName(details, b);
        if (!name.isEmpty())
            parts << QCoreApplication::translate("BasicDetailsViewer", "%1 %2")
                         .arg(shownText(name), analysis::effectiveRatePercent(rates[size_t(b)]));
    }
    if (parts.isEmpty())
        return {};
    return QCoreApplication::translate("BasicDetailsViewer", "Effective annual rate: %1")
        .arg(parts.join(QStringLiteral(", ")));
}

} // namespace

void openBasicDetails(ui::Desk& desk, const Workspace& workspace, BasicDetailsWizard& wizard) {
    const int project = workspace.selectedProjectRow();
    const QSize all = desk.projectsSize();
    ProjectDetailsWindow* window = wizard.detailsWindow();
    const int detailsHeight = desk.childSize(window).height();
    const Project* listed = workspace.project(project);
    const QString name = listed ? listed->name : QString();

    const ProjectDetails details = workspace.projectDetails(project);
    window->showStored(details);
    window->showRates(ratesText(details));

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
