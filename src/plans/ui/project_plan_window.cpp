#include "plans/ui/project_plan_window.h"

#include "audience/segment_file.h"
#include "plans/plan_guru.h"
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

using namespace Qt::StringLiterals;

namespace {

QGroupBox* frame(const QString& name, const QString& caption, QWidget* content) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(content);
    return box;
}

QPushButton* button(const QString& name, const QString& caption, bool enabled) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
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
    setObjectName(u"frmProjectPlan"_s);
    setWindowTitle(u"Project Plan"_s);

    // Headings of all five tables, written once when the window is made.
    projects_.setHeadings(plans::projectHeadings());
    details_.setHeadings(plans::detailHeadings());
    audiences_.setHeadings(plans::audienceHeadings());
    segments_.setHeadings(segments::headings());

    auto* projectView = new ui::GridView(projects_, u"MSFG_BasicDetails"_s);
    auto* detailView = new ui::GridView(details_, u"MSFG_BA"_s);
    auto* audienceView = new ui::GridView(audiences_, u"MSFG_TA"_s);
    auto* segmentView = new ui::GridView(segments_, u"MSFG_Segments"_s);
    planView_ = new ui::GridView(plans_.grid, u"MSFG_ProjectPlans"_s);

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

    cmdAdd_ = button(u"cmdAdd"_s, u"Add"_s, true);
    cmdEdit_ = button(u"cmdEdit"_s, u"Edit"_s, false);
    cmdDelete_ = button(u"cmdDelete"_s, u"Delete"_s, false);
    cmdSave_ = button(u"cmdSave"_s, u"Save"_s, true);
    cmdCancel_ = button(u"cmdCancel"_s, u"Cancel"_s, false);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd_, cmdEdit_, cmdDelete_, cmdCancel_, cmdSave_})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* planArea = new QWidget;
    auto* planLayout = new QHBoxLayout(planArea);
    planLayout->setContentsMargins(0, 0, 0, 0);
    planLayout->addWidget(planView_, 1);
    planLayout->addLayout(buttons);

    fraBA_ = frame(u"fraBA"_s, u"Basic Details for "_s, detailView);
    fraTASegment_ = frame(u"fraTASegment"_s, u"Segments of "_s, segmentView);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame(u"Frame1"_s, u"Basic Details"_s, projectView), 0, 0);
    layout->addWidget(frame(u"Frame2"_s, u"Target Audience"_s, audienceView), 0, 1);
    layout->addWidget(fraTASegment_, 0, 2);
    layout->addWidget(fraBA_, 1, 0, 1, 3);
    layout->addWidget(frame(u"Frame3"_s, u"Project Plan"_s, planArea), 2, 0, 1, 3);
    layout->setColumnStretch(0, 4);
    layout->setColumnStretch(1, 3);
    layout->setColumnStretch(2, 3);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(2, 1);

    connect(projectView, &ui::GridView::gridRowClicked, this, &ProjectPlanWindow::projectClicked);
    connect(audienceView, &ui::GridView::gridRowClicked, this, &ProjectPlanWindow::audienceClicked);
    connect(planView_, &ui::GridView::gridRowClicked, this, &ProjectPlanWindow::planClicked);
    connect(cmdAdd_, &QPushButton::clicked, this, &ProjectPlanWindow::add);
    connect(cmdEdit_, &QPushButton::clicked, this, &ProjectPlanWindow::edit);
    connect(cmdDelete_, &QPushButton::clicked, this, &ProjectPlanWindow::remove);
    connect(cmdCancel_, &QPushButton::clicked, this, &ProjectPlanWindow::endEditing);
    connect(cmdSave_, &QPushButton::clicked, this, &ProjectPlanWindow::save);
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
    lblPPIndex_ = plans_.trailingRow();
    endEditing();
}

void ProjectPlanWindow::projectClicked(int row) {
    if (row == projects_.rowCount() - 1) {
        ui::inform(this, u"No Basic Details selected"_s);
        return;
    }
    lblBASelect_ = row;
    fraBA_->setTitle(shownText(u"Basic Details for "_s + projects_.text(row, 1)));
    details_ = plantables::detailsTable(workspace_.projectDetails(row), plans::detailHeadings());
    desk_.guru().setText(guru::planProjectSelected());
}

void ProjectPlanWindow::audienceClicked(int row) {
    if (row == audiences_.rowCount() - 1) {
        ui::inform(this, u"No Target Audience Selected"_s);
        return;
    }
    lblTASelect_ = row;
    fraTASegment_->setTitle(shownText(u"Segments of "_s + audiences_.text(row, 1)));
    segments_ = plantables::segmentsTable(workspace_.segments(row), segments::headings());
    desk_.guru().setText(guru::planAudienceSelected());
}

void ProjectPlanWindow::planClicked(int row) {
    if (row == plans_.trailingRow()) {
        ui::inform(this, u"No Project Plan selected!"_s);
        return;
    }
    if (!plans::editable(plans_.grid, row)) {
        ui::inform(this, u"Project plan not editable anymore"_s);
        return;
    }
    lblPPSelect_ = row;
    cmdAdd_->setEnabled(false);
    cmdEdit_->setEnabled(true);
    cmdCancel_->setEnabled(true);
    cmdDelete_->setEnabled(true);
}

bool ProjectPlanWindow::refused(plans::Refusal refusal) {
    switch (refusal) {
    case plans::Refusal::None:
        return false;
    case plans::Refusal::NoProject:
        ui::inform(this, u"No Basic Details selected"_s);
        break;
    case plans::Refusal::NoAudience:
        ui::inform(this, u"No Target Audience Selected"_s);
        break;
    case plans::Refusal::Duplicate:
        ui::inform(this, u"This Project Plan already exists!"_s);
        break;
    }
    return true;
}

void ProjectPlanWindow::add() {
    if (refused(plans::checkPlan(plans_.grid, projects_, audiences_, lblBASelect_, lblTASelect_)))
        return;
    ui::inform(this, u"New Project Plan"_s);
    const int n = lblPPIndex_;
    plans::addPlan(plans_, projects_, audiences_, lblBASelect_, lblTASelect_, n);
    lblPPIndex_ = n + 1;
}

bool ProjectPlanWindow::selectionEditable() {
    const int p = lblPPSelect_;
    if (p >= 1 && p <= plans_.planCount() && plans::editable(plans_.grid, p))
        return true;
    ui::inform(this, u"Project plan not editable anymore"_s);
    endEditing();
    return false;
}

void ProjectPlanWindow::edit() {
    if (!selectionEditable())
        return;
    const int p = lblPPSelect_;
    if (refused(
            plans::checkPlan(plans_.grid, projects_, audiences_, lblBASelect_, lblTASelect_, p)))
        return;
    plans::editPlan(plans_, projects_, audiences_, p, lblBASelect_, lblTASelect_);
    endEditing();
}

void ProjectPlanWindow::remove() {
    const QString question =
        u"Deleting cannot be undone.Do still you want to delete this project plan?\r\n"
        "Deletion will not be updated unless saved."_s;
    if (!selectionEditable())
        return;
    if (ui::askYesNo(this, question)) {
        // The plan selected for editing goes, whichever row was clicked since.
        if (plans::deletePlan(plans_, lblPPSelect_) == 0)
            ui::inform(this, u"No project plans available        "_s);
        lblPPIndex_ = plans_.trailingRow();
    }
    endEditing();
}

void ProjectPlanWindow::endEditing() {
    cmdAdd_->setEnabled(true);
    cmdEdit_->setEnabled(false);
    cmdCancel_->setEnabled(false);
    cmdDelete_->setEnabled(false);
}

void ProjectPlanWindow::save() {
    const WriteStatus status = workspace_.savePlans(plans_.drafts());
    // The saved plans are plans 1 to N now, each under its id.
    if (status.ok()) {
        for (int row = 1; row <= plans_.planCount(); ++row)
            plans_.ids[size_t(row)] = workspace_.plan(row)->id;
    }
    lblPPIndex_ = plans_.trailingRow();
    if (ui::reportWrite(this, status))
        ui::inform(this, u"Project Plan Saved"_s);
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
