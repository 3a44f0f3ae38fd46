// One-line cases of the analysis core, each file under
// tests/data/analysis/cases holding the inputs and what they give.
#include "analysis/analysis_export.h"
#include "analysis/forecast.h"
#include "analysis/strategy_entry.h"
#include "analysis/ui/export_pictures.h"
#include "storage/numbers.h"

#include "analysis_fixtures.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;
using namespace lendora::analysis::test;

namespace {

std::array<double, 3> three(const QString& text) {
    const QStringList n = text.split(u' ');
    return {n[0].toDouble(), n[1].toDouble(), n[2].toDouble()};
}

QString flagsText(const StrategyEntry& entry) {
    QString text;
    for (bool changed : entry.changed)
        text += changed ? u'1' : u'0';
    return text;
}

TEST(AnalysisCases, EstimatesOnTheParabolaThroughTheThreeBrands) {
    expectCases("estimates.txt", [](const QStringList& in) {
        return QString::number(estimateCount(three(in[0]), three(in[1]), in[2].toDouble()));
    });
}

TEST(AnalysisCases, TheEmiFollowsOnlyAChangedInterestLoanOrPeriod) {
    expectCases("emi.txt", [](const QStringList& in) {
        StrategyEntry entry;
        entry.emiRecomputed = true;
        const auto emi =
            entry.recomputeEmi(leadingNumber(in[0]), leadingNumber(in[1]), leadingNumber(in[2]));
        return (emi ? patternText(double(*emi)) : QString("none")) + " flag " +
               QString::number(int(entry.changed[feature::emi]));
    });
    StrategyEntry unchanged;
    EXPECT_FALSE(unchanged.recomputeEmi(12, 900, 36).has_value());
    EXPECT_FALSE(unchanged.changed[feature::emi]);
    EXPECT_FALSE(strategyEmi(1e38, 3e38, 1e-30).has_value()) << "beyond the float range";
}

TEST(AnalysisCases, ChangeFlagsCompareWithTheBaseValueInSinglePrecision) {
    expectCases("change_flags.txt", [](const QStringList& in) {
        const ProjectDetails details =
            projectDetails({QStringList(featureCount, in[0]), QStringList{}, QStringList{}});
        StrategyEntry entry;
        QString confirmed;
        for (int f = 0; f < featureCount; ++f)
            confirmed += entry.confirm(details, f, leadingNumber(in[1])) ? u'1' : u'0';
        EXPECT_EQ(confirmed, flagsText(entry)) << in[0].toStdString();
        // An unchanged interest, loan value or period leaves the EMI as it was.
        EXPECT_EQ(entry.emiRecomputed, confirmed.startsWith(u'1')) << in[0].toStdString();
        return confirmed;
    });
    expectCases("entry_texts.txt", [](const QStringList& in) {
        const ProjectDetails details =
            projectDetails({in[0].split(u' '), QStringList{}, QStringList{}});
        const QStringList texts = freshEntryTexts(details);
        EXPECT_EQ(fieldValues(texts), freshEntryValues(details));
        StrategyEntry entry;
        for (int f = 0; f < featureCount; ++f)
            entry.confirm(details, f, leadingNumber(texts[f]));
        return texts.join(u' ') + " flags " + flagsText(entry);
    });
}

TEST(AnalysisCases, CsvFieldsAndExportNames) {
    expectCases("csv_fields.txt",
                [](const QStringList& in) { return lendora::test::oneLine(csvField(in[0])); });
    expectCases("export_names.txt", [](const QStringList& in) {
        Plan plan;
        plan.projectName = in[0];
        return exportBaseName(plan, 3);
    });
}

TEST(AnalysisCases, PicturesOnlyInTheSizesOffered) {
    const ChartPicture chart{{{"Strategy 1"}, {"Interest", "Totals"}, {{3, 4}}, {}}, "Respondents"};
    expectCases("picture_sizes.txt", [&chart](const QStringList& in) {
        const QSize size(in[0].toInt(), in[1].toInt());
        const QImage png = QImage::fromData(chartPng(chart, size));
        return (png.isNull() ? QString("png none")
                             : QStringLiteral("png %1x%2").arg(png.width()).arg(png.height())) +
               (chartSvg(chart, size).isEmpty() ? ", svg none" : ", svg made");
    });
}

} // namespace
