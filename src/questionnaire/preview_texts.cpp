#include "questionnaire/preview_texts.h"

#include "storage/details_file.h"
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

QStringList featureCaptions(const Grid& details, int product) {
    const auto value = [&](int column) { return details.text(product, column); };
    return {u"Interest - "_s + value(details::interest),
            u"Maximum Eligible Income - "_s + value(details::minIncome),
            u"Maximum Loan Value - "_s + value(details::loanValue),
            u"Maximum Loan Percentage - "_s + value(details::loanPercentage),
            u"Repament Period - "_s + value(details::repaymentPeriod),
            u"Freebies - "_s + freebiesText(value(details::freebies))};
}

QString recordMessage(const QString& segment, const QString& product, const QString& feature) {
    return segment + u", \r\nProduct - "_s + product + u", \r\nand\r\nFeature - "_s + feature;
}

} // namespace lendora::questionnaire
