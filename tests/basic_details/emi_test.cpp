#include "basic_details/emi.h"

#include "support/printing.h"

#include <gtest/gtest.h>

using namespace lendora;

namespace {

struct EmiCase {
    const char* what;
    BrandTexts loanValue;
    BrandTexts interest;
    BrandTexts period;
    std::optional<BrandTexts> expected;
};

// The same inputs for all three brands.
EmiCase same(const char* what, const char* l, const char* i, const char* n,
             std::optional<BrandTexts> expected) {
    return {what, {l, l, l}, {i, i, i}, {n, n, n}, std::move(expected)};
}

TEST(EmiValues, ComputesTheFlatRateInstalmentOfEachBrand) {
    const EmiCase cases[] = {
        // 900 / 36 x 1.36 = 34: a whole value keeps its point for brands 0 and 1 only.
        same("900/12/36", "900", "12", "36", BrandTexts{"34.", "34.", "34"}),
        // 19.444... x 1.36 = 26.444...
        same("700/12/36", "700", "12", "36", BrandTexts{"26.44", "26.44", "26.44"}),
        same("600/10/12", "600", "10", "12", BrandTexts{"55.", "55.", "55"}),
        same("500/0/10", "500", "0", "10", BrandTexts{"50.", "50.", "50"}),
        // Below 1 nothing stands before the point.
        same("3/0/12", "3", "0", "12", BrandTexts{".25", ".25", "0.25"}),
        same("1234.56/0/10", "1234.56", "0", "10", BrandTexts{"123.46", "123.46", "123.46"}),
        // 1.005 rounds up on its decimal form in double precision; as a float
        // it lies just below and rounds down.
        same("1.005/0/1", "1.005", "0", "1", BrandTexts{"1.01", "1.01", "1"}),
        // 4.875 exactly: the single-precision steps land just below the half.
        same("100/8.5/24", "100", "8.5", "24", BrandTexts{"4.88", "4.88", "4.87"}),
        // Rounding after every single-precision step, not once at the end
        // (that would give 18.52).
        same("104/13.75/6", "104", "13.75", "6", BrandTexts{"18.53", "18.53", "18.53"}),
        // The leading-number rule: trailing text is ignored.
        same("36 months", "900", "12 % p.a.", "36 months", BrandTexts{"34.", "34.", "34"}),
        {"brands apart",
         {"900", "700", "600"},
         {"12", "11.25", "10.5"},
         {"36", "36", "12"},
         BrandTexts{"34.", "26.01", "55.25"}},
        {"negative period",
         {"600", "600", "600"},
         {"10", "10", "10"},
         {"-12", "12", "-12"},
         BrandTexts{"-45.", "55.", "-45"}},
    };
    for (const EmiCase& c : cases) {
        const auto result = EMI_values(c.loanValue, c.interest, c.period);
        ASSERT_EQ(result.has_value(), c.expected.has_value()) << c.what;
        if (result) {
            EXPECT_EQ(*result, *c.expected)
                << c.what << ": " << result->at(0).toStdString() << " "
                << result->at(1).toStdString() << " " << result->at(2).toStdString();
        }
    }
}

TEST(EmiValues, AnyFailureLeavesAllThreeUncomputed) {
    const BrandTexts loan{"900", "700", "600"};
    const BrandTexts interest{"12", "12", "10"};
    for (int brand = 0; brand < 3; ++brand) {
        for (const char* period : {"0", "", "abc", "0.0", "months 36"}) {
            BrandTexts periods{"36", "36", "12"};
            periods[size_t(brand)] = QString::fromLatin1(period);
            EXPECT_FALSE(EMI_values(loan, interest, periods).has_value())
                << "period \"" << period << "\" for brand " << brand;
        }
    }
    // Brand 2's EMI of 0 is the lone "." that does not read back; brands 0
    // and 1 would have shown it.
    EXPECT_FALSE(EMI_values({"0", "0", "0"}, interest, {"10", "10", "10"}).has_value());
    EXPECT_TRUE(EMI_values({"0", "0", "5"}, interest, {"10", "10", "10"}).has_value());
    // A single-precision result beyond float range is no number either.
    const QString huge = QStringLiteral("300000000000000000000000000000000000000");
    EXPECT_FALSE(EMI_values({"9", "9", huge}, {"0", "0", "0"}, {"1", "1", "0.5"}).has_value());
    // A loan value beyond float range reads as 0 by the leading-number rule.
    EXPECT_EQ(EMI_values({"1", "1", huge + QStringLiteral("0")}, {"0", "0", "0"}, {"1", "1", "1"}),
              std::nullopt);
}

TEST(EmiValues, ASmallPositivePeriodIsNoFailure) {
    const auto result = EMI_values({"1", "1", "1"}, {"0", "0", "0"}, {"0.5", "0.5", "0.5"});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, (BrandTexts{"2.", "2.", "2"}));
}

} // namespace
