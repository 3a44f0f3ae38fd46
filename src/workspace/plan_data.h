#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The data of a plan beyond its registry record, as the program works with
// it: the project's details, the audience's segments, the poll counts and
// the saved strategies. Their file forms exist only in the plan codecs
// (workspace/plan_codecs.h); the Workspace loads and saves them.
namespace lendora {

// Interest, minimum eligible income, maximum loan value, maximum loan
// percentage, repayment period, EMI and freebies: the order of every table,
// file and chart. Arrays of features are indexed 0 to 6 in that order.
constexpr int featureCount = 7;
// The own brand (0), competitor 1 (1) and competitor 2 (2); the poll's
// products are numbered the same.
constexpr int brandCount = 3;

template <class T>
using PerFeature = std::array<T, featureCount>;
template <class T>
using PerBrand = std::array<T, brandCount>;

// A number as the user typed it. The text is the user's own and stays as
// typed wherever it is shown or stored ("10.50" stays "10.50"); the value is
// its leading number, 0 when it holds none.
struct TypedNumber {
    TypedNumber() = default;
    explicit TypedNumber(QString typed);

    QString text;
    double value = 0;

    bool operator==(const TypedNumber& other) const { return text == other.text; }
};

// One brand of a project.
struct BrandDetails {
    QString name; // the project's name for the own brand, the competitor's otherwise
    QString brand;
    TypedNumber marketShare;
    PerFeature<TypedNumber> features;

    bool operator==(const BrandDetails&) const = default;
};

// A project's details: the own brand, competitor 1 and competitor 2. A brand
// the details file does not hold has empty texts.
struct ProjectDetails {
    PerBrand<BrandDetails> brands;

    const BrandDetails& own() const { return brands[0]; }
    bool operator==(const ProjectDetails&) const = default;
};

// An audience's segments: the description of segment 1 at index 0, and so
// on. A segment whose record names no place of its own keeps an empty
// description.
using SegmentDescriptions = std::vector<QString>;

// A poll count as entered: a number (counts are kept as typed numbers, 2.5
// and -3 stay what they are), or nothing before it is entered.
using PollCount = std::optional<double>;

// One segment's counts for one product: the seven features and the segment
// total as it was entered or stored.
struct SegmentCounts {
    PerFeature<PollCount> features;
    PollCount total;

    bool operator==(const SegmentCounts&) const = default;
};

// One product's counts: segment 1 at index 0, and so on.
struct ProductCounts {
    std::vector<SegmentCounts> segments;

    bool operator==(const ProductCounts&) const = default;
};

// The counts of a plan's three products, one entry per segment of its
// audience.
struct PlanPoll {
    PerBrand<ProductCounts> products;

    bool operator==(const PlanPoll&) const = default;
};

// A strategy as the analysis files keep it.
struct SavedStrategy {
    PerFeature<double> values{};           // the new values of the own product
    PerFeature<double> featureEstimates{}; // respondents per feature, all segments
    PerFeature<bool> changed{};            // the features the strategy changed
    // Respondents per segment; none where the files hold no number (an
    // audience that gained segments after the strategy was saved).
    std::vector<std::optional<double>> segmentEstimates;

    bool operator==(const SavedStrategy&) const = default;
};

// What a plan's strategies are worth in money: the lender's own figures,
// entered in the Analysis window's business case.
struct BusinessCase {
    std::vector<std::int64_t> borrowers; // per year in each segment, from segment 1
    double averageLoanPercent = 100;     // u: the average loan, % of the maximum loan value
    double costOfFunds = 0;              // c: % per year
    double acquisitionCost = 0;          // K: per new loan

    bool operator==(const BusinessCase&) const = default;
};

} // namespace lendora
