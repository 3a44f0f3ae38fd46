#include "analysis/plan_analysis.h"

#include "analysis/analysis_names.h"

namespace lendora::analysis {

QString deleteMessage(DeleteOutcome outcome) {
    switch (outcome) {
    case DeleteOutcome::NoneLeft:
        return names::noAnalysisMessage();
    case DeleteOutcome::Deleted:
        return names::deletionNotSavedMessage();
    case DeleteOutcome::NotAStrategy:
        break;
    }
    return {};
}

PlanAnalysis::PlanAnalysis(ProjectDetails details, SegmentDescriptions segments, PlanPoll poll,
                           const std::vector<SavedStrategy>& saved, bool analysed)
    : details_(std::move(details))
    , segments_(std::move(segments))
    , poll_(std::move(poll))
    , comparisonShown_(analysed) {
    if (analysed)
        for (const SavedStrategy& strategy : saved)
            strategies_.push_back(shownStrategy(strategy));
}

void PlanAnalysis::setPoll(PlanPoll poll) {
    poll_ = std::move(poll);
    if (estimates_)
        estimate();
}

void PlanAnalysis::estimate() {
    estimates_ = forecast(details_, poll_, segmentCount(), estimated_);
    warnings_.clear();
    if (!refused_)
        warnings_ = forecastWarnings({details_, segments_, poll_, *estimates_, estimated_});
}

QString PlanAnalysis::warningReason(const ForecastWarning& warning) const {
    if (!estimates_)
        return {};
    return analysis::warningReason({details_, segments_, poll_, *estimates_, estimated_}, warning);
}

Novelty PlanAnalysis::analyse(const FeatureValues& values) {
    const StrategyInput strategy{values, entry_.changed};
    const Novelty novelty = checkNovelty(strategyInputs(), strategy);
    refused_ = novelty != Novelty::New;
    addable_ = !refused_;
    if (refused_) {
        warnings_.clear();
        return novelty;
    }
    estimated_ = strategy;
    estimate();
    return novelty;
}

std::vector<StrategyInput> PlanAnalysis::strategyInputs() const {
    std::vector<StrategyInput> inputs;
    inputs.reserve(strategies_.size());
    for (const Strategy& strategy : strategies_)
        inputs.push_back(strategy.input());
    return inputs;
}

int PlanAnalysis::add(const FeatureValues& entered) {
    if (!addable_ || !estimates_)
        return 0;
    strategies_.push_back(addedStrategy(entered, entry_, *estimates_));
    totals_.reset();
    entry_.clear();
    addable_ = false;
    comparisonShown_ = true;
    addedSinceOpening_ = true;
    return int(strategies_.size());
}

DeleteOutcome PlanAnalysis::deleteStrategy(int number) {
    if (number < 1 || number > int(strategies_.size()))
        return DeleteOutcome::NotAStrategy;
    strategies_.erase(strategies_.begin() + (number - 1));
    totals_.reset();
    return strategies_.empty() ? DeleteOutcome::NoneLeft : DeleteOutcome::Deleted;
}

const ComparisonTotals& PlanAnalysis::totals() const {
    if (!totals_)
        totals_ = comparisonTotals(strategies_, segmentCount());
    return *totals_;
}

std::vector<SavedStrategy> PlanAnalysis::saved() const {
    return {strategies_.begin(), strategies_.end()};
}

} // namespace lendora::analysis
