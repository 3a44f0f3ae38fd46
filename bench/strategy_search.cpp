// "Suggest strategies" over the same grid ranked by respondents and by
// profit: interest, loan value, period and freebies free (236,775 grid
// points, every one forecast, the EMI recomputed for most) over the 200
// segments of the benchmark plan. Ranking by profit adds each segment's
// total, the customers and the loan's present value to every forecast; it
// should cost at most 1.2 times the respondents' search, timed in the same run.
#include "analysis/strategy_search.h"
#include "analysis/business_case.h"
#include "bench_plan.h"
#include "seconds_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace lendora;
using namespace lendora::analysis;

namespace {

using bench::segmentCount;

struct SearchPlan : bench::BenchPlan {
    SearchSpace space = defaultSearchSpace(details);
    BusinessCase money;

    SearchPlan() {
        space[feature::interest] = {true, 10, 14, 0.1};
        space[feature::loanValue] = {true, 500000, 700000, 10000};
        space[feature::repaymentPeriod] = {true, 120, 240, 12};
        space[feature::freebies] = {true, 2, 5, 0.125};
        std::vector<double> respondents;
        for (int r = 0; r < segmentCount; ++r) {
            double sum = 0;
            for (int f = 0; f < featureCount; ++f)
                for (double count : brandCounts(poll, r, f))
                    sum += count;
            respondents.push_back(sum);
        }
        money.borrowers = splitMarket(1000000, respondents);
        money.averageLoanPercent = 80;
        money.costOfFunds = 8;
        money.acquisitionCost = 2000;
    }
    SearchResult search(Objective objective) const {
        return searchStrategies(details, poll, segmentCount, space, 10, {}, nullptr,
                                {objective, money, {}});
    }
};

void searchBy(benchmark::State& state, Objective objective) {
    const SearchPlan plan;
    std::int64_t forecasts = 0;
    for (auto _ : state) {
        const SearchResult result = plan.search(objective);
        if (!result.exhaustive || result.objective != objective)
            state.SkipWithError("not the search meant");
        forecasts = result.forecasts;
        benchmark::DoNotOptimize(result.best.front().values);
    }
    state.counters["forecasts"] = double(forecasts);
}

void BM_SearchByRespondents(benchmark::State& state) {
    searchBy(state, Objective::Respondents);
}
BENCHMARK(BM_SearchByRespondents)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SearchByProfit(benchmark::State& state) {
    searchBy(state, Objective::Profit);
}
BENCHMARK(BM_SearchByProfit)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double respondents = reporter.seconds("BM_SearchByRespondents");
    const double profit = reporter.seconds("BM_SearchByProfit");
    if (respondents > 0 && profit > 0)
        std::printf("\nSearch of the same grid over %d segments: by profit %.1f ms, by respondents "
                    "%.1f ms; %.2f times (goal: at most 1.2)\n",
                    segmentCount, profit * 1e3, respondents * 1e3, profit / respondents);
    benchmark::Shutdown();
    return 0;
}
