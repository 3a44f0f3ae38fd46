#include "audience/audience_flow.h"
#include "shell/commands.h"
#include "shell/main_window.h"

#include <QAction>

namespace lendora {

void installAudienceCommands(MainWindow& mother) {
    auto* flow = new AudienceFlow(mother);
    QObject::connect(mother.entry(QStringLiteral("mnuNwPFD")), &QAction::triggered, flow,
                     &AudienceFlow::newAudience);
    QObject::connect(mother.entry(QStringLiteral("mnuXPF")), &QAction::triggered, flow,
                     &AudienceFlow::openAudience);
}

} // namespace lendora
