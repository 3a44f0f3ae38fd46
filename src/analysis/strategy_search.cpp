#include "analysis/strategy_search.h"

#include "analysis/sensitivity.h"
#include "analysis/strategy_entry.h"
#include "storage/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <set>

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
        , own_(freshEntryValues(details)) {
        for (int f = 0; f < featureCount; ++f) {
            ownTotals_[size_t(f)] = featureForecast(f, own_[size_t(f)], false);
            grids_[size_t(f)] = space[size_t(f)].free ? gridValues(space[size_t(f)])
                                                      : std::vector<double>{own_[size_t(f)]};
        }
        if (money_) {
            respondents_ = segmentRespondents(poll, segments);
            chosen_.assign(size_t(std::max(segments, 0)), 0.0);
            for (int f = 0; f < featureCount; ++f) {
                auto& own = ownSegments_[size_t(f)];
                for (int r = 0; r < segments; ++r)
                    own.push_back(toWhole(brandCounts(poll, r, f)[0]));
            }
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
        for (int f = 0; f < featureCount; ++f)
            s.total += featureTotal(f, s.values[size_t(f)], s.changed[size_t(f)]);
        if (money_)
            addMoney(s);
        return s;
    }

private:
    // Customers and profit of the strategy, and its place among the candidates.
    void addMoney(Suggestion& s) {
        const std::int32_t* features[featureCount];
        for (int f = 0; f < featureCount; ++f)
            features[f] = segmentEstimates(f, s.values[size_t(f)], s.changed[size_t(f)]).data();
        for (size_t r = 0; r < chosen_.size(); ++r) {
            std::int32_t total = 0;
            for (const std::int32_t* estimates : features)
                total += estimates[r];
            chosen_[r] = total;
        }
        s.customers = customersOf(money_->borrowers, respondents_, chosen_);
        s.profit = s.customers * marginPerLoan(*money_, loanTerms(s.values));
        if (!ascent_ || recorded_.insert(s.values).second)
            candidates_.push_back({s.values, s.customers, s.profit});
    }

    std::int64_t featureTotal(int f, double v, bool changed) {
        if (!changed)
            return ownTotals_[size_t(f)];
        auto& cache = cache_[size_t(f)];
        const auto found = cache.find(v);
        if (found != cache.end())
            return found->second;
        const std::int64_t total = featureForecast(f, v, true);
        cache.emplace(v, total);
        return total;
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
    // Each segment's estimate for the feature at v, as Analyse forms it.
    const std::vector<std::int32_t>& segmentEstimates(int f, double v, bool changed) {
        if (!changed)
            return ownSegments_[size_t(f)];
        auto& cache = segmentCache_[size_t(f)];
        const auto found = cache.find(v);
        if (found != cache.end())
            return found->second;
        const BrandPoints x = brandValues(details_, f);
        std::vector<std::int32_t> estimates;
        estimates.reserve(size_t(std::max(segments_, 0)));
        for (int r = 0; r < segments_; ++r)
            estimates.push_back(estimateCount(x, brandCounts(poll_, r, f), v));
        return cache.emplace(v, std::move(estimates)).first->second;
    }

    const ProjectDetails& details_;
    const PlanPoll& poll_;
    int segments_;
    const SearchSpace& space_;
    const BusinessCase* money_;
    NoveltyCheck novelty_;
    bool ascent_ = false;
    FeatureValues own_;
    std::array<std::int64_t, featureCount> ownTotals_{};
    std::array<std::vector<double>, featureCount> grids_;
    std::array<std::map<double, std::int64_t>, featureCount> cache_;
    std::int64_t forecasts_ = 0;
    std::set<FeatureValues> refused_;
    // For customers and profit.
    std::vector<double> respondents_;
    std::vector<double> chosen_;
    std::array<std::vector<std::int32_t>, featureCount> ownSegments_;
    std::array<std::map<double, std::vector<std::int32_t>>, featureCount> segmentCache_;
    std::vector<Candidate> candidates_;
    std::set<FeatureValues> recorded_;
};

// Exhaustive: every grid point in turn, as the digits of a mixed-radix number.
void searchAll(Forecaster& forecaster, std::int64_t points, Best& best,
               const std::function<void(int)>& progress, const std::atomic<bool>* cancel,
               SearchResult& result) {
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
        for (int f = 0; f < featureCount; ++f) {
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
    const BusinessCase* money = goal.objective != Objective::Respondents && goal.money &&
                                        !checkInputs(*goal.money)
                                    ? &*goal.money
                                    : nullptr;
    result.objective = money ? goal.objective : Objective::Respondents;
    Forecaster forecaster(details, poll, segmentCount, space, money, goal.stored);
    std::int64_t points = 1;
    for (int f = 0; f < featureCount && points <= exhaustiveLimit; ++f)
        points *= std::int64_t(forecaster.grid(f).size());
    Best best(count, result.objective);
    if (points <= exhaustiveLimit)
        searchAll(forecaster, points, best, progress, cancel, result);
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
        result.candidates = forecaster.takeCandidates();
        result.current = currentProduct(details, poll, segmentCount, *money);
    }
    return result;
}

} // namespace lendora::analysis
