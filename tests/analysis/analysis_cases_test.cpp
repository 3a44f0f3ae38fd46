// One-line cases of the analysis core, each file under
// tests/data/analysis/cases holding the inputs and what they give.
#include "analysis/analysis_export.h"
#include "analysis/forecast.h"
#include "analysis/strategy_entry.h"
#include "analysis/ui/export_pictures.h"

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

AnalysisTables withOwnValues(const QStringList& own) {
    AnalysisTables tables = tablesWithSegments(1);
    setBase(tables, {own, QStringList{}, QStringList{}});
    return tables;
}

QString flagsText(const AnalysisTables& tables) {
    QString text;
    for (int f = 1; f <= featureCount; ++f)
        text += tables.changeFlag(f) ? u'1' : u'0';
    return text;
}

TEST(AnalysisCases, EstimatesOnTheParabolaThroughTheThreeBrands) {
    expectCases("estimates.txt", [](const QStringList& in) {
        return QString::number(estimateCount(three(in[0]), three(in[1]), in[2].toDouble()));
    });
}

TEST(AnalysisCases, TheEmiFollowsOnlyAChangedInterestLoanOrPeriod) {
    expectCases("emi.txt", [](const QStringList& in) {
        AnalysisTables tables;
        tables.lblNewEMIFlag = true;
        const auto text = recomputeEmi(tables, in[0], in[1], in[2]);
        return text.value_or("none") + " flag " + QString::number(int(tables.lblEFlag));
    });
    AnalysisTables unchanged;
    EXPECT_FALSE(recomputeEmi(unchanged, "12", "900", "36").has_value());
    EXPECT_FALSE(unchanged.lblEFlag);
    EXPECT_FALSE(strategyEmi(1e38, 3e38, 1e-30).has_value()) << "beyond the float range";
}

TEST(AnalysisCases, ChangeFlagsCompareWithTheBaseValueInSinglePrecision) {
    expectCases("change_flags.txt", [](const QStringList& in) {
        AnalysisTables tables = withOwnValues(QStringList(featureCount, in[0]));
        QString confirmed;
        for (int f = 1; f <= featureCount; ++f)
            confirmed += confirmFeature(tables, f, in[1]) ? u'1' : u'0';
        EXPECT_EQ(confirmed, flagsText(tables)) << in[0].toStdString();
        return confirmed;
    });
    expectCases("entry_texts.txt", [](const QStringList& in) {
        AnalysisTables tables = withOwnValues(in[0].split(u' '));
        const QStringList texts = entryTexts(tables.base);
        for (int f = 1; f <= featureCount; ++f)
            confirmFeature(tables, f, texts[f - 1]);
        return texts.join(u' ') + " flags " + flagsText(tables);
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
