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

TEST(StrategyEmi, FlatRateInstalmentInThePattern) {
    struct Case {
        const char* interest;
        const char* loan;
        const char* period;
        const char* text;
    };
    for (const Case& c :
         {Case{"12", "900", "36", "34."}, Case{"12", "700", "36", "26.44"},
          Case{"10", "600", "12", "55."}, Case{"0", "500", "10", "50."},
          Case{"12", "700", "36 months", "26.44"}, Case{"9.5", "250000", "240", "3020.83"}}) {
        AnalysisTables tables;
        tables.lblNewEMIFlag = true;
        const auto text = recomputeEmi(tables, c.interest, c.loan, c.period);
        ASSERT_TRUE(text.has_value()) << c.loan;
        EXPECT_EQ(*text, c.text) << c.interest << " " << c.loan << " " << c.period;
        EXPECT_TRUE(tables.lblEFlag);
    }
}

TEST(StrategyEmi, APeriodOfZeroLeavesTheEmiAsItWas) {
    EXPECT_FALSE(strategyEmi(12, 900, 0).has_value());
    for (const char* period : {"0", "", "months", "0.0"}) {
        AnalysisTables tables;
        tables.lblNewEMIFlag = true;
        EXPECT_FALSE(recomputeEmi(tables, "12", "900", period).has_value()) << period;
        EXPECT_FALSE(tables.lblEFlag) << period;
    }
}

TEST(StrategyEmi, OnlyRecomputedWhenInterestLoanOrPeriodChanged) {
    AnalysisTables tables;
    EXPECT_FALSE(recomputeEmi(tables, "12", "900", "36").has_value());
    EXPECT_FALSE(tables.lblEFlag);
}

TEST(StrategyEmi, AnEmiBeyondTheFloatRangeIsNoValue) {
    EXPECT_FALSE(strategyEmi(1e38, 3e38, 1e-30).has_value());
    EXPECT_FLOAT_EQ(*strategyEmi(12, 900, 36), 34.0f);
}

TEST(ChangeFlags, TheBaseValueIsTakenInSinglePrecision) {
    struct Case {
        const char* base;
        const char* entered;
        bool changed;
    };
    for (const Case& c :
         {Case{"10.1", "10.1", true}, Case{"12.5", "12.5", false}, Case{"900", "900", false},
          Case{"12.5", "12.50", false}, Case{"12.5", " 12.5 %", false}, Case{"0", "abc", false},
          Case{"900", "901", true}, Case{"0.5", ".5", false}}) {
        AnalysisTables tables =
            withOwnValues({c.base, c.base, c.base, c.base, c.base, c.base, c.base});
        for (int f = 1; f <= featureCount; ++f) {
            EXPECT_EQ(confirmFeature(tables, f, c.entered), c.changed)
                << c.base << " / " << c.entered << " feature " << f;
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

TEST(ChangeFlags, ConfirmingTheFreshFieldsUnchangedFlagsOnlyValuesAFloatCannotHold) {
    struct Case {
        QStringList own;
        std::array<bool, featureCount> flags;
    };
    for (const Case& c : {Case{{"12.5", "15000", "900", "75", "36", "34", "2.5"}, {}},
                          Case{{"10.1", "15000.7", "900", "75", "36", "34", "0.1"},
                               {true, true, false, false, false, false, true}}}) {
        AnalysisTables tables = withOwnValues(c.own);
        const QStringList texts = entryTexts(tables.base);
        ASSERT_EQ(texts.size(), featureCount);
        for (int f = 1; f <= featureCount; ++f)
            confirmFeature(tables, f, texts[f - 1]);
        EXPECT_EQ(tables.changeFlags(), c.flags) << c.own.join(' ').toStdString();
    }
}

TEST(EntryTexts, FreebiesPassThroughSinglePrecision) {
    AnalysisTables tables =
        withOwnValues({"9.75", "15000", "500000", "80", "240", "5208.33", "2.123456789"});
    EXPECT_EQ(entryTexts(tables.base),
              QStringList({"9.75", "15000", "500000", "80", "240", "5208.33", "2.1234567"}));
    tables.base.setText(brand::own, 9, "2.5");
    EXPECT_EQ(entryTexts(tables.base).last(), "2.5");
}

} // namespace
