#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>

namespace lendora::test {

// Answers every modal message box that opens while it lives and records its
// text. Queued answers are used in order; without one a box is answered OK
// (or No for a question). Each box is always closed, so a failing check can
// never leave the test hanging on it.
class MessageBoxes : public QObject {
    Q_OBJECT
public:
    MessageBoxes();
    ~MessageBoxes() override;

    // The answer for the next box: QMessageBox::Ok, Yes or No.
    void answerNext(QMessageBox::StandardButton answer);
    // The texts of the boxes seen so far, in order.
    const QStringList& texts() const { return texts_; }
    // The titles of the boxes seen so far.
    const QStringList& titles() const { return titles_; }
    // The texts seen since the last call.
    QStringList take();
    // The buttons each box offered (Ok, or Yes | No).
    const QList<QMessageBox::StandardButtons>& buttons() const { return buttons_; }

private:
    void poll();

    QTimer timer_;
    std::deque<QMessageBox::StandardButton> answers_;
    QStringList texts_;
    QStringList titles_;
    QList<QMessageBox::StandardButtons> buttons_;
    qsizetype taken_ = 0;
};

} // namespace lendora::test
