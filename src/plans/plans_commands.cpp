#include "shell/commands.h"

namespace lendora {

void installPlanCommands(MainWindow&) {}

} // namespace lendora
