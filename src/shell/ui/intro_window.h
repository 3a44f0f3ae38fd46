#pragma once

#include <QWidget>

class QTimer;

namespace lendora {

// The intro window "frmLendora": one timer tick of animation, then the splash.
class IntroWindow : public QWidget {
    Q_OBJECT
public:
    explicit IntroWindow(QString workingDirectory);

private:
    void tick();

    QString workingDirectory_;
    QTimer* timer_;
};

// The splash window "frmSplash": its button opens the main window; a key
// press received by the splash itself closes it, which ends the program.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QString workingDirectory);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startLendora();

    QString workingDirectory_;
};

} // namespace lendora
