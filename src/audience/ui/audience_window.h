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

    // The audience number shown beside "Serial # :".
    int lblTAIndex() const;
    void setLblTAIndex(int number);

    QString definition() const;
    void setDefinition(const QString& definition);
    void focusDefinition();

signals:
    void nextClicked();

private:
    QLabel* lblTAIndex_;
    QLineEdit* txtTADefine_;
    QPushButton* cmdNext_;
};

} // namespace lendora
