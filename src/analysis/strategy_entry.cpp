#include "analysis/strategy_entry.h"

namespace lendora::analysis {

bool differsFromBase(double value, double baseValue) {
    return value != double(float(baseValue));
}

bool StrategyEntry::confirm(const ProjectDetails& details, int f, double value) {
    if (f < 0 || f >= featureCount)
        return false;
    const bool flag = differsFromBase(value, ownValue(details, f));
    changed[size_t(f)] = flag;
    if (flag && entersEmi(f))
        emiRecomputed = true;
    return flag;
}

std::optional<float> StrategyEntry::recomputeEmi(double interest, double loanValue, double period) {
    if (!emiRecomputed)
        return std::nullopt;
    const std::optional<float> emi = strategyEmi(interest, loanValue, period);
    if (emi)
        changed[feature::emi] = true;
    return emi;
}

std::optional<float> strategyEmi(double interest, double loanValue, double period) {
    if (period == 0)
        return std::nullopt;
    return toSingle((loanValue / period) * ((100 + interest * (period / 12)) / 100));
}

QStringList freshEntryTexts(const ProjectDetails& details) {
    QStringList texts;
    for (int f = 0; f < feature::freebies; ++f)
        texts << details.own().features[size_t(f)].text;
    texts << floatText(float(ownValue(details, feature::freebies)));
    return texts;
}

FeatureValues freshEntryValues(const ProjectDetails& details) {
    FeatureValues values{};
    for (int f = 0; f < feature::freebies; ++f)
        values[size_t(f)] = ownValue(details, f);
    values[feature::freebies] = shownFloat(float(ownValue(details, feature::freebies)));
    return values;
}

FeatureValues fieldValues(const QStringList& texts) {
    FeatureValues values{};
    for (int f = 0; f < featureCount && f < texts.size(); ++f)
        values[size_t(f)] = leadingNumber(texts[f]);
    return values;
}

} // namespace lendora::analysis
