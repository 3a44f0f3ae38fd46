#pragma once

#include "analysis/background_work.h"
#include "analysis/intervals.h"
#include "analysis/strategy_search.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace lendora::analysis {

class AnalysisSession;
class ParetoView;

// "Suggest strategies": the user ticks the features that may change and
// their bounds and steps, and chooses what to rank by (respondents, or with
// the plan's business case customers or profit); the search runs on a
// thread with its progress shown and can be stopped; the best strategies
// are listed with their forecast, interval and flag pattern, and one is
// taken with a click. Ranked by money, every strategy forecast is also
// plotted customers against profit, and a click on a point takes it too.
class SuggestDialog : public QDialog {
    Q_OBJECT
public:
    // Searches the plan of the session, with its counts at the time of the
    // search.
    explicit SuggestDialog(const AnalysisSession& session, QWidget* parent = nullptr);

    // The suggestions of the last search, best first.
    const std::vector<Suggestion>& suggestions() const { return suggestions_; }
    // The search space as the fields set it.
    SearchSpace space() const;
    // The objective chosen.
    Objective objective() const;

signals:
    // The seven entry field texts of the suggestion taken.
    void taken(const QStringList& texts);
    // A search ended with its result (not after Stop).
    void searched(const analysis::SearchResult& result);

private:
    void search();
    void showResult(SearchResult result, std::vector<StrategyIntervals> intervals);
    void take();
    void takeCandidate(int candidate);
    // The objectives the plan's business case allows, and why not the others.
    void followBusinessCase();

    const AnalysisSession& session_;
    BackgroundWork work_;
    std::vector<Suggestion> suggestions_;
    std::optional<BusinessCase> money_;

    PerFeature<QCheckBox*> free_{};
    PerFeature<QLineEdit*> low_{};
    PerFeature<QLineEdit*> high_{};
    PerFeature<QLineEdit*> step_{};
    QComboBox* objective_ = nullptr;
    QLabel* objectiveNote_ = nullptr;
    ParetoView* pareto_ = nullptr;
    QPushButton* search_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* take_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace lendora::analysis
