#include "shell/commands.h"

namespace lendora {

void installQuestionnaireCommands(MainWindow&) {}

} // namespace lendora
