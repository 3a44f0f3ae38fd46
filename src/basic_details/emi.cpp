#include "basic_details/emi.h"

#include "storage/numbers.h"

namespace lendora {

std::optional<BrandTexts> monthlyInstalments(const BrandTexts& loanValue,
                                             const BrandTexts& interest, const BrandTexts& period) {
    BrandTexts result;
    for (int b = 0; b < 2; ++b) {
        const double l = leadingNumber(loanValue[size_t(b)]);
        const double i = leadingNumber(interest[size_t(b)]);
        const double n = leadingNumber(period[size_t(b)]);
        if (n == 0)
            return std::nullopt;
        result[size_t(b)] = patternText((l / n) * (1 + n * i / 1200));
    }

    // Brand 2 in single precision, one rounded step at a time.
    const float l = float(leadingNumber(loanValue[2]));
    const float i = float(leadingNumber(interest[2]));
    const float n = float(leadingNumber(period[2]));
    if (n == 0)
        return std::nullopt;
    float t = i * n;
    t = t / 1200.0f;
    t = t + 1.0f;
    const float u = l / n;
    const float emi = t * u;
    const std::optional<float> shown = readPatternText(patternText(double(emi)));
    if (!shown)
        return std::nullopt;
    result[2] = floatText(*shown);
    return result;
}

} // namespace lendora
