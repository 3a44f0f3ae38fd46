#include "shell/commands.h"

#include "analysis/analysis_guru.h"
#include "analysis/analysis_window.h"
#include "shell/guru_window.h"
#include "shell/main_window.h"
#include "shell/projects_window.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>
#include <memory>

namespace lendora {

namespace {

// Analysis: the window opened for the plan selected in the All Projects
// window, always afresh from the plan's files, below the All Projects window.
void openAnalysis(MainWindow& mother, QPointer<AnalysisWindow>& slot) {
    const int planRow = mother.projects().lblPPSel();
    AnalysisWindow* window = mother.obtain(slot, mother);
    window->openFor(planRow);
    const int top = mother.projectsSize().height();
    mother.place(window, 0, top);
    // The window takes the width of the main window and the height below the
    // All Projects window, so the tables and charts are seen without scrolling.
    if (auto* child = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        const QSize area = mother.mdiArea()->viewport()->size();
        const QSize least = window->minimumSizeHint();
        child->resize(std::max(area.width(), least.width()),
                      std::max(area.height() - top, least.height()));
    }
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
