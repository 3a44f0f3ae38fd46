#pragma once

#include "analysis/analysis_plan.h"
#include "analysis/intervals.h"
#include "analysis/strategy_search.h"
#include "analysis/ui/background_work.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <future>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace lendora::analysis {

// The resampled poll counts of the plan, drawn on a thread of their own.
using ResampledSource = std::shared_future<std::shared_ptr<const ResampledPolls>>;

// "Suggest strategies": the user ticks the features that may change and
// their bounds and steps; the search runs on a thread with its progress
// shown and can be stopped; the best strategies are listed with their
// forecast, interval and flag pattern, and one is taken with a click.
class SuggestDialog : public QDialog {
    Q_OBJECT
public:
    SuggestDialog(const Grid& base, const PollTables& polls, int segmentCount,
                  ResampledSource resampled, QWidget* parent = nullptr);

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

    Grid base_;
    PollTables polls_;
    int segments_;
    ResampledSource resampled_;
    BackgroundWork work_;
    std::vector<Suggestion> suggestions_;

    std::array<QCheckBox*, featureCount> free_{};
    std::array<QLineEdit*, featureCount> low_{};
    std::array<QLineEdit*, featureCount> high_{};
    std::array<QLineEdit*, featureCount> step_{};
    QPushButton* cmdSearch_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QPushButton* cmdTake_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace lendora::analysis
