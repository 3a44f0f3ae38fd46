#include "audience/ui/audience_window.h"

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

AudienceWindow::AudienceWindow()
    : lblTAIndex_(new QLabel(QStringLiteral("1")))
    , txtTADefine_(new QLineEdit)
    , cmdNext_(new QPushButton(QStringLiteral("Next"))) {
    setObjectName(QStringLiteral("frmTragetAudience"));
    setWindowTitle(QStringLiteral("Target Audience"));
    auto* frame = new QGroupBox(QStringLiteral("Defining Target Audience"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* label = new QLabel(QStringLiteral("Serial # :"));
    label->setObjectName(QStringLiteral("Label1"));
    lblTAIndex_->setObjectName(QStringLiteral("lblTAIndex"));
    txtTADefine_->setObjectName(QStringLiteral("txtTADefine"));
    cmdNext_->setObjectName(QStringLiteral("cmdNext"));
    cmdNext_->setAutoDefault(false);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(label, 0, 0);
    grid->addWidget(lblTAIndex_, 0, 1);
    grid->addWidget(txtTADefine_, 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdNext_);
    grid->addLayout(buttons, 2, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);
    connect(cmdNext_, &QPushButton::clicked, this, &AudienceWindow::nextClicked);
}

QSize AudienceWindow::sizeHint() const {
    const QSize layoutSize = QWidget::sizeHint();
    return {std::max(layoutSize.width(), 460), layoutSize.height()};
}

int AudienceWindow::lblTAIndex() const {
    return toWhole(leadingNumber(lblTAIndex_->text()));
}

void AudienceWindow::setLblTAIndex(int number) {
    lblTAIndex_->setText(QString::number(number));
}

QString AudienceWindow::definition() const {
    return txtTADefine_->text();
}

void AudienceWindow::setDefinition(const QString& definition) {
    txtTADefine_->setText(definition);
}

void AudienceWindow::focusDefinition() {
    txtTADefine_->setFocus();
}

} // namespace lendora
