#include "analysis/analysis_tables.h"

#include "storage/details_file.h"

#include "storage/table_records.h"

namespace lendora::analysis {

using namespace Qt::StringLiterals;

QStringList featureNames() {
    return {u"Interest"_s,         u"Min. Eligible Income"_s,
            u"Max. Loan Value"_s,  u"Max. Loan Percentage"_s,
            u"Repayment Period"_s, u"EMI"_s,
            u"Freebies"_s};
}

QStringList baseHeadings() {
    return details::headings(u"Names"_s);
}

QStringList estimateHeadings() {
    return QStringList{u"Strategy ID"_s} + featureNames() + QStringList{totalsLabel};
}

QStringList strategyHeadings() {
    return QStringList{u"Strategy ID"_s} + featureNames();
}

QStringList featureTableHeadings() {
    return QStringList{u"ID"_s} + featureNames() + QStringList{totalsLabel};
}

QString estimatesCaption(int analysisId) {
    return u"Detailed Estimates for "_s + QString::number(analysisId);
}

AnalysisTables::AnalysisTables()
    : base(2, 10)
    , estimates(2, estimate::columnCount)
    , strategies(2, strategyColumnCount)
    , features(2, featureColumnCount)
    , flags(2, flagColumnCount)
    , segments(2, 2) {
    estimates.setHeadings(estimateHeadings());
    strategies.setHeadings(strategyHeadings());
}

namespace {

// The flag member of a feature, const or not; null outside 1 to 7.
template <class Tables>
auto flagOf(Tables& tables, int feature) -> decltype(&tables.lblIFlag) {
    switch (feature) {
    case feature::interest:
        return &tables.lblIFlag;
    case feature::minIncome:
        return &tables.lblMFlag;
    case feature::loanValue:
        return &tables.lblVFlag;
    case feature::loanPercentage:
        return &tables.lblPFlag;
    case feature::repaymentPeriod:
        return &tables.lblRFlag;
    case feature::emi:
        return &tables.lblEFlag;
    case feature::freebies:
        return &tables.lblFFlag;
    default:
        return nullptr;
    }
}

} // namespace

bool& AnalysisTables::changeFlag(int feature) {
    if (bool* flag = flagOf(*this, feature))
        return *flag;
    unknownFlag_ = false;
    return unknownFlag_;
}

bool AnalysisTables::changeFlag(int feature) const {
    const bool* flag = flagOf(*this, feature);
    return flag && *flag;
}

std::array<bool, featureCount> AnalysisTables::changeFlags() const {
    std::array<bool, featureCount> all{};
    for (int f = 1; f <= featureCount; ++f)
        all[size_t(f - 1)] = changeFlag(f);
    return all;
}

void AnalysisTables::clearChangeFlags() {
    for (int f = 1; f <= featureCount; ++f)
        changeFlag(f) = false;
    lblNewEMIFlag = false;
}

void placeSegments(AnalysisTables& tables, const std::vector<QStringList>& segmentRecords) {
    placeRecords(tables.estimates, segmentRecords, 1, 0, true);
}

} // namespace lendora::analysis
