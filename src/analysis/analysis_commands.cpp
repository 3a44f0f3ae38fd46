#include "shell/commands.h"

namespace lendora {

void installAnalysisCommands(MainWindow&) {}

} // namespace lendora
