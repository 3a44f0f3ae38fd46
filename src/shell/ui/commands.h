#pragma once

namespace lendora {

class MainWindow;

// Connects the main window's menu commands to the windows they open; called
// once, when the main window is built.
void installCommands(MainWindow& mother);

} // namespace lendora
