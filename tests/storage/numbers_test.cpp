#include "storage/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

using namespace lendora;

namespace {

struct LeadingCase {
    const char* text;
    double value;
};

TEST(LeadingNumber, TakesTheLongestDecimalPrefix) {
    const LeadingCase cases[] = {
        {"12.5", 12.5},    {"3", 3},          {"", 0},      {"KickOff", 0}, {".5", 0.5},
        {"0.5", 0.5},      {"  7", 7},        {"\t-3", -3}, {"+4", 4},      {"-.25", -0.25},
        {"24 months", 24}, {"12 apples", 12}, {"007", 7},   {"34.", 34},    {".", 0},
        {"-", 0},          {"1e5", 1},        {"0x10", 0},  {"1,000", 1},   {"- 5", 0},
        {"3.14.15", 3.14}, {"abc12", 0},      {"0.0", 0},   {"1.5.", 1.5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(LeadingNumber, NumbersBeyondFloatRangeCountAsNoNumber) {
    EXPECT_FALSE(parseLeadingNumber(QStringLiteral("1") + QString(40, u'0')).has_value());
    EXPECT_EQ(leadingNumber(QStringLiteral("-") + QString(39, u'9')), 0);
    EXPECT_FALSE(parseLeadingNumber(QString(400, u'9')).has_value());
    // The largest float still counts.
    EXPECT_TRUE(
        parseLeadingNumber(QStringLiteral("340282346638528859811704183484516925440")).has_value());
}

TEST(WholeNumber, AcceptsOnlyATextThatIsANumberAsAWhole) {
    EXPECT_EQ(parseWholeNumber(QStringLiteral(" 07.50 ")), 7.5);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("12.50")), 12.5);
    EXPECT_FALSE(parseWholeNumber(QStringLiteral("12 apples")).has_value());
    EXPECT_FALSE(parseWholeNumber(QStringLiteral("")).has_value());
    EXPECT_FALSE(parseWholeNumber(QStringLiteral(".")).has_value());
    EXPECT_EQ(parseWholeNumber(QStringLiteral("34.")), 34);
}

TEST(NumberText, FloatIsShortestTextThatReadsBack) {
    EXPECT_EQ(floatText(1), "1");
    EXPECT_EQ(floatText(12.5f), "12.5");
    EXPECT_EQ(floatText(0.1f), "0.1");
    EXPECT_EQ(floatText(2.5f + 3.0f), "5.5");
    EXPECT_EQ(floatText(-3), "-3");
    EXPECT_EQ(floatText(-0.0f), "0");
    EXPECT_EQ(floatText(1e-7f), "0.0000001");
    EXPECT_EQ(floatText(16777216.0f), "16777216");
    EXPECT_EQ(floatText(1e20f), "100000000000000000000");
    EXPECT_EQ(floatText(std::nanf("")), "0");
    EXPECT_EQ(floatText(INFINITY), "0");
}

TEST(NumberText, FloatTextRoundTripsRandomValues) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> spread(-1e6f, 1e6f);
    for (int i = 0; i < 20000; ++i) {
        const float value = spread(random) / float(1 << (i % 20));
        const QString text = floatText(value);
        EXPECT_FALSE(text.contains(u'e')) << text.toStdString();
        EXPECT_EQ(float(leadingNumber(text)), value) << text.toStdString();
    }
}

TEST(NumberText, DoubleIsShortestAtFifteenDigits) {
    EXPECT_EQ(doubleText(0.1 + 0.2), "0.3");
    EXPECT_EQ(doubleText(39), "39");
    EXPECT_EQ(doubleText(2.5), "2.5");
    EXPECT_EQ(doubleText(-0.0), "0");
    EXPECT_EQ(doubleText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(doubleText(123456789012345678.0), "123456789012346000");
    EXPECT_EQ(doubleText(26.444444444444443), "26.4444444444444");
    EXPECT_EQ(doubleText(1e-20), "0.00000000000000000001");
}

TEST(NumberText, PatternRoundsHalvesAwayFromZeroOnTheDecimalFormAndReadsBack) {
    const std::pair<double, const char*> cases[] = {
        {123.456, "123.46"},  {12.5, "12.5"},
        {150, "150."},        {0.25, ".25"},
        {1.005, "1.01"},      {34, "34."},
        {26.444444, "26.44"}, {0, "."},
        {0.004, "."},         {0.005, ".01"},
        {99.995, "100."},     {-12.5, "-12.5"},
        {-1.005, "-1.01"},    {55.0000000001, "55."},
        {2.675, "2.68"},      {1e6, "1000000."},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(patternText(value), QString::fromLatin1(text)) << value;
    EXPECT_EQ(readPatternText(QStringLiteral("34.")), 34.0f);
    EXPECT_EQ(readPatternText(QStringLiteral(".25")), 0.25f);
    EXPECT_FALSE(readPatternText(QStringLiteral(".")).has_value());
}

TEST(Rounding, HalvesGoToEvenAndValuesBeyondFloatDoNotNarrow) {
    EXPECT_EQ(roundHalfEven(24.375), 24);
    EXPECT_EQ(roundHalfEven(36.5), 36);
    EXPECT_EQ(roundHalfEven(37.5), 38);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(toWhole(12.5), 12);
    EXPECT_EQ(toWhole(13.5), 14);
    EXPECT_EQ(toWhole(1e20), 2147483647);
    EXPECT_EQ(toWhole(-1e20), -2147483647 - 1);
    EXPECT_EQ(toWhole(std::nan("")), 0);
    EXPECT_EQ(toSingle(2.5), 2.5f);
    EXPECT_FALSE(toSingle(1e39).has_value());
    EXPECT_FALSE(toSingle(INFINITY).has_value());
    EXPECT_FALSE(toSingle(std::nan("")).has_value());
}

} // namespace
