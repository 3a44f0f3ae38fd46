#include "shell/startup.h"

#include "shell/ui/intro_window.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace lendora {

void startUp() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/lendora-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    auto* intro = new IntroWindow(QDir::currentPath());
    intro->show();
}

} // namespace lendora
