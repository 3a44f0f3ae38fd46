#include "analysis/ui/analysis_window.h"

#include "analysis/analysis_guru.h"
#include "analysis/analysis_totals.h"
#include "analysis/strategy_entry.h"
#include "analysis/strategy_table.h"
#include "analysis/ui/analysis_charts.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"
#include "widgets/messages.h"
#include "workspace/workspace.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lendora {

using namespace Qt::StringLiterals;

namespace {

// The entry fields in entry order, with their captions.
struct EntryField {
    const char* name;
    const char* caption;
};
const EntryField entryFields[analysis::featureCount] = {
    {"txtInterest", "Interest"},
    {"txtMEI", "Minimum Eligible Income"},
    {"txtMLV", "Maximum Loan Value"},
    {"txtMLP", "Maximum Loan Percentage"},
    {"txtRepaymentPeriod", "Repayment Period"},
    {"txtEMI", "EMI"},
    {"txtFreebies", "Freebies"},
};

QPushButton* newButton(const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setEnabled(false);
    button->setMinimumWidth(88);
    return button;
}

QGroupBox* newFrame(const char* name, const QString& title, QWidget* content) {
    auto* frame = new QGroupBox(title);
    frame->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(content);
    return frame;
}

// A table that never stretches its last column over the free width, so the
// numbers stay next to their headings.
ui::GridView* newTable(Grid& grid, const char* name) {
    auto* view = new ui::GridView(grid, QString::fromLatin1(name));
    view->horizontalHeader()->setStretchLastSection(false);
    return view;
}

} // namespace

AnalysisWindow::AnalysisWindow(ui::Desk& desk, Workspace& workspace)
    : desk_(desk)
    , workspace_(workspace) {
    setObjectName(u"frmAnalysis"_s);
    sstab1_ = new QTabWidget(this);
    sstab1_->setObjectName(u"SSTab1"_s);
    sstab1_->addTab(buildBasicTab(), u"Basic Analysis"_s);
    sstab1_->addTab(buildFinalTab(), u"Final Analsis"_s);

    // The change flags are a working table: the strategy values show what
    // each strategy changed.
    auto* flags = newTable(tables_.flags, "MSFG_Flags");
    flags->setParent(this);
    flags->hide();

    intervalWork_ = new analysis::BackgroundWork(this);
    cellWork_ = new analysis::BackgroundWork(this);
    intervalWork_->onProgress = [this](int percent) { showBusy(percent); };
    busy_ = new QProgressBar;
    busy_->setObjectName(u"prgForecastTools"_s);
    busy_->setRange(0, 100);
    busy_->setFormat(u"Working out the 90% intervals: %p%"_s); // "%p" alone is replaced
    busy_->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(sstab1_);
    layout->addWidget(busy_);
    Charts();
    connect(&workspace_, &Workspace::plansReplaced, this, &AnalysisWindow::followSavedPlans);
    connect(&workspace_, &Workspace::reloaded, this, &AnalysisWindow::followReload);
}

AnalysisWindow::~AnalysisWindow() {
    // The threads of the forecast tools end first: none may report to a
    // window that is going.
    if (resampleCancel_)
        *resampleCancel_ = true;
    delete intervalWork_;
    delete cellWork_;
    // The table views observe the Grids of tables_, so they must go before
    // tables_ does.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QSize AnalysisWindow::sizeHint() const {
    return {1268, 500};
}

QWidget* AnalysisWindow::buildBasicTab() {
    auto* page = new QWidget;
    page->setObjectName(u"tabBasicAnalysis"_s);

    // The "New Analysis" frame: the seven fields, the strategy number and
    // the Analyse and Add buttons.
    frame2_ = new QGroupBox(u"New Analysis"_s);
    frame2_->setObjectName(u"Frame2"_s);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(5);
    for (int f = 1; f <= analysis::featureCount; ++f) {
        const EntryField& entry = entryFields[f - 1];
        auto* field = new QLineEdit;
        field->setObjectName(QString::fromLatin1(entry.name));
        field->setFixedWidth(120);
        fields_[size_t(f - 1)] = field;
        form->addRow(QString::fromLatin1(entry.caption), field);
        connect(field, &QLineEdit::returnPressed, this, [this, f] { confirm(f); });
        // A strategy is added as analysed: a changed field asks for a new Analyse.
        connect(field, &QLineEdit::textChanged, this, [this] { cmdAdd_->setEnabled(false); });
    }
    auto* strategyCaption = new QLabel(u"Strategy #"_s);
    strategyCaption->setObjectName(u"lblStrategyCaption"_s);
    lblAnalysisID_ = new QLabel;
    lblAnalysisID_->setObjectName(u"lblAnalysisID"_s);
    QFont bold = lblAnalysisID_->font();
    bold.setBold(true);
    lblAnalysisID_->setFont(bold);
    form->addRow(strategyCaption, lblAnalysisID_);

    cmdAnalyse_ = newButton("cmdAnalyse", u"Analyse"_s);
    cmdAdd_ = newButton("cmdAdd", u"Add"_s);
    connect(cmdAnalyse_, &QPushButton::clicked, this, &AnalysisWindow::analyse);
    connect(cmdAdd_, &QPushButton::clicked, this, &AnalysisWindow::add);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAnalyse_);
    buttons->addWidget(cmdAdd_);
    // The search for strategies, whose pick fills the seven fields.
    cmdSuggest_ = newButton("cmdSuggest", u"Suggest strategies..."_s);
    cmdSuggest_->setToolTip(u"Search the values of the features you choose for the strategies "
                            "with the most respondents"_s);
    connect(cmdSuggest_, &QPushButton::clicked, this, &AnalysisWindow::openSuggestions);
    auto* suggestRow = new QHBoxLayout;
    suggestRow->addStretch(1);
    suggestRow->addWidget(cmdSuggest_);

    auto* frameLayout = new QVBoxLayout(frame2_);
    frameLayout->setContentsMargins(8, 8, 8, 8);
    frameLayout->addLayout(form);
    frameLayout->addStretch(1);
    frameLayout->addLayout(buttons);
    frameLayout->addLayout(suggestRow);
    frame2_->setFixedWidth(320);

    // The reference values of the three brands, the estimates of the
    // strategy being analysed and the values of the strategies added so far.
    baseView_ = newTable(tables_.base, "MSFlexGrid1");
    auto* base = baseView_;
    baseFrame_ = newFrame("fraBasicDetails", u"Basic Details"_s, base);
    estimatesView_ = newTable(tables_.estimates, "MSFG_Seg_Analysis");
    // Warned estimates get a colour and a tooltip that says why.
    estimatesView_->gridModel().setCellDecoration(
        [this](int gridRow, int column, int role) { return estimateLook(gridRow, column, role); });
    estimatesFrame_ = newFrame("Fra_Estimates", analysis::estimatesCaption(1), estimatesView_);
    auto* strategies = newTable(tables_.strategies, "MSFG_Analyses");
    auto* strategiesFrame = newFrame("fraStrategies", u"Strategies"_s, strategies);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(u"splitBasicAnalysis"_s);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(baseFrame_);
    splitter->addWidget(estimatesFrame_);
    splitter->addWidget(strategiesFrame);
    splitter->setSizes({142, 150, 120});

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame2_);
    layout->addWidget(splitter, 1);
    return page;
}

QWidget* AnalysisWindow::buildComparisonTab(QWidget* first, QWidget* second,
                                            Qt::Orientation orientation) {
    auto* splitter = new QSplitter(orientation);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(first);
    splitter->addWidget(second);
    if (orientation == Qt::Horizontal) {
        splitter->setStretchFactor(0, 2);
        splitter->setStretchFactor(1, 3);
        splitter->setSizes({420, 680});
    } else {
        splitter->setStretchFactor(0, 1);
        splitter->setStretchFactor(1, 0);
        splitter->setSizes({290, 110});
    }
    return splitter;
}

QWidget* AnalysisWindow::buildFinalTab() {
    auto* page = new QWidget;
    page->setObjectName(u"tabFinalAnalysis"_s);

    segmentsView_ = newTable(tables_.segments, "MSFG_Segments");
    featuresView_ = newTable(tables_.features, "MSFG_Features");
    segmentsChart_ = analysis::newComparisonChart(u"MSCH_Segments"_s, QString());
    featuresChart_ = analysis::newComparisonChart(u"MSCH_Features"_s, QString());

    sstab2_ = new QTabWidget;
    sstab2_->setObjectName(u"SSTab2"_s);
    for (ui::GridView* view : {segmentsView_, featuresView_})
        connect(view, &ui::GridView::gridRowClicked, this, &AnalysisWindow::selectStrategy);
    // The segment table beside its chart; the wide feature table below its chart.
    QWidget* bySegment = buildComparisonTab(segmentsView_, segmentsChart_, Qt::Horizontal);
    bySegment->setObjectName(u"tabSegmentWise"_s);
    QWidget* byFeature = buildComparisonTab(featuresChart_, featuresView_, Qt::Vertical);
    byFeature->setObjectName(u"tabFeatureWise"_s);
    sstab2_->addTab(bySegment, u"Segment wise Analysis"_s);
    sstab2_->addTab(byFeature, u"Feature wise Analysis"_s);

    cmdSave_ = newButton("cmdSave", u"Save"_s);
    cmdDelete_ = newButton("cmdDelete", u"Delete"_s);
    cmdCancel_ = newButton("cmdCancel", u"Cancel"_s);
    connect(cmdSave_, &QPushButton::clicked, this, &AnalysisWindow::save);
    connect(cmdDelete_, &QPushButton::clicked, this, &AnalysisWindow::deleteStrategy);
    connect(cmdCancel_, &QPushButton::clicked, this, &AnalysisWindow::cancel);
    // The exports of the comparison, beside Save, Delete and Cancel.
    cmdExportCsv_ = newButton("cmdExportCsv", u"Export CSV..."_s);
    cmdSaveCharts_ = newButton("cmdSaveCharts", u"Save Chart..."_s);
    cmdReportPdf_ = newButton("cmdReportPdf", u"PDF Report..."_s);
    cmdExportCsv_->setToolTip(u"Save the feature wise and segment wise tables as a CSV file"_s);
    cmdSaveCharts_->setToolTip(u"Save a chart as a PNG picture or an SVG drawing"_s);
    cmdReportPdf_->setToolTip(u"Save a PDF report of this plan's strategies"_s);
    connect(cmdExportCsv_, &QPushButton::clicked, this, &AnalysisWindow::exportCsv);
    connect(cmdSaveCharts_, &QPushButton::clicked, this, &AnalysisWindow::saveChart);
    connect(cmdReportPdf_, &QPushButton::clicked, this, &AnalysisWindow::reportPdf);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 28, 0, 0);
    buttons->addWidget(cmdSave_);
    buttons->addWidget(cmdDelete_);
    buttons->addWidget(cmdCancel_);
    buttons->addSpacing(18);
    buttons->addWidget(cmdExportCsv_);
    buttons->addWidget(cmdSaveCharts_);
    buttons->addWidget(cmdReportPdf_);
    buttons->addSpacing(18);
    // The sensitivity panel under the comparison, shown on demand so that
    // the comparison keeps its room.
    auto* sensitivity = new QPushButton(u"Sensitivity"_s);
    sensitivity->setObjectName(u"cmdSensitivity"_s);
    sensitivity->setCheckable(true);
    sensitivity->setAutoDefault(false);
    sensitivity->setToolTip(u"Show how the forecast of a feature moves with its new value"_s);
    buttons->addWidget(sensitivity);
    buttons->addWidget(buildBeatPanel());
    buttons->addStretch(1);

    // The comparison above, the sensitivity of the forecast below it.
    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(u"splitFinalAnalysis"_s);
    split->setChildrenCollapsible(false);
    split->addWidget(sstab2_);
    QWidget* panel = buildSensitivityPanel();
    panel->setVisible(false);
    connect(sensitivity, &QPushButton::toggled, panel, &QWidget::setVisible);
    split->addWidget(panel);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({420, 300});

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    return page;
}

void AnalysisWindow::followSavedPlans() {
    tables_.lblProjectIndex = workspace_.planNumber(plan_);
    if (tables_.lblProjectIndex == 0)
        desk_.closeChild(this);
}

void AnalysisWindow::followReload() {
    if (!workspace_.plan(plan_)) {
        desk_.closeChild(this);
        return;
    }
    const int first = sstab1_->currentIndex();
    const int second = sstab2_->currentIndex();
    openFor(plan_);
    sstab1_->setCurrentIndex(first);
    sstab2_->setCurrentIndex(second);
}

const Plan& AnalysisWindow::plan() const {
    static const Plan none;
    const Plan* opened = workspace_.plan(plan_);
    return opened ? *opened : none;
}

void AnalysisWindow::openFor(PlanId id) {
    plan_ = id;
    analysis::openAnalysis(workspace_.folder(), plan(), workspace_.planNumber(id), tables_, polls_);
    intervalsReady_ = false;
    clearCellIntervals();
    startResampling();
    showWarnings({});
    setWindowTitle(shownText(analysis::windowCaption(plan())));
    baseFrame_->setTitle(shownText(analysis::baseCaption(plan())));
    frame2_->setTitle(shownText(analysis::entryFrameCaption(tables_.base)));
    setEntryTexts(analysis::entryTexts(tables_.base));
    // The base table shows the three brands, not the empty row after them.
    for (int r = 0; r < baseView_->model()->rowCount(); ++r)
        baseView_->setRowHidden(r, r >= analysis::brand::competitor2);

    const QString brand = shownText(tables_.base.text(analysis::brand::own, 1));
    segmentsChart_->chart()->setTitle(u"Respondents opting for "_s + brand + u", by segment"_s);
    featuresChart_->chart()->setTitle(u"Respondents opting for "_s + brand + u", by feature"_s);
    // The saved strategies come with their totals (recomputed by loading);
    // the charts show them, or no bars for a plan without strategies.
    Charts();
    showStrategyNumber();
    fillSensitivitySegments();
    drawSensitivityCurve();
    refreshIntervals();
    cmdSuggest_->setEnabled(true);

    for (QPushButton* button : {cmdAnalyse_, cmdAdd_, cmdSave_, cmdDelete_, cmdCancel_})
        button->setEnabled(false);
    sstab1_->setCurrentIndex(0);
    sstab2_->setCurrentIndex(0);
    fields_[0]->setFocus();
}

void AnalysisWindow::Charts() {
    analysis::ChartData segments = analysis::segmentsChart(tables_);
    analysis::ChartData features = analysis::featuresChart(tables_);
    addRanges(segments, features);
    analysis::drawWhenShown(segmentsChart_, segments);
    analysis::drawWhenShown(featuresChart_, features);
    updateExports();
}

QStringList AnalysisWindow::entryTexts() const {
    QStringList texts;
    for (QLineEdit* field : fields_)
        texts << field->text();
    return texts;
}

void AnalysisWindow::setEntryTexts(const QStringList& texts) {
    for (int f = 0; f < analysis::featureCount; ++f)
        fields_[size_t(f)]->setText(texts.value(f));
}

void AnalysisWindow::showStrategyNumber() {
    lblAnalysisID_->setText(QString::number(tables_.lblAnalysisID));
    estimatesFrame_->setTitle(analysis::estimatesCaption(tables_.lblAnalysisID));
}

void AnalysisWindow::confirm(int feature) {
    using namespace analysis::feature;
    QLineEdit* field = fields_[size_t(feature - 1)];
    analysis::confirmFeature(tables_, feature, field->text());
    switch (feature) {
    case repaymentPeriod:
        // A period of 0 gives no EMI: the field keeps what it shows.
        if (const auto newEmi =
                analysis::recomputeEmi(tables_, fields_[interest - 1]->text(),
                                       fields_[loanValue - 1]->text(), field->text()))
            fields_[emi - 1]->setText(*newEmi);
        fields_[emi - 1]->setFocus();
        break;
    case freebies:
        cmdAnalyse_->setEnabled(true);
        cmdAnalyse_->setFocus();
        break;
    default:
        fields_[size_t(feature)]->setFocus();
        break;
    }
}

void AnalysisWindow::analyse() {
    const analysis::PollGrids polls{polls_[0], polls_[1], polls_[2]};
    const analysis::FeatureValues strategy = analysis::featureValues(entryTexts());
    const analysis::AnalyseResult result = analysis::analyse(tables_, polls, strategy);
    cmdAdd_->setEnabled(result.computed());
    if (result.computed())
        refreshCellIntervals({strategy, tables_.changeFlags()});
    else
        clearCellIntervals();
    // The warnings of a refused strategy's estimates are gone with it.
    showWarnings(result.computed() ? analysis::forecastWarnings(tables_, polls, strategy)
                                   : std::vector<analysis::ForecastWarning>{});
    if (!result.computed())
        ui::inform(this, result.message());
}

void AnalysisWindow::add() {
    analysis::addStrategy(tables_, analysis::featureValues(entryTexts()));
    Charts();
    refreshIntervals();
    showStrategyNumber();
    setEntryTexts(analysis::entryTexts(tables_.base));
    cmdAdd_->setEnabled(false);
    cmdAnalyse_->setEnabled(false);
    cmdSave_->setEnabled(true);
    fields_[0]->setFocus();
}

void AnalysisWindow::save() {
    ui::reportWrite(this, analysis::saveAnalysis(workspace_, plan_, tables_));
}

void AnalysisWindow::selectStrategy(int row) {
    tables_.lblRowSel = row;
    // Only a strategy's row can be deleted; the totals row cannot.
    const int strategies = tables_.strategies.rowCount() - 2;
    cmdDelete_->setEnabled(row >= 1 && row <= strategies);
    cmdCancel_->setEnabled(true);
}

void AnalysisWindow::deleteStrategy() {
    if (!ui::askYesNo(this, analysis::deleteQuestion))
        return;
    const analysis::DeleteOutcome outcome = analysis::deleteStrategy(tables_, tables_.lblRowSel);
    if (outcome == analysis::DeleteOutcome::NotAStrategy)
        return;
    Charts();
    refreshIntervals();
    showStrategyNumber();
    // The rows moved up: the next deletion needs a fresh choice.
    cmdDelete_->setEnabled(false);
    for (ui::GridView* view : {featuresView_, segmentsView_})
        view->clearSelection();

    if (outcome == analysis::DeleteOutcome::NoneLeft) {
        ui::inform(this, analysis::deleteMessage(outcome));
        cmdSave_->setEnabled(false);
        // The plan's "No" reaches the registry at once, so the deleted
        // strategies are not loaded again at the next opening.
        ui::reportWrite(this, workspace_.withdrawAnalysis(plan_));
        return;
    }
    cmdSave_->setEnabled(true);
    ui::inform(this, analysis::deleteMessage(outcome));
}

void AnalysisWindow::cancel() {
    for (QPushButton* button : {cmdSave_, cmdDelete_, cmdCancel_})
        button->setEnabled(false);
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
