#pragma once

#include "analysis/background_work.h"
#include "analysis/intervals.h"
#include "analysis/strategy_search.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace lendora::analysis {

class AnalysisSession;

// "Suggest strategies": the user ticks the features that may change and
// their bounds and steps; the search runs on a thread with its progress
// shown and can be stopped; the best strategies are listed with their
// forecast, interval and flag pattern, and one is taken with a click.
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

signals:
    // The seven entry field texts of the suggestion taken.
    void taken(const QStringList& texts);
    // A search ended with its result (not after Stop).
    void searched(const analysis::SearchResult& result);

private:
    void search();
    void showResult(SearchResult result, std::vector<StrategyIntervals> intervals);
    void take();

    const AnalysisSession& session_;
    BackgroundWork work_;
    std::vector<Suggestion> suggestions_;

    PerFeature<QCheckBox*> free_{};
    PerFeature<QLineEdit*> low_{};
    PerFeature<QLineEdit*> high_{};
    PerFeature<QLineEdit*> step_{};
    QPushButton* search_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* take_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace lendora::analysis
