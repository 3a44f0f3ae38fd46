#include "widgets/messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace lendora::ui {

void inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString unfinishedSaveMessage(const WriteStatus& status) {
    return QCoreApplication::translate(
               "lendora::ui",
               "Lendora could not finish a save that was interrupted in this folder:\n"
               "\"%1\": %2.\n\n"
               "Nothing can be saved here until this is mended: move \"%1\" out of the folder, "
               "or let Lendora read and change the folder and that file. The save is then "
               "finished when Lendora next starts or saves.")
        .arg(status.fileName, status.reason);
}

bool reportWrite(QWidget* parent, const WriteStatus& status) {
    if (!status.ok())
        inform(parent, status.message());
    return status.ok();
}

} // namespace lendora::ui
