#include "basic_details/project_finish.h"

#include "storage/details_file.h"
#include "storage/numbers.h"

#include <QCoreApplication>

namespace lendora::finish {

using namespace Qt::StringLiterals;

QStringList detailsHeadings() {
    return details::headings(
        QCoreApplication::translate("lendora::ProjectDetailsWindow", "Product and Competitors"));
}

QString competitor2Cell(const QString& fieldText) {
    const std::optional<double> value = parseWholeNumber(fieldText);
    return value ? floatText(float(*value)) : u"0"_s;
}

ProjectDetails projectDetails(const wizard::FieldTexts& t) {
    ProjectDetails details;
    const QString names[brandCount] = {t.projectName(), t.competitor(1), t.competitor(2)};
    for (int b = 0; b < brandCount; ++b) {
        BrandDetails& brand = details.brands[size_t(b)];
        brand.name = names[b];
        brand.brand = t.brandOf(b);
        // Steps 4 to 11: the market share, then the seven features.
        auto value = [&](int step) {
            const QString& text = t.at(step, b);
            return TypedNumber(b == 2 ? competitor2Cell(text) : text);
        };
        brand.marketShare = value(4);
        for (int f = 0; f < featureCount; ++f)
            brand.features[size_t(f)] = value(5 + f);
    }
    return details;
}

Project project(const wizard::FieldTexts& t) {
    return Project{t.projectName(), t.productName(), t.brandName(), ProjectStatus::KickOff};
}

} // namespace lendora::finish
