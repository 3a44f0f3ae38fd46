#include "analysis/business_case_guru.h"

#include "analysis/business_case_table.h"
#include "storage/numbers.h"

#include <QCoreApplication>

#include <cmath>
#include <numeric>

namespace lendora::guru {

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("BusinessCaseGuru", source);
}

using analysis::effectiveRatePercent;
using analysis::moneyText;
using analysis::rateText;

} // namespace

QString aboutBusinessCase(const std::optional<BusinessCase>& inputs, const QStringList& brands,
                          const PerBrand<std::optional<double>>& rates) {
    QString text = tr("The business case turns respondents into customers and money. Each "
                      "segment's share of respondents choosing %1 is applied to the borrowers "
                      "it has each year; the average loan is a percentage of the maximum loan "
                      "value; the instalments are discounted at your cost of funds, and the "
                      "freebies and the cost of winning a customer are taken off.")
                       .arg(brands.value(0));
    if (inputs) {
        const std::int64_t market =
            std::accumulate(inputs->borrowers.begin(), inputs->borrowers.end(), std::int64_t(0));
        text += tr(" You entered %1 borrowers a year in all, an average loan of %2% of the "
                   "maximum, funds at %3% a year and %4 to win a customer.")
                    .arg(wholeText(market), doubleText(inputs->averageLoanPercent),
                         doubleText(inputs->costOfFunds), doubleText(inputs->acquisitionCost));
    } else {
        text += tr(" Enter the borrowers of each segment (or one total market and Split), the "
                   "average loan, the cost of funds and the acquisition cost, then Save.");
    }
    const auto rate = [&](int brand) { return effectiveRatePercent(rates[size_t(brand)]); };
    text += tr(" A flat-rate EMI costs more than its rate says: the effective annual rate of %1 "
               "is %2, of %3 %4 and of %5 %6.")
                .arg(brands.value(0), rate(0), brands.value(1), rate(1), brands.value(2), rate(2));
    return text;
}

QString businessCaseRow(const analysis::BusinessCaseRow& row, const BusinessCase& inputs,
                        const QString& brand) {
    const QString name = analysis::businessCaseRowName(row);
    QString text = tr("%1 would win %2 customers a year for %3 (%4% of the market), lending %5.")
                       .arg(name, moneyText(row.money.customers), brand,
                            rateText(row.money.marketShare * 100), moneyText(row.money.volume));
    text += tr(" Each loan of %1 on average earns %2 after funds at %3%, freebies and the "
               "acquisition cost, a profit of %4.")
                .arg(moneyText(row.terms.loanValue * inputs.averageLoanPercent / 100),
                     moneyText(row.money.marginPerLoan), doubleText(inputs.costOfFunds),
                     moneyText(row.money.profit));
    if (row.strategy != 0)
        text += row.gain >= 0
                    ? tr(" That is %1 more than the current product.").arg(moneyText(row.gain))
                    : tr(" That is %1 less than the current product.").arg(moneyText(-row.gain));
    if (row.effectiveRate)
        text += tr(" Its EMI of %1 over %2 months costs a borrower an effective %3% a year.")
                    .arg(doubleText(row.terms.emi), doubleText(row.terms.period),
                         rateText(*row.effectiveRate));
    else
        text += tr(" Its EMI of %1 over %2 months pays back less than the loan, so it has no "
                   "effective rate.")
                    .arg(doubleText(row.terms.emi), doubleText(row.terms.period));
    return text;
}

QString profitBeatChance(int a, int b, double chance, const analysis::MoneyIntervals& first,
                         const analysis::MoneyIntervals& second) {
    return tr("In %1% of the redraws of the poll, strategy %2 makes more profit than strategy "
              "%3. Their profits lie, nine times in ten, between %4 and %5, and between %6 and "
              "%7.")
        .arg(QString::number(std::lround(chance * 100)), QString::number(a), QString::number(b),
             moneyText(first.profit.low), moneyText(first.profit.high),
             moneyText(second.profit.low), moneyText(second.profit.high));
}

} // namespace lendora::guru
