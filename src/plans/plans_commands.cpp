#include "plans/basic_details_viewer.h"
#include "plans/project_plan_window.h"
#include "shell/commands.h"
#include "shell/main_window.h"

#include <QAction>

#include <memory>

namespace lendora {

void installPlanCommands(MainWindow& mother) {
    auto planWindow = std::make_shared<QPointer<ProjectPlanWindow>>();
    QObject::connect(mother.entry(QStringLiteral("mnuNwProject")), &QAction::triggered, &mother,
                     [&mother, planWindow] { openProjectPlan(mother, *planWindow); });
    installBasicDetailsViewer(mother);
}

} // namespace lendora
