#include "basic_details/wizard.h"
#include "shell/commands.h"
#include "shell/main_window.h"

#include <QAction>

namespace lendora {

void installBasicDetailsCommands(MainWindow& mother) {
    BasicDetailsWizard* wizard = &BasicDetailsWizard::of(mother);
    QObject::connect(mother.entry(QStringLiteral("mnuNewBD")), &QAction::triggered, wizard,
                     [wizard] { wizard->start(); });
}

} // namespace lendora
