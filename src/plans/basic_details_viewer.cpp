#include "plans/basic_details_viewer.h"

#include "basic_details/project_details_window.h"
#include "basic_details/project_finish.h"
#include "basic_details/wizard.h"
#include "shell/guru_window.h"
#include "shell/main_window.h"
#include "shell/projects_window.h"
#include "storage/details_file.h"

#include <QAction>

namespace lendora {

void openBasicDetails(MainWindow& mother) {
    const int project = mother.projects().lblRSelect();
    const QSize all = mother.projectsSize();
    BasicDetailsWizard& wizard = BasicDetailsWizard::of(mother);
    ProjectDetailsWindow* window = wizard.detailsWindow();
    const int detailsHeight = mother.childSize(window).height();
    const QString name = mother.workingCopy().projects.text(project, 1);

    // The table is emptied first, so no value of an earlier project stays.
    Grid& table = window->table();
    table.reset(2, details::columnCount);
    table.setHeadings(finish::detailsHeadings());
    details::readInto(mother.folder(), project, table, true);

    mother.place(window, all.width(), 0);
    window->setProjectName(name);
    mother.showChild(window);

    wizard.showFirstStep(project);

    if (mother.guruOn()) {
        GuruWindow& guru = mother.guru();
        guru.showAt(guru.text(), all.width(), detailsHeight);
    }
}

void installBasicDetailsViewer(MainWindow& mother) {
    QObject::connect(mother.entry(QStringLiteral("mnuXBD")), &QAction::triggered, &mother,
                     [&mother] { openBasicDetails(mother); });
}

} // namespace lendora
