#pragma once

#include "analysis/comparison.h"
#include "analysis/forecast.h"
#include "analysis/forecast_warnings.h"
#include "analysis/strategy_entry.h"

#include <optional>
#include <vector>

// The analysis of one plan as the user works on it, without the files or a
// window: the plan's data, the strategy being composed, the last Analyse
// and the strategies added, with every rule of Analyse, Add and Delete.
namespace lendora::analysis {

enum class DeleteOutcome {
    NotAStrategy, // the row is no strategy (a heading or totals row): nothing changed
    NoneLeft,     // the last strategy went
    Deleted,      // strategies remain, numbered 1 to K again
};

// The message the window shows after a deletion; empty for NotAStrategy.
QString deleteMessage(DeleteOutcome outcome);

class PlanAnalysis {
public:
    PlanAnalysis() = default;
    // The plan's data as stored; `analysed` is the plan's analysis flag, and
    // only an analysed plan's strategies are read.
    PlanAnalysis(ProjectDetails details, SegmentDescriptions segments, PlanPoll poll,
                 const std::vector<SavedStrategy>& saved, bool analysed);

    const ProjectDetails& details() const { return details_; }
    const SegmentDescriptions& segments() const { return segments_; }
    int segmentCount() const { return int(segments_.size()); }
    const PlanPoll& poll() const { return poll_; }
    // The poll saved again: the counts follow, and the estimates shown are
    // worked out again from them (a refused strategy stays refused).
    void setPoll(PlanPoll poll);

    // The strategy being composed.
    const StrategyEntry& entry() const { return entry_; }
    StrategyEntry& entry() { return entry_; }

    // Analyse: the novelty check against the strategies added, then the
    // forecast of the strategy (the entered values with the entry's flags)
    // and its warnings. A refused strategy keeps the estimates shown before
    // with their totals shown as zeros, and has no warnings.
    Novelty analyse(const FeatureValues& values);
    // The estimates last worked out, none before the first; whether the last
    // Analyse refused its strategy (its totals are then shown as zeros).
    const std::optional<DetailedEstimates>& estimates() const { return estimates_; }
    bool refused() const { return refused_; }
    // The strategy the estimates are of.
    const StrategyInput& estimated() const { return estimated_; }
    const std::vector<ForecastWarning>& warnings() const { return warnings_; }
    // Why a warning of the estimates shown was given.
    QString warningReason(const ForecastWarning& warning) const;
    // Whether Add may take the last Analyse: computed, and not added yet.
    bool addable() const { return addable_; }

    // The comparison: strategies 1 to K.
    const std::vector<Strategy>& strategies() const { return strategies_; }
    int nextStrategyNumber() const { return int(strategies_.size()) + 1; }
    std::vector<StrategyInput> strategyInputs() const;
    // Add: the strategy just analysed, with the values entered and the
    // entry's flags, becomes strategy K + 1; the entry starts afresh.
    // Returns its number, 0 when there is no analysed strategy to add.
    int add(const FeatureValues& entered);
    // Delete strategy `number`; the others keep their order, numbered 1 to K.
    DeleteOutcome deleteStrategy(int number);
    // The totals rows of the two summary tables.
    const ComparisonTotals& totals() const;
    // The strategies as the files keep them.
    std::vector<SavedStrategy> saved() const;

    // The row last clicked in a summary table: a strategy's number, or the
    // totals row (K + 1); 0 before the first click.
    int selectedRow() const { return selectedRow_; }
    void selectRow(int row) { selectedRow_ = row; }
    bool strategySelected() const {
        return selectedRow_ >= 1 && selectedRow_ <= int(strategies_.size());
    }

    // Whether the summary tables show their headings and "Totals" rows: the
    // plan's strategies were read, or one was added.
    bool comparisonShown() const { return comparisonShown_; }
    // Whether a strategy was added since the plan was opened: the
    // per-segment table then heads its first column "ID", not "Strategy ID".
    bool addedSinceOpening() const { return addedSinceOpening_; }

private:
    void estimate();

    ProjectDetails details_;
    SegmentDescriptions segments_;
    PlanPoll poll_;
    StrategyEntry entry_;
    std::optional<DetailedEstimates> estimates_;
    StrategyInput estimated_;
    bool refused_ = false;
    bool addable_ = false;
    std::vector<ForecastWarning> warnings_;
    std::vector<Strategy> strategies_;
    mutable std::optional<ComparisonTotals> totals_;
    int selectedRow_ = 0;
    bool comparisonShown_ = false;
    bool addedSinceOpening_ = false;
};

} // namespace lendora::analysis
