#include "shell/commands.h"

namespace lendora {

void installBasicDetailsCommands(MainWindow&) {}

} // namespace lendora
