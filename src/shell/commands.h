#pragma once

namespace lendora {

class MainWindow;

// Every subsystem connects the main-window menu commands it owns; the main
// window calls these once, when it is built.
void installBasicDetailsCommands(MainWindow& mother);
void installAudienceCommands(MainWindow& mother);
void installPlanCommands(MainWindow& mother);
void installQuestionnaireCommands(MainWindow& mother);
void installPollCommands(MainWindow& mother);
void installAnalysisCommands(MainWindow& mother);

} // namespace lendora
