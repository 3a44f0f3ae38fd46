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

using wizard::names::text;

namespace {
constexpr int labelWidth = 240;
constexpr int fieldWidth = 220;
constexpr int stepWidth = 540;
} // namespace

StepWindow::StepWindow(int step)
    : step_(step) {
    const wizard::StepInfo& info = wizard::step(step);
    setObjectName(QString::fromLatin1(info.names.window));
    setWindowTitle(text(info.names.caption));

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(12);
    rows->setVerticalSpacing(8);
    rows->setColumnMinimumWidth(0, labelWidth);
    int row = 0;
    if (step == 1) {
        auto* caption = new QLabel(text(wizard::names::projectNumberText), this);
        caption->setObjectName(QString::fromLatin1(wizard::names::projectNumberCaption));
        projectNumber_ = new QLabel(this);
        projectNumber_->setObjectName(QString::fromLatin1(wizard::names::projectNumber));
        rows->addWidget(caption, row, 0);
        rows->addWidget(projectNumber_, row, 1);
        ++row;
    }
    for (int f = 0; f < info.fieldCount; ++f, ++row) {
        const char* labelText = info.names.labelTexts[size_t(f)];
        auto* label = new QLabel(*labelText ? text(labelText) : QString(), this);
        label->setObjectName(QString::fromLatin1(info.names.labels[size_t(f)]));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(info.names.fields[size_t(f)]));
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
        backButton_ = addButton(wizard::names::backButton, true);
    if (step < wizard::lastStep) {
        // The repayment period step can be left at once; every other step
        // waits for an accepted Enter in its last field.
        nextButton_ = addButton(wizard::names::nextButton, step == 9);
    } else {
        finishButton_ = addButton(wizard::names::finishButton, false);
        saveButton_ = addButton(wizard::names::saveButton, false);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addLayout(rows);
    layout->addStretch();
    layout->addSpacing(10);
    layout->addLayout(buttons_);
}

QPushButton* StepWindow::addButton(const wizard::names::Button& which, bool enabled) {
    auto* button = new QPushButton(text(which.text), this);
    button->setObjectName(QString::fromLatin1(which.name));
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
