#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lendora {

// The audience window "frmTragetAudience": the number and the description of
// the target audience; Next leads on to its segments.
class AudienceWindow : public QWidget {
    Q_OBJECT
public:
    AudienceWindow();

    // Wide enough for a long description.
    QSize sizeHint() const override;

    // The audience number shown beside "Serial # :" (`lblTAIndex`).
    int audienceNumber() const;
    void setAudienceNumber(int number);

    QString definition() const;
    void setDefinition(const QString& definition);
    void focusDefinition();

signals:
    void nextClicked();

private:
    QLabel* number_;
    QLineEdit* definition_;
    QPushButton* next_;
};

} // namespace lendora
