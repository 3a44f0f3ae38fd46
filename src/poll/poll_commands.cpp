#include "shell/commands.h"

#include "basic_details/wizard_steps.h"
#include "poll/poll_entry.h"
#include "poll/poll_tables.h"
#include "poll/poll_window.h"
#include "shell/main_window.h"
#include "shell/projects_window.h"

#include <QAction>
#include <QPointer>

#include <memory>

namespace lendora {

namespace {

// The windows that make way for the poll window: the Basic Details steps
// and the questionnaire preview.
const QStringList windowsToHide = wizard::windowNames() << QStringLiteral("frmQuestionairePreview");

// New (stored = false) and Open (stored = true) Poll Results for the plan
// selected in the All Projects window. Every opening starts the window
// afresh for that plan: its tables are rebuilt from the files, so state
// left from an earlier opening would describe counts no longer shown.
void openPollResults(MainWindow& mother, QPointer<PollDataEntryWindow>& slot, bool stored) {
    const int planRow = mother.projects().lblPPSel();
    const poll::PlanRef plan = poll::planRef(mother.workingCopy().plans, planRow);
    PollDataEntryWindow* window = mother.obtain(slot, mother);
    window->startFor(planRow);
    if (stored) {
        const poll::OpenSteps steps = poll::openSteps(plan.pollFlag);
        for (int product : steps.loads)
            window->loadProduct(product);
        if (steps.tab >= 0)
            window->selectTab(steps.tab);
    } else {
        window->selectTab(poll::product::own);
    }
    mother.place(window, 0, mother.projectsSize().height());
    window->setWindowTitle(poll::windowCaption(plan));
    mother.showChild(window);
    mother.hideChildren(windowsToHide);
    window->focusEntry();
}

} // namespace

void installPollCommands(MainWindow& mother) {
    auto window = std::make_shared<QPointer<PollDataEntryWindow>>();
    QObject::connect(mother.entry(QStringLiteral("mnuNPR")), &QAction::triggered, &mother,
                     [&mother, window] { openPollResults(mother, *window, false); });
    QObject::connect(mother.entry(QStringLiteral("mnuPRD")), &QAction::triggered, &mother,
                     [&mother, window] { openPollResults(mother, *window, true); });
}

} // namespace lendora
