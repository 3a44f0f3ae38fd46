#include "shell/ui/intro_window.h"

#include "shell/ui/main_window.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace lendora {

namespace {

QFrame* shape(QWidget* parent, const char* name, const QRect& geometry, const QString& colour) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setStyleSheet(QStringLiteral("background-color: %1; border-radius: 6px;").arg(colour));
    return frame;
}

QFrame* line(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setStyleSheet(QStringLiteral("background-color: #f0c419;"));
    return frame;
}

void centre(QWidget* window) {
    if (QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace

IntroWindow::IntroWindow(QString workingDirectory)
    : QWidget(nullptr, Qt::FramelessWindowHint)
    , workingDirectory_(std::move(workingDirectory))
    , timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("frmLendora"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(720, 420);
    setStyleSheet(QStringLiteral("#frmLendora { background-color: #14284b; }"));
    // The shapes start right of their final places; the tick moves them in.
    shape(this, "Shape1", QRect(30, 40, 120, 120), QStringLiteral("#2e5c8a"));
    shape(this, "Shape2", QRect(560, 260, 130, 130), QStringLiteral("#3d7ab8"));
    shape(this, "Shp0", QRect(600, 30, 90, 90), QStringLiteral("#1f4f7a"));
    shape(this, "shp1", QRect(780, 190, 70, 70), QStringLiteral("#f0c419"));
    shape(this, "Shape3", QRect(1530, 560, 50, 50), QStringLiteral("#e74c3c"));
    line(this, "Line1", QRect(40, 200, 640, 3));
    line(this, "Line2", QRect(40, 300, 640, 3));
    auto* slogan = new QLabel(QStringLiteral("Grab Your Competitor's Market Share"), this);
    slogan->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Arial Black"), 22, QFont::Black);
    slogan->setFont(font);
    slogan->setStyleSheet(QStringLiteral("color: white;"));
    slogan->setAlignment(Qt::AlignCenter);
    slogan->setGeometry(0, 215, 720, 70);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(2000);
    connect(timer_, &QTimer::timeout, this, &IntroWindow::tick);
    timer_->start();
    centre(this);
}

void IntroWindow::tick() {
    // The whole animation runs within this one tick.
    if (auto* shp1 = findChild<QFrame*>(QStringLiteral("shp1"))) {
        const QPoint start = shp1->pos();
        for (int i = 1; i <= 720; ++i)
            shp1->move(start.x() - i, start.y());
        for (int i = 1; i <= 100; ++i)
            shp1->move(start.x() - 720, start.y() + i);
    }
    if (auto* shape3 = findChild<QFrame*>(QStringLiteral("Shape3"))) {
        const QPoint start = shape3->pos();
        for (int i = 1; i <= 1440; ++i)
            shape3->move(start.x() - i, start.y());
        for (int i = 1; i <= 275; ++i)
            shape3->move(start.x() - 1440, start.y() - i);
    }
    timer_->stop();
    auto* splash = new SplashWindow(workingDirectory_);
    splash->show();
    close();
}

SplashWindow::SplashWindow(QString workingDirectory)
    : QWidget(nullptr, Qt::FramelessWindowHint)
    , workingDirectory_(std::move(workingDirectory)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(520, 300);
    setStyleSheet(QStringLiteral("#frmSplash { background-color: #f4f6fa; }"));
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* product = new QLabel(QStringLiteral("Lendora 2012"), frame);
    product->setObjectName(QStringLiteral("lblProductName"));
    QFont big = product->font();
    big.setPointSize(26);
    big.setBold(true);
    product->setFont(big);
    auto* tagline = new QLabel(QStringLiteral("For Banks and Financial Enterprises"), frame);
    tagline->setObjectName(QStringLiteral("Label1"));
    QFont medium = tagline->font();
    medium.setPointSize(13);
    tagline->setFont(medium);
    auto* platform = new QLabel(QStringLiteral("OS: Windows"), frame);
    platform->setObjectName(QStringLiteral("lblPlatform"));
    auto* tryButton = new QPushButton(QStringLiteral("Start Lendora"), frame);
    tryButton->setObjectName(QStringLiteral("cmdTry"));
    tryButton->setDefault(true);
    connect(tryButton, &QPushButton::clicked, this, &SplashWindow::tryLendora);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(product, 0, Qt::AlignCenter);
    inner->addWidget(tagline, 0, Qt::AlignCenter);
    inner->addStretch();
    inner->addWidget(platform, 0, Qt::AlignLeft);
    inner->addWidget(tryButton, 0, Qt::AlignRight);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 16);
    outer->addWidget(frame);
    centre(this);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}

void SplashWindow::tryLendora() {
    auto* mother = new MainWindow(workingDirectory_);
    mother->show();
    close();
}

} // namespace lendora
