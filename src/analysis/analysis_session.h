#pragma once

#include "analysis/business_case_rows.h"
#include "analysis/intervals.h"
#include "analysis/plan_analysis.h"
#include "storage/record_file.h"
#include "workspace/records.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lendora {
class Workspace;
}

namespace lendora::analysis {

class BackgroundWork;

// The analysis of one open plan: the plan's data read from the Workspace,
// the strategy being composed, the last Analyse with its warnings, the
// strategies added, and the 90% intervals worked out on threads from
// resamples of the poll counts. Panels of the Analysis window show it and
// change it only through it; it tells them by its signals. Saving goes
// through the Workspace.
//
// A poll saved for the plan while the session is open reaches it: the
// counts follow, the estimates shown are worked out again, the intervals
// are drawn afresh. The saved strategies keep the estimates they were
// added with, as they would when the plan is opened again.
class AnalysisSession : public QObject {
    Q_OBJECT
public:
    // Reads the plan's details, segments, poll counts and (for an analysed
    // plan) its strategies, and starts drawing the resamples and working out
    // the strategies' intervals.
    AnalysisSession(Workspace& workspace, PlanId plan, QObject* parent = nullptr);
    // Stops the background work and waits for it.
    ~AnalysisSession() override;

    PlanId planId() const { return plan_; }
    // The plan's record and its current number; an empty record and 0 once
    // the plan is gone.
    const Plan& plan() const;
    int planNumber() const;
    // The working copy the plan is read from (its business case, for one).
    const Workspace& workspace() const { return workspace_; }

    const PlanAnalysis& analysis() const { return analysis_; }

    // The "New Analysis" frame: Enter in a feature's field holding `value`,
    // and the EMI recomputed when the period is confirmed (see
    // StrategyEntry).
    bool confirm(int feature, double value);
    std::optional<float> recomputeEmi(double interest, double loanValue, double period);

    // Analyse, Add (the number added, 0 when nothing was analysed) and the
    // row last clicked in a summary table.
    Novelty analyse(const FeatureValues& values);
    int add(const FeatureValues& entered);
    void selectRow(int row);

    // Delete of the strategy last clicked. Deleting the last one takes the
    // plan's analysis flag back at once, so the deleted strategies do not
    // come back at the next opening; how that write went is told.
    struct Deletion {
        DeleteOutcome outcome = DeleteOutcome::NotAStrategy;
        WriteStatus withdrawal;
    };
    Deletion deleteSelected();
    // Save: the strategies and the plan's analysis flag "Yes".
    WriteStatus save();

    // The 90% intervals of strategies 1 to K; null while they are being
    // worked out for the strategies and counts shown now.
    const std::vector<StrategyIntervals>* intervals() const;
    // The resamples the intervals came from; null without intervals.
    const ResampledPolls* intervalsResampled() const;
    bool intervalsBusy() const;
    // Calls `then` once the intervals of the strategies shown are known: at
    // once when they are, otherwise when they are ready, unless `context`
    // (the caller) is gone by then. Never waits.
    void whenIntervalsReady(QObject* context, std::function<void()> then);

    // The intervals of the estimates of the last Analyse: every estimate's
    // and every total's; none while they are being worked out.
    struct EstimateIntervals {
        std::vector<PerFeature<Interval>> cells; // [segment][feature]
        StrategyIntervals totals;
    };
    const std::optional<EstimateIntervals>& estimateIntervals() const { return estimateIntervals_; }

    // The resamples of the counts shown, for work of the caller's own (the
    // strategy search).
    ResampledSource resampled() const { return resampled_; }

    // The plan's business case: its inputs as stored (none without a file,
    // or when the file is damaged or not one of ours), its rows for the
    // current product and strategies 1 to K, and their 90% intervals (null
    // while they are being worked out or without inputs).
    const std::optional<BusinessCase>& businessCase() const { return businessCase_; }
    bool businessCaseDamaged() const { return businessCaseDamaged_; }
    const std::vector<BusinessCaseRow>& businessCaseRows() const { return businessCaseRows_; }
    const std::vector<MoneyIntervals>* businessCaseIntervals() const;
    // Save of the business case: inputs out of range are refused (nothing
    // is written), others stored through the Workspace and shown.
    struct BusinessCaseSave {
        std::optional<InputProblem> problem;
        WriteStatus written;
    };
    BusinessCaseSave saveBusinessCase(const BusinessCase& inputs);

signals:
    void estimatesChanged();         // Analyse ran, or the estimates follow new counts;
                                     // their warnings come with them
    void estimateIntervalsChanged(); // the estimates' intervals came or went
    void strategiesChanged();        // a strategy was added or deleted
    void strategyAdded(int number);
    void pollFollowed(); // the poll counts were saved again
    void intervalsStarted();
    void intervalsProgress(int percent); // 0 to 100; -1 when the work ended
    void intervalsReady();
    void intervalsAwaited();           // a caller waits for the intervals
    void planRemoved();                // a save of the plans deleted the plan
    void businessCaseChanged();        // its inputs or rows changed
    void businessCaseIntervalsReady(); // the rows' intervals are known

private:
    void followPoll();
    void startResampling();
    // Works out the intervals of strategies 1 to K anew.
    void refreshIntervals();
    void refreshEstimateIntervals();
    // Reads the business case from the Workspace; works out its rows again.
    void readBusinessCase();
    void refreshBusinessCase();

    Workspace& workspace_;
    PlanId plan_;
    PlanAnalysis analysis_;

    ResampledSource resampled_;
    std::shared_ptr<std::atomic<bool>> resampleCancel_;
    BackgroundWork* intervalWork_ = nullptr;
    BackgroundWork* estimateWork_ = nullptr;
    bool intervalsReady_ = false;
    std::vector<StrategyIntervals> intervals_;
    std::shared_ptr<const ResampledPolls> intervalsResampled_;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting_;
    std::optional<EstimateIntervals> estimateIntervals_;
    std::optional<BusinessCase> businessCase_;
    bool businessCaseDamaged_ = false;
    std::vector<BusinessCaseRow> businessCaseRows_;
    BackgroundWork* moneyWork_ = nullptr;
    std::optional<std::vector<MoneyIntervals>> moneyIntervals_;
};

} // namespace lendora::analysis
