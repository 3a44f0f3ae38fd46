#include "shell/startup.h"

#include "shell/ui/intro_window.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace lendora {

using namespace Qt::StringLiterals;

void startUp() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(u":/icons/lendora-%1.png"_s.arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    auto* intro = new IntroWindow(QDir::currentPath());
    intro->show();
}

} // namespace lendora
