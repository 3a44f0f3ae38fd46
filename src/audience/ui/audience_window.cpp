#include "audience/ui/audience_window.h"

#include "audience/ui/audience_window_names.h"
#include "storage/numbers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lendora {

using namespace Qt::StringLiterals;
namespace names = audience::names;

AudienceWindow::AudienceWindow()
    : number_(new QLabel(u"1"_s))
    , definition_(new QLineEdit)
    , next_(new QPushButton(tr(names::nextText))) {
    setObjectName(QString::fromLatin1(names::window));
    setWindowTitle(tr(names::caption));
    auto* frame = new QGroupBox(tr(names::frameText));
    frame->setObjectName(QString::fromLatin1(names::frame));
    auto* label = new QLabel(tr(names::numberCaptionText));
    label->setObjectName(QString::fromLatin1(names::numberCaption));
    number_->setObjectName(QString::fromLatin1(names::number));
    definition_->setObjectName(QString::fromLatin1(names::definition));
    next_->setObjectName(QString::fromLatin1(names::nextButton));
    next_->setAutoDefault(false);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(label, 0, 0);
    grid->addWidget(number_, 0, 1);
    grid->addWidget(definition_, 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next_);
    grid->addLayout(buttons, 2, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);
    connect(next_, &QPushButton::clicked, this, &AudienceWindow::nextClicked);
}

QSize AudienceWindow::sizeHint() const {
    const QSize layoutSize = QWidget::sizeHint();
    return {std::max(layoutSize.width(), 460), layoutSize.height()};
}

int AudienceWindow::audienceNumber() const {
    return toWhole(leadingNumber(number_->text()));
}

void AudienceWindow::setAudienceNumber(int number) {
    number_->setText(QString::number(number));
}

QString AudienceWindow::definition() const {
    return definition_->text();
}

void AudienceWindow::setDefinition(const QString& definition) {
    definition_->setText(definition);
}

void AudienceWindow::focusDefinition() {
    definition_->setFocus();
}

} // namespace lendora
