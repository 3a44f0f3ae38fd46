#include "shell/commands.h"

namespace lendora {

void installPollCommands(MainWindow&) {}

} // namespace lendora
