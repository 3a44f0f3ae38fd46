#pragma once

#include "basic_details/wizard_steps.h"

#include <QWidget>

#include <array>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lendora {

// One step window of the Basic Details wizard ("frmNewProject" ...
// "frmFreebies"), built from its row of the step table: the labels and entry
// fields side by side, the buttons below. Step 1 also shows the project
// number (`lblProjectID`). What Enter and the buttons do is the wizard's.
class StepWindow : public QWidget {
    Q_OBJECT
public:
    explicit StepWindow(int step);

    int step() const { return step_; }
    int fieldCount() const { return wizard::step(step_).fieldCount; }
    QLineEdit* field(int index) const { return fields_[size_t(index)]; }
    // The label beside a field.
    QLabel* label(int index) const { return labels_[size_t(index)]; }

    // Step 1 only (null elsewhere): the number of the project being entered
    // (`lblProjectID`).
    QLabel* projectNumber() const { return projectNumber_; }
    // Null where the step has no such button: Back in step 1, Next in step
    // 11, Finish and Save outside step 11.
    QPushButton* backButton() const { return backButton_; }
    QPushButton* nextButton() const { return nextButton_; }
    QPushButton* finishButton() const { return finishButton_; }
    QPushButton* saveButton() const { return saveButton_; }

    // The caption and labels set when the step is entered through Next.
    void enter(const wizard::FieldTexts& texts);

    // One width for every step, so that the steps line up when they follow
    // each other in the same place.
    QSize sizeHint() const override;

private:
    QPushButton* addButton(const wizard::names::Button& which, bool enabled);

    int step_;
    std::array<QLineEdit*, 3> fields_{};
    std::array<QLabel*, 3> labels_{};
    QLabel* projectNumber_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
};

} // namespace lendora
