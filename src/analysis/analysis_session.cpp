#include "analysis/analysis_session.h"

#include "analysis/background_work.h"
#include "workspace/workspace.h"

namespace lendora::analysis {

namespace {

PlanAnalysis readPlan(const Workspace& workspace, PlanId id) {
    const Plan* plan = workspace.plan(id);
    if (!plan)
        return {};
    return PlanAnalysis(workspace.projectDetails(plan->project), workspace.segments(plan->audience),
                        workspace.pollCounts(id), workspace.strategies(id), plan->analysed);
}

} // namespace

AnalysisSession::AnalysisSession(Workspace& workspace, PlanId plan, QObject* parent)
    : QObject(parent)
    , workspace_(workspace)
    , plan_(plan)
    , analysis_(readPlan(workspace, plan))
    , intervalWork_(new BackgroundWork(this))
    , estimateWork_(new BackgroundWork(this))
    , moneyWork_(new BackgroundWork(this)) {
    intervalWork_->onProgress = [this](int percent) { emit intervalsProgress(percent); };
    connect(&workspace_, &Workspace::pollChanged, this, [this](PlanId id) {
        if (id == plan_)
            followPoll();
    });
    connect(&workspace_, &Workspace::plansReplaced, this, [this] {
        if (planNumber() == 0)
            emit planRemoved();
    });
    connect(&workspace_, &Workspace::businessCaseChanged, this, [this](PlanId id) {
        if (id == plan_)
            readBusinessCase();
    });
    startResampling();
    refreshIntervals();
    readBusinessCase();
}

AnalysisSession::~AnalysisSession() {
    // The threads end first: none may report to a session that is going.
    if (resampleCancel_)
        *resampleCancel_ = true;
    delete intervalWork_;
    delete estimateWork_;
    delete moneyWork_;
}

const Plan& AnalysisSession::plan() const {
    static const Plan none;
    const Plan* opened = workspace_.plan(plan_);
    return opened ? *opened : none;
}

int AnalysisSession::planNumber() const {
    return workspace_.planNumber(plan_);
}

bool AnalysisSession::confirm(int feature, double value) {
    return analysis_.entry().confirm(analysis_.details(), feature, value);
}

std::optional<float> AnalysisSession::recomputeEmi(double interest, double loanValue,
                                                   double period) {
    return analysis_.entry().recomputeEmi(interest, loanValue, period);
}

Novelty AnalysisSession::analyse(const FeatureValues& values) {
    const Novelty novelty = analysis_.analyse(values);
    refreshEstimateIntervals();
    emit estimatesChanged();
    return novelty;
}

int AnalysisSession::add(const FeatureValues& entered) {
    const int number = analysis_.add(entered);
    if (number == 0)
        return 0;
    refreshIntervals();
    refreshBusinessCase();
    emit strategiesChanged();
    emit strategyAdded(number);
    return number;
}

void AnalysisSession::selectRow(int row) {
    analysis_.selectRow(row);
}

AnalysisSession::Deletion AnalysisSession::deleteSelected() {
    Deletion deletion;
    deletion.outcome = analysis_.deleteStrategy(analysis_.selectedRow());
    if (deletion.outcome == DeleteOutcome::NotAStrategy)
        return deletion;
    refreshIntervals();
    refreshBusinessCase();
    emit strategiesChanged();
    if (deletion.outcome == DeleteOutcome::NoneLeft)
        deletion.withdrawal = workspace_.withdrawAnalysis(plan_);
    return deletion;
}

WriteStatus AnalysisSession::save() {
    return workspace_.saveAnalysis(plan_, analysis_.saved());
}

void AnalysisSession::followPoll() {
    analysis_.setPoll(workspace_.pollCounts(plan_));
    startResampling();
    refreshIntervals();
    refreshEstimateIntervals();
    refreshBusinessCase();
    emit pollFollowed();
    emit estimatesChanged();
}

void AnalysisSession::startResampling() {
    if (resampleCancel_)
        *resampleCancel_ = true;
    resampleCancel_ = std::make_shared<std::atomic<bool>>(false);
    resampled_ =
        std::async(std::launch::async, [details = analysis_.details(), poll = analysis_.poll(),
                                        n = analysis_.segmentCount(), cancel = resampleCancel_] {
            return std::make_shared<const ResampledPolls>(
                details, poll, n, ResampledPolls::defaultResamples, ResampledPolls::defaultSeed,
                cancel.get());
        }).share();
}

const std::vector<StrategyIntervals>* AnalysisSession::intervals() const {
    return intervalsReady_ ? &intervals_ : nullptr;
}

const ResampledPolls* AnalysisSession::intervalsResampled() const {
    return intervalsReady_ && !intervals_.empty() ? intervalsResampled_.get() : nullptr;
}

bool AnalysisSession::intervalsBusy() const {
    return intervalWork_->busy();
}

void AnalysisSession::whenIntervalsReady(QObject* context, std::function<void()> then) {
    if (intervalsReady_) {
        then();
        return;
    }
    waiting_.emplace_back(context, std::move(then));
    emit intervalsAwaited();
}

void AnalysisSession::refreshIntervals() {
    intervalsReady_ = false;
    const std::vector<StrategyInput> strategies = analysis_.strategyInputs();
    // Nothing to work out without strategies: the intervals are known, and
    // there are none.
    auto ready = [this](std::vector<StrategyIntervals> intervals,
                        std::shared_ptr<const ResampledPolls> resampled) {
        intervals_ = std::move(intervals);
        intervalsResampled_ = std::move(resampled);
        intervalsReady_ = true;
        emit intervalsReady();
        for (auto& [context, then] : std::exchange(waiting_, {}))
            if (context)
                then();
    };
    if (strategies.empty()) {
        intervalWork_->cancel();
        ready({}, nullptr);
        return;
    }
    intervalWork_->start(
        [this, strategies, resampled = resampled_,
         ready](const std::atomic<bool>& cancel, const BackgroundWork::Progress& progress) {
            auto polls = resampled.get();
            auto intervals = strategyIntervals(
                *polls, strategies,
                [&](int done, int total) { progress(done * 100 / std::max(total, 1)); }, &cancel);
            return [ready, intervals = std::move(intervals), polls = std::move(polls)]() mutable {
                ready(std::move(intervals), std::move(polls));
            };
        });
    emit intervalsStarted();
}

void AnalysisSession::refreshEstimateIntervals() {
    estimateWork_->cancel();
    estimateIntervals_.reset();
    emit estimateIntervalsChanged();
    if (!analysis_.estimates() || analysis_.refused())
        return;
    estimateWork_->start([this, strategy = analysis_.estimated(), resampled = resampled_](
                             const std::atomic<bool>&, const BackgroundWork::Progress&) {
        const auto polls = resampled.get();
        EstimateIntervals intervals{polls->cellIntervals(strategy), polls->intervals(strategy)};
        return [this, intervals = std::move(intervals)]() mutable {
            estimateIntervals_ = std::move(intervals);
            emit estimateIntervalsChanged();
        };
    });
}

void AnalysisSession::readBusinessCase() {
    Workspace::StoredBusinessCase stored = workspace_.businessCase(plan_);
    // Inputs out of range were not written by a save: the file is not ours.
    if (stored.inputs && checkInputs(*stored.inputs)) {
        stored.inputs.reset();
        stored.damaged = true;
    }
    businessCase_ = std::move(stored.inputs);
    businessCaseDamaged_ = stored.damaged;
    refreshBusinessCase();
}

AnalysisSession::BusinessCaseSave AnalysisSession::saveBusinessCase(const BusinessCase& inputs) {
    BusinessCaseSave save;
    save.problem = checkInputs(inputs);
    if (!save.problem)
        save.written = workspace_.saveBusinessCase(plan_, inputs); // read back by its signal
    return save;
}

const std::vector<MoneyIntervals>* AnalysisSession::businessCaseIntervals() const {
    return moneyIntervals_ ? &*moneyIntervals_ : nullptr;
}

void AnalysisSession::refreshBusinessCase() {
    moneyWork_->cancel();
    moneyIntervals_.reset();
    businessCaseRows_ = businessCase_ ? analysis::businessCaseRows(analysis_, *businessCase_)
                                      : std::vector<BusinessCaseRow>();
    emit businessCaseChanged();
    if (!businessCase_)
        return;
    // From the same resamples as the respondents' intervals.
    moneyWork_->start(
        [this, plan = analysis_, inputs = *businessCase_, rows = businessCaseRows_,
         resampled = resampled_](const std::atomic<bool>& cancel, const BackgroundWork::Progress&) {
            const auto polls = resampled.get();
            auto intervals = analysis::businessCaseIntervals(*polls, plan, inputs, rows, &cancel);
            return [this, intervals = std::move(intervals)]() mutable {
                moneyIntervals_ = std::move(intervals);
                emit businessCaseIntervalsReady();
            };
        });
}

} // namespace lendora::analysis
