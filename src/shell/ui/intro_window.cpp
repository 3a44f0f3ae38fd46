#include "shell/ui/intro_window.h"

#include "shell/ui/intro_names.h"
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

using namespace Qt::StringLiterals;
namespace names = intro::names;

namespace {

QFrame* shape(QWidget* parent, const char* name, const QRect& geometry, const QString& colour) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setStyleSheet(u"background-color: %1; border-radius: 6px;"_s.arg(colour));
    return frame;
}

QFrame* line(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setStyleSheet(u"background-color: #f0c419;"_s);
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
    setObjectName(QString::fromLatin1(names::introWindow));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(720, 420);
    setStyleSheet(u"#frmLendora { background-color: #14284b; }"_s);
    // The shapes start right of their final places; the tick moves them in.
    shape(this, names::shapes[0], QRect(30, 40, 120, 120), u"#2e5c8a"_s);
    shape(this, names::shapes[1], QRect(560, 260, 130, 130), u"#3d7ab8"_s);
    shape(this, names::shapes[2], QRect(600, 30, 90, 90), u"#1f4f7a"_s);
    shape(this, names::shapes[3], QRect(780, 190, 70, 70), u"#f0c419"_s);
    shape(this, names::shapes[4], QRect(1530, 560, 50, 50), u"#e74c3c"_s);
    line(this, names::lines[0], QRect(40, 200, 640, 3));
    line(this, names::lines[1], QRect(40, 300, 640, 3));
    auto* slogan = new QLabel(tr(names::sloganText), this);
    slogan->setObjectName(QString::fromLatin1(names::slogan));
    QFont font(u"Arial Black"_s, 22, QFont::Black);
    slogan->setFont(font);
    slogan->setStyleSheet(u"color: white;"_s);
    slogan->setAlignment(Qt::AlignCenter);
    slogan->setGeometry(0, 215, 720, 70);
    timer_->setObjectName(QString::fromLatin1(names::timer));
    timer_->setInterval(2000);
    connect(timer_, &QTimer::timeout, this, &IntroWindow::tick);
    timer_->start();
    centre(this);
}

void IntroWindow::tick() {
    // The whole animation runs within this one tick.
    if (auto* moving = findChild<QFrame*>(QString::fromLatin1(names::movingShape))) {
        const QPoint start = moving->pos();
        for (int i = 1; i <= 720; ++i)
            moving->move(start.x() - i, start.y());
        for (int i = 1; i <= 100; ++i)
            moving->move(start.x() - 720, start.y() + i);
    }
    if (auto* rising = findChild<QFrame*>(QString::fromLatin1(names::risingShape))) {
        const QPoint start = rising->pos();
        for (int i = 1; i <= 1440; ++i)
            rising->move(start.x() - i, start.y());
        for (int i = 1; i <= 275; ++i)
            rising->move(start.x() - 1440, start.y() - i);
    }
    timer_->stop();
    auto* splash = new SplashWindow(workingDirectory_);
    splash->show();
    close();
}

SplashWindow::SplashWindow(QString workingDirectory)
    : QWidget(nullptr, Qt::FramelessWindowHint)
    , workingDirectory_(std::move(workingDirectory)) {
    setObjectName(QString::fromLatin1(names::splashWindow));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(520, 300);
    setStyleSheet(u"#frmSplash { background-color: #f4f6fa; }"_s);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QString::fromLatin1(names::splashFrame));
    auto* product = new QLabel(tr(names::productText), frame);
    product->setObjectName(QString::fromLatin1(names::productName));
    QFont big = product->font();
    big.setPointSize(26);
    big.setBold(true);
    product->setFont(big);
    auto* tagline = new QLabel(tr(names::taglineText), frame);
    tagline->setObjectName(QString::fromLatin1(names::tagline));
    QFont medium = tagline->font();
    medium.setPointSize(13);
    tagline->setFont(medium);
    auto* platform = new QLabel(tr(names::platformText), frame);
    platform->setObjectName(QString::fromLatin1(names::platform));
    auto* startButton = new QPushButton(tr(names::startText), frame);
    startButton->setObjectName(QString::fromLatin1(names::startButton));
    startButton->setDefault(true);
    connect(startButton, &QPushButton::clicked, this, &SplashWindow::startLendora);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(product, 0, Qt::AlignCenter);
    inner->addWidget(tagline, 0, Qt::AlignCenter);
    inner->addStretch();
    inner->addWidget(platform, 0, Qt::AlignLeft);
    inner->addWidget(startButton, 0, Qt::AlignRight);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 16);
    outer->addWidget(frame);
    centre(this);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}

void SplashWindow::startLendora() {
    auto* mother = new MainWindow(workingDirectory_);
    mother->show();
    close();
}

} // namespace lendora
