#include "plans/ui/project_plan_window.h"

#include "audience/segment_file.h"
#include "plans/plan_guru.h"
#include "plans/ui/project_plan_names.h"
#include "storage/details_file.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"
#include "widgets/messages.h"
#include "workspace/plan_tables.h"
#include "workspace/workspace.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <iterator>

namespace lendora {

namespace names = plans::names;

namespace {

QGroupBox* frame(const char* name, const QString& caption, QWidget* content) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(content);
    return box;
}

QPushButton* button(const plans::names::Button& which, bool enabled) {
    auto* b = new QPushButton(ProjectPlanWindow::tr(which.text));
    b->setObjectName(QString::fromLatin1(which.name));
    b->setEnabled(enabled);
    b->setMinimumWidth(84);
    return b;
}

} // namespace

ProjectPlanWindow::ProjectPlanWindow(ui::Desk& desk, Workspace& workspace)
    : desk_(desk)
    , workspace_(workspace)
    , projects_(2, 3)
    , details_(4, details::columnCount)
    , audiences_(2, 2)
    , segments_(2, 2) {
    setObjectName(QString::fromLatin1(names::window));
    setWindowTitle(tr(names::caption));

    // Headings of all five tables, written once when the window is made.
    projects_.setHeadings(plans::projectHeadings());
    details_.setHeadings(plans::detailHeadings());
    audiences_.setHeadings(plans::audienceHeadings());
    segments_.setHeadings(segments::headings());

    auto* projectView = new ui::GridView(projects_, QString::fromLatin1(names::projectsTable));
    auto* detailView = new ui::GridView(details_, QString::fromLatin1(names::detailsTable));
    auto* audienceView = new ui::GridView(audiences_, QString::fromLatin1(names::audiencesTable));
    auto* segmentView = new ui::GridView(segments_, QString::fromLatin1(names::segmentsTable));
    planView_ = new ui::GridView(plans_.grid, QString::fromLatin1(names::plansTable));

    projectView->setColumnWidth(0, 32);
    projectView->setColumnWidth(1, 150);
    audienceView->setColumnWidth(0, 32);
    segmentView->setColumnWidth(0, 32);
    // Each details column as wide as its heading; names get more room.
    const QFontMetrics headingMetrics(detailView->horizontalHeader()->font());
    for (int c = 0; c < details::columnCount; ++c)
        detailView->setColumnWidth(
            c, std::max(headingMetrics.horizontalAdvance(details_.text(0, c)) + 12, 56));
    detailView->setColumnWidth(details::name, 104);
    const int widths[] = {32, 110, 140, 124, 150, 72};
    for (int c = 0; c < int(std::size(widths)); ++c)
        planView_->setColumnWidth(c, widths[c]);
    for (ui::GridView* view : {projectView, audienceView, segmentView})
        view->setMinimumHeight(104);
    // Room for the three rows of the details file and the headings.
    detailView->setFixedHeight(detailView->horizontalHeader()->sizeHint().height() +
                               3 * detailView->verticalHeader()->defaultSectionSize() + 2 +
                               detailView->horizontalScrollBar()->sizeHint().height());
    planView_->setMinimumHeight(120);

    addButton_ = button(names::addButton, true);
    editButton_ = button(names::editButton, false);
    deleteButton_ = button(names::deleteButton, false);
    saveButton_ = button(names::saveButton, true);
    cancelButton_ = button(names::cancelButton, false);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {addButton_, editButton_, deleteButton_, cancelButton_, saveButton_})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* planArea = new QWidget;
    auto* planLayout = new QHBoxLayout(planArea);
    planLayout->setContentsMargins(0, 0, 0, 0);
    planLayout->addWidget(planView_, 1);
    planLayout->addLayout(buttons);

    detailsFrame_ = frame(names::detailsFrame, tr(names::detailsFor), detailView);
    segmentsFrame_ = frame(names::segmentsFrame, tr(names::segmentsOf), segmentView);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame(names::projectsFrame, tr(names::projectsText), projectView), 0, 0);
    layout->addWidget(frame(names::audiencesFrame, tr(names::audiencesText), audienceView), 0, 1);
    layout->addWidget(segmentsFrame_, 0, 2);
    layout->addWidget(detailsFrame_, 1, 0, 1, 3);
    layout->addWidget(frame(names::plansFrame, tr(names::plansText), planArea), 2, 0, 1, 3);
    layout->setColumnStretch(0, 4);
    layout->setColumnStretch(1, 3);
    layout->setColumnStretch(2, 3);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(2, 1);

    connect(projectView, &ui::GridView::gridRowClicked, this, &ProjectPlanWindow::projectClicked);
    connect(audienceView, &ui::GridView::gridRowClicked, this, &ProjectPlanWindow::audienceClicked);
    connect(planView_, &ui::GridView::gridRowClicked, this, &ProjectPlanWindow::planClicked);
    connect(addButton_, &QPushButton::clicked, this, &ProjectPlanWindow::add);
    connect(editButton_, &QPushButton::clicked, this, &ProjectPlanWindow::edit);
    connect(deleteButton_, &QPushButton::clicked, this, &ProjectPlanWindow::remove);
    connect(cancelButton_, &QPushButton::clicked, this, &ProjectPlanWindow::endEditing);
    connect(saveButton_, &QPushButton::clicked, this, &ProjectPlanWindow::save);
    // Poll data or an analysis saved meanwhile: the plan's row shows its flags
    // (a plan with poll data is final).
    connect(&workspace_, &Workspace::planChanged, this, [this](PlanId id) {
        if (const Plan* changed = workspace_.plan(id))
            plans_.showFlags(*changed);
    });
    // The registries read again: a save of plans listed from before would
    // drop the plans another copy saved meanwhile.
    connect(&workspace_, &Workspace::reloaded, this, &ProjectPlanWindow::reload);
}

QSize ProjectPlanWindow::sizeHint() const {
    return {980, 500};
}

void ProjectPlanWindow::reload() {
    const int p = workspace_.projectCount() + 2;
    projects_.reset(p, 3);
    projects_.setHeadings(plans::projectHeadings());
    for (int i = 1; i <= p - 1; ++i) {
        projects_.setText(i, 0, QString::number(i));
        if (const Project* project = workspace_.project(i)) {
            projects_.setText(i, 1, project->name);
            projects_.setText(i, 2, project->product);
        }
    }
    const int a = workspace_.audienceCount() + 2;
    audiences_.reset(a, 2);
    audiences_.setHeadings(plans::audienceHeadings());
    for (int i = 1; i <= a - 1; ++i) {
        audiences_.setText(i, 0, QString::number(i));
        if (const Audience* audience = workspace_.audience(i))
            audiences_.setText(i, 1, audience->definition);
    }
    plans_.load(workspace_);
    nextPlanRow_ = plans_.trailingRow();
    endEditing();
}

void ProjectPlanWindow::projectClicked(int row) {
    if (row == projects_.rowCount() - 1) {
        ui::inform(this, tr(names::noProjectMessage));
        return;
    }
    selectedProject_ = row;
    detailsFrame_->setTitle(shownText(tr(names::detailsFor) + projects_.text(row, 1)));
    details_ = plantables::detailsTable(workspace_.projectDetails(row), plans::detailHeadings());
    desk_.guru().setText(guru::planProjectSelected());
}

void ProjectPlanWindow::audienceClicked(int row) {
    if (row == audiences_.rowCount() - 1) {
        ui::inform(this, tr(names::noAudienceMessage));
        return;
    }
    selectedAudience_ = row;
    segmentsFrame_->setTitle(shownText(tr(names::segmentsOf) + audiences_.text(row, 1)));
    segments_ = plantables::segmentsTable(workspace_.segments(row), segments::headings());
    desk_.guru().setText(guru::planAudienceSelected());
}

void ProjectPlanWindow::planClicked(int row) {
    if (row == plans_.trailingRow()) {
        ui::inform(this, tr(names::noPlanMessage));
        return;
    }
    if (!plans::editable(plans_.grid, row)) {
        ui::inform(this, tr(names::notEditableMessage));
        return;
    }
    selectedPlan_ = row;
    addButton_->setEnabled(false);
    editButton_->setEnabled(true);
    cancelButton_->setEnabled(true);
    deleteButton_->setEnabled(true);
}

bool ProjectPlanWindow::refused(plans::Refusal refusal) {
    switch (refusal) {
    case plans::Refusal::None:
        return false;
    case plans::Refusal::NoProject:
        ui::inform(this, tr(names::noProjectMessage));
        break;
    case plans::Refusal::NoAudience:
        ui::inform(this, tr(names::noAudienceMessage));
        break;
    case plans::Refusal::Duplicate:
        ui::inform(this, tr(names::duplicateMessage));
        break;
    }
    return true;
}

void ProjectPlanWindow::add() {
    if (refused(plans::checkPlan(plans_.grid, projects_, audiences_, selectedProject_,
                                 selectedAudience_)))
        return;
    ui::inform(this, tr(names::addedMessage));
    const int n = nextPlanRow_;
    plans::addPlan(plans_, projects_, audiences_, selectedProject_, selectedAudience_, n);
    nextPlanRow_ = n + 1;
}

bool ProjectPlanWindow::selectionEditable() {
    const int p = selectedPlan_;
    if (p >= 1 && p <= plans_.planCount() && plans::editable(plans_.grid, p))
        return true;
    ui::inform(this, tr(names::notEditableMessage));
    endEditing();
    return false;
}

void ProjectPlanWindow::edit() {
    if (!selectionEditable())
        return;
    const int p = selectedPlan_;
    if (refused(plans::checkPlan(plans_.grid, projects_, audiences_, selectedProject_,
                                 selectedAudience_, p)))
        return;
    plans::editPlan(plans_, projects_, audiences_, p, selectedProject_, selectedAudience_);
    endEditing();
}

void ProjectPlanWindow::remove() {
    if (!selectionEditable())
        return;
    if (ui::askYesNo(this, tr(names::deleteQuestion))) {
        // The plan selected for editing goes, whichever row was clicked since.
        if (plans::deletePlan(plans_, selectedPlan_) == 0)
            ui::inform(this, tr(names::noPlansLeftMessage));
        nextPlanRow_ = plans_.trailingRow();
    }
    endEditing();
}

void ProjectPlanWindow::endEditing() {
    addButton_->setEnabled(true);
    editButton_->setEnabled(false);
    cancelButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
}

void ProjectPlanWindow::save() {
    const WriteStatus status = workspace_.savePlans(plans_.drafts());
    // The saved plans are plans 1 to N now, each under its id.
    if (status.ok()) {
        for (int row = 1; row <= plans_.planCount(); ++row)
            plans_.ids[size_t(row)] = workspace_.plan(row)->id;
    }
    nextPlanRow_ = plans_.trailingRow();
    if (ui::reportWrite(this, status))
        ui::inform(this, tr(names::savedMessage));
}

void openProjectPlan(ui::Desk& desk, Workspace& workspace, QPointer<ProjectPlanWindow>& slot) {
    ProjectPlanWindow* window = desk.obtain(slot, desk, workspace);
    window->reload();
    desk.place(window, 0, desk.projectsSize().height());
    desk.showChild(window);
    if (desk.guruOn())
        desk.guru().showAt(guru::projectPlan(), desk.childSize(window).width(), 0);
}

} // namespace lendora
