#pragma once

#include <QDialog>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QFileDialog;

namespace lendora::test {

// Answers the modal dialogs other than message boxes (file dialogs, the
// chart size dialog) that open while it lives: each takes the next queued
// answer, in order. A dialog without an answer, or one the answer left
// open, is rejected, so a test can never hang on it. Message boxes are left
// to MessageBoxes.
class DialogAnswers : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(QDialog*)>;

    DialogAnswers();
    ~DialogAnswers() override;

    // The next dialog gets this answer.
    void answerNext(Answer answer);
    // The next dialog must be a file dialog: the path is chosen (and, when
    // given, the name filter) and the dialog accepted.
    void saveAs(const QString& path, const QString& nameFilter = QString());
    // The next dialog is rejected.
    void cancelNext();

    // The window titles and objectNames of the dialogs seen, in order.
    const QStringList& titles() const { return titles_; }
    const QStringList& names() const { return names_; }
    // The file a file dialog offered when it opened, in order.
    const QStringList& offeredFiles() const { return offeredFiles_; }
    // Answers still waiting for their dialog.
    size_t pending() const { return answers_.size(); }

private:
    void poll();

    QTimer timer_;
    std::deque<Answer> answers_;
    QStringList titles_;
    QStringList names_;
    QStringList offeredFiles_;
};

} // namespace lendora::test
