#include "shell/projects_window.h"

#include "shell/grid_view.h"
#include "shell/guru_texts.h"
#include "shell/guru_window.h"
#include "shell/main_window.h"
#include "shell/menu_switching.h"
#include "shell/messages.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace lendora {

ProjectsWindow::ProjectsWindow(MainWindow& mother)
    : mother_(mother)
    , tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmProjects"));
    setWindowTitle(QStringLiteral("All Projects"));
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    WorkingCopy& copy = mother.workingCopy();
    auto* projects = new ui::GridView(copy.projects, QStringLiteral("MSFG_Projects"));
    auto* audiences = new ui::GridView(copy.audiences, QStringLiteral("MSFG_TargetAudience"));
    plansView_ = new ui::GridView(copy.plans, QStringLiteral("MSFG_ProjectPlans"));
    tabs_->addTab(projects, QStringLiteral("Basic Details"));
    tabs_->addTab(audiences, QStringLiteral("Target Audience"));
    tabs_->addTab(plansView_, QStringLiteral("Project Details"));
    connect(projects, &ui::GridView::gridRowClicked, this, &ProjectsWindow::projectClicked);
    connect(audiences, &ui::GridView::gridRowClicked, this, &ProjectsWindow::audienceClicked);
    connect(plansView_, &ui::GridView::gridRowClicked, this, &ProjectsWindow::planClicked);
    connect(&mother, &MainWindow::plansSaved, this, &ProjectsWindow::followSavedPlans);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs_);
    resize(620, 290);
}

void ProjectsWindow::selectTab(int index) {
    tabs_->setCurrentIndex(index);
}

void ProjectsWindow::projectClicked(int row) {
    lblRSelect_ = row;
    const Grid& projects = mother_.workingCopy().projects;
    if (projects.text(row, 1).isEmpty())
        return;
    if (mother_.guruOn())
        mother_.guru().show(guru::basicDetails(projects.text(row, 1), projects.text(row, 2),
                                               projects.text(row, 3)));
    mother_.setEntryEnabled(QStringLiteral("mnuXBD"), true);
}

void ProjectsWindow::audienceClicked(int row) {
    lblTASelect_ = row;
    const Grid& audiences = mother_.workingCopy().audiences;
    if (audiences.text(row, 1).isEmpty()) {
        ui::inform(this, QStringLiteral("No Target Audience Selected!"));
        return;
    }
    mother_.setEntryEnabled(QStringLiteral("mnuXPF"), true);
    if (mother_.guruOn())
        mother_.guru().show(guru::targetAudience(audiences.text(row, 1), audiences.text(row, 2)));
}

void ProjectsWindow::planClicked(int row) {
    const Grid& plans = mother_.workingCopy().plans;
    const QString projectName = plans.text(row, plan::projectName);
    const QString pollFlag = plans.text(row, plan::pollFlag);
    const QString analysisFlag = plans.text(row, plan::analysisFlag);
    lblPPSel_ = row;
    if (projectName.isEmpty()) {
        unselectPlan();
        ui::inform(this, QStringLiteral("No project plan selected!"));
        return;
    }
    selectedPlan_ = poll::planRef(plans, row);
    if (mother_.guruOn())
        mother_.guru().show(guru::projectPlans(plans.text(row, plan::id), projectName,
                                               plans.text(row, plan::audienceName), pollFlag));
    for (const MenuChange& change : planClickMenuChanges(pollFlag, analysisFlag))
        mother_.setEntryEnabled(change.entry, change.enabled);
}

void ProjectsWindow::followSavedPlans() {
    if (!selectedPlan_)
        return;
    const Grid& plans = mother_.workingCopy().plans;
    lblPPSel_ = poll::findPlanRow(plans, *selectedPlan_);
    plansView_->setCurrentGridRow(lblPPSel_);
    if (lblPPSel_ == 0)
        unselectPlan();
}

void ProjectsWindow::unselectPlan() {
    selectedPlan_.reset();
    for (const char* name : {"mnuQP", "mnuNPR", "mnuPRD", "mnuNewAnalysis"})
        mother_.setEntryEnabled(QString::fromLatin1(name), false);
}

} // namespace lendora
