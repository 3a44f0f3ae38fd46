#include "analysis/ui/which_wins_panel.h"

#include "analysis/analysis_names.h"
#include "analysis/analysis_session.h"
#include "analysis/business_case_guru.h"
#include "analysis/forecast_tools_guru.h"
#include "analysis/ui/panel_support.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include <cmath>

namespace lendora::analysis {

WhichWinsPanel::WhichWinsPanel(ui::Desk& desk, QWidget* parent)
    : QGroupBox(parent)
    , desk_(desk) {
    first_ = new QComboBox;
    first_->setObjectName(QString::fromLatin1(names::whichWinsFirst));
    second_ = new QComboBox;
    second_->setObjectName(QString::fromLatin1(names::whichWinsSecond));
    chance_ = new QLabel;
    chance_->setObjectName(QString::fromLatin1(names::whichWinsChance));
    chance_->setWordWrap(true);
    measure_ = new QComboBox;
    measure_->setObjectName(QString::fromLatin1(names::whichWinsMeasure));
    measure_->addItems({tr("Respondents"), tr("Profit")});
    // A choice of the user's shows the chance, and the Guru explains it.
    auto chosen = [this] {
        const std::optional<double> chance = showChance();
        if (chance && onProfit()) {
            const auto& money = *session_->businessCaseIntervals();
            const int a = first_->currentIndex() + 1;
            const int b = second_->currentIndex() + 1;
            showInGuru(desk_,
                       guru::profitBeatChance(a, b, *chance, money[size_t(a)], money[size_t(b)]));
        } else if (chance)
            showInGuru(
                desk_,
                guru::beatChance(first_->currentIndex() + 1, second_->currentIndex() + 1, *chance) +
                    u' ' +
                    guru::strategyIntervals(*session_->intervals(),
                                            session_->analysis().details().own().brand));
    };
    connect(first_, &QComboBox::activated, this, chosen);
    connect(second_, &QComboBox::activated, this, chosen);
    connect(measure_, &QComboBox::activated, this, chosen);
    setTitle(tr("Which wins?"));
    setObjectName(QString::fromLatin1(names::whichWinsFrame));
    auto* form = new QFormLayout(this);
    form->addRow(tr("On"), measure_);
    form->addRow(tr("Strategy"), first_);
    form->addRow(tr("against"), second_);
    form->addRow(chance_);
    setMaximumWidth(200);
}

void WhichWinsPanel::setSession(const AnalysisSession* session) {
    session_ = session;
    connect(session, &AnalysisSession::intervalsReady, this, &WhichWinsPanel::fillChoices);
    connect(session, &AnalysisSession::strategiesChanged, this, &WhichWinsPanel::fillChoices);
    connect(session, &AnalysisSession::businessCaseChanged, this, &WhichWinsPanel::showChance);
    connect(session, &AnalysisSession::businessCaseIntervalsReady, this,
            &WhichWinsPanel::showChance);
    fillChoices();
}

void WhichWinsPanel::fillChoices() {
    const auto* intervals = session_->intervals();
    const int count = intervals ? int(intervals->size()) : 0;
    const int a = first_->currentIndex();
    const int b = second_->currentIndex();
    for (QComboBox* box : {first_, second_}) {
        const QSignalBlocker block(box);
        box->clear();
        for (int k = 1; k <= count; ++k)
            box->addItem(QString::number(k));
    }
    if (count >= 1) {
        first_->setCurrentIndex(a >= 0 && a < count ? a : std::min(1, count - 1));
        second_->setCurrentIndex(b >= 0 && b < count ? b : 0);
    }
    showChance();
}

std::optional<double> WhichWinsPanel::showChance() {
    const auto* intervals = session_->intervals();
    const int a = first_->currentIndex();
    const int b = second_->currentIndex();
    if (!intervals || a < 0 || b < 0) {
        chance_->setText(session_->intervalsBusy() ? tr("Working it out...") : QString());
        return std::nullopt;
    }
    // A strategy against itself would always be "50%".
    if (a == b) {
        chance_->setText(intervals->size() < 2 ? tr("Add a second strategy to compare.")
                                               : tr("Pick two different strategies."));
        return std::nullopt;
    }
    if (onProfit()) {
        const auto* money = session_->businessCaseIntervals();
        if (!session_->businessCase()) {
            chance_->setText(tr("Save a business case to compare on profit."));
            return std::nullopt;
        }
        if (!money || money->size() != intervals->size() + 1) {
            chance_->setText(tr("Working it out..."));
            return std::nullopt;
        }
        // Row 0 of the business case is the current product.
        const double chance = profitBeatChance((*money)[size_t(a) + 1], (*money)[size_t(b) + 1]);
        chance_->setText(tr("Chance that strategy %1 makes more profit than strategy %2: %3%")
                             .arg(QString::number(a + 1), QString::number(b + 1),
                                  QString::number(std::lround(chance * 100))));
        return chance;
    }
    const double chance = beatChance((*intervals)[size_t(a)], (*intervals)[size_t(b)]);
    chance_->setText(tr("Chance that strategy %1 beats strategy %2: %3%")
                         .arg(QString::number(a + 1), QString::number(b + 1),
                              QString::number(std::lround(chance * 100))));
    return chance;
}

bool WhichWinsPanel::onProfit() const {
    return measure_->currentIndex() == 1;
}

} // namespace lendora::analysis
