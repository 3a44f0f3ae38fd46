#include "analysis/business_case.h"
#include "analysis/forecast_tools_guru.h"
#include "analysis/strategy_search.h"

#include "analysis/analysis_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <set>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

// Two segments whose Freebies curves peak apart. Segment 1 has many
// respondents and peaks at 3.5 (40, 80, 40 over 2, 3, 5); segment 2 has few
// but, per respondent, more borrowers, and peaks at 2.5 (40, 40, 16). The
// other counts are flat. Over Freebies 2 to 5 by 0.5 the most respondents
// come at 3.5 (122 against 120 at 3), the most customers at 3 (435 against
// 428 at 3.5), and with a margin of 10 - Freebies per loan (PV 1,200,000,
// loan 500,000, acquisition 699,990) the most profit at 2.5 (3,180 against
// 3,045 at 3).
struct TwoPeaks {
    TwoPeaks() {
        const Counts flat{5, 5, 5, 5, 5, 5, 0};
        Counts own1{5, 50, 5, 5, 5, 5, 40}, c11{5, 450, 5, 5, 5, 5, 80}, c21 = c11;
        c21[6] = 40;
        Counts own2 = flat, c12 = flat, c22 = flat;
        own2[6] = 40;
        c12[6] = 40;
        c22[6] = 16;
        poll = planPoll({own1, own2}, {c11, c12}, {c21, c22});
        money.borrowers = {1185, 744};
        money.averageLoanPercent = 100;
        money.costOfFunds = 0;
        money.acquisitionCost = 699990;
        space = defaultSearchSpace(details);
        space[feature::freebies] = {true, 2, 5, 0.5};
    }
    SearchResult search(Objective objective, std::vector<StrategyInput> stored = {},
                        int count = 10) const {
        return searchStrategies(details, poll, 2, space, count, {}, nullptr,
                                {objective, money, std::move(stored)});
    }
    ProjectDetails details = usualDetails();
    PlanPoll poll;
    BusinessCase money;
    SearchSpace space;
};

StrategyInput freebies(double value) {
    StrategyInput s;
    s.values = freshEntryValues(usualDetails());
    s.values[feature::freebies] = value;
    s.changed[feature::freebies] = true;
    return s;
}

TEST(SearchObjective, EachObjectiveFindsItsOwnKnownOptimum) {
    const TwoPeaks plan;
    const struct {
        Objective objective;
        double best;
        double second;
    } cases[] = {{Objective::Respondents, 3.5, 3},
                 {Objective::Customers, 3, 3.5},
                 {Objective::Profit, 2.5, 3}};
    for (const auto& c : cases) {
        const SearchResult result = plan.search(c.objective);
        ASSERT_EQ(result.objective, c.objective);
        ASSERT_EQ(result.best.size(), 6u) << "every Freebies but the own 2";
        EXPECT_EQ(result.best[0].values[feature::freebies], c.best);
        EXPECT_EQ(result.best[1].values[feature::freebies], c.second);
        for (size_t i = 1; i < result.best.size(); ++i)
            EXPECT_GE(score(result.best[i - 1], c.objective), score(result.best[i], c.objective));
    }
}

TEST(SearchObjective, MoneyOfEveryCandidateIsTheBusinessCaseOfTheStrategy) {
    const TwoPeaks plan;
    const SearchResult result = plan.search(Objective::Profit);
    ASSERT_EQ(result.candidates.size(), 6u);
    const std::vector<double> respondents{115 + 555 + 515, 70 + 70 + 46};
    for (const Suggestion& s : result.best) {
        const DetailedEstimates e =
            forecast(plan.details, plan.poll, 2, StrategyInput{s.values, s.changed});
        const MoneyForecast money =
            moneyForecast(plan.money, loanTerms(s.values), respondents,
                          {double(e.segments[0].total), double(e.segments[1].total)});
        EXPECT_EQ(s.customers, money.customers);
        EXPECT_EQ(s.profit, money.profit);
        EXPECT_EQ(s.total, e.grandTotal);
    }
    // The current product: the own Freebies 2 and the own poll totals (115, 70).
    EXPECT_DOUBLE_EQ(result.current.customers, 1185.0 * 115 / 1185 + 744.0 * 70 / 186);
    EXPECT_DOUBLE_EQ(result.current.profit, result.current.customers * 8);
}

TEST(SearchObjective, EveryCandidatesMoneyHoldsWhenSharesLeaveZeroToOne) {
    // Far beyond the brands the parabolas run below 0 and above the
    // respondents: shares are held at 0 and 1 for some strategies, not for
    // others.
    // Segment 2's interest counts 5, 5, 400 over 10, 12, 14 rise steeply.
    TwoPeaks plan;
    plan.poll.products[2].segments[1].features[feature::interest] = 400;
    plan.money.borrowers = {1185, 74400};
    plan.space[feature::freebies] = {true, 0, 12, 0.5};
    plan.space[feature::minIncome] = {true, 10000, 40000, 5000};
    plan.space[feature::interest] = {true, 10, 18, 1};
    const SearchResult result = plan.search(Objective::Customers);
    ASSERT_TRUE(result.exhaustive);
    ASSERT_EQ(std::int64_t(result.candidates.size()), result.forecasts);
    const std::vector<double> respondents{115 + 555 + 515, 70 + 70 + 46 + 395};
    std::set<int> held;
    for (const Candidate& c : result.candidates) {
        const Suggestion s = makeSuggestion(plan.details, c.values);
        const DetailedEstimates e = forecast(plan.details, plan.poll, 2, {s.values, s.changed});
        const std::vector<double> chosen{double(e.segments[0].total), double(e.segments[1].total)};
        const double customers = customersOf(plan.money.borrowers, respondents, chosen);
        EXPECT_NEAR(c.customers, customers, 1e-9 * std::max(customers, 1.0));
        EXPECT_NEAR(c.profit, customers * marginPerLoan(plan.money, loanTerms(s.values)),
                    1e-9 * std::max(std::abs(c.profit), 1.0));
        for (size_t r = 0; r < 2; ++r)
            held.insert(chosen[r] < 0 ? -1 : chosen[r] > respondents[r] ? 1 : 0);
    }
    EXPECT_EQ(held, (std::set<int>{-1, 0, 1})) << "the case holds shares at both ends";
}

TEST(SearchObjective, RespondentsNeedNoBusinessCaseAndKeepNoCandidates) {
    TwoPeaks plan;
    const SearchResult plain = searchStrategies(plan.details, plan.poll, 2, plan.space);
    const SearchResult withMoney = plan.search(Objective::Respondents);
    ASSERT_EQ(plain.best.size(), withMoney.best.size());
    for (size_t i = 0; i < plain.best.size(); ++i)
        EXPECT_EQ(plain.best[i].values, withMoney.best[i].values);
    EXPECT_TRUE(withMoney.candidates.empty());
    // Without a sound business case a money objective ranks by respondents.
    plan.money.averageLoanPercent = 0;
    EXPECT_EQ(plan.search(Objective::Profit).objective, Objective::Respondents);
    EXPECT_EQ(plan.search(Objective::Profit).best.front().values[feature::freebies], 3.5);
}

TEST(SearchObjective, SaysWhyAMoneyObjectiveIsUnavailable) {
    BusinessCase sound;
    sound.borrowers = {10};
    BusinessCase bad = sound;
    bad.costOfFunds = -1;
    EXPECT_TRUE(objectiveUnavailable(Objective::Respondents, std::nullopt, true).isEmpty());
    EXPECT_TRUE(objectiveUnavailable(Objective::Profit, sound, false).isEmpty());
    const QString none = objectiveUnavailable(Objective::Customers, std::nullopt, false);
    const QString damaged = objectiveUnavailable(Objective::Profit, std::nullopt, true);
    const QString outOfRange = objectiveUnavailable(Objective::Profit, bad, false);
    EXPECT_EQ(std::set<QString>({none, damaged, outOfRange}).size(), 3u);
    for (const QString& reason : {none, damaged, outOfRange})
        EXPECT_TRUE(reason.contains("business case")) << reason.toStdString();
}

TEST(SearchNovelty, NeverProposesWhatAnalyseWouldRefuseAndCountsIt) {
    const TwoPeaks plan;
    StrategyInput interest;
    interest.values = freshEntryValues(plan.details);
    interest.values[feature::interest] = 11;
    interest.changed[feature::interest] = true;
    const struct {
        std::vector<StrategyInput> stored;
        std::set<double> leftOut;
    } cases[] = {
        {{}, {}},
        {{freebies(3.5)}, {3.5}},
        {{freebies(3.5), freebies(4), freebies(4.25)}, {3.5, 4}},
        // Another flag pattern: Analyse compares no values.
        {{interest}, {}},
        // The same pattern present: any stored flagged value counts, as in Analyse.
        {{freebies(9), interest}, {}},
    };
    for (const auto& c : cases)
        for (Objective objective : {Objective::Respondents, Objective::Profit}) {
            const SearchResult result = plan.search(objective, c.stored);
            EXPECT_EQ(result.notNew, std::int64_t(c.leftOut.size()));
            EXPECT_EQ(result.best.size(), 6u - c.leftOut.size());
            EXPECT_EQ(result.forecasts, 6 - std::int64_t(c.leftOut.size()));
            for (const Suggestion& s : result.best) {
                EXPECT_FALSE(c.leftOut.count(s.values[feature::freebies]));
                EXPECT_EQ(checkNovelty(c.stored, {s.values, s.changed}), Novelty::New);
            }
        }
}

TEST(SearchObjective, ALargeGridByAscentKeepsEachCandidateOnce) {
    TwoPeaks plan;
    for (SearchRange& range : plan.space) {
        range.free = true;
        range.step = (range.high - range.low) / 20;
    }
    const SearchResult result = plan.search(Objective::Profit);
    ASSERT_FALSE(result.exhaustive);
    std::set<FeatureValues> seen;
    for (const Candidate& c : result.candidates)
        EXPECT_TRUE(seen.insert(c.values).second);
    EXPECT_LE(std::int64_t(result.candidates.size()), result.forecasts);
    ASSERT_FALSE(result.best.empty());
    // Candidates are ranked in sums whose last bit may differ from the list's.
    const double best = result.best.front().profit;
    for (const Candidate& c : result.candidates)
        EXPECT_LE(c.profit, best + 1e-9 * std::abs(best));
}

} // namespace

namespace {

TEST(SearchObjective, TheGuruSpeaksOfTheObjectiveInTheUsersOwnFigures) {
    const TwoPeaks plan;
    const struct {
        Objective objective;
        QString opening;
    } cases[] = {
        {Objective::Respondents, "The best strategy found for DreamHome sets Freebies 3.5"},
        {Objective::Customers, "Ranked by customers, the best strategy found for DreamHome "
                               "sets Freebies 3 and is forecast to win 435 customers"},
        {Objective::Profit, "Ranked by profit, the best strategy found for DreamHome sets "
                            "Freebies 2.5 and is forecast to earn 3180 from 424 customers"}};
    for (const auto& c : cases) {
        const QString text = guru::suggestions(plan.search(c.objective), "DreamHome");
        EXPECT_TRUE(text.startsWith(c.opening)) << text.toStdString();
        EXPECT_EQ(text.contains("frontier"), c.objective != Objective::Respondents);
    }
}

// The search takes shortcuts to the customers (sums per run of the fastest
// feature, segments whose share cannot leave 0 to 1 taken at once, the
// margin's present value kept per loan): every candidate's money must still
// be the business case of its forecast, on plans that drive each shortcut:
// EMIs recomputed far beyond the brands, a free EMI, a fastest feature fixed
// or with too many values to tabulate, a segment without respondents, one
// without borrowers, no cost of funds, an ascent.
TEST(SearchObjective, EveryCandidatesMoneyIsItsBusinessCaseOnVariedPlans) {
    std::mt19937 random(25);
    std::uniform_int_distribution<int> count(0, 6);
    std::array<std::vector<Counts>, 3> products;
    // Nine segments, so that every lane of the sums over segments counts.
    constexpr int segments = 9;
    std::vector<double> respondents(segments, 0.0);
    for (std::vector<Counts>& product : products)
        for (int r = 0; r < segments; ++r) {
            product.push_back({});
            for (double& c : product.back()) // none in the last segment
                respondents[size_t(r)] += c = r < segments - 1 ? count(random) : 0;
        }
    const PlanPoll poll = planPoll(products[0], products[1], products[2]);
    const ProjectDetails details = usualDetails();
    const SearchRange interest{true, 4, 24, 4}, loan{true, 200000, 1000000, 200000},
        period{true, 60, 300, 60}, freebies{true, 0, 16, 2};
    const struct {
        double costOfFunds;
        std::vector<std::pair<int, SearchRange>> free;
        bool exhaustive;
    } cases[] = {
        {8, {{0, interest}, {2, loan}, {4, period}, {6, freebies}}, true},
        {0, {{0, interest}, {2, loan}, {4, period}, {6, freebies}}, true},
        {12, {{5, {true, 2000, 9000, 500}}, {1, {true, 10000, 40000, 10000}}, {6, freebies}}, true},
        {8, {{0, interest}, {4, period}}, true},             // the fastest feature fixed
        {8, {{0, interest}, {6, {true, 0, 5000, 1}}}, true}, // too many to tabulate
        {8, {{0, {true, 4, 24, 1}}, {2, {true, 200000, 1000000, 40000}}}, false}}; // all free
    for (const auto& c : cases) {
        SearchSpace space = defaultSearchSpace(details);
        if (!c.exhaustive)
            for (SearchRange& range : space)
                range = {true, range.low, range.high, (range.high - range.low) / 20};
        for (const auto& [f, range] : c.free)
            space[size_t(f)] = range;
        const BusinessCase money{
            {1200, 800, 250, 5000000, 40, 0, 3000, 700, 90}, 75, c.costOfFunds, 1500};
        for (Objective objective : {Objective::Customers, Objective::Profit}) {
            const SearchResult result = searchStrategies(details, poll, segments, space, 10, {},
                                                         nullptr, {objective, money, {}});
            ASSERT_EQ(result.exhaustive, c.exhaustive);
            if (c.exhaustive) {
                EXPECT_EQ(std::int64_t(result.candidates.size()), result.forecasts);
            }
            double best = -std::numeric_limits<double>::infinity();
            for (const Candidate& candidate : result.candidates) {
                const Suggestion s = makeSuggestion(details, candidate.values);
                std::vector<double> chosen;
                for (const SegmentEstimates& e :
                     forecast(details, poll, segments, {s.values, s.changed}).segments)
                    chosen.push_back(e.total);
                const double customers = customersOf(money.borrowers, respondents, chosen);
                const double margin = marginPerLoan(money, loanTerms(s.values));
                ASSERT_NEAR(candidate.customers, customers, 1e-9 * std::max(customers, 1.0));
                EXPECT_EQ(candidate.profit, candidate.customers * margin);
                best =
                    std::max(best, objective == Objective::Profit ? customers * margin : customers);
            }
            EXPECT_NEAR(score(result.best.front(), objective), best,
                        1e-9 * std::max(std::abs(best), 1.0));
        }
    }
}

} // namespace
