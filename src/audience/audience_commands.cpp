#include "shell/commands.h"

namespace lendora {

void installAudienceCommands(MainWindow&) {}

} // namespace lendora
