#include "support/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>

namespace lendora::test {

MessageBoxes::MessageBoxes() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxes::poll);
    timer_.start();
}

MessageBoxes::~MessageBoxes() = default;

void MessageBoxes::answerNext(QMessageBox::StandardButton answer) {
    answers_.push_back(answer);
}

QStringList MessageBoxes::take() {
    QStringList fresh = texts_.mid(taken_);
    taken_ = texts_.size();
    return fresh;
}

void MessageBoxes::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("lendoraAnswered").toBool())
        return;
    box->setProperty("lendoraAnswered", true);
    texts_ << box->text();
    titles_ << box->windowTitle();
    buttons_ << box->standardButtons();
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    QAbstractButton* button = answer != QMessageBox::NoButton ? box->button(answer) : nullptr;
    if (!button)
        button = box->button(QMessageBox::Ok);
    if (!button)
        button = box->button(QMessageBox::No);
    if (button)
        button->click();
    else
        box->done(QMessageBox::Cancel);
}

} // namespace lendora::test
