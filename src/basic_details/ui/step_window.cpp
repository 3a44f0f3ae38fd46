#include "basic_details/ui/step_window.h"
#include "storage/shown_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lendora {

namespace {
constexpr int labelWidth = 240;
constexpr int fieldWidth = 220;
constexpr int stepWidth = 540;
} // namespace

StepWindow::StepWindow(int step)
    : step_(step) {
    const wizard::StepInfo& info = wizard::step(step);
    setObjectName(QString::fromLatin1(info.window));
    setWindowTitle(QString::fromLatin1(info.caption));

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(12);
    rows->setVerticalSpacing(8);
    rows->setColumnMinimumWidth(0, labelWidth);
    int row = 0;
    if (step == 1) {
        auto* caption = new QLabel(QStringLiteral("Proejct #"), this);
        caption->setObjectName(QStringLiteral("Label1"));
        lblProjectID_ = new QLabel(this);
        lblProjectID_->setObjectName(QStringLiteral("lblProjectID"));
        rows->addWidget(caption, row, 0);
        rows->addWidget(lblProjectID_, row, 1);
        ++row;
    }
    for (int f = 0; f < info.fieldCount; ++f, ++row) {
        auto* label = new QLabel(QString::fromLatin1(info.labelTexts[size_t(f)]), this);
        label->setObjectName(QString::fromLatin1(info.labels[size_t(f)]));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(info.fields[size_t(f)]));
        edit->setMinimumWidth(fieldWidth);
        label->setBuddy(edit);
        rows->addWidget(label, row, 0);
        rows->addWidget(edit, row, 1);
        labels_[size_t(f)] = label;
        fields_[size_t(f)] = edit;
    }

    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    if (step > 1)
        cmdBack_ = addButton("cmdBack", QStringLiteral("Back"), true);
    if (step < wizard::lastStep) {
        // The repayment period step can be left at once; every other step
        // waits for an accepted Enter in its last field.
        cmdNext_ = addButton("cmdNext", QStringLiteral("Next"), step == 9);
    } else {
        cmdFinish_ = addButton("cmdFinish", QStringLiteral("Finish"), false);
        cmdSave_ = addButton("cmdSave", QStringLiteral("Save"), false);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addLayout(rows);
    layout->addStretch();
    layout->addSpacing(10);
    layout->addLayout(buttons_);
}

QPushButton* StepWindow::addButton(const char* name, const QString& caption, bool enabled) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setEnabled(enabled);
    button->setMinimumWidth(84);
    buttons_->addWidget(button);
    return button;
}

QSize StepWindow::sizeHint() const {
    const QSize layoutSize = QWidget::sizeHint();
    return {std::max(layoutSize.width(), stepWidth), layoutSize.height()};
}

void StepWindow::enter(const wizard::FieldTexts& texts) {
    if (const auto caption = wizard::enteredCaption(step_, texts))
        setWindowTitle(shownText(*caption));
    const QStringList labelTexts = wizard::enteredLabels(step_, texts);
    for (int f = 0; f < labelTexts.size() && f < fieldCount(); ++f)
        labels_[size_t(f)]->setText(shownText(labelTexts[f]));
}

} // namespace lendora
