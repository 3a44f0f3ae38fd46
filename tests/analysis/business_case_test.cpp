// The business case in money, worked out by hand: a loan of 100,000 at a
// flat 12% over 36 months (EMI 3,777.78), 80% of it lent on average, funds at
// 6% a year, 100 to win a customer and 500 of freebies.
#include "analysis/business_case.h"
#include "analysis/business_case_guru.h"
#include "workspace/plan_codecs.h"

#include "support/golden.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lendora;
using namespace lendora::analysis;
using namespace Qt::StringLiterals;

namespace {

const LoanTerms flatTwelve{100000, 36, 100000 * 1.36 / 36, 500};

BusinessCase lender(std::vector<std::int64_t> borrowers) {
    return {std::move(borrowers), 80, 6, 100};
}

TEST(BusinessCase, TurnsRespondentsIntoCustomersAndProfit) {
    // Segment 1: more choose the product than were asked, so all 1,000 are
    // won; segment 2: nobody was asked, so none; segment 3: a negative
    // forecast wins nobody; segment 4: a quarter of 400.
    const MoneyForecast money = moneyForecast(lender({1000, 500, 300, 400}), flatTwelve,
                                              {100, 0, 50, 40}, {120, 30, -5, 10});
    EXPECT_EQ(money.customersBySegment, (std::vector<double>{1000, 0, 0, 100}));
    EXPECT_DOUBLE_EQ(money.customers, 1100);
    EXPECT_DOUBLE_EQ(money.marketShare, 1100.0 / 2200);
    EXPECT_DOUBLE_EQ(money.volume, 1100 * 80000.0);
    // PV of 36 instalments of 3,022.22 at 0.5% a month: 99,343.52.
    EXPECT_NEAR(money.marginPerLoan, 18743.515745335055, 1e-6);
    EXPECT_NEAR(money.profit, 1100 * 18743.515745335055, 1e-3);
}

TEST(BusinessCase, WithoutCostOfFundsThePresentValueIsTheSumOfTheInstalments) {
    BusinessCase inputs = lender({10});
    inputs.costOfFunds = 0;
    // 36 x 3,022.22 - 80,000 - 500 - 100.
    EXPECT_NEAR(marginPerLoan(inputs, flatTwelve), 28200, 1e-6);
    const MoneyForecast none = moneyForecast(lender({}), flatTwelve, {}, {});
    EXPECT_EQ(none.customers, 0);
    EXPECT_EQ(none.marketShare, 0) << "no borrowers: no share, and no division by zero";
    const MoneyForecast one = moneyForecast(lender({1}), flatTwelve, {10}, {5});
    EXPECT_DOUBLE_EQ(one.marketShare, 0.5) << "a market of one borrower";
}

TEST(BusinessCase, EffectiveAnnualRateOfAFlatRate) {
    // A flat 12% over 36 months costs about 23.4% a year.
    const std::optional<double> rate = effectiveAnnualRate(100000, flatTwelve.emi, 36);
    ASSERT_TRUE(rate);
    EXPECT_NEAR(*rate, 23.386071507478224, 1e-9);
    // Twelve instalments of 1/12 of 1.1268250301319698 x 100: 1% a month.
    const double monthlyOnePercent = 100 * 0.01 / (1 - std::pow(1.01, -12));
    EXPECT_NEAR(*effectiveAnnualRate(100, monthlyOnePercent, 12), 12.682503013196973, 1e-9);
    EXPECT_EQ(effectiveAnnualRate(3600, 100, 36), 0.0) << "paid back exactly: no interest";
    EXPECT_FALSE(effectiveAnnualRate(3600, 99, 36)) << "less than the loan comes back";
    EXPECT_FALSE(effectiveAnnualRate(0, 100, 36));
    EXPECT_FALSE(effectiveAnnualRate(3600, 100, 0));
    EXPECT_FALSE(effectiveAnnualRate(3600, -1, 36));
    // A usurious loan still gets its rate: nearly 100% a month.
    EXPECT_NEAR(*effectiveAnnualRate(100, 100, 36), (std::pow(2.0, 12) - 1) * 100, 1e-3);
    // The rate does not depend on the unit of money.
    for (double unit : {1e-6, 0.01, 1000.0}) {
        const std::optional<double> scaled =
            effectiveAnnualRate(100000 * unit, flatTwelve.emi * unit, 36);
        ASSERT_TRUE(scaled) << unit;
        EXPECT_NEAR(*scaled, *rate, 1e-6) << unit;
    }
}

TEST(BusinessCase, SplitsTheMarketByRespondentsInWholeBorrowers) {
    struct Case {
        std::int64_t total;
        std::vector<double> respondents;
        std::vector<std::int64_t> split;
    };
    const Case cases[] = {
        {1000, {50, 30, 20}, {500, 300, 200}},
        {10, {1, 1, 1}, {4, 3, 3}}, // the leftover unit to the first on a tie
        {10, {1, 2, 0}, {3, 7, 0}}, // 3.33 and 6.67: the larger remainder wins
        {7, {0, 0}, {4, 3}},        // nobody asked: evenly
        {0, {5, 5}, {0, 0}},        // no market
        {5, {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitMarket(c.total, c.respondents), c.split) << c.total;
}

TEST(BusinessCase, RefusesInputsOutOfRangeByField) {
    EXPECT_FALSE(checkInputs(lender({0, 5})));
    BusinessCase full = lender({1});
    full.averageLoanPercent = 100;
    EXPECT_FALSE(checkInputs(full)) << "u = 100 is allowed";
    struct Case {
        BusinessCase inputs;
        BusinessCaseField field;
        int segment;
    };
    const Case cases[] = {
        {{{3, -1}, 80, 6, 100}, BusinessCaseField::Borrowers, 2},
        {{{}, 0, 6, 100}, BusinessCaseField::AverageLoan, 0},
        {{{}, 100.5, 6, 100}, BusinessCaseField::AverageLoan, 0},
        {{{}, NAN, 6, 100}, BusinessCaseField::AverageLoan, 0},
        {{{}, 80, -0.1, 100}, BusinessCaseField::CostOfFunds, 0},
        {{{}, 80, INFINITY, 100}, BusinessCaseField::CostOfFunds, 0},
        {{{}, 80, 6, -1}, BusinessCaseField::AcquisitionCost, 0},
    };
    for (const Case& c : cases) {
        const std::optional<InputProblem> problem = checkInputs(c.inputs);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->segment, c.segment);
    }
}

TEST(BusinessCaseFile, KeepsItsInputsAndRefusesWhatItDidNotWrite) {
    const BusinessCase inputs{{1200, 0, 35}, 62.5, 7.25, 150};
    const QByteArray bytes = plancodec::businessCaseBytes(inputs);
    EXPECT_EQ(bytes, "\"Lendora business case\",1,62.5,7.25,150\r\n1,1200\r\n2,0\r\n3,35\r\n");
    EXPECT_EQ(plancodec::parseBusinessCase(bytes), inputs);
    EXPECT_EQ(plancodec::parseBusinessCase("\"Lendora business case\",1,80,0,0\r\n"),
              (BusinessCase{{}, 80, 0, 0}));
    const QByteArray bad[] = {
        "",
        "1,\"Young\"\r\n",                                    // a segment file
        "\"Lendora business case\",2,80,0,0\r\n",             // a later format
        "\"Lendora business case\",1,80,0\r\n",               // cut short
        "\"Lendora business case\",1,eighty,0,0\r\n",         // not a number
        "\"Lendora business case\",1,80,six,0\r\n",           // not a number
        "\"Lendora business case\",1,80,0,many\r\n",          // not a number
        "\"Lendora business case\",1,80,0,0\r\nfirst,10\r\n", // not a number
        "\"Lendora business case\",1,80,0,0\r\n1,ten\r\n",    // not a number
        "\"Lendora business case\",1,80,0,0\r\n2,10\r\n",     // out of order
        "\"Lendora business case\",1,80,0,0\r\n1,10.5\r\n",   // half a borrower
        "\"Lendora business case\",1,80,0,0\r\n1,-3\r\n",     // below zero
        "\"Lendora business case\",1,80,0,0\r\n1\r\n",        // a record cut short
    };
    for (const QByteArray& file : bad)
        EXPECT_FALSE(plancodec::parseBusinessCase(file)) << file.constData();
}

// The Guru on the panel names the brands with their own rates (or "none"),
// and the inputs as stored.
TEST(BusinessCaseGuru, NamesEachBrandWithItsOwnRate) {
    const QStringList brands{u"DreamHome"_s, u"CityHome"_s, u"RuralNest"_s};
    const PerBrand<std::optional<double>> rates{14.375, 16.2449, std::nullopt};
    const QStringList shown{
        guru::aboutBusinessCase(std::nullopt, brands, rates),
        guru::aboutBusinessCase(BusinessCase{{1200, 0, 35}, 62.5, 7.25, 150}, brands, rates),
    };
    const QStringList expected = QString::fromUtf8(test::readFile(test::dataFolder(u"analysis"_s) +
                                                                  u"/business_case_guru.txt"_s))
                                     .split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(expected.size(), shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i].toStdString(), expected[i].toStdString());
}

} // namespace
