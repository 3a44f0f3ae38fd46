#include "analysis/strategy_search.h"

#include "analysis/sensitivity.h"
#include "analysis/strategy_entry.h"
#include "storage/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <unordered_map>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

// Whether the EMI of the suggestion was recomputed: then the EMI field shows
// it in the pattern that the Repayment Period's Enter writes.
bool recomputesEmi(const Suggestion& s) {
    return s.changed[feature::interest] || s.changed[feature::loanValue] ||
           s.changed[feature::repaymentPeriod];
}

// Keeps the best `count` distinct strategies seen. A strategy is known by
// its values (and so its score): offered again, it is kept once.
class Best {
public:
    Best(int count, Objective objective)
        : count_(size_t(std::max(count, 1)))
        , objective_(objective) {}
    void offer(const Suggestion& s) {
        const double value = score(s, objective_);
        if (kept_.size() == count_ && value <= kept_.begin()->first.first)
            return;
        kept_.insert({{value, s.values}, s});
        if (kept_.size() > count_)
            kept_.erase(kept_.begin());
    }
    std::vector<Suggestion> sorted() const {
        std::vector<Suggestion> list;
        for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
            list.push_back(it->second);
        return list;
    }

private:
    // Lower scores first; among equal scores the higher values first, so
    // that the list reads in a stable order.
    using Key = std::pair<double, FeatureValues>;
    struct Order {
        bool operator()(const Key& a, const Key& b) const {
            if (a.first != b.first)
                return a.first < b.first;
            return a.second > b.second;
        }
    };
    size_t count_;
    Objective objective_;
    std::map<Key, Suggestion, Order> kept_;
};

// The respondents of each segment: its seven counts summed over the three
// products.
std::vector<double> segmentRespondents(const PlanPoll& poll, int segments) {
    std::vector<double> respondents(size_t(std::max(segments, 0)), 0.0);
    for (int r = 0; r < segments; ++r)
        for (int f = 0; f < featureCount; ++f)
            for (double count : brandCounts(poll, r, f))
                respondents[size_t(r)] += count;
    return respondents;
}

// The strategies Analyse would refuse as already existing: only a candidate
// whose flag pattern some stored strategy has can be one, and for those the
// check of Analyse itself decides.
class NoveltyCheck {
public:
    explicit NoveltyCheck(const std::vector<StrategyInput>& stored)
        : stored_(stored) {
        for (const StrategyInput& s : stored)
            patterns_[mask(s.changed)] = true;
    }
    bool refuses(const Suggestion& s) const {
        return patterns_[mask(s.changed)] &&
               checkNovelty(stored_, {s.values, s.changed}) == Novelty::AlreadyExists;
    }

private:
    static size_t mask(const PerFeature<bool>& changed) {
        size_t bits = 0;
        for (int f = 0; f < featureCount; ++f)
            bits |= size_t(changed[size_t(f)]) << f;
        return bits;
    }
    const std::vector<StrategyInput>& stored_;
    std::array<bool, 1u << featureCount> patterns_{};
};

// sum[i] += add[i] for i < n: the two apart and two at a time, so that the
// loop runs in vector steps.
void addRow(double* __restrict sum, const double* __restrict add, size_t n) {
    size_t i = 0;
    for (; i + 2 <= n; i += 2) {
        sum[i] += add[i];
        sum[i + 1] += add[i + 1];
    }
    for (; i < n; ++i)
        sum[i] += add[i];
}

// The order in which a search for customers walks the grid, fastest first:
// interest, loan value and period last, so that the EMI they recompute
// stays for long runs of strategies. (Which strategies are listed does not
// depend on the order.)
constexpr std::array<int, featureCount> walkOrder{
    feature::freebies, feature::minIncome,       feature::loanPercentage, feature::emi,
    feature::interest, feature::repaymentPeriod, feature::loanValue};

// What a feature at one value gives: its total over the segments, and each
// segment's estimate (only when customers are counted).
struct FeatureForecast {
    std::int64_t total = 0;
    const std::int32_t* segments = nullptr;
};

// The segments' estimates of many feature values, side by side in blocks
// that never move: one allocation for many values, and the forecasts that
// point at them close together.
class EstimateStore {
public:
    explicit EstimateStore(size_t segments)
        : segments_(segments) {}
    std::int32_t* add() {
        if (blocks_.empty() || used_ + segments_ > blockSize()) {
            blocks_.push_back(std::make_unique_for_overwrite<std::int32_t[]>(blockSize()));
            used_ = 0;
        }
        std::int32_t* estimates = blocks_.back().get() + used_;
        used_ += segments_;
        return estimates;
    }

private:
    size_t blockSize() const { return std::max<size_t>(segments_, 1 << 16); }
    size_t segments_;
    size_t used_ = 0;
    std::vector<std::unique_ptr<std::int32_t[]>> blocks_;
};
using Forecasts = std::array<const FeatureForecast*, featureCount>;

// The forecast grand total is the sum of the feature totals, and each
// feature total depends only on that feature's value: every free feature's
// totals are worked out once per grid value; the EMI's, which interest,
// loan value and period move, as they come. Customers need each segment's
// total (a share is held within 0 and 1): the segments' estimates are kept
// per feature value the same way.
class Forecaster {
public:
    Forecaster(const ProjectDetails& details, const PlanPoll& poll, int segments,
               const SearchSpace& space, const BusinessCase* money,
               const std::vector<StrategyInput>& stored)
        : details_(details)
        , poll_(poll)
        , segments_(segments)
        , space_(space)
        , money_(money)
        , novelty_(stored)
        , own_(freshEntryValues(details))
        , estimates_(size_t(std::max(segments, 0))) {
        for (int f = 0; f < featureCount; ++f) {
            ownForecasts_[size_t(f)].total = featureForecast(f, own_[size_t(f)], false);
            grids_[size_t(f)] = space[size_t(f)].free ? gridValues(space[size_t(f)])
                                                      : std::vector<double>{own_[size_t(f)]};
            slots_[size_t(f)].assign(grids_[size_t(f)].size(), nullptr);
        }
        const double emiPoints = double(grids_[feature::interest].size()) *
                                 double(grids_[feature::loanValue].size()) *
                                 double(grids_[feature::repaymentPeriod].size());
        if (grids_[feature::emi].size() == 1 && emiPoints <= double(exhaustiveLimit))
            emiSlots_.assign(size_t(emiPoints), nullptr);
        if (money_) {
            respondents_ = segmentRespondents(poll, segments);
            for (size_t r = 0; r < respondents_.size(); ++r) {
                perRespondent_.push_back(respondents_[r] > 0 ? 1 / respondents_[r] : 0.0);
                borrowers_.push_back(r < money->borrowers.size() ? double(money->borrowers[r])
                                                                 : 0.0);
            }
            for (std::vector<double>& sum : partial_)
                sum.assign(respondents_.size(), 0.0);
            // The features that keep one value (the EMI moves with interest,
            // loan value and period) summed last: they are added once.
            std::stable_partition(sumOrder_.begin() + 1, sumOrder_.end(), [this](int f) {
                return f == feature::emi || grids_[size_t(f)].size() > 1;
            });
            for (int f = 0; f < featureCount; ++f) {
                FeatureForecast& own = ownForecasts_[size_t(f)];
                std::int32_t* estimates = estimates_.add();
                for (int r = 0; r < segments; ++r)
                    estimates[r] = toWhole(brandCounts(poll, r, f)[0]);
                own.segments = estimates;
            }
            knowFastRange();
        }
    }

    const std::vector<double>& grid(int feature) const { return grids_[size_t(feature)]; }
    // The index of the grid value nearest the own product's value.
    int nearestToOwn(int feature) const {
        const std::vector<double>& grid = grids_[size_t(feature)];
        const double own = own_[size_t(feature)];
        size_t nearest = 0;
        for (size_t i = 1; i < grid.size(); ++i)
            if (std::abs(grid[i] - own) < std::abs(grid[nearest] - own))
                nearest = i;
        return int(nearest);
    }
    std::int64_t forecasts() const { return forecasts_; }
    std::int64_t notNew() const { return std::int64_t(refused_.size()); }
    std::vector<Candidate> takeCandidates() { return std::move(candidates_); }
    void expectCandidates(std::int64_t count) { candidates_.reserve(size_t(count)); }
    // A coordinate ascent visits strategies again: each is a candidate once.
    void setAscent() { ascent_ = true; }

    // The strategy of the grid point, or none when it is not to be suggested.
    std::optional<Suggestion> at(const std::vector<int>& point) {
        FeatureValues values{};
        for (int f = 0; f < featureCount; ++f)
            values[size_t(f)] = grids_[size_t(f)][size_t(point[size_t(f)])];
        Suggestion s = makeSuggestion(details_, values);
        const SearchRange& emi = space_[feature::emi];
        const double emiValue = s.values[feature::emi];
        if (emi.free && (emiValue < emi.low || emiValue > emi.high))
            return std::nullopt;
        if (s.pattern() == u"0000000"_s)
            return std::nullopt;
        if (novelty_.refuses(s)) {
            refused_.insert(s.values);
            return std::nullopt;
        }
        ++forecasts_;
        Forecasts features{};
        for (int f = 0; f < featureCount; ++f) {
            const FeatureForecast** slot = &slots_[size_t(f)][size_t(point[size_t(f)])];
            if (f == feature::emi && recomputesEmi(s))
                slot = emiSlot(point);
            features[size_t(f)] = &featureAt(f, s.values[size_t(f)], s.changed[size_t(f)], slot);
            s.total += features[size_t(f)]->total;
        }
        if (money_)
            addMoney(s, features, size_t(point[walkOrder[0]]));
        return s;
    }

    // Customers and profit of the strategy as the business case core works
    // them out (customersOf, marginPerLoan), for the strategies listed.
    void exactMoney(Suggestion& s) {
        std::vector<double> chosen(size_t(std::max(segments_, 0)), 0.0);
        for (int f = 0; f < featureCount; ++f) {
            const std::int32_t* estimates =
                featureAt(f, s.values[size_t(f)], s.changed[size_t(f)]).segments;
            for (size_t r = 0; r < chosen.size(); ++r)
                chosen[r] += estimates[r];
        }
        s.customers = customersOf(money_->borrowers, respondents_, chosen);
        s.profit = s.customers * marginPerLoan(*money_, loanTerms(s.values));
    }

private:
    // Customers and profit of the strategy for ranking, and its place among
    // the candidates. The same sums as customersOf with each share's
    // division done as a product by 1 / r_s (the ranking does not feel the
    // last bit; the strategies listed are worked out again exactly). The
    // segments' estimates are summed from the slowest moving feature of the
    // walk (sumOrder_) down, and each partial sum is kept for as long as the
    // features it covers stay: most steps only add the fastest feature's.
    // (Sums of whole numbers: their order does not change them.)
    void addMoney(Suggestion& s, const Forecasts& forecasts, size_t fastIndex) {
        std::array<const std::int32_t*, featureCount> estimates{};
        for (int j = 0; j < featureCount; ++j)
            estimates[size_t(j)] = forecasts[size_t(sumOrder_[size_t(j)])]->segments;
        int changed = featureCount - 1;
        while (changed > 0 && estimates[size_t(changed)] == partialFrom_[size_t(changed)])
            --changed;
        for (int j = changed; j >= 1; --j) {
            const std::vector<double>& above = partial_[size_t(j) + 1];
            std::vector<double>& sum = partial_[size_t(j)];
            const std::int32_t* add = estimates[size_t(j)];
            for (size_t r = 0; r < sum.size(); ++r)
                sum[r] = above[r] + add[r];
            partialFrom_[size_t(j)] = add;
        }
        const std::vector<double>& rest = partial_[1];
        if (fastRangeKnown_) {
            if (changed >= 1) {
                sortSegments(rest);
                runKnown_ = false;
            }
            // A walk meets every value of the fastest feature in turn: the
            // customers of all of them at once, in the same sums.
            if (!ascent_) {
                if (!runKnown_)
                    knowRun(rest);
                addCandidate(s, runCustomers_[fastIndex]);
                return;
            }
            const size_t values = fastUnheld_.size();
            double held = 0;
            for (size_t r : held_)
                held += fastTerms_[r * values + fastIndex];
            double mixed = 0;
            for (size_t r : mixed_)
                mixed += mixedTerm(r, rest[r], r * values + fastIndex);
            addCandidate(s, restLinear_ + fastUnheld_[fastIndex] - held + mixed);
            return;
        }
        const std::int32_t* fastest = estimates[0];
        const auto customersOfSegment = [&](size_t r) {
            const double share = (rest[r] + fastest[r]) * perRespondent_[r];
            return borrowers_[r] * std::min(std::max(share, 0.0), 1.0);
        };
        // Four sums in turn, so that each addition need not wait for the last.
        double sum0 = 0, sum1 = 0, sum2 = 0, sum3 = 0;
        size_t r = 0;
        for (; r + 4 <= rest.size(); r += 4) {
            sum0 += customersOfSegment(r);
            sum1 += customersOfSegment(r + 1);
            sum2 += customersOfSegment(r + 2);
            sum3 += customersOfSegment(r + 3);
        }
        for (; r < rest.size(); ++r)
            sum0 += customersOfSegment(r);
        addCandidate(s, (sum0 + sum1) + (sum2 + sum3));
    }
    // What segment r adds beyond its unheld term when the share may leave
    // 0 to 1: the held customers less that term (`at`: the fastest
    // feature's value in the tables).
    double mixedTerm(size_t r, double rest, size_t at) const {
        const double share = (rest + fastEstimates_[at]) * perRespondent_[r];
        return borrowers_[r] * std::min(std::max(share, 0.0), 1.0) - fastTerms_[at];
    }
    // The customers of every value of the fastest feature with the others'
    // estimates summed in `rest`: each value's sums in the order of a single
    // strategy's, each segment's terms in a row.
    void knowRun(const std::vector<double>& rest) {
        const size_t values = fastUnheld_.size();
        runHeld_.assign(values, 0.0);
        runMixed_.assign(values, 0.0);
        for (size_t r : held_)
            addRow(runHeld_.data(), &fastTerms_[r * values], values);
        for (size_t r : mixed_)
            for (size_t i = 0; i < values; ++i)
                runMixed_[i] += mixedTerm(r, rest[r], r * values + i);
        runCustomers_.resize(values);
        for (size_t i = 0; i < values; ++i)
            runCustomers_[i] = restLinear_ + fastUnheld_[i] - runHeld_[i] + runMixed_[i];
        runKnown_ = true;
    }
    void addCandidate(Suggestion& s, double customers) {
        s.customers = customers;
        s.profit = customers * margin(s.values);
        if (!ascent_ || recorded_.insert(s.values).second)
            candidates_.push_back({s.values, s.customers, s.profit});
    }
    // marginPerLoan, its present value worked out once for a run of
    // strategies with the same loan value, period and EMI.
    double margin(const FeatureValues& values) {
        LoanTerms terms = loanTerms(values);
        const double freebies = terms.freebies;
        terms.freebies = 0;
        if (!marginTerms_ || !(*marginTerms_ == terms)) {
            marginTerms_ = terms;
            instalmentsLessLoan_ = instalmentsLessLoan(*money_, terms);
        }
        return marginAfter(*money_, instalmentsLessLoan_, freebies);
    }
    // The lowest and highest estimate of every segment over the values the
    // fastest feature of the walk takes, and tables of its estimates and
    // their terms M_s (e_s / r_s) by segment, then value (when not too many).
    void knowFastRange() {
        const int f = walkOrder[0];
        const std::vector<double>& grid = grids_[size_t(f)];
        const size_t segments = respondents_.size();
        if (grid.size() > 4096 || grid.size() * segments > (size_t(1) << 21))
            return;
        fastLow_.assign(segments, std::numeric_limits<double>::infinity());
        fastHigh_.assign(segments, -std::numeric_limits<double>::infinity());
        fastEstimates_.assign(grid.size() * segments, 0.0);
        fastTerms_.assign(grid.size() * segments, 0.0);
        fastUnheld_.assign(grid.size(), 0.0);
        for (size_t i = 0; i < grid.size(); ++i) {
            const FeatureForecast& forecast = featureAt(
                f, grid[i], differsFromBase(grid[i], ownValue(details_, f)), &slots_[size_t(f)][i]);
            for (size_t r = 0; r < segments; ++r) {
                const double estimate = forecast.segments[r];
                fastLow_[r] = std::min(fastLow_[r], estimate);
                fastHigh_[r] = std::max(fastHigh_[r], estimate);
                const size_t at = r * grid.size() + i;
                fastEstimates_[at] = estimate;
                fastTerms_[at] = borrowers_[r] * (estimate * perRespondent_[r]);
                fastUnheld_[i] += fastTerms_[at];
            }
        }
        knowBounds();
        fastRangeKnown_ = true;
    }
    // The bounds on the sum of the other features' estimates (a whole
    // number, as are the estimates) within which a segment's share stays
    // within 0 and 1, at 0 or at 1, whatever the fastest feature's value:
    // the tests of sortSegments without their additions and products.
    void knowBounds() {
        bounds_.resize(fastLow_.size());
        for (size_t r = 0; r < bounds_.size(); ++r) {
            const double perRespondent = perRespondent_[r];
            // The highest whole h with h / r_s <= 1 and the lowest with
            // h / r_s >= 1, in the products the tests form.
            double atMostOne = std::numeric_limits<double>::infinity();
            double atLeastOne = std::numeric_limits<double>::infinity();
            if (!(respondents_[r] < 0x1p52)) {
                // Beyond whole numbers' steps: worked out one by one.
                bounds_[r] = {atMostOne, atMostOne, -atMostOne, atLeastOne};
                continue;
            }
            if (perRespondent > 0) {
                atMostOne = std::floor(respondents_[r]);
                while ((atMostOne + 1) * perRespondent <= 1)
                    ++atMostOne;
                while (atMostOne * perRespondent > 1)
                    --atMostOne;
                atLeastOne = atMostOne + 1;
                while ((atLeastOne - 1) * perRespondent >= 1)
                    --atLeastOne;
            }
            bounds_[r] = {-fastLow_[r], atMostOne - fastHigh_[r], -fastHigh_[r],
                          atLeastOne - fastLow_[r]};
        }
    }
    // For the sum of the other features' estimates, as the fastest feature
    // moves: the segments whose share stays within 0 and 1 (their weighted
    // sum kept), those held at 0 or at 1 throughout (the borrowers of the
    // latter kept) and the others, whose share may leave 0 to 1.
    // Without branches (which kind a segment is follows no pattern), the
    // sums in four parts so that each addition need not wait for the last.
    void sortSegments(const std::vector<double>& rest) {
        held_.resize(rest.size());
        mixed_.resize(rest.size());
        size_t held = 0;
        size_t mixed = 0;
        const auto sort = [&](size_t r, double& linear, double& atOne) {
            const Bounds& b = bounds_[r];
            const bool isLinear = rest[r] >= b.linearFrom && rest[r] <= b.linearTo;
            const bool atZero = rest[r] <= b.zeroTo;
            const bool isHeld = !isLinear && (atZero || rest[r] >= b.oneFrom);
            linear += isLinear ? borrowers_[r] * (rest[r] * perRespondent_[r]) : 0.0;
            atOne += isHeld && !atZero ? borrowers_[r] : 0.0;
            held_[held] = r;
            held += isHeld;
            mixed_[mixed] = r;
            mixed += !isLinear && !isHeld;
        };
        double linear0 = 0, linear1 = 0, linear2 = 0, linear3 = 0;
        double atOne0 = 0, atOne1 = 0, atOne2 = 0, atOne3 = 0;
        size_t r = 0;
        for (; r + 4 <= rest.size(); r += 4) {
            sort(r, linear0, atOne0);
            sort(r + 1, linear1, atOne1);
            sort(r + 2, linear2, atOne2);
            sort(r + 3, linear3, atOne3);
        }
        for (; r < rest.size(); ++r)
            sort(r, linear0, atOne0);
        held_.resize(held);
        mixed_.resize(mixed);
        restLinear_ =
            ((linear0 + linear1) + (linear2 + linear3)) + ((atOne0 + atOne1) + (atOne2 + atOne3));
    }

    // The feature's total at v, and each segment's estimate when customers
    // are counted: worked out once per value, and kept in the slot of the
    // grid point's value (when there is one) so that no search is needed
    // to find it again.
    const FeatureForecast& featureAt(int f, double v, bool changed,
                                     const FeatureForecast** slot = nullptr) {
        if (!changed)
            return ownForecasts_[size_t(f)];
        if (slot && *slot)
            return **slot;
        auto& cache = cache_[size_t(f)];
        auto found = cache.find(v);
        if (found == cache.end()) {
            FeatureForecast forecast;
            if (money_) {
                // The total is the sum of the segments' estimates, as forecastAt forms it.
                const BrandPoints x = brandValues(details_, f);
                std::int32_t* estimates = estimates_.add();
                for (int r = 0; r < segments_; ++r) {
                    estimates[r] = estimateCount(x, brandCounts(poll_, r, f), v);
                    forecast.total += estimates[r];
                }
                forecast.segments = estimates;
            } else {
                forecast.total = featureForecast(f, v, true);
            }
            found = cache.emplace(v, std::move(forecast)).first;
        }
        if (slot)
            *slot = &found->second;
        return found->second;
    }
    // The slot of a recomputed EMI: one for each interest, loan value and
    // period of the grid, when the EMI itself is not free and they are not
    // too many.
    const FeatureForecast** emiSlot(const std::vector<int>& point) {
        if (emiSlots_.empty())
            return nullptr;
        const size_t i = (size_t(point[feature::interest]) * grids_[feature::loanValue].size() +
                          size_t(point[feature::loanValue])) *
                             grids_[feature::repaymentPeriod].size() +
                         size_t(point[feature::repaymentPeriod]);
        return &emiSlots_[i];
    }
    // The feature total as Analyse forms it: the parabola for a changed
    // feature, the own counts otherwise.
    std::int64_t featureForecast(int f, double v, bool changed) const {
        if (changed)
            return forecastAt(details_, poll_, segments_, f, allSegments, v);
        std::int64_t sum = 0;
        for (int r = 0; r < segments_; ++r)
            sum += toWhole(brandCounts(poll_, r, f)[0]);
        return sum;
    }
    const ProjectDetails& details_;
    const PlanPoll& poll_;
    int segments_;
    const SearchSpace& space_;
    const BusinessCase* money_;
    NoveltyCheck novelty_;
    bool ascent_ = false;
    FeatureValues own_;
    EstimateStore estimates_;
    std::array<FeatureForecast, featureCount> ownForecasts_;
    std::array<std::vector<double>, featureCount> grids_;
    // Hashed: a free EMI meets thousands of values. Elements stay where they are.
    std::array<std::unordered_map<double, FeatureForecast>, featureCount> cache_;
    std::array<std::vector<const FeatureForecast*>, featureCount> slots_;
    std::vector<const FeatureForecast*> emiSlots_;
    std::int64_t forecasts_ = 0;
    std::set<FeatureValues> refused_;
    // For customers and profit.
    std::vector<double> respondents_;
    std::vector<double> perRespondent_; // 1 / r_s, 0 without respondents
    std::vector<double> borrowers_;     // M_s
    // partial_[j]: the estimates of the features sumOrder_[j ..] summed,
    // of the estimates partialFrom_[j ..]; partial_[7] stays 0.
    std::array<int, featureCount> sumOrder_ = walkOrder;
    std::array<std::vector<double>, featureCount + 1> partial_;
    std::array<const std::int32_t*, featureCount> partialFrom_{};
    bool fastRangeKnown_ = false;
    std::vector<double> fastLow_;
    std::vector<double> fastHigh_;
    // Of the sum of the other features' estimates, for each segment: its
    // share stays within 0 and 1 from linearFrom to linearTo, at 0 up to
    // zeroTo and at 1 from oneFrom on.
    struct Bounds {
        double linearFrom, linearTo, zeroTo, oneFrom;
    };
    std::vector<Bounds> bounds_;
    // By segment, then value of the fastest feature: its estimates, and
    // their terms of the customers were no share held (their sums by value
    // in fastUnheld_).
    std::vector<double> fastEstimates_;
    std::vector<double> fastTerms_;
    std::vector<double> fastUnheld_;
    bool runKnown_ = false;
    std::vector<double> runHeld_;
    std::vector<double> runMixed_;
    std::vector<double> runCustomers_; // by value of the fastest feature
    std::vector<size_t> held_;         // segments whose share stays at 0 or at 1
    std::vector<size_t> mixed_;        // segments whose share may leave 0 to 1
    // The weighted sum of the others' estimates where shares stay within 0
    // and 1, and the borrowers where they stay at 1.
    double restLinear_ = 0;
    std::optional<LoanTerms> marginTerms_; // without freebies
    double instalmentsLessLoan_ = 0;
    std::vector<Candidate> candidates_;
    std::set<FeatureValues> recorded_;
};

// Exhaustive: every grid point in turn, as the digits of a mixed-radix
// number, the digits in `order` from the fastest.
void searchAll(Forecaster& forecaster, std::int64_t points, Best& best,
               const std::function<void(int)>& progress, const std::atomic<bool>* cancel,
               SearchResult& result, const std::array<int, featureCount>& order) {
    std::vector<int> point(featureCount, 0);
    int reported = -1;
    for (std::int64_t i = 0; i < points; ++i) {
        if ((i & 1023) == 0) {
            if (cancel && *cancel) {
                result.cancelled = true;
                return;
            }
            const int percent = int(i * 100 / points);
            if (progress && percent != reported)
                progress(reported = percent);
        }
        if (auto s = forecaster.at(point))
            best.offer(*s);
        for (int f : order) {
            if (++point[size_t(f)] < int(forecaster.grid(f).size()))
                break;
            point[size_t(f)] = 0;
        }
    }
    result.exhaustive = true;
}

// Coordinate ascent with restarts.
void searchByAscent(Forecaster& forecaster, Best& best, Objective objective,
                    const std::function<void(int)>& progress, const std::atomic<bool>* cancel,
                    SearchResult& result) {
    std::mt19937_64 random(20120917);
    for (int start = 0; start < ascentStarts; ++start) {
        if (progress)
            progress(start * 100 / ascentStarts);
        std::vector<int> point(featureCount, 0);
        for (int f = 0; f < featureCount; ++f) {
            const auto& grid = forecaster.grid(f);
            if (start == 0) {
                point[size_t(f)] = forecaster.nearestToOwn(f);
            } else {
                point[size_t(f)] =
                    int(std::uniform_int_distribution<size_t>(0, grid.size() - 1)(random));
            }
        }
        double current = -std::numeric_limits<double>::infinity();
        if (auto s = forecaster.at(point)) {
            current = score(*s, objective);
            best.offer(*s);
        }
        for (bool moved = true; moved;) {
            moved = false;
            for (int f = 0; f < featureCount; ++f) {
                if (cancel && *cancel) {
                    result.cancelled = true;
                    return;
                }
                const int size = int(forecaster.grid(f).size());
                int bestIndex = point[size_t(f)];
                for (int i = 0; i < size; ++i) {
                    point[size_t(f)] = i;
                    if (auto s = forecaster.at(point)) {
                        best.offer(*s);
                        if (const double value = score(*s, objective); value > current) {
                            current = value;
                            bestIndex = i;
                            moved = true;
                        }
                    }
                }
                point[size_t(f)] = bestIndex;
            }
        }
    }
}

} // namespace

SearchSpace defaultSearchSpace(const ProjectDetails& details) {
    SearchSpace space;
    for (int f = 0; f < featureCount; ++f) {
        const BrandPoints x = brandValues(details, f);
        SearchRange& range = space[size_t(f)];
        range.low = *std::min_element(x.begin(), x.end());
        range.high = *std::max_element(x.begin(), x.end());
        range.step = (range.high - range.low) / 10;
    }
    return space;
}

std::vector<double> gridValues(const SearchRange& range) {
    std::vector<double> values{range.low};
    if (!(range.step > 0) || !(range.high > range.low))
        return values;
    // Whole multiples of the step, cleaned of the binary residue the sums
    // leave (0.1 + 0.2), so that the values read as the user would type them.
    const auto steps = std::int64_t(std::floor((range.high - range.low) / range.step + 1e-9));
    for (std::int64_t i = 1; i <= steps; ++i) {
        const double v = leadingNumber(doubleText(range.low + double(i) * range.step));
        if (v < range.high)
            values.push_back(v);
    }
    values.push_back(range.high);
    return values;
}

QString Suggestion::pattern() const {
    QString text;
    for (bool flag : changed)
        text += flag ? u'1' : u'0';
    return text;
}

Suggestion makeSuggestion(const ProjectDetails& details, FeatureValues values) {
    Suggestion s;
    bool newEmi = false;
    for (int f = 0; f < featureCount; ++f)
        if (entersEmi(f) && differsFromBase(values[size_t(f)], ownValue(details, f)))
            newEmi = true;
    if (newEmi) {
        const auto emi = strategyEmi(values[feature::interest], values[feature::loanValue],
                                     values[feature::repaymentPeriod]);
        if (emi)
            values[feature::emi] = leadingNumber(patternText(double(*emi)));
    }
    s.values = values;
    for (int f = 0; f < featureCount; ++f)
        s.changed[size_t(f)] = differsFromBase(values[size_t(f)], ownValue(details, f));
    return s;
}

QStringList suggestionTexts(const Suggestion& suggestion) {
    QStringList texts;
    for (int f = 0; f < featureCount; ++f) {
        const double v = suggestion.values[size_t(f)];
        texts << (f == feature::emi && recomputesEmi(suggestion) ? patternText(v) : doubleText(v));
    }
    return texts;
}

double score(const Suggestion& suggestion, Objective objective) {
    switch (objective) {
    case Objective::Customers:
        return suggestion.customers;
    case Objective::Profit:
        return suggestion.profit;
    case Objective::Respondents:
        break;
    }
    return double(suggestion.total);
}

QString objectiveUnavailable(Objective objective, const std::optional<BusinessCase>& money,
                             bool damaged) {
    if (objective == Objective::Respondents)
        return {};
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("StrategySearch", text);
    };
    if (damaged)
        return tr("The plan's business case file cannot be read: save the business case again.");
    if (!money)
        return tr("Needs the plan's business case: enter it in the Business case panel and save "
                  "it.");
    if (checkInputs(*money))
        return tr("The plan's business case has a value out of range: correct it and save it.");
    return {};
}

Candidate currentProduct(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                         const BusinessCase& money) {
    FeatureValues values{};
    for (int f = 0; f < featureCount; ++f)
        values[size_t(f)] = ownValue(details, f);
    std::vector<double> chosen;
    for (int r = 0; r < segmentCount; ++r)
        chosen.push_back(segmentTotals(poll, r)[0]);
    const MoneyForecast forecast =
        moneyForecast(money, loanTerms(values), segmentRespondents(poll, segmentCount), chosen);
    return {values, forecast.customers, forecast.profit};
}

SearchResult searchStrategies(const ProjectDetails& details, const PlanPoll& poll, int segmentCount,
                              const SearchSpace& space, int count,
                              const std::function<void(int)>& progress,
                              const std::atomic<bool>* cancel, const SearchGoal& goal) {
    SearchResult result;
    // Money needs a sound business case; without one the respondents rank.
    const BusinessCase* money =
        goal.objective != Objective::Respondents && goal.money && !checkInputs(*goal.money)
            ? &*goal.money
            : nullptr;
    result.objective = money ? goal.objective : Objective::Respondents;
    Forecaster forecaster(details, poll, segmentCount, space, money, goal.stored);
    std::int64_t points = 1;
    for (int f = 0; f < featureCount && points <= exhaustiveLimit; ++f)
        points *= std::int64_t(forecaster.grid(f).size());
    Best best(count, result.objective);
    if (money && points <= exhaustiveLimit)
        forecaster.expectCandidates(points);
    if (points <= exhaustiveLimit)
        searchAll(forecaster, points, best, progress, cancel, result,
                  money ? walkOrder : std::array<int, featureCount>{0, 1, 2, 3, 4, 5, 6});
    else {
        forecaster.setAscent();
        searchByAscent(forecaster, best, result.objective, progress, cancel, result);
    }
    if (progress && !result.cancelled)
        progress(100);
    result.best = best.sorted();
    result.forecasts = forecaster.forecasts();
    result.notNew = forecaster.notNew();
    if (money) {
        for (Suggestion& s : result.best)
            forecaster.exactMoney(s);
        result.candidates = forecaster.takeCandidates();
        result.current = currentProduct(details, poll, segmentCount, *money);
    }
    return result;
}

} // namespace lendora::analysis
