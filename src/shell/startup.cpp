#include "shell/startup.h"

#include "shell/intro_window.h"

#include <QDir>

namespace lendora {

void startUp() {
    auto* intro = new IntroWindow(QDir::currentPath());
    intro->show();
}

} // namespace lendora
