#include "basic_details/wizard.h"

#include "basic_details/emi.h"
#include "basic_details/project_details_window.h"
#include "basic_details/project_finish.h"
#include "basic_details/step_window.h"
#include "basic_details/wizard_guru.h"
#include "shell/guru_window.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "storage/details_file.h"
#include "storage/registries.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lendora {

namespace {
const QString objectNameOfWizard = QStringLiteral("basicDetailsWizard");
const QString planWindow = QStringLiteral("frmProjectPlan");
} // namespace

BasicDetailsWizard::BasicDetailsWizard(MainWindow& mother)
    : QObject(&mother)
    , mother_(mother) {
    setObjectName(objectNameOfWizard);
}

BasicDetailsWizard& BasicDetailsWizard::of(MainWindow& mother) {
    if (auto* wizard =
            mother.findChild<BasicDetailsWizard*>(objectNameOfWizard, Qt::FindDirectChildrenOnly))
        return *wizard;
    return *new BasicDetailsWizard(mother);
}

StepWindow* BasicDetailsWizard::stepWindow(int step) {
    QPointer<StepWindow>& slot = steps_[size_t(step)];
    if (!slot) {
        mother_.obtain(slot, step);
        connectStep(slot);
    }
    return slot;
}

StepWindow* BasicDetailsWizard::loadedStep(int step) const {
    return steps_[size_t(step)];
}

ProjectDetailsWindow* BasicDetailsWizard::detailsWindow() {
    return mother_.obtain(details_);
}

void BasicDetailsWizard::connectStep(StepWindow* window) {
    const int step = window->step();
    for (int f = 0; f < window->fieldCount(); ++f)
        connect(window->field(f), &QLineEdit::returnPressed, this,
                [this, step, f] { enterPressed(step, f); });
    if (window->cmdBack())
        connect(window->cmdBack(), &QPushButton::clicked, this, [this, step] { back(step); });
    if (window->cmdNext())
        connect(window->cmdNext(), &QPushButton::clicked, this, [this, step] { next(step); });
    if (window->cmdFinish()) {
        connect(window->cmdFinish(), &QPushButton::clicked, this, &BasicDetailsWizard::finish);
        connect(window->cmdSave(), &QPushButton::clicked, this, &BasicDetailsWizard::save);
        // A last step opened afresh after the user closed it can still store
        // the project that Finish assembled.
        window->cmdSave()->setEnabled(finished_.has_value());
    }
}

int BasicDetailsWizard::belowProjects() {
    return mother_.projectsSize().height();
}

void BasicDetailsWizard::showGuru(const wizard::GuruText& text) {
    mother_.guru().show(text.text, text.helpContext);
}

wizard::FieldTexts BasicDetailsWizard::fieldTexts() const {
    wizard::FieldTexts texts;
    for (int s = 1; s <= wizard::stepCount; ++s)
        if (StepWindow* window = loadedStep(s))
            for (int f = 0; f < window->fieldCount(); ++f)
                texts.at(s, f) = window->field(f)->text();
    return texts;
}

void BasicDetailsWizard::showFirstStep(int projectNumber) {
    StepWindow* first = stepWindow(1);
    mother_.place(first, 0, belowProjects());
    mother_.showChild(first);
    first->lblProjectID()->setText(QString::number(projectNumber));
    first->field(0)->setFocus();
}

void BasicDetailsWizard::start() {
    const int number = mother_.workingCopy().nextProjectNumber();
    finishUsed_ = false;
    for (int s = 2; s <= wizard::stepCount; ++s)
        mother_.hideChild(loadedStep(s));
    showFirstStep(number);
    mother_.hideChildren({planWindow});
    showGuru(wizard::enteringText(1, number, fieldTexts()));
}

void BasicDetailsWizard::next(int step) {
    const int target = step + 1;
    StepWindow* to = stepWindow(target);
    mother_.place(to, 0, belowProjects());
    to->enter(fieldTexts());
    mother_.showChild(to);
    to->field(0)->setFocus();
    if (step == 9) {
        const wizard::FieldTexts t = fieldTexts();
        const auto emi =
            EMI_values({t.at(7, 0), t.at(7, 1), t.at(7, 2)}, {t.at(5, 0), t.at(5, 1), t.at(5, 2)},
                       {t.at(9, 0), t.at(9, 1), t.at(9, 2)});
        if (emi)
            for (int b = 0; b < 3; ++b)
                to->field(b)->setText((*emi)[size_t(b)]);
    }
    showGuru(wizard::enteringText(target, 0, fieldTexts()));
    mother_.hideChild(loadedStep(step));
}

void BasicDetailsWizard::back(int step) {
    StepWindow* to = stepWindow(wizard::backTarget(step));
    mother_.place(to, 0, belowProjects());
    mother_.showChild(to);
    if (const auto text = wizard::backText(step, fieldTexts()))
        showGuru(*text);
    mother_.hideChild(loadedStep(step));
}

void BasicDetailsWizard::enterPressed(int step, int field) {
    StepWindow* window = loadedStep(step);
    if (!window)
        return;
    const wizard::FieldTexts texts = fieldTexts();
    if (!wizard::accepts(wizard::step(step).kind, texts.at(step, field))) {
        ui::inform(window, wizard::refusal(step, field, texts));
        return;
    }
    if (mother_.guruOn())
        if (const auto text = wizard::acceptedText(step, field, texts))
            showGuru(*text);
    if (field + 1 < window->fieldCount()) {
        window->field(field + 1)->setFocus();
        return;
    }
    if (window->cmdNext())
        window->cmdNext()->setEnabled(true);
    // Finish serves once per pass of the wizard.
    if (window->cmdFinish() && !finishUsed_)
        window->cmdFinish()->setEnabled(true);
    if (step == 3)
        window->cmdNext()->setFocus();
}

void BasicDetailsWizard::finish() {
    WorkingCopy& copy = mother_.workingCopy();
    // The new project takes the next free row. The first step shows that
    // number, unless the Basic Details viewer has since put a listed
    // project's number there; Finish never writes over a listed project.
    const int n = copy.nextProjectNumber();
    StepWindow* first = stepWindow(1);
    first->lblProjectID()->setText(QString::number(n));

    const wizard::FieldTexts texts = fieldTexts();
    finish::addProjectRow(copy.projects, n, texts);

    ProjectDetailsWindow* window = detailsWindow();
    const int right = mother_.projectsSize().width();
    mother_.place(window, right, 0);
    window->setProjectName(texts.projectName());
    mother_.showChild(window, false);
    finished_ = Finished{n, finish::detailsTable(texts)};
    window->table() = finished_->table;

    if (StepWindow* last = loadedStep(wizard::lastStep)) {
        last->cmdSave()->setEnabled(true);
        last->cmdFinish()->setEnabled(false);
    }
    finishUsed_ = true;
    mother_.guru().showAt(guru::Guru_Finish(texts.projectName()), right,
                          mother_.childSize(window).height());
}

void BasicDetailsWizard::save() {
    if (!finished_)
        return;
    StepWindow* last = loadedStep(wizard::lastStep);
    const RecordFolder& folder = mother_.folder();
    const int n = finished_->number;
    // The three files in order; a failure is reported and stops the save,
    // and a second Save goes on from the file that failed.
    for (int& done = finished_->filesWritten; done < 3; ++done) {
        WriteStatus status;
        if (done == 0)
            status = appendProject(folder, mother_.workingCopy().projects, n);
        else if (done == 1)
            status = details::write(folder, n, finished_->table);
        else
            status = folder.writeFlag(registry::projectsFlag);
        if (!ui::reportWrite(last, status))
            return;
    }
    finished_.reset();
    if (last)
        last->cmdSave()->setEnabled(false);
}

} // namespace lendora
