#include "analysis/strategy_entry.h"

#include "storage/numbers.h"

namespace lendora::analysis {

double baseValue(const Grid& base, int feature) {
    return leadingNumber(base.text(brand::own, 2 + feature));
}

bool differsFromBase(double value, double baseValue) {
    return value != double(float(baseValue));
}

QStringList entryTexts(const Grid& base) {
    QStringList texts;
    for (int f = 1; f < feature::freebies; ++f)
        texts << base.text(brand::own, 2 + f);
    texts << floatText(float(baseValue(base, feature::freebies)));
    return texts;
}

bool confirmFeature(AnalysisTables& tables, int feature, const QString& fieldText) {
    if (feature < 1 || feature > featureCount)
        return false;
    const bool changed = differsFromBase(leadingNumber(fieldText), baseValue(tables.base, feature));
    tables.changeFlag(feature) = changed;
    const bool entersEmi = feature == feature::interest || feature == feature::loanValue ||
                           feature == feature::repaymentPeriod;
    if (changed && entersEmi)
        tables.lblNewEMIFlag = true;
    return changed;
}

std::optional<float> strategyEmi(double interest, double loanValue, double period) {
    if (period == 0)
        return std::nullopt;
    return toSingle((loanValue / period) * ((100 + interest * (period / 12)) / 100));
}

std::optional<QString> recomputeEmi(AnalysisTables& tables, const QString& interestText,
                                    const QString& loanValueText, const QString& periodText) {
    if (!tables.lblNewEMIFlag)
        return std::nullopt;
    const auto emi = strategyEmi(leadingNumber(interestText), leadingNumber(loanValueText),
                                 leadingNumber(periodText));
    if (!emi)
        return std::nullopt;
    tables.lblEFlag = true;
    return patternText(double(*emi));
}

} // namespace lendora::analysis
