#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace lendora {

// The leading decimal number of a text: blanks skipped, optional sign, digits,
// optional point and fraction (".5" is 0.5). No exponent, no hex. A text that
// does not start with a number, or whose number does not fit a float, gives
// no value.
std::optional<double> parseLeadingNumber(QStringView text);

// The leading number of a text, 0 when there is none.
double leadingNumber(QStringView text);

// The whole text as a number, blanks around it allowed; no value otherwise or
// when it does not fit a float.
std::optional<double> parseWholeNumber(QStringView text);

// Rounds halves to even, as every whole-number conversion of the system does.
double roundHalfEven(double value);

// A value rounded halves to even and clamped into 32 bits (estimates, rows).
std::int32_t toWhole(double value);

// Shortest text that reads back as the same float: "1", "12.5", "0.1".
// Never an exponent, "-0", "inf" or "nan".
QString floatText(float value);

// Shortest text of the value at 15 significant digits (0.1 + 0.2 gives 0.3).
QString doubleText(double value);

// Text of a whole number.
QString wholeText(std::int64_t value);

// The pattern "######.##": the integer digits (none below 1), always a point,
// at most two decimals with trailing zeros dropped; halves rounded away from
// zero on the value's 15-digit decimal form (1.005 gives "1.01", 150 "150.").
QString patternText(double value);

// The float that a text of the "######.##" pattern reads back as; no value
// when the text holds no digits (a lone ".").
std::optional<float> readPatternText(const QString& text);

// A double narrowed to float; no value when it does not fit.
std::optional<float> toSingle(double value);

} // namespace lendora
