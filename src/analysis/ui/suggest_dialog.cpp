#include "analysis/ui/suggest_dialog.h"

#include "analysis/analysis_names.h"
#include "analysis/analysis_session.h"
#include "analysis/ui/pareto_view.h"
#include "storage/numbers.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lendora::analysis {

namespace {

QString name(const char* objectName) {
    return QString::fromLatin1(objectName);
}

QLineEdit* numberField(const QString& name, double value) {
    auto* field = new QLineEdit(doubleText(value));
    field->setObjectName(name);
    field->setFixedWidth(96);
    return field;
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// Customers and money in whole units.
QString moneyText(double value) {
    return wholeText(std::llround(value));
}

} // namespace

SuggestDialog::SuggestDialog(const AnalysisSession& session, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , work_(this) {
    setObjectName(name(names::suggestDialog));
    setWindowTitle(tr("Suggest strategies"));

    // One row per feature: may it change, and over which values.
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Feature")), 0, 0);
    grid->addWidget(new QLabel(tr("From")), 0, 1);
    grid->addWidget(new QLabel(tr("To")), 0, 2);
    grid->addWidget(new QLabel(tr("Step")), 0, 3);
    const SearchSpace defaults = defaultSearchSpace(session.analysis().details());
    for (int f = 0; f < featureCount; ++f) {
        const SearchRange& range = defaults[size_t(f)];
        const QString n = QString::number(f + 1);
        auto* box = new QCheckBox(names::featureNames[f]());
        box->setObjectName(name(names::suggestFree) + n);
        free_[size_t(f)] = box;
        low_[size_t(f)] = numberField(name(names::suggestLow) + n, range.low);
        high_[size_t(f)] = numberField(name(names::suggestHigh) + n, range.high);
        step_[size_t(f)] = numberField(name(names::suggestStep) + n, range.step);
        grid->addWidget(box, f + 1, 0);
        grid->addWidget(low_[size_t(f)], f + 1, 1);
        grid->addWidget(high_[size_t(f)], f + 1, 2);
        grid->addWidget(step_[size_t(f)], f + 1, 3);
    }
    auto* emiNote = new QLabel(
        tr("A changed interest, loan value or period recomputes the EMI by the EMI rule."));
    emiNote->setWordWrap(true);

    // What to rank by: money needs the plan's business case.
    objective_ = new QComboBox;
    objective_->setObjectName(name(names::suggestObjective));
    objective_->addItems({tr("Respondents"), tr("Customers"), tr("Profit")});
    objective_->setToolTip(tr("Rank the strategies by the respondents forecast, or by the "
                              "customers and profit of the plan's business case"));
    objectiveNote_ = new QLabel;
    objectiveNote_->setObjectName(name(names::suggestObjectiveNote));
    objectiveNote_->setWordWrap(true);
    auto* objectiveRow = new QHBoxLayout;
    objectiveRow->addWidget(new QLabel(tr("Rank by")));
    objectiveRow->addWidget(objective_);
    objectiveRow->addWidget(objectiveNote_, 1);
    followBusinessCase();
    connect(&session.workspace(), &Workspace::businessCaseChanged, this, [this](PlanId plan) {
        if (plan == session_.planId())
            followBusinessCase();
    });

    search_ = new QPushButton(tr("Search"));
    search_->setObjectName(name(names::suggestSearch));
    stop_ = new QPushButton(tr("Stop"));
    stop_->setObjectName(name(names::suggestStop));
    stop_->setEnabled(false);
    take_ = new QPushButton(tr("Take into New Analysis"));
    take_->setObjectName(name(names::suggestTake));
    take_->setEnabled(false);
    auto* close = new QPushButton(tr("Close"));
    close->setObjectName(name(names::suggestClose));
    for (QPushButton* button : {search_, stop_, take_, close})
        button->setAutoDefault(false);
    progress_ = new QProgressBar;
    progress_->setObjectName(name(names::suggestProgress));
    progress_->setRange(0, 100);
    progress_->setVisible(false);
    note_ = new QLabel;
    note_->setObjectName(name(names::suggestNote));
    note_->setWordWrap(true);

    table_ = new QTableWidget(0, featureCount + 4);
    table_->setObjectName(name(names::suggestions));
    table_->setHorizontalHeaderLabels(
        QStringList{tr("#")} + names::texts(names::featureNames) +
        QStringList{names::totals(), tr("90% interval"), tr("Flags")});
    table_->verticalHeader()->setVisible(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setMinimumSize(1020, 200);

    pareto_ = new ParetoView;
    pareto_->setObjectName(name(names::paretoView));
    pareto_->setVisible(false);
    connect(pareto_, &ParetoView::picked, this, &SuggestDialog::takeCandidate);
    auto* results = new QSplitter(Qt::Vertical);
    results->setChildrenCollapsible(false);
    results->addWidget(table_);
    results->addWidget(pareto_);

    connect(search_, &QPushButton::clicked, this, &SuggestDialog::search);
    connect(stop_, &QPushButton::clicked, this, [this] {
        work_.cancel();
        search_->setEnabled(true);
        stop_->setEnabled(false);
        note_->setText(tr("Stopped."));
    });
    connect(take_, &QPushButton::clicked, this, &SuggestDialog::take);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &SuggestDialog::take);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { take_->setEnabled(!table_->selectedItems().isEmpty()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    work_.onProgress = [this](int percent) {
        progress_->setVisible(percent >= 0);
        progress_->setValue(std::max(percent, 0));
    };

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search_);
    buttons->addWidget(stop_);
    buttons->addWidget(progress_, 1);
    buttons->addWidget(take_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(emiNote);
    layout->addLayout(objectiveRow);
    layout->addLayout(buttons);
    layout->addWidget(note_);
    layout->addWidget(results, 1);
}

SearchSpace SuggestDialog::space() const {
    SearchSpace space;
    for (int f = 0; f < featureCount; ++f) {
        SearchRange& range = space[size_t(f)];
        range.free = free_[size_t(f)]->isChecked();
        range.low = leadingNumber(low_[size_t(f)]->text());
        range.high = leadingNumber(high_[size_t(f)]->text());
        if (range.high < range.low)
            std::swap(range.low, range.high);
        range.step = std::abs(leadingNumber(step_[size_t(f)]->text()));
    }
    return space;
}

Objective SuggestDialog::objective() const {
    return Objective(std::max(objective_->currentIndex(), 0));
}

void SuggestDialog::followBusinessCase() {
    const Workspace::StoredBusinessCase stored =
        session_.workspace().businessCase(session_.planId());
    money_ = stored.inputs;
    const QString why = objectiveUnavailable(Objective::Profit, stored.inputs, stored.damaged);
    auto* items = qobject_cast<QStandardItemModel*>(objective_->model());
    for (Objective o : {Objective::Customers, Objective::Profit}) {
        QStandardItem* item = items->item(int(o));
        item->setEnabled(why.isEmpty());
        item->setToolTip(why);
    }
    if (!why.isEmpty() && objective() != Objective::Respondents)
        objective_->setCurrentIndex(int(Objective::Respondents));
    objectiveNote_->setText(
        why.isEmpty() ? QString() : tr("Customers and profit are unavailable. %1").arg(why));
}

void SuggestDialog::search() {
    search_->setEnabled(false);
    stop_->setEnabled(true);
    take_->setEnabled(false);
    note_->setText(tr("Searching..."));
    const PlanAnalysis& plan = session_.analysis();
    SearchGoal goal{objective(), money_, plan.strategyInputs()};
    work_.start([details = plan.details(), poll = plan.poll(), segments = plan.segmentCount(),
                 space = space(), resampled = session_.resampled(), goal = std::move(goal),
                 this](const std::atomic<bool>& cancel, const BackgroundWork::Progress& progress) {
        // The search takes nine tenths of the bar, the intervals the rest.
        SearchResult result = searchStrategies(
            details, poll, segments, space, 10, [&](int percent) { progress(percent * 9 / 10); },
            &cancel, goal);
        std::vector<StrategyIntervals> intervals;
        if (!cancel && resampled.valid()) {
            std::vector<StrategyInput> inputs;
            for (const Suggestion& s : result.best)
                inputs.push_back({s.values, s.changed});
            if (const auto polls = resampled.get())
                intervals = strategyIntervals(*polls, inputs, {}, &cancel);
        }
        return [this, result = std::move(result), intervals = std::move(intervals)]() mutable {
            showResult(std::move(result), std::move(intervals));
        };
    });
}

void SuggestDialog::showResult(SearchResult result, std::vector<StrategyIntervals> intervals) {
    search_->setEnabled(true);
    stop_->setEnabled(false);
    suggestions_ = result.best;
    QString note =
        result.exhaustive
            ? tr("Every one of the %1 strategies of the grid was forecast.").arg(result.forecasts)
            : tr("The grid is too large to forecast every strategy: coordinate ascent "
                 "from %1 starts forecast %2 of them.")
                  .arg(QString::number(ascentStarts), QString::number(result.forecasts));
    // Beside the result, how many strategies the novelty check of Analyse left out.
    if (result.notNew == 1)
        note += u' ' + tr("1 strategy that Analyse would refuse as already existing was left out.");
    else if (result.notNew > 1)
        note += u' ' + tr("%1 strategies that Analyse would refuse as already existing were left "
                          "out.")
                           .arg(result.notNew);
    note_->setText(note);
    const bool money = result.objective != Objective::Respondents;
    table_->setColumnCount(featureCount + (money ? 6 : 4));
    if (money)
        table_->setHorizontalHeaderItem(featureCount + 4, new QTableWidgetItem(tr("Customers")));
    if (money)
        table_->setHorizontalHeaderItem(featureCount + 5, new QTableWidgetItem(tr("Profit")));
    table_->setRowCount(int(suggestions_.size()));
    for (int i = 0; i < int(suggestions_.size()); ++i) {
        const Suggestion& s = suggestions_[size_t(i)];
        const QStringList values = suggestionTexts(s);
        table_->setItem(i, 0, cell(QString::number(i + 1)));
        for (int f = 0; f < featureCount; ++f)
            table_->setItem(i, f + 1, cell(values.value(f)));
        table_->setItem(i, featureCount + 1, cell(wholeText(s.total)));
        table_->setItem(i, featureCount + 2,
                        cell(size_t(i) < intervals.size() ? intervalText(intervals[size_t(i)].total)
                                                          : QString()));
        table_->setItem(i, featureCount + 3, cell(s.pattern()));
        if (money) {
            table_->setItem(i, featureCount + 4, cell(moneyText(s.customers)));
            table_->setItem(i, featureCount + 5, cell(moneyText(s.profit)));
        }
    }
    pareto_->setVisible(money);
    pareto_->setCandidates(std::move(result.candidates), result.current);
    table_->resizeColumnsToContents();
    if (!suggestions_.empty())
        table_->selectRow(0);
    emit searched(result);
}

void SuggestDialog::take() {
    const int row = table_->currentRow();
    if (row < 0 || row >= int(suggestions_.size()))
        return;
    emit taken(suggestionTexts(suggestions_[size_t(row)]));
    accept();
}

void SuggestDialog::takeCandidate(int candidate) {
    const std::vector<Candidate>& candidates = pareto_->candidates();
    if (candidate < 0 || candidate >= int(candidates.size()))
        return;
    emit taken(suggestionTexts(
        makeSuggestion(session_.analysis().details(), candidates[size_t(candidate)].values)));
    accept();
}

} // namespace lendora::analysis
