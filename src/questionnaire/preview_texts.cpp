#include "questionnaire/preview_texts.h"

#include "storage/numbers.h"

namespace lendora::questionnaire {

using namespace Qt::StringLiterals;

QStringList featureOptionNames() {
    return {u"Opt_Interest"_s, u"Opt_MEI"_s, u"Opt_MLV"_s,
            u"Opt_MLP"_s,      u"Opt_RP"_s,  u"Opt_Freebies"_s};
}

QString productCaption(int product) {
    return u"Product "_s + QString::number(product);
}

QString freebiesText(const QString& stored) {
    return floatText(float(leadingNumber(stored)));
}

QStringList featureCaptions(const ProjectDetails& details, int product) {
    static const BrandDetails none;
    const BrandDetails& brand =
        product >= 1 && product <= brandCount ? details.brands[size_t(product - 1)] : none;
    // The features in their order; the EMI (index 5) is left out.
    const auto value = [&](int feature) { return brand.features[size_t(feature)].text; };
    return {u"Interest - "_s + value(0),           u"Maximum Eligible Income - "_s + value(1),
            u"Maximum Loan Value - "_s + value(2), u"Maximum Loan Percentage - "_s + value(3),
            u"Repament Period - "_s + value(4),    u"Freebies - "_s + freebiesText(value(6))};
}

QString recordMessage(const QString& segment, const QString& product, const QString& feature) {
    return segment + u", \r\nProduct - "_s + product + u", \r\nand\r\nFeature - "_s + feature;
}

} // namespace lendora::questionnaire
