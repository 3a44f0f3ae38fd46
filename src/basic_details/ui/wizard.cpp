#include "basic_details/ui/wizard.h"

#include "basic_details/emi.h"
#include "basic_details/project_finish.h"
#include "basic_details/ui/project_details_window.h"
#include "basic_details/ui/step_window.h"
#include "basic_details/wizard_guru.h"
#include "plans/ui/project_plan_names.h"
#include "widgets/desk.h"
#include "widgets/guru_window.h"
#include "widgets/messages.h"
#include "workspace/workspace.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lendora {

using namespace Qt::StringLiterals;

BasicDetailsWizard::BasicDetailsWizard(ui::Desk& desk, Workspace& workspace, QObject* parent)
    : QObject(parent)
    , desk_(desk)
    , workspace_(workspace) {
    setObjectName(u"basicDetailsWizard"_s);
    connect(&workspace_, &Workspace::reloaded, this, &BasicDetailsWizard::followReload);
}

StepWindow* BasicDetailsWizard::stepWindow(int step) {
    QPointer<StepWindow>& slot = steps_[size_t(step)];
    if (!slot) {
        desk_.obtain(slot, step);
        connectStep(slot);
    }
    return slot;
}

StepWindow* BasicDetailsWizard::loadedStep(int step) const {
    return steps_[size_t(step)];
}

ProjectDetailsWindow* BasicDetailsWizard::detailsWindow() {
    return desk_.obtain(details_);
}

void BasicDetailsWizard::connectStep(StepWindow* window) {
    const int step = window->step();
    for (int f = 0; f < window->fieldCount(); ++f)
        connect(window->field(f), &QLineEdit::returnPressed, this,
                [this, step, f] { enterPressed(step, f); });
    if (window->backButton())
        connect(window->backButton(), &QPushButton::clicked, this, [this, step] { back(step); });
    if (window->nextButton())
        connect(window->nextButton(), &QPushButton::clicked, this, [this, step] { next(step); });
    if (window->finishButton()) {
        connect(window->finishButton(), &QPushButton::clicked, this, &BasicDetailsWizard::finish);
        connect(window->saveButton(), &QPushButton::clicked, this, &BasicDetailsWizard::save);
        // A last step opened afresh after the user closed it can still store
        // the project that Finish assembled.
        window->saveButton()->setEnabled(finished_.has_value());
    }
}

int BasicDetailsWizard::belowProjects() {
    return desk_.projectsSize().height();
}

void BasicDetailsWizard::showGuru(const wizard::GuruText& text) {
    desk_.guru().show(text.text, text.helpContext);
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
    desk_.place(first, 0, belowProjects());
    desk_.showChild(first);
    first->projectNumber()->setText(QString::number(projectNumber));
    first->field(0)->setFocus();
}

void BasicDetailsWizard::start() {
    const int number = workspace_.nextProjectNumber();
    finishUsed_ = false;
    for (int s = 2; s <= wizard::stepCount; ++s)
        desk_.hideChild(loadedStep(s));
    showFirstStep(number);
    desk_.hideChildren({QString::fromLatin1(plans::names::window)});
    showGuru(wizard::enteringText(1, number, fieldTexts()));
}

void BasicDetailsWizard::next(int step) {
    const int target = step + 1;
    StepWindow* to = stepWindow(target);
    desk_.place(to, 0, belowProjects());
    to->enter(fieldTexts());
    desk_.showChild(to);
    to->field(0)->setFocus();
    if (step == 9) {
        const wizard::FieldTexts t = fieldTexts();
        const auto emi = monthlyInstalments({t.at(7, 0), t.at(7, 1), t.at(7, 2)},
                                            {t.at(5, 0), t.at(5, 1), t.at(5, 2)},
                                            {t.at(9, 0), t.at(9, 1), t.at(9, 2)});
        if (emi)
            for (int b = 0; b < 3; ++b)
                to->field(b)->setText((*emi)[size_t(b)]);
    }
    showGuru(wizard::enteringText(target, 0, fieldTexts()));
    desk_.hideChild(loadedStep(step));
}

void BasicDetailsWizard::back(int step) {
    StepWindow* to = stepWindow(wizard::backTarget(step));
    desk_.place(to, 0, belowProjects());
    desk_.showChild(to);
    if (const auto text = wizard::backText(step, fieldTexts()))
        showGuru(*text);
    desk_.hideChild(loadedStep(step));
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
    if (desk_.guruOn())
        if (const auto text = wizard::acceptedText(step, field, texts))
            showGuru(*text);
    if (field + 1 < window->fieldCount()) {
        window->field(field + 1)->setFocus();
        return;
    }
    if (window->nextButton())
        window->nextButton()->setEnabled(true);
    // Finish serves once per pass of the wizard.
    if (window->finishButton() && !finishUsed_)
        window->finishButton()->setEnabled(true);
    if (step == 3)
        window->nextButton()->setFocus();
}

void BasicDetailsWizard::finish() {
    // The new project takes the next free number. The first step shows that
    // number, unless the Basic Details viewer has since put a listed
    // project's number there; Finish never writes over a listed project.
    const wizard::FieldTexts texts = fieldTexts();
    const Project project = finish::project(texts);
    const int n = workspace_.addProject(project);
    StepWindow* first = stepWindow(1);
    first->projectNumber()->setText(QString::number(n));

    ProjectDetailsWindow* window = detailsWindow();
    const int right = desk_.projectsSize().width();
    desk_.place(window, right, 0);
    window->setProjectName(texts.projectName());
    desk_.showChild(window, false);
    finished_ = Finished{n, project, finish::projectDetails(texts)};
    window->showFinished(finished_->details);

    if (StepWindow* last = loadedStep(wizard::lastStep)) {
        last->saveButton()->setEnabled(true);
        last->finishButton()->setEnabled(false);
    }
    finishUsed_ = true;
    desk_.guru().showAt(guru::finished(texts.projectName()), right,
                        desk_.childSize(window).height());
}

void BasicDetailsWizard::followReload() {
    if (!finished_)
        return;
    finished_->number = workspace_.addProject(finished_->project);
    if (StepWindow* first = loadedStep(1))
        first->projectNumber()->setText(QString::number(finished_->number));
}

void BasicDetailsWizard::save() {
    if (!finished_)
        return;
    StepWindow* last = loadedStep(wizard::lastStep);
    // "Prj.lnd", the details file and "flag.lnd" are written as a whole; a
    // failure is reported and a second Save tries them again.
    if (!ui::reportWrite(last, workspace_.saveProject(finished_->number, finished_->details)))
        return;
    finished_.reset();
    if (last)
        last->saveButton()->setEnabled(false);
}

} // namespace lendora
