// The analysis session over a real working folder, without a window: what
// it reads, how Add and Delete number the strategies, how Save and the last
// Delete write, how it follows a poll saved for its plan, and how exports
// wait for the intervals.
#include "analysis/analysis_session.h"
#include "analysis/table_texts.h"
#include "workspace/plan_codecs.h"
#include "workspace/workspace.h"

#include "support/golden.h"
#include "support/workspace.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::test;

namespace {

class Session : public ::testing::Test {
protected:
    // The analysis test folder with the given plans registry and analysis files.
    void open(const char* plans, const char* analysis = nullptr) {
        copyFolder(dataFolder("analysis/workspace"), ws);
        copyFolder(dataFolder(QString("analysis/") + plans), ws);
        if (analysis)
            copyFolder(dataFolder(QString("analysis/") + analysis), ws);
        workspace.emplace(RecordFolder(ws.path()));
        workspace->load();
        session.emplace(*workspace, workspace->plan(1)->id);
    }
    // The own values with the feature changed to `value`, each confirmed as
    // the entry frame confirms them (the period recomputes the EMI).
    FeatureValues confirmWith(int feature, double value) {
        FeatureValues values = freshEntryValues(session->analysis().details());
        values[size_t(feature)] = value;
        for (int f = 0; f < featureCount; ++f) {
            session->confirm(f, values[size_t(f)]);
            if (f == feature::repaymentPeriod)
                if (const auto emi =
                        session->recomputeEmi(values[feature::interest], values[feature::loanValue],
                                              values[feature::repaymentPeriod]))
                    values[feature::emi] = leadingNumber(patternText(double(*emi)));
        }
        return values;
    }
    // Analyse and Add with the own values, the feature changed to `value`.
    int add(int feature, double value) {
        const FeatureValues values = confirmWith(feature, value);
        EXPECT_EQ(session->analyse(values), Novelty::New);
        return session->add(values);
    }
    QStringList firstValues() const {
        QStringList values;
        for (const Strategy& s : session->analysis().strategies())
            values << doubleText(s.values[feature::interest]);
        return values;
    }
    void waitForIntervals() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return session->intervals() != nullptr; }, 30000));
    }

    TempWorkspace ws;
    std::optional<Workspace> workspace;
    std::optional<AnalysisSession> session;
};

TEST_F(Session, ReadsTheStrategiesOfAnAnalysedPlanOnly) {
    open("plans_no", "two_strategies");
    EXPECT_TRUE(session->analysis().strategies().empty());
    EXPECT_FALSE(session->analysis().comparisonShown());
    EXPECT_EQ(session->analysis().segments(),
              (SegmentDescriptions{"Salaried, 25 to 40", "Self employed", "Retired"}));
    EXPECT_EQ(session->analysis().details().own().brand, "Easy Home");
    EXPECT_EQ(session->analysis().poll().products[0].segments[2].total, 31);

    session.reset();
    workspace.reset();
    open("plans_yes", "two_strategies");
    EXPECT_EQ(firstValues(), (QStringList{"11", "12"}));
    EXPECT_EQ(session->analysis().nextStrategyNumber(), 3);
    EXPECT_TRUE(session->analysis().comparisonShown());
    EXPECT_FALSE(session->analysis().addedSinceOpening());
}

TEST_F(Session, AddAndDeleteNumberTheStrategiesAndTheLastDeleteWithdrawsThePlan) {
    open("plans_yes", "two_strategies");
    QSignalSpy added(&*session, &AnalysisSession::strategyAdded);
    EXPECT_EQ(add(feature::interest, 11.25), 3);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(firstValues(), (QStringList{"11", "12", "11.25"}));
    EXPECT_EQ(session->analysis().entry().changed, PerFeature<bool>{}) << "the entry starts afresh";

    // The totals row (K + 1) and rows beyond are no strategy.
    for (int row : {0, 4, -1}) {
        session->selectRow(row);
        EXPECT_EQ(session->deleteSelected().outcome, DeleteOutcome::NotAStrategy) << row;
    }
    session->selectRow(2);
    EXPECT_EQ(session->deleteSelected().outcome, DeleteOutcome::Deleted);
    EXPECT_EQ(firstValues(), (QStringList{"11", "11.25"}));
    EXPECT_EQ(session->analysis().nextStrategyNumber(), 3);
    EXPECT_EQ(tableText(session->analysis(), AnalysisTable::StrategyValues, 2, 0), "2");

    const QByteArray files = ws.read("1_0ff.lnd");
    session->selectRow(1);
    EXPECT_TRUE(session->deleteSelected().withdrawal.ok())
        << "nothing to write while some are left";
    EXPECT_TRUE(workspace->plan(1)->analysed);
    const AnalysisSession::Deletion last = session->deleteSelected();
    EXPECT_EQ(last.outcome, DeleteOutcome::NoneLeft);
    EXPECT_TRUE(last.withdrawal.ok());
    EXPECT_FALSE(workspace->plan(1)->analysed);
    EXPECT_TRUE(ws.read("pptb.lnd").contains("\"111\",\"No\"\r\n2"));
    EXPECT_EQ(ws.read("1_0ff.lnd"), files) << "the files stay until the next Save";
}

// A save writes the analysis files, then the plan's "Yes"; a failed write
// leaves both as they were. What a save writes the scenarios compare.
TEST_F(Session, ASaveWritesAllOrNothing) {
    TempWorkspace stored;
    copyFolder(dataFolder("analysis/one_strategy"), stored);
    for (long long limit : {16, 60, 0}) { // an analysis file fails, the registry, nothing
        SCOPED_TRACE(limit);
        session.reset();
        workspace.reset();
        for (const QString& name : ws.files())
            QFile::remove(ws.filePath(name));
        open("plans_no");
        ASSERT_EQ(add(feature::interest, 11), 1);
        std::optional<FileSizeLimit> full;
        if (limit)
            full.emplace(limit);
        const WriteStatus status = session->save();
        full.reset();
        EXPECT_EQ(status.ok(), limit == 0);
        EXPECT_EQ(workspace->plan(1)->analysed, limit == 0);
        EXPECT_FALSE(workspace->plan(2)->analysed);
        const QByteArray registry = readFile(dataFolder("analysis/plans_no/pptb.lnd"));
        EXPECT_EQ(ws.read("pptb.lnd"), limit ? registry
                                             : QByteArray(registry).replace(
                                                   "\"111\",\"No\"\r\n2", "\"111\",\"Yes\"\r\n2"));
        for (const QString& name : stored.files())
            EXPECT_EQ(ws.exists(name) ? ws.read(name) : "none", limit ? "none" : stored.read(name));
    }
}

// The user corrects competitor 1's counts in the poll window while the
// analysis is open: the counts follow, the estimates shown and Add with
// them; the saved strategies keep theirs. Another plan's poll changes
// nothing.
TEST_F(Session, APollSavedForThePlanReachesIt) {
    open("plans_yes", "two_strategies");
    const PlanAnalysis& plan = session->analysis();
    const FeatureValues values = confirmWith(feature::interest, 11.5);
    ASSERT_EQ(session->analyse(values), Novelty::New);
    const DetailedEstimates before = *plan.estimates();
    const std::vector<Strategy> saved = plan.strategies();
    waitForIntervals();
    QSignalSpy followed(&*session, &AnalysisSession::pollFollowed);
    QSignalSpy estimates(&*session, &AnalysisSession::estimatesChanged);

    ProductCounts other = plan.poll().products[1];
    other.segments[0].features[0] = 70;
    ASSERT_TRUE(workspace->savePoll(workspace->plan(2)->id, 1, other, {{true, true, true}}).ok());
    EXPECT_EQ(followed.count(), 0) << "another plan's poll";

    ASSERT_TRUE(workspace->savePoll(workspace->plan(1)->id, 1, other, {{true, true, true}}).ok());
    EXPECT_EQ(followed.count(), 1);
    EXPECT_EQ(estimates.count(), 1);
    EXPECT_EQ(plan.poll().products[1], other);
    const DetailedEstimates after = forecast(plan.details(), plan.poll(), 3, plan.estimated());
    EXPECT_EQ(plan.estimates()->segments[0].features[0], after.segments[0].features[0]);
    EXPECT_NE(after.segments[0].features[0], before.segments[0].features[0]);
    EXPECT_EQ(session->intervals(), nullptr) << "the intervals are drawn afresh";
    EXPECT_EQ(session->intervalsResampled(), nullptr) << "nor the earlier counts' resamples";
    waitForIntervals();

    EXPECT_EQ(session->add(values), 3);
    EXPECT_EQ(plan.strategies()[2].featureEstimates[0], after.featureTotals[0]);
    EXPECT_EQ(plan.strategies()[0].featureEstimates, saved[0].featureEstimates);

    // A strategy refused stays refused with new counts: its totals zeros,
    // no warnings, nothing to add.
    confirmWith(feature::interest, 11.5);
    ASSERT_EQ(session->analyse(values), Novelty::AlreadyExists);
    other.segments[1].features[0] = 0;
    ASSERT_TRUE(workspace->savePoll(workspace->plan(1)->id, 1, other, {{true, true, true}}).ok());
    EXPECT_TRUE(plan.refused());
    EXPECT_TRUE(plan.warnings().empty());
    EXPECT_EQ(tableText(plan, AnalysisTable::Estimates, 4, 1), "0");
    EXPECT_EQ(session->add(values), 0);
}

TEST_F(Session, AnExportWaitsForTheIntervalsOfTheStrategiesShown) {
    open("plans_yes", "two_strategies");
    waitForIntervals();
    QObject exporter;
    int written = 0;
    session->whenIntervalsReady(&exporter, [&] { ++written; });
    EXPECT_EQ(written, 1) << "known intervals: at once";

    ASSERT_EQ(add(feature::interest, 11.25), 3);
    QSignalSpy awaited(&*session, &AnalysisSession::intervalsAwaited);
    std::vector<size_t> shown;
    session->whenIntervalsReady(&exporter, [&] { shown.push_back(session->intervals()->size()); });
    auto gone = std::make_unique<QObject>();
    session->whenIntervalsReady(gone.get(), [&] { ++written; });
    gone.reset();
    EXPECT_TRUE(shown.empty()) << "never while they are being worked out";
    EXPECT_EQ(awaited.count(), 2);
    waitForIntervals();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, std::vector<size_t>{3});
    EXPECT_EQ(written, 1) << "not for a caller that is gone";

    // They are the intervals of the strategies, from the plan's resamples.
    const ResampledPolls resampled(session->analysis().details(), session->analysis().poll(), 3);
    const std::vector<StrategyIntervals>& intervals = *session->intervals();
    for (size_t k = 0; k < 3; ++k)
        EXPECT_EQ(intervals[k].total,
                  resampled.intervals(session->analysis().strategies()[k].input()).total);
    ASSERT_NE(session->intervalsResampled(), nullptr);
}

TEST_F(Session, ThePlanDeletedBySavingThePlansIsToldOfOnce) {
    open("plans_yes");
    QSignalSpy removed(&*session, &AnalysisSession::planRemoved);
    const Plan second = *workspace->plan(2);
    ASSERT_TRUE(workspace
                    ->savePlans({{second.id, second.project, second.projectName, second.audience,
                                  second.audienceName}})
                    .ok());
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(session->planNumber(), 0);
}

// The business case follows its inputs, the strategies and the poll; its
// intervals come after the respondents', from the same resamples; inputs
// out of range and a file that is not one write nothing.
TEST_F(Session, TheBusinessCaseFollowsItsInputsStrategiesAndPoll) {
    open("plans_yes", "two_strategies");
    EXPECT_FALSE(session->businessCase());
    EXPECT_FALSE(session->businessCaseDamaged());
    EXPECT_TRUE(session->businessCaseRows().empty());
    QSignalSpy changed(&*session, &AnalysisSession::businessCaseChanged);

    const BusinessCase refused{{100, -1, 5}, 80, 6, 100};
    const auto problem = session->saveBusinessCase(refused).problem;
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->segment, 2);
    EXPECT_FALSE(ws.exists("1_0bc.lnd")) << "nothing written";

    const BusinessCase inputs{{3000, 2000, 1000}, 80, 6, 100};
    ASSERT_TRUE(session->saveBusinessCase(inputs).written.ok());
    ASSERT_EQ(session->businessCase(), inputs);
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(session->businessCaseRows().size(), 3u) << "the current product and 2 strategies";
    EXPECT_EQ(session->businessCaseRows(), businessCaseRows(session->analysis(), inputs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return session->businessCaseIntervals(); }, 30000));
    EXPECT_EQ(session->businessCaseIntervals()->size(), 3u);

    // A strategy added is a row more, its intervals worked out again.
    ASSERT_EQ(add(feature::interest, 11.25), 3);
    EXPECT_EQ(session->businessCaseRows().size(), 4u);
    EXPECT_EQ(session->businessCaseIntervals(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return session->businessCaseIntervals(); }, 30000));
    waitForIntervals();
    // The customers of every resample are those of the respondents' resamples.
    const ResampledPolls& resampled = *session->intervalsResampled();
    EXPECT_EQ(session->businessCaseIntervals()->at(3).profit.low,
              businessCaseIntervals(resampled, session->analysis(), inputs,
                                    session->businessCaseRows())[3]
                  .profit.low);

    // A poll saved again: the current product's customers follow.
    ProductCounts own = session->analysis().poll().products[0];
    own.segments[0].features[0] = 0;
    const double before = session->businessCaseRows()[0].money.customers;
    ASSERT_TRUE(workspace->savePoll(workspace->plan(1)->id, 0, own, {{true, true, true}}).ok());
    EXPECT_LT(session->businessCaseRows()[0].money.customers, before);

    // A file that is not a business case, or one with inputs out of range.
    for (const QByteArray& bytes : {QByteArray("\"Lendora business case\",1,150,6,100\r\n"),
                                    QByteArray("not a business case\r\n")}) {
        ws.write("1_0bc.lnd", bytes);
        AnalysisSession reopened(*workspace, workspace->plan(1)->id);
        EXPECT_FALSE(reopened.businessCase()) << bytes.constData();
        EXPECT_TRUE(reopened.businessCaseDamaged());
        EXPECT_TRUE(reopened.businessCaseRows().empty());
    }
}

} // namespace
