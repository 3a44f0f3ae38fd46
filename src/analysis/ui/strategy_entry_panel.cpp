#include "analysis/ui/strategy_entry_panel.h"

#include "analysis/analysis_names.h"
#include "analysis/analysis_session.h"
#include "analysis/forecast_tools_guru.h"
#include "analysis/ui/panel_support.h"
#include "analysis/ui/suggest_dialog.h"
#include "storage/shown_text.h"
#include "widgets/messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lendora::analysis {

StrategyEntryPanel::StrategyEntryPanel(ui::Desk& desk, QWidget* parent)
    : QGroupBox(names::newAnalysis(), parent)
    , desk_(desk) {
    setObjectName(QString::fromLatin1(names::entryFrame));
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(5);
    for (int f = 0; f < featureCount; ++f) {
        auto* field = new QLineEdit;
        field->setObjectName(QString::fromLatin1(names::entryFields[f]));
        field->setFixedWidth(120);
        fields_[size_t(f)] = field;
        form->addRow(names::entryCaptions[f](), field);
        connect(field, &QLineEdit::returnPressed, this, [this, f] { confirm(f); });
        // A strategy is added as analysed: a changed field asks for a new Analyse.
        connect(field, &QLineEdit::textChanged, this, [this] { add_->setEnabled(false); });
    }
    auto* caption = new QLabel(names::strategyNumber());
    caption->setObjectName(QString::fromLatin1(names::strategyCaption));
    nextStrategy_ = new QLabel;
    nextStrategy_->setObjectName(QString::fromLatin1(names::nextStrategy));
    QFont bold = nextStrategy_->font();
    bold.setBold(true);
    nextStrategy_->setFont(bold);
    form->addRow(caption, nextStrategy_);

    analyse_ = newButton(names::analyseButton, names::analyse());
    add_ = newButton(names::addButton, names::add());
    connect(analyse_, &QPushButton::clicked, this, &StrategyEntryPanel::analyse);
    connect(add_, &QPushButton::clicked, this, &StrategyEntryPanel::add);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(analyse_);
    buttons->addWidget(add_);
    suggest_ = newButton(names::suggestButton, tr("Suggest strategies..."));
    suggest_->setToolTip(tr("Search the values of the features you choose for the strategies "
                            "with the most respondents"));
    connect(suggest_, &QPushButton::clicked, this, &StrategyEntryPanel::openSuggestions);
    auto* suggestRow = new QHBoxLayout;
    suggestRow->addStretch(1);
    suggestRow->addWidget(suggest_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->addLayout(suggestRow);
    setFixedWidth(320);
}

void StrategyEntryPanel::setSession(AnalysisSession* session) {
    session_ = session;
    // A suggestion of the plan opened before does not belong here.
    if (suggestions_)
        suggestions_->reject();
    setTitle(shownText(
        names::newAnalysisFor().arg(shownText(session->analysis().details().own().brand))));
    setFieldTexts(freshEntryTexts(session->analysis().details()));
    showNextStrategy();
    connect(session, &AnalysisSession::strategiesChanged, this,
            &StrategyEntryPanel::showNextStrategy);
    suggest_->setEnabled(true);
    analyse_->setEnabled(false);
    add_->setEnabled(false);
}

void StrategyEntryPanel::focusFirstField() {
    fields_[0]->setFocus();
}

QStringList StrategyEntryPanel::fieldTexts() const {
    QStringList texts;
    for (QLineEdit* field : fields_)
        texts << field->text();
    return texts;
}

void StrategyEntryPanel::setFieldTexts(const QStringList& texts) {
    for (int f = 0; f < featureCount; ++f)
        fields_[size_t(f)]->setText(texts.value(f));
}

void StrategyEntryPanel::showNextStrategy() {
    nextStrategy_->setText(QString::number(session_->analysis().nextStrategyNumber()));
}

void StrategyEntryPanel::confirm(int f) {
    QLineEdit* field = fields_[size_t(f)];
    session_->confirm(f, leadingNumber(field->text()));
    QLineEdit* emi = fields_[feature::emi];
    switch (f) {
    case feature::repaymentPeriod:
        // A period of 0 gives no EMI: the field keeps what it shows.
        if (const auto newEmi = session_->recomputeEmi(
                leadingNumber(fields_[feature::interest]->text()),
                leadingNumber(fields_[feature::loanValue]->text()), leadingNumber(field->text())))
            emi->setText(patternText(double(*newEmi)));
        emi->setFocus();
        break;
    case feature::freebies:
        analyse_->setEnabled(true);
        analyse_->setFocus();
        break;
    default:
        fields_[size_t(f + 1)]->setFocus();
        break;
    }
}

void StrategyEntryPanel::analyse() {
    const Novelty novelty = session_->analyse(fieldValues(fieldTexts()));
    add_->setEnabled(novelty == Novelty::New);
    if (novelty != Novelty::New)
        ui::inform(this, noveltyMessage(novelty));
}

void StrategyEntryPanel::add() {
    if (session_->add(fieldValues(fieldTexts())) == 0)
        return;
    setFieldTexts(freshEntryTexts(session_->analysis().details()));
    add_->setEnabled(false);
    analyse_->setEnabled(false);
    fields_[0]->setFocus();
}

void StrategyEntryPanel::openSuggestions() {
    if (suggestions_) {
        suggestions_->raise();
        return;
    }
    suggestions_ = new SuggestDialog(*session_, this);
    suggestions_->setAttribute(Qt::WA_DeleteOnClose);
    connect(suggestions_, &SuggestDialog::taken, this, &StrategyEntryPanel::takeSuggestion);
    connect(suggestions_, &SuggestDialog::searched, this, [this](const SearchResult& result) {
        showInGuru(desk_, guru::suggestions(result, session_->analysis().details().own().brand));
    });
    suggestions_->open();
}

void StrategyEntryPanel::takeSuggestion(const QStringList& texts) {
    setFieldTexts(texts);
    // The fields are confirmed afresh, one by one with Enter, before Analyse.
    analyse_->setEnabled(false);
    emit suggestionTaken();
    fields_[0]->setFocus();
}

} // namespace lendora::analysis
