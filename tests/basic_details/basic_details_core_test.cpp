#include "basic_details/emi.h"
#include "basic_details/project_finish.h"
#include "basic_details/wizard_steps.h"

#include "support/feature_texts.h"
#include "support/printing.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

TEST(EmiValues, FlatRateInstalmentsOfTheThreeBrandsOrNoneAtAll) {
    for (const QStringList& c : dataRows("basic_details/emi.tsv")) {
        const auto brands = [&c](int from) {
            return BrandTexts{c[from], c[from + 1], c[from + 2]};
        };
        const auto result = monthlyInstalments(brands(0), brands(3), brands(6));
        if (c[9] == "none")
            EXPECT_EQ(result, std::nullopt) << qPrintable(c.join(u'|'));
        else
            EXPECT_EQ(result, std::optional<BrandTexts>(brands(9))) << qPrintable(c.join(u'|'));
    }
}

TEST(EntryRules, NumberFieldsAndCompetitor2CellsFollowTheSinglePrecisionLeadingNumber) {
    EXPECT_FALSE(wizard::accepts(wizard::FieldKind::name, ""));
    EXPECT_TRUE(wizard::accepts(wizard::FieldKind::name, " "));
    for (const QStringList& c : dataRows("basic_details/numbers.tsv")) {
        if (c[0] == "number")
            EXPECT_EQ(wizard::accepts(wizard::FieldKind::number, c[1]), c[2] == "1")
                << qPrintable(c[1]);
        else
            EXPECT_EQ(finish::competitor2Cell(c[1]), c[2]) << qPrintable(c[1]);
    }
}

} // namespace
