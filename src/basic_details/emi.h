#pragma once

#include <QString>

#include <array>
#include <optional>

namespace lendora {

// The texts of one wizard feature for the three brands: 0 own, 1 and 2 the
// competitors.
using BrandTexts = std::array<QString, 3>;

// The flat-rate instalments (L / N) x (1 + N x I / 1200) of the
// three brands from the loan value, annual interest (per cent) and
// repayment period (months) field texts, read by the leading-number rule.
// Brands 0 and 1 are computed in double precision and shown in the pattern
// "######.##" (a whole value keeps its trailing point); brand 2 is computed
// step by step in single precision and shown as the shortest form of the
// pattern text read back (no trailing point). No value at all, so that no
// field changes, when any period is 0 or brand 2's text does not read back
// as a number.
std::optional<BrandTexts> monthlyInstalments(const BrandTexts& loanValue,
                                             const BrandTexts& interest, const BrandTexts& period);

} // namespace lendora
