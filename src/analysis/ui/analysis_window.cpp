#include "analysis/ui/analysis_window.h"

#include "analysis/analysis_guru.h"
#include "analysis/analysis_models.h"
#include "analysis/analysis_names.h"
#include "analysis/analysis_session.h"
#include "analysis/analysis_workbook.h"
#include "analysis/ui/business_case_panel.h"
#include "analysis/ui/comparison_panel.h"
#include "analysis/ui/estimates_panel.h"
#include "analysis/ui/export_files.h"
#include "analysis/ui/panel_support.h"
#include "analysis/ui/sensitivity_panel.h"
#include "analysis/ui/strategy_entry_panel.h"
#include "analysis/ui/which_wins_panel.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"
#include "workspace/workspace.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace lendora {

using namespace analysis;

AnalysisWindow::AnalysisWindow(ui::Desk& desk, Workspace& workspace)
    : desk_(desk)
    , workspace_(workspace)
    , exports_(std::make_unique<ExportFiles>(this, workspace.folderPath())) {
    setObjectName(QString::fromLatin1(names::window));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QString::fromLatin1(names::outerTabs));
    tabs_->addTab(basicPage(), names::basicTab());
    tabs_->addTab(finalPage(), names::finalTab());
    businessCase_ = new BusinessCasePanel(desk_);
    tabs_->addTab(businessCase_, tr("Business case"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tabs_->widget(tab) == businessCase_)
            businessCase_->explainInGuru();
    });

    // The change flags of the strategies: the strategy values show what
    // each strategy changed, so the table stays out of sight.
    flagsModel_ = new AnalysisTableModel(AnalysisTable::ChangeFlags, this);
    auto* flags = newTable(flagsModel_, names::flagsTable);
    flags->setParent(this);
    flags->hide();

    progress_ = new QProgressBar;
    progress_->setObjectName(QString::fromLatin1(names::progressBar));
    progress_->setRange(0, 100);
    progress_->setFormat(tr("Working out the 90% intervals: %p%")); // "%p" alone is replaced
    progress_->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    layout->addWidget(progress_);
    connect(entry_, &StrategyEntryPanel::suggestionTaken, this,
            [this] { tabs_->setCurrentIndex(0); });
    connect(&workspace_, &Workspace::reloaded, this, &AnalysisWindow::followReload);
}

AnalysisWindow::~AnalysisWindow() {
    // The session's threads end before anything they report to goes.
    delete session_;
}

QSize AnalysisWindow::sizeHint() const {
    return {1268, 500};
}

QWidget* AnalysisWindow::basicPage() {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(names::basicPage));
    entry_ = new StrategyEntryPanel(desk_);
    // The reference values of the three brands, the estimates of the
    // strategy being analysed and the values of the strategies added so far.
    baseModel_ = new AnalysisTableModel(AnalysisTable::Base, this);
    baseTable_ = newTable(baseModel_, names::baseTable);
    baseFrame_ = newFrame(names::baseFrame, names::basicDetails(), baseTable_);
    estimates_ = new EstimatesPanel(desk_);
    valuesModel_ = new AnalysisTableModel(AnalysisTable::StrategyValues, this);
    QGroupBox* values = newFrame(names::strategiesFrame, tr("Strategies"),
                                 newTable(valuesModel_, names::valuesTable));

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QString::fromLatin1(names::basicSplit));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(baseFrame_);
    splitter->addWidget(estimates_);
    splitter->addWidget(values);
    splitter->setSizes({142, 150, 120});

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(entry_);
    layout->addWidget(splitter, 1);
    return page;
}

QWidget* AnalysisWindow::finalPage() {
    // The sensitivity panel under the comparison, shown on demand so that
    // the comparison keeps its room; "Which wins?" under its buttons.
    auto* showSensitivity = new QPushButton(tr("Sensitivity"));
    showSensitivity->setObjectName(QString::fromLatin1(names::sensitivityButton));
    showSensitivity->setCheckable(true);
    showSensitivity->setAutoDefault(false);
    showSensitivity->setToolTip(tr("Show how the forecast of a feature moves with its new value"));
    whichWins_ = new WhichWinsPanel(desk_);
    sensitivity_ = new SensitivityPanel(desk_, *exports_);
    sensitivity_->setVisible(false);
    connect(showSensitivity, &QPushButton::toggled, sensitivity_, &QWidget::setVisible);
    comparison_ = new ComparisonPanel(*exports_, sensitivity_, {showSensitivity, whichWins_});
    // The workbook holds the curve the panel draws and the plan's business
    // case as stored.
    comparison_->setWorkbookExtras([this](WorkbookContent& content) {
        content.curve = &sensitivity_->curve();
        if (session_)
            content.businessCase = workspace_.businessCase(session_->planId()).inputs;
    });
    return comparison_;
}

void AnalysisWindow::followIntervals() {
    auto showSoon = [this] {
        QTimer::singleShot(100, progress_, [this] {
            if (session_ && session_->intervalsBusy())
                progress_->setVisible(true);
        });
    };
    connect(session_, &AnalysisSession::intervalsStarted, progress_, showSoon);
    connect(session_, &AnalysisSession::intervalsAwaited, progress_,
            [this] { progress_->setVisible(session_->intervalsBusy()); });
    connect(session_, &AnalysisSession::intervalsProgress, progress_, [this](int percent) {
        if (percent < 0)
            progress_->setVisible(false);
        else
            progress_->setValue(percent);
    });
    progress_->setVisible(false);
    if (session_->intervalsBusy())
        showSoon();
}

void AnalysisWindow::followReload() {
    const PlanId plan = session_ ? session_->planId() : PlanId();
    if (!workspace_.plan(plan)) {
        desk_.closeChild(this);
        return;
    }
    const int outer = tabs_->currentIndex();
    const int comparison = comparison_->shownTab();
    openFor(plan);
    tabs_->setCurrentIndex(outer);
    comparison_->showTab(comparison);
}

void AnalysisWindow::openFor(PlanId plan) {
    // Nothing of an earlier opening survives: a new session on the plan's
    // files, which the panels show from now on.
    std::unique_ptr<AnalysisSession> previous(session_);
    session_ = new AnalysisSession(workspace_, plan, this);
    connect(session_, &AnalysisSession::planRemoved, this, [this] { desk_.closeChild(this); });
    exports_->setSession(session_);
    entry_->setSession(session_);
    estimates_->setSession(session_);
    comparison_->setSession(session_);
    sensitivity_->setSession(session_);
    whichWins_->setSession(session_);
    businessCase_->setSession(session_);
    for (AnalysisTableModel* model : {baseModel_, valuesModel_, flagsModel_})
        model->setSession(session_);
    previous.reset();
    followIntervals();

    const Plan& record = session_->plan();
    // Captions of the names as shown: a name of megabytes is not copied whole.
    setWindowTitle(shownText(
        names::windowCaption().arg(shownText(record.projectName), shownText(record.audienceName))));
    baseFrame_->setTitle(shownText(names::basicDetailsFor().arg(shownText(record.projectName))));
    // The base table shows the three brands, not the empty row after them.
    for (int r = 0; r < baseModel_->rowCount(); ++r)
        baseTable_->setRowHidden(r, r >= brandCount);
    tabs_->setCurrentIndex(0);
    entry_->focusFirstField();
}

void openAnalysis(ui::Desk& desk, Workspace& workspace, QPointer<AnalysisWindow>& slot) {
    const PlanId plan = workspace.selectedPlan();
    if (!workspace.plan(plan))
        return;
    AnalysisWindow* window = desk.obtain(slot, desk, workspace);
    window->openFor(plan);
    const int top = desk.projectsSize().height();
    desk.place(window, 0, top);
    // The window takes the width of the main window and the height below the
    // All Projects window, so the tables and charts are seen without scrolling.
    const QSize area = desk.areaSize();
    const QSize least = window->minimumSizeHint();
    desk.resizeChild(window, QSize(std::max(area.width(), least.width()),
                                   std::max(area.height() - top, least.height())));
    desk.showChild(window);
    if (desk.guruOn())
        desk.guru().show(guru::aboutAnalysis());
}

} // namespace lendora
