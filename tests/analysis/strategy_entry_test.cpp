#include "analysis/strategy_entry.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

AnalysisTables withOwnValues(const QStringList& own) {
    AnalysisTables tables = tablesWithSegments(1);
    setBase(tables, {own, QStringList{}, QStringList{}});
    return tables;
}

TEST(StrategyEmi, AFlatRateInstalmentOnlyWhenInterestLoanOrPeriodChangedAndThePeriodIsNotZero) {
    const struct {
        const char *interest, *loan, *period, *text; // null text: the EMI stays
    } cases[] = {{"12", "900", "36", "34."},          {"12", "700", "36", "26.44"},
                 {"10", "600", "12", "55."},          {"0", "500", "10", "50."},
                 {"12", "700", "36 months", "26.44"}, {"9.5", "250000", "240", "3020.83"},
                 {"12", "900", "0", nullptr},         {"12", "900", "", nullptr},
                 {"12", "900", "months", nullptr},    {"12", "900", "0.0", nullptr}};
    for (const auto& c : cases) {
        AnalysisTables tables;
        tables.lblNewEMIFlag = true;
        const auto text = recomputeEmi(tables, c.interest, c.loan, c.period);
        EXPECT_EQ(text.value_or("none"), c.text ? c.text : "none")
            << c.interest << " " << c.loan << " " << c.period;
        EXPECT_EQ(tables.lblEFlag, c.text != nullptr) << c.period;
    }
    AnalysisTables unchanged;
    EXPECT_FALSE(recomputeEmi(unchanged, "12", "900", "36").has_value());
    EXPECT_FALSE(unchanged.lblEFlag);
    EXPECT_FALSE(strategyEmi(12, 900, 0).has_value());
    EXPECT_FALSE(strategyEmi(1e38, 3e38, 1e-30).has_value()) << "beyond the float range";
    EXPECT_FLOAT_EQ(*strategyEmi(12, 900, 36), 34.0f);
}

TEST(ChangeFlags, TheBaseValueIsTakenInSinglePrecision) {
    const struct {
        const char *base, *entered;
        bool changed;
    } cases[] = {{"10.1", "10.1", true},   {"12.5", "12.5", false},    {"900", "900", false},
                 {"12.5", "12.50", false}, {"12.5", " 12.5 %", false}, {"0", "abc", false},
                 {"900", "901", true},     {"0.5", ".5", false}};
    for (const auto& c : cases) {
        AnalysisTables tables = withOwnValues(QStringList(7, c.base));
        for (int f = 1; f <= featureCount; ++f) {
            EXPECT_EQ(confirmFeature(tables, f, c.entered), c.changed)
                << c.base << " / " << c.entered << " " << f;
            EXPECT_EQ(tables.changeFlag(f), c.changed);
        }
    }
}

TEST(ChangeFlags, InterestLoanValueAndPeriodAskForANewEmi) {
    const QStringList own{"10", "20000", "500000", "80", "240", "5000", "2"};
    for (int f = 1; f <= featureCount; ++f) {
        AnalysisTables tables = withOwnValues(own);
        confirmFeature(tables, f, "1");
        const bool entersEmi =
            f == feature::interest || f == feature::loanValue || f == feature::repaymentPeriod;
        EXPECT_EQ(tables.lblNewEMIFlag, entersEmi) << "feature " << f;
        // Confirming it unchanged afterwards clears its flag but not the EMI's.
        confirmFeature(tables, f, own[f - 1]);
        EXPECT_FALSE(tables.changeFlag(f));
        EXPECT_EQ(tables.lblNewEMIFlag, entersEmi) << "feature " << f;
    }
}

TEST(EntryTexts, FreshFieldsConfirmedUnchangedFlagOnlyValuesAFloatCannotHold) {
    const struct {
        QStringList own, texts;
        std::array<bool, featureCount> flags;
    } cases[] = {{{"12.5", "15000", "900", "75", "36", "34", "2.5"},
                  {"12.5", "15000", "900", "75", "36", "34", "2.5"},
                  {}},
                 {{"10.1", "15000.7", "900", "75", "36", "34", "0.1"},
                  {"10.1", "15000.7", "900", "75", "36", "34", "0.1"},
                  {true, true, false, false, false, false, true}}};
    for (const auto& c : cases) {
        AnalysisTables tables = withOwnValues(c.own);
        EXPECT_EQ(entryTexts(tables.base), c.texts) << "freebies pass through single precision";
        for (int f = 1; f <= featureCount; ++f)
            confirmFeature(tables, f, c.texts[f - 1]);
        EXPECT_EQ(tables.changeFlags(), c.flags) << c.own.join(' ').toStdString();
    }
    const QStringList own{"9.75", "15000", "500000", "80", "240", "5208.33", "2.123456789"};
    EXPECT_EQ(entryTexts(withOwnValues(own).base).last(), "2.1234567");
}

} // namespace
