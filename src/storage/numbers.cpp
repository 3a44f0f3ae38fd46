#include "storage/numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace lendora {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
// A value fits a float when narrowing it does not overflow to infinity;
// values just above FLT_MAX round down to it.
bool fitsFloat(double value) {
    return std::isfinite(value) && std::isfinite(float(value));
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Scans the number at the start of text (after blanks). Returns the value and
// how many characters it took; nullopt when no digit was found.
std::optional<std::pair<double, qsizetype>> scanNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Whole numbers of up to 15 digits (record numbers, counts) are exact as
    // they are accumulated; anything longer or with a fraction goes through
    // from_chars.
    const qsizetype digitsStart = i;
    long long whole = 0;
    while (i < n && isDigit(text[i])) {
        if (i - digitsStart < 15)
            whole = whole * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    bool anyDigit = i > digitsStart;
    const bool hasPoint =
        i < n && text[i] == u'.' && (anyDigit || (i + 1 < n && isDigit(text[i + 1])));
    if (anyDigit && !hasPoint && i - digitsStart <= 15)
        return std::make_pair(negative && whole != 0 ? -double(whole) : double(whole), i);
    std::string digits;
    for (qsizetype j = digitsStart; j < i; ++j)
        digits.push_back(char(text[j].unicode()));
    if (hasPoint) {
        ++i;
        std::string fraction;
        while (i < n && isDigit(text[i])) {
            fraction.push_back(char(text[i].unicode()));
            ++i;
        }
        anyDigit = true;
        digits = (digits.empty() ? std::string("0") : digits);
        if (!fraction.empty())
            digits += "." + fraction;
    }
    if (!anyDigit)
        return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::fixed);
    (void)end;
    if (ec != std::errc() || !fitsFloat(value))
        return std::nullopt;
    if (negative && value != 0)
        value = -value;
    return std::make_pair(value, i);
}

// Writes value = 0.D x 10^point (D the significant digits) in fixed notation.
QString fixedFromDigits(bool negative, std::string digits, int point) {
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return QStringLiteral("0");
    std::string out = negative ? "-" : "";
    const int k = int(digits.size());
    if (point <= 0) {
        out += "0.";
        out.append(size_t(-point), '0');
        out += digits;
    } else if (point >= k) {
        out += digits;
        out.append(size_t(point - k), '0');
    } else {
        out += digits.substr(0, size_t(point));
        out += ".";
        out += digits.substr(size_t(point));
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

// Splits a scientific text "-d.ddde+XX" into sign, digits and point position.
void splitScientific(const char* begin, const char* end, bool& negative, std::string& digits,
                     int& point) {
    negative = false;
    digits.clear();
    const char* p = begin;
    if (p < end && *p == '-') {
        negative = true;
        ++p;
    }
    while (p < end && *p != 'e') {
        if (*p != '.')
            digits.push_back(*p);
        ++p;
    }
    int exponent = 0;
    if (p < end && *p == 'e')
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    point = exponent + 1;
}

} // namespace

std::optional<double> parseLeadingNumber(QStringView text) {
    auto scanned = scanNumber(text);
    if (!scanned)
        return std::nullopt;
    return scanned->first;
}

double leadingNumber(QStringView text) {
    return parseLeadingNumber(text).value_or(0.0);
}

std::optional<double> parseWholeNumber(QStringView text) {
    auto scanned = scanNumber(text);
    if (!scanned)
        return std::nullopt;
    for (qsizetype i = scanned->second; i < text.size(); ++i)
        if (!isBlank(text[i]))
            return std::nullopt;
    return scanned->first;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::int32_t toWhole(double value) {
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);
    if (r >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(r);
}

namespace {
// The fixed-notation text of a number written by to_chars in scientific form.
QString fixedText(const char* begin, const std::to_chars_result& written) {
    if (written.ec != std::errc())
        return QStringLiteral("0");
    bool negative;
    std::string digits;
    int point;
    splitScientific(begin, written.ptr, negative, digits, point);
    return fixedFromDigits(negative, digits, point);
}
} // namespace

QString floatText(float value) {
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    char buffer[64];
    return fixedText(buffer, std::to_chars(buffer, buffer + sizeof buffer, value,
                                           std::chars_format::scientific));
}

QString doubleText(double value) {
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    char buffer[64];
    return fixedText(buffer, std::to_chars(buffer, buffer + sizeof buffer, value,
                                           std::chars_format::scientific, 14));
}

QString wholeText(std::int64_t value) {
    return QString::number(value);
}

QString patternText(double value) {
    if (!std::isfinite(value))
        value = 0;
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    bool negative = false;
    std::string digits;
    int point = 0;
    if (ec == std::errc())
        splitScientific(buffer, end, negative, digits, point);
    if (value == 0)
        digits.clear();

    // Lay the digits out as integer part and exactly two decimals, plus the
    // first dropped digit that decides the rounding.
    std::string whole;
    std::string decimals;
    char firstDropped = '0';
    for (int i = 0; i < int(digits.size()); ++i) {
        const int place = point - i; // digit i stands at 10^(place - 1)
        if (place > 0)
            whole.push_back(digits[size_t(i)]);
        else if (place > -2) {
            decimals.resize(size_t(-place), '0');
            decimals.push_back(digits[size_t(i)]);
        } else if (place == -2)
            firstDropped = digits[size_t(i)];
    }
    if (point > int(digits.size()))
        whole.append(size_t(point - int(digits.size())), '0');
    decimals.resize(2, '0');
    std::string all = whole + decimals;
    if (firstDropped >= '5') { // halves away from zero
        int i = int(all.size()) - 1;
        while (i >= 0 && all[size_t(i)] == '9')
            all[size_t(i--)] = '0';
        if (i >= 0)
            ++all[size_t(i)];
        else
            all.insert(all.begin(), '1');
    }
    std::string intPart = all.substr(0, all.size() - 2);
    std::string fracPart = all.substr(all.size() - 2);
    while (!intPart.empty() && intPart.front() == '0')
        intPart.erase(intPart.begin());
    while (!fracPart.empty() && fracPart.back() == '0')
        fracPart.pop_back();
    std::string out;
    if (negative && !(intPart.empty() && fracPart.empty()))
        out = "-";
    out += intPart + "." + fracPart;
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

std::optional<float> readPatternText(const QString& text) {
    auto value = parseWholeNumber(text);
    if (!value)
        return std::nullopt;
    return toSingle(*value);
}

std::optional<float> toSingle(double value) {
    if (!fitsFloat(value))
        return std::nullopt;
    return float(value);
}

} // namespace lendora
