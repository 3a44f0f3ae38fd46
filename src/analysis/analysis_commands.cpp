#include "shell/commands.h"

#include "analysis/analysis_guru.h"
#include "analysis/analysis_window.h"
#include "shell/guru_window.h"
#include "shell/main_window.h"
#include "shell/projects_window.h"

#include <QAction>
#include <QPointer>

#include <memory>

namespace lendora {

namespace {

// Analysis: the window opened for the plan selected in the All Projects
// window, always afresh from the plan's files, below the All Projects window.
void openAnalysis(MainWindow& mother, QPointer<AnalysisWindow>& slot) {
    const int planRow = mother.projects().lblPPSel();
    AnalysisWindow* window = mother.obtain(slot, mother);
    window->openFor(planRow);
    mother.place(window, 0, mother.projectsSize().height());
    mother.showChild(window);
    if (mother.guruOn())
        mother.guru().show(guru::aboutAnalysis());
}

} // namespace

void installAnalysisCommands(MainWindow& mother) {
    auto window = std::make_shared<QPointer<AnalysisWindow>>();
    QObject::connect(mother.entry(QStringLiteral("mnuNewAnalysis")), &QAction::triggered, &mother,
                     [&mother, window] { openAnalysis(mother, *window); });
}

} // namespace lendora
