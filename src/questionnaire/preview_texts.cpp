#include "questionnaire/preview_texts.h"

#include "questionnaire/questionnaire_names.h"
#include "storage/numbers.h"

namespace lendora::questionnaire {

QStringList featureOptionNames() {
    QStringList all;
    for (const char* name : names::featureOptions)
        all << QString::fromLatin1(name);
    return all;
}

QString productCaption(int product) {
    return names::text(names::product) + QString::number(product);
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
    const auto caption = [](int option) { return names::text(names::featureCaptions[option]); };
    return {caption(0) + value(0), caption(1) + value(1), caption(2) + value(2),
            caption(3) + value(3), caption(4) + value(4), caption(5) + freebiesText(value(6))};
}

QString recordMessage(const QString& segment, const QString& product, const QString& feature) {
    return segment + names::text(names::recordProduct) + product +
           names::text(names::recordFeature) + feature;
}

} // namespace lendora::questionnaire
