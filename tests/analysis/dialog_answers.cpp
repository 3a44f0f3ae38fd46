#include "dialog_answers.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace lendora::test {

DialogAnswers::DialogAnswers() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogAnswers::poll);
    timer_.start();
}

DialogAnswers::~DialogAnswers() = default;

void DialogAnswers::answerNext(Answer answer) {
    answers_.push_back(std::move(answer));
}

void DialogAnswers::saveAs(const QString& path, const QString& nameFilter) {
    answerNext([path, nameFilter](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        EXPECT_NE(files, nullptr) << "a file dialog was expected, not "
                                  << qPrintable(dialog->objectName());
        if (!files)
            return;
        if (!nameFilter.isEmpty())
            files->selectNameFilter(nameFilter);
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept(); // QFileDialog::accept, checks included
    });
}

void DialogAnswers::cancelNext() {
    answerNext([](QDialog* dialog) { dialog->reject(); });
}

void DialogAnswers::poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || qobject_cast<QMessageBox*>(dialog) || !dialog->isVisible() ||
        dialog->property("lendoraAnswered").toBool())
        return;
    dialog->setProperty("lendoraAnswered", true);
    titles_ << dialog->windowTitle();
    names_ << dialog->objectName();
    if (auto* files = qobject_cast<QFileDialog*>(dialog))
        offeredFiles_ << files->selectedFiles().value(0);
    if (!answers_.empty()) {
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(dialog);
    }
    if (dialog->isVisible())
        dialog->reject();
}

} // namespace lendora::test
