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

bool reportWrite(QWidget* parent, const WriteStatus& status) {
    if (!status.ok())
        inform(parent, status.message());
    return status.ok();
}

} // namespace lendora::ui
