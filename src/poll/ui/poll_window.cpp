#include "poll/ui/poll_window.h"

#include "basic_details/wizard_steps.h"
#include "poll/survey_file.h"
#include "poll/ui/import_dialog.h"
#include "poll/ui/poll_names.h"
#include "poll/ui/poll_table_model.h"
#include "poll/ui/sheet_dialog.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/messages.h"
#include "workspace/plan_tables.h"
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

using namespace Qt::StringLiterals;

namespace {

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
    , importSummary_(new QLabel(this)) {
    setObjectName(poll::names::window);
    tabs_->setObjectName(poll::names::tabs);
    for (int k = 0; k < poll::productCount; ++k)
        tabs_->addTab(buildTab(k), QString());

    auto* details = new ui::GridView(detailsTable_, poll::names::details, this);
    details->hide();

    auto* import = new QPushButton(tr(poll::names::importText), this);
    import->setObjectName(poll::names::importButton);
    import->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, &PollDataEntryWindow::importResponses);
    importSummary_->setObjectName(poll::names::importSummary);
    auto* importRow = new QHBoxLayout;
    importRow->addWidget(import);
    importRow->addWidget(importSummary_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(importRow);
    layout->addWidget(tabs_);
    showEntries();
}

QSize PollDataEntryWindow::sizeHint() const {
    return {1090, 440};
}

QWidget* PollDataEntryWindow::buildTab(int product) {
    const poll::names::TabNames& names = poll::names::tab[product];
    TabWidgets& w = widgets_[size_t(product)];
    auto* page = new QWidget;
    page->setObjectName(names.page);

    auto* caption = new QLabel(tr(names.segmentCaptionText));
    caption->setObjectName(names.segmentCaption);
    w.segmentIndex = new QLabel;
    w.segmentIndex->setObjectName(names.segmentIndex);
    w.segmentIndex->setMinimumWidth(36);
    w.segmentName = new QLabel;
    w.segmentName->setObjectName(names.segmentName);
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
        QLabel* label = steady(new QLabel(tr(names.labelTexts[f])));
        label->setObjectName(names.labels[f]);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* field = steady(new QLineEdit);
        field->setObjectName(names.fields[f]);
        field->setFixedWidth(80);
        field->installEventFilter(this);
        label->setBuddy(field);
        fields->addWidget(label, f / 4, (f % 4) * 2);
        fields->addWidget(field, f / 4, (f % 4) * 2 + 1);
        w.labels[size_t(f)] = label;
        w.fields[size_t(f)] = field;
        connect(field, &QLineEdit::textChanged, this, [this, product, f](const QString& text) {
            if (session_)
                session_->setFieldText(product, f + 1, text);
        });
    }
    fields->setColumnStretch(8, 1);

    auto button = [&](poll::names::Button which) {
        auto* b = new QPushButton(tr(poll::names::buttonTexts[which]));
        b->setObjectName(names.buttons[which]);
        b->setAutoDefault(false);
        return b;
    };
    w.next = button(poll::names::next);
    w.edit = button(poll::names::edit);
    w.cancel = button(poll::names::cancel);
    w.save = button(poll::names::save);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {w.next, w.edit, w.cancel, w.save})
        buttons->addWidget(b);

    w.model = new ui::PollTableModel(product, this);
    w.table = new ui::GridView(w.model, names.table);
    w.table->setAutoFitColumns(false); // steady widths, set when the plan is laid out
    w.table->horizontalHeader()->setStretchLastSection(false);

    connect(w.next, &QPushButton::clicked, this, [this, product] { session_->next(product); });
    connect(w.edit, &QPushButton::clicked, this, [this, product] { session_->correct(product); });
    connect(w.cancel, &QPushButton::clicked, this, [this, product] { session_->cancel(product); });
    connect(w.save, &QPushButton::clicked, this, [this, product] {
        // A poll file that could not be written is reported, and its
        // product's completion is not recorded.
        ui::reportWrite(this, session_->save(product));
    });
    connect(w.table, &ui::GridView::gridRowClicked, this,
            [this, product](int row) { tell(session_->pick(product, row)); });
    // Counts copied from a spreadsheet fill the table from the current cell.
    connect(w.table, &ui::GridView::pasteRequested, this,
            [this, product](const std::vector<QStringList>& cells, int row, int column) {
                tell(session_->paste(product, row, column, cells));
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
    auto session = std::make_unique<poll::PollSession>(workspace_, plan);
    for (TabWidgets& w : widgets_)
        w.model->setSession(session.get());
    session_ = std::move(session);
    connect(session_.get(), &poll::PollSession::entryChanged, this,
            &PollDataEntryWindow::showEntry);
    connect(session_.get(), &poll::PollSession::focusRequested, this,
            &PollDataEntryWindow::focusField);
    connect(session_.get(), &poll::PollSession::reopened, this, &PollDataEntryWindow::showReopened);
    // The plan was deleted or changed: its counts have no place any more.
    connect(session_.get(), &poll::PollSession::planGone, this, [this] { desk_.closeChild(this); });
    importSummary_->clear();
    showProject();
    showEntries();
}

void PollDataEntryWindow::showProject() {
    detailsTable_ = plantables::growingDetailsTable(session_->details(), QStringList());
    for (int k = 0; k < poll::productCount; ++k) {
        tabs_->setTabText(k, shownText(session_->productCaption(k)));
        fitColumns(widgets_[size_t(k)].table);
    }
}

void PollDataEntryWindow::showReopened() {
    importSummary_->clear();
    showProject();
}

void PollDataEntryWindow::importResponses() {
    QFileDialog dialog(this, tr(poll::names::importTitle), workspace_.folderPath(),
                       tr(poll::names::importFilter));
    dialog.setObjectName(poll::names::importFileDialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    importFile(dialog.selectedFiles().first());
}

void PollDataEntryWindow::importFile(const QString& path) {
    if (!session_ || !workspace_.plan(session_->plan()))
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
    const poll::ImportChoices choices = session_->importChoices();
    ImportResponsesDialog page(
        this, *file.responses, choices,
        poll::mappingFor(session_->rememberedMapping(), *file.responses, choices),
        QFileInfo(path).fileName());
    if (page.exec() != QDialog::Accepted || !mayReplaceStoredCounts())
        return;
    session_->applyImport(page.counts());
    importSummary_->setText(page.counts().reconciliation.text());
    ui::reportWrite(this, session_->rememberMapping(page.mapping(), *file.responses));
}

bool PollDataEntryWindow::mayReplaceStoredCounts() {
    QStringList stored;
    for (int k = 0; k < poll::productCount; ++k)
        if (session_->entry(k).onDisk)
            stored.append(session_->productCaption(k));
    if (stored.isEmpty())
        return true;
    QString question = tr(poll::names::replaceQuestion).arg(shownText(stored.join(u"; "_s)));
    const Plan* plan = workspace_.plan(session_->plan());
    if (plan && plan->analysed)
        question += u' ' + tr(poll::names::analysisNote);
    return ui::askYesNo(this, question);
}

void PollDataEntryWindow::loadStored(int product) {
    session_->loadStored(product);
}

void PollDataEntryWindow::selectTab(int product) {
    tabs_->setCurrentIndex(product);
}

void PollDataEntryWindow::focusEntry() {
    const int k = tabs_->currentIndex();
    if (k >= 0 && session_ && session_->entry(k).fieldShown[0])
        widgets_[size_t(k)].fields[0]->setFocus();
}

void PollDataEntryWindow::showEntry(int product) {
    TabWidgets& w = widgets_[size_t(product)];
    // Before the first plan: nothing entered, segment 1 of no audience.
    static const poll::ProductEntry start;
    const poll::ProductEntry& entry = session_ ? session_->entry(product) : start;
    w.segmentIndex->setText(session_ ? session_->segmentIndexText(product) : u"1"_s);
    w.segmentName->setText(session_ ? shownText(session_->segmentName(product)) : QString());
    for (int f = 0; f < poll::featureCount; ++f) {
        QLineEdit* field = w.fields[size_t(f)];
        if (field->text() != entry.fields[size_t(f)])
            field->setText(entry.fields[size_t(f)]);
        field->setVisible(entry.fieldShown[size_t(f)]);
        w.labels[size_t(f)]->setVisible(f == 0 || entry.fieldShown[size_t(f)]);
    }
    w.next->setEnabled(entry.mayGoNext);
    w.edit->setEnabled(entry.mayCorrect);
    w.cancel->setEnabled(entry.mayCancel);
    w.save->setEnabled(entry.maySave);
}

void PollDataEntryWindow::showEntries() {
    for (int k = 0; k < poll::productCount; ++k)
        showEntry(k);
}

void PollDataEntryWindow::focusField(int product, int field) {
    // A focus request to a hidden field is ignored.
    if (session_ && session_->entry(product).fieldShown[size_t(field - 1)])
        widgets_[size_t(product)].fields[size_t(field - 1)]->setFocus();
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
    if (event->type() != QEvent::KeyPress || !session_)
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
    if (typing && session_->refusesTyping(product, field)) {
        handled = true;
        tell(poll::allFieldsFilledMessage());
        return;
    }
    if (!enter)
        return;
    handled = true;
    tell(session_->confirmField(product, field));
}

namespace {
// The windows that make way for the poll window: the Basic Details steps
// and the questionnaire preview.
const QStringList windowsToHide = wizard::windowNames() << u"frmQuestionairePreview"_s;
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
        if (const int tab = window->session()->loadStoredProducts(); tab >= 0)
            window->selectTab(tab);
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
            slot->loadStored(k);
    slot->importResponses();
}

} // namespace lendora
