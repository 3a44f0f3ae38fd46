#include "poll/ui/poll_window.h"

#include "basic_details/wizard_steps.h"
#include "poll/mapping_memory.h"
#include "poll/survey_file.h"
#include "poll/ui/import_dialog.h"
#include "poll/ui/sheet_dialog.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/messages.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lendora {

namespace {

// The names and captions of one tab's controls; they differ from tab to tab.
struct TabNames {
    const char* caption;
    const char* captionText;
    const char* segmentIndex;
    const char* segmentName;
    const char* table;
    const char* buttons[4]; // Next, Edit, Cancel, Save
    const char* labels[poll::featureCount];
    const char* labelTexts[poll::featureCount];
    const char* fields[poll::featureCount];
};

const TabNames tabNames[poll::productCount] = {
    {"Label1",
     "Segment:",
     "lblBSegmentIndex",
     "lblBSegmentName",
     "MSFG_Brand",
     {"cmdBNext", "cmdBEdit", "cmdBCancel", "cmdBSave"},
     {"lblBInterest", "lblBMEI", "lblBMLV", "lblBMLP", "lblBRepaymentPeriod", "lblBEMI",
      "lblBFreebies"},
     {"Interest ", "Min. Eligible Income ", "Max. Loan Value ", "Max. Loan Percentage ",
      "Repayment Period ", "EMI ", "Freebies "},
     {"txtBInterest", "txtBMIE", "txtBMLV", "txtBMLP", "txtBRepaymenyPeriod", "txtBEMI",
      "txtBFreebies"}},
    {"Label10",
     "Segment ",
     "lblC1SegIndex",
     "lblC1SegName",
     "MSFG_C1",
     {"cmdC1Next", "cmdC1Edit", "cmdC1Cancel", "cmdC1Save"},
     {"lblC1Interest", "lblC1MEI", "lblC1MLV", "lblC1MLP", "lblC1RepaymentPeriod", "lblC1EMI",
      "lblC1Freebies"},
     {"Interest  ", "Min. Eligilbe Income  ", "Max. Loan Value ", "Max. Loan Pecentage ",
      "Repayment Period ", "EMI ", "Freebies "},
     {"txtC1Interest", "txtC1MEI", "txtC1MLV", "txtC1MLP", "txtC1RepaymentPeriod", "txtC1EMI",
      "txtC1Freebies"}},
    {"Label2",
     "Segment ",
     "lblC2SegIndex",
     "lblC2SegName",
     "MSFG_C2",
     {"cmdC2Next", "cmdC2Edit", "cmdC2Cancel", "cmdC2Save"},
     {"lblC2Interest", "lblC2MEI", "lblC2MLV", "lblC2MLP", "lblC2RepaymentPeriod", "lblC2EMI",
      "lblC2Freebies"},
     {"Interest ", "Min. Eligible Income ", "Max. Loan Value ", "Max. Loan Percentage ",
      "Repayment Period", "EMI", "Freebies"},
     {"txtC2Interest", "txtC2MEI", "txtC2MLV", "txtC2MLP", "txtC2RepaymentPeriod", "txtC2EMI",
      "txtC2Freebies"}},
};

QString name(const char* text) {
    return QString::fromLatin1(text);
}

// Hidden controls keep their place, so the tab does not jump while the
// fields appear one by one.
template <class W>
W* steady(W* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
}

// Column widths that show every heading whole; the segment column takes the
// rest of the width.
void fitColumns(ui::GridView* view) {
    QHeaderView* header = view->horizontalHeader();
    const QFontMetrics metrics(header->font());
    const QStringList headings = poll::headings();
    for (int c = 1; c < headings.size() && c < header->count(); ++c)
        view->setColumnWidth(c, std::max(metrics.horizontalAdvance(headings[c]) + 24, 64));
    if (header->count() > 0)
        header->setSectionResizeMode(0, QHeaderView::Stretch);
}

} // namespace

PollDataEntryWindow::PollDataEntryWindow(ui::Desk& desk, Workspace& workspace)
    : desk_(desk)
    , workspace_(workspace)
    , tabs_(new QTabWidget(this))
    , importReconciliation_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmPollDataEntry"));
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    for (int k = 0; k < poll::productCount; ++k)
        tabs_->addTab(buildTab(k), QString());

    // The project details serve only the tab captions; the table is not shown.
    auto* details = new ui::GridView(entry_.details, QStringLiteral("MSFG_ProjectDetails"), this);
    details->hide();

    auto* import = new QPushButton(QStringLiteral("Import Responses..."), this);
    import->setObjectName(QStringLiteral("cmdImportResponses"));
    import->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, &PollDataEntryWindow::importResponses);
    importReconciliation_->setObjectName(QStringLiteral("lblImportReconciliation"));
    auto* importRow = new QHBoxLayout;
    importRow->addWidget(import);
    importRow->addWidget(importReconciliation_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(importRow);
    layout->addWidget(tabs_);
    refreshAll();
    connect(&workspace_, &Workspace::plansReplaced, this, &PollDataEntryWindow::followSavedPlans);
    connect(&workspace_, &Workspace::reloaded, this, &PollDataEntryWindow::followReload);
}

PollDataEntryWindow::~PollDataEntryWindow() {
    // The table views observe the Grids held in entry_, so they must go
    // before entry_ does.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QSize PollDataEntryWindow::sizeHint() const {
    return {1090, 440};
}

QWidget* PollDataEntryWindow::buildTab(int product) {
    const TabNames& names = tabNames[product];
    TabWidgets& w = widgets_[size_t(product)];
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tab%1").arg(product));

    auto* caption = new QLabel(name(names.captionText));
    caption->setObjectName(name(names.caption));
    w.segmentIndex = new QLabel;
    w.segmentIndex->setObjectName(name(names.segmentIndex));
    w.segmentIndex->setMinimumWidth(36);
    w.segmentName = new QLabel;
    w.segmentName->setObjectName(name(names.segmentName));
    for (QLabel* shown : {w.segmentIndex, w.segmentName}) {
        QFont font = shown->font();
        font.setBold(true);
        shown->setFont(font);
    }
    auto* segmentRow = new QHBoxLayout;
    segmentRow->addWidget(caption);
    segmentRow->addWidget(w.segmentIndex);
    segmentRow->addWidget(w.segmentName, 1);

    // The seven fields in entry order, four to a line.
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    for (int f = 0; f < poll::featureCount; ++f) {
        QLabel* label = steady(new QLabel(name(names.labelTexts[f])));
        label->setObjectName(name(names.labels[f]));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* field = steady(new QLineEdit);
        field->setObjectName(name(names.fields[f]));
        field->setFixedWidth(80);
        field->installEventFilter(this);
        label->setBuddy(field);
        fields->addWidget(label, f / 4, (f % 4) * 2);
        fields->addWidget(field, f / 4, (f % 4) * 2 + 1);
        w.labels[size_t(f)] = label;
        w.fields[size_t(f)] = field;
    }
    fields->setColumnStretch(8, 1);

    auto button = [&](int i, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(name(names.buttons[i]));
        b->setAutoDefault(false);
        return b;
    };
    w.next = button(0, QStringLiteral("Next"));
    w.edit = button(1, QStringLiteral("Edit"));
    w.cancel = button(2, QStringLiteral("Cancel"));
    w.save = button(3, QStringLiteral("Save"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {w.next, w.edit, w.cancel, w.save})
        buttons->addWidget(b);

    w.table = new ui::GridView(entry_.tabs[size_t(product)].table, name(names.table));
    w.table->setAutoFitColumns(false); // steady widths, set when the plan is laid out
    w.table->horizontalHeader()->setStretchLastSection(false);

    connect(w.next, &QPushButton::clicked, this, [this, product] {
        pull(product);
        entry_.next(product);
        refresh(product);
    });
    connect(w.edit, &QPushButton::clicked, this, [this, product] {
        pull(product);
        entry_.edit(product);
        refresh(product);
    });
    connect(w.cancel, &QPushButton::clicked, this, [this, product] {
        pull(product);
        entry_.cancel(product);
        refresh(product);
    });
    connect(w.save, &QPushButton::clicked, this, [this, product] { save(product); });
    connect(w.table, &ui::GridView::gridRowClicked, this, [this, product](int row) {
        pull(product);
        const QString refusal = entry_.pick(product, row);
        refresh(product);
        tell(refusal);
    });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(segmentRow);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(w.table, 1);
    return page;
}

void PollDataEntryWindow::startFor(PlanId plan) {
    entry_.reset();
    importReconciliation_->clear();
    plan_ = plan;
    if (const Plan* opened = workspace_.plan(plan))
        entry_.layOut(workspace_.folder(), *opened, workspace_.planNumber(plan));
    for (int k = 0; k < poll::productCount; ++k) {
        tabs_->setTabText(k, shownText(entry_.tabCaption(k)));
        fitColumns(widgets_[size_t(k)].table);
    }
    refreshAll();
}

void PollDataEntryWindow::importResponses() {
    QFileDialog dialog(this, QStringLiteral("Import Responses"), workspace_.folder().path(),
                       tr("Survey exports (*.csv *.xlsx *.sav);;All files (*)"));
    dialog.setObjectName(QStringLiteral("dlgImportResponses"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    importFile(dialog.selectedFiles().first());
}

void PollDataEntryWindow::importFile(const QString& path) {
    const Plan* plan = workspace_.plan(plan_);
    if (!plan)
        return;
    int sheet = 0;
    if (const QStringList sheets = poll::surveySheets(path); sheets.size() > 1) {
        ChooseSheetDialog choice(this, QFileInfo(path).fileName(), sheets);
        if (choice.exec() != QDialog::Accepted)
            return;
        sheet = choice.sheet();
    }
    const poll::SurveyFile file = poll::readSurveyFile(path, sheet);
    if (!file.responses) {
        tell(file.error);
        return;
    }
    const poll::ImportChoices choices = poll::importChoices(entry_.tabs[0].table, entry_.details);
    const poll::RememberedMapping remembered =
        poll::recallMapping(workspace_.folder(), plan->project, plan->audience);
    ImportResponsesDialog page(this, *file.responses, choices,
                               poll::mappingFor(remembered, *file.responses, choices),
                               QFileInfo(path).fileName());
    if (page.exec() != QDialog::Accepted || !mayReplaceStoredCounts())
        return;
    entry_.applyImport(page.counts());
    importReconciliation_->setText(page.counts().reconciliation.text());
    refreshAll();
    ui::reportWrite(this,
                    workspace_.saveFile(poll::mappingFile,
                                        poll::rememberMapping(workspace_.folder(), plan->project,
                                                              plan->audience, page.mapping(),
                                                              *file.responses)));
}

bool PollDataEntryWindow::mayReplaceStoredCounts() {
    QStringList stored;
    for (int k = 0; k < poll::productCount; ++k)
        if (entry_.onDisk(k))
            stored.append(entry_.tabCaption(k));
    if (stored.isEmpty())
        return true;
    QString question = tr("Counts are already stored for %1. Replace them with the imported "
                          "counts? The stored files change only when you save each product again.")
                           .arg(shownText(stored.join(QStringLiteral("; "))));
    const Plan* plan = workspace_.plan(plan_);
    if (plan && plan->analysed)
        question += u' ' + tr("The plan's saved analysis was worked out from the stored counts.");
    return ui::askYesNo(this, question);
}

void PollDataEntryWindow::followSavedPlans() {
    entry_.lblProjectIndex = workspace_.planNumber(plan_);
    if (entry_.lblProjectIndex == 0)
        desk_.closeChild(this);
}

void PollDataEntryWindow::followReload() {
    const Plan* plan = workspace_.plan(plan_);
    if (!plan) {
        desk_.closeChild(this);
        return;
    }
    const int tab = tabs_->currentIndex();
    startFor(plan_);
    for (int product : poll::openSteps(plan->poll).loads)
        loadProduct(product);
    selectTab(tab);
}

void PollDataEntryWindow::BPD_Load() {
    loadProduct(poll::product::own);
}

void PollDataEntryWindow::C1PD_Load() {
    loadProduct(poll::product::competitor1);
}

void PollDataEntryWindow::C2PD_Load() {
    loadProduct(poll::product::competitor2);
}

void PollDataEntryWindow::loadProduct(int product) {
    pull(product);
    if (const Plan* plan = workspace_.plan(plan_))
        entry_.load(workspace_.folder(), *plan, product);
    refresh(product);
}

void PollDataEntryWindow::selectTab(int product) {
    tabs_->setCurrentIndex(product);
}

void PollDataEntryWindow::focusEntry() {
    const int k = tabs_->currentIndex();
    if (k >= 0 && entry_.tabs[size_t(k)].fieldShown[0])
        widgets_[size_t(k)].fields[0]->setFocus();
}

void PollDataEntryWindow::pull(int product) {
    poll::TabState& state = entry_.tabs[size_t(product)];
    for (int f = 0; f < poll::featureCount; ++f)
        state.fields[size_t(f)] = widgets_[size_t(product)].fields[size_t(f)]->text();
}

void PollDataEntryWindow::refresh(int product) {
    poll::TabState& state = entry_.tabs[size_t(product)];
    TabWidgets& w = widgets_[size_t(product)];
    w.segmentIndex->setText(state.segmentIndex);
    w.segmentName->setText(shownText(state.segmentName));
    for (int f = 0; f < poll::featureCount; ++f) {
        QLineEdit* field = w.fields[size_t(f)];
        if (field->text() != state.fields[size_t(f)])
            field->setText(state.fields[size_t(f)]);
        field->setVisible(state.fieldShown[size_t(f)]);
        w.labels[size_t(f)]->setVisible(f == 0 || state.fieldShown[size_t(f)]);
    }
    w.next->setEnabled(state.nextEnabled);
    w.edit->setEnabled(state.editEnabled);
    w.cancel->setEnabled(state.cancelEnabled);
    w.save->setEnabled(state.saveEnabled);
    // A focus request to a hidden field is ignored.
    if (state.focusField > 0 && state.fieldShown[size_t(state.focusField - 1)])
        w.fields[size_t(state.focusField - 1)]->setFocus();
    state.focusField = 0;
}

void PollDataEntryWindow::refreshAll() {
    for (int k = 0; k < poll::productCount; ++k)
        refresh(k);
}

void PollDataEntryWindow::tell(const QString& message) {
    if (message.isEmpty())
        return;
    QWidget* focus = QApplication::focusWidget();
    ui::inform(this, message);
    // The focus goes back where it was (the refused field).
    if (focus && focus->isVisible() && focus->window() == window())
        focus->setFocus();
}

bool PollDataEntryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    for (int k = 0; k < poll::productCount; ++k)
        for (int f = 0; f < poll::featureCount; ++f)
            if (watched == widgets_[size_t(k)].fields[size_t(f)]) {
                bool handled = false;
                keyInField(k, f + 1, event, handled);
                return handled;
            }
    return QWidget::eventFilter(watched, event);
}

void PollDataEntryWindow::keyInField(int product, int field, QEvent* event, bool& handled) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    // Keys that type a character (Enter and Backspace included); Delete and
    // the cursor keys type none.
    const bool typing = enter || (!key->text().isEmpty() && key->key() != Qt::Key_Delete);
    if (typing && entry_.refusesTyping(product, field)) {
        handled = true;
        tell(poll::allFieldsFilledMessage);
        return;
    }
    if (!enter)
        return;
    handled = true;
    pull(product);
    const QString refusal = entry_.confirmField(product, field);
    refresh(product);
    tell(refusal);
}

void PollDataEntryWindow::save(int product) {
    // A poll file that could not be written is reported and its product's
    // flag character is not recorded.
    ui::reportWrite(this, entry_.save(workspace_, plan_, product));
}

namespace {
// The windows that make way for the poll window: the Basic Details steps
// and the questionnaire preview.
const QStringList windowsToHide = wizard::windowNames() << QStringLiteral("frmQuestionairePreview");
} // namespace

void openPollResults(ui::Desk& desk, Workspace& workspace, QPointer<PollDataEntryWindow>& slot,
                     bool stored) {
    const PlanId id = workspace.selectedPlan();
    const Plan* plan = workspace.plan(id);
    if (!plan)
        return;
    PollDataEntryWindow* window = desk.obtain(slot, desk, workspace);
    window->startFor(id);
    if (stored) {
        const poll::OpenSteps steps = poll::openSteps(plan->poll);
        for (int product : steps.loads)
            window->loadProduct(product);
        if (steps.tab >= 0)
            window->selectTab(steps.tab);
    } else {
        window->selectTab(poll::product::own);
    }
    desk.place(window, 0, desk.projectsSize().height());
    window->setWindowTitle(shownText(poll::windowCaption(*plan)));
    desk.showChild(window);
    desk.hideChildren(windowsToHide);
    window->focusEntry();
}

void importPollResponses(ui::Desk& desk, Workspace& workspace,
                         QPointer<PollDataEntryWindow>& slot) {
    const Plan* plan = workspace.plan(workspace.selectedPlan());
    if (!plan)
        return;
    const bool complete = plan->poll.all();
    openPollResults(desk, workspace, slot, !plan->poll.none());
    if (!slot)
        return;
    // Opening shows no stored counts of a complete poll; a second wave is
    // imported over all of them.
    if (complete)
        for (int k = 0; k < poll::productCount; ++k)
            slot->loadProduct(k);
    slot->importResponses();
}

} // namespace lendora
