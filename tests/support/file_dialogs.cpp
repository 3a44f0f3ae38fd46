#include "support/file_dialogs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

namespace lendora::test {

bool chooseFile(QFileDialog* dialog, const QString& path) {
    // The dialog finds a file of its list only by its plain path, and it
    // leaves the name field alone while the field has the focus (the window
    // system may give it the focus at any moment).
    const QString plainPath = QDir::cleanPath(QDir(path).absolutePath());
    const QDeadlineTimer deadline(5000);
    while (dialog->isVisible() && !deadline.hasExpired()) {
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->clearFocus();
        dialog->selectFile(plainPath);
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return !dialog->isVisible();
}

} // namespace lendora::test
