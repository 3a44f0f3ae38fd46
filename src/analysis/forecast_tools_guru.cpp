#include "analysis/forecast_tools_guru.h"

#include "analysis/analysis_names.h"
#include "storage/numbers.h"

#include <QCoreApplication>

#include <cmath>

namespace lendora::guru {

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("ForecastToolsGuru", source);
}

// On the customers-profit view of a search ranked by money.
QString moneyView() {
    return tr(" The plot shows every strategy forecast, customers across and profit up, and the "
              "current product as a diamond. On the red frontier no strategy can win more "
              "customers without earning less: the more popular product is not always the one "
              "that pays. A click on a point takes its strategy like a row of the list.");
}

} // namespace

QString sensitivityCurve(const analysis::SensitivityCurve& curve, const QStringList& brands,
                         const QString& segment) {
    const QString feature = analysis::names::featureNames[curve.feature]();
    const double width = curve.high - curve.low;
    auto value = [&](double v) { return analysis::curveValueText(v, width); };
    QString text = tr("The curve shows how many respondents of %1 would opt for %2 as %3 moves "
                      "from %4 to %5.")
                       .arg(segment, brands.value(0), feature, value(curve.low), value(curve.high));
    text += tr(" The three points are %1 at %2, %3 at %4 and %5 at %6.")
                .arg(brands.value(0), value(curve.brands[0].value), brands.value(1),
                     value(curve.brands[1].value), brands.value(2), value(curve.brands[2].value));
    text += tr(" Between %1 and %2 the forecast interpolates; in the shaded ends it extrapolates, "
               "and is only as good as the parabola's shape.")
                .arg(value(curve.brandLow), value(curve.brandHigh));
    if (curve.vertex)
        text += tr(" The parabola has its %1.").arg(analysis::vertexText(curve));
    return text;
}

QString strategyIntervals(const std::vector<analysis::StrategyIntervals>& intervals,
                          const QString& brand) {
    if (intervals.empty())
        return {};
    size_t widest = 0;
    for (size_t i = 1; i < intervals.size(); ++i)
        if (intervals[i].total.high - intervals[i].total.low >
            intervals[widest].total.high - intervals[widest].total.low)
            widest = i;
    return tr("The whiskers on the bars are 90% intervals: the poll's respondents were redrawn %1 "
              "times, and in nine of ten redraws the number opting for %2 stayed within them. "
              "Strategy %3 is the least certain: its grand total lies between %4.")
        .arg(QString::number(analysis::ResampledPolls::defaultResamples), brand,
             QString::number(widest + 1), analysis::intervalText(intervals[widest].total));
}

QString beatChance(int a, int b, double chance) {
    return tr("In %1% of the redraws of the poll, strategy %2 wins more respondents than strategy "
              "%3.")
        .arg(QString::number(std::lround(chance * 100)), QString::number(a), QString::number(b));
}

QString suggestions(const analysis::SearchResult& result, const QString& brand) {
    if (result.best.empty())
        return tr("No strategy within these bounds changes anything. Tick more features or widen "
                  "their bounds.");
    const analysis::Suggestion& best = result.best.front();
    const QStringList texts = analysis::suggestionTexts(best);
    QStringList changes;
    for (int f = 0; f < analysis::featureCount; ++f)
        if (best.changed[size_t(f)])
            changes << analysis::names::featureNames[f]() + u' ' + texts.value(f);
    const QString taking = tr(" Take it into the 'New Analysis' frame, then confirm each field "
                              "with Enter, click 'Analyse' and 'Add' as usual.");
    auto whole = [](double value) { return wholeText(std::llround(value)); };
    switch (result.objective) {
    case analysis::Objective::Customers:
        return tr("Ranked by customers, the best strategy found for %1 sets %2 and is forecast to "
                  "win %3 customers a year, against %4 with the current product; its profit "
                  "is %5.")
                   .arg(brand, changes.join(u", "), whole(best.customers),
                        whole(result.current.customers), whole(best.profit)) +
               taking + moneyView();
    case analysis::Objective::Profit:
        return tr("Ranked by profit, the best strategy found for %1 sets %2 and is forecast to "
                  "earn %3 from %4 customers a year, against %5 from %6 customers with the "
                  "current product.")
                   .arg(brand, changes.join(u", "), whole(best.profit), whole(best.customers),
                        whole(result.current.profit), whole(result.current.customers)) +
               taking + moneyView();
    case analysis::Objective::Respondents:
        break;
    }
    return tr("The best strategy found for %1 sets %2 and is forecast to win %3 respondents. Take "
              "it into the 'New Analysis' frame, then confirm each field with Enter, click "
              "'Analyse' and 'Add' as usual.")
        .arg(brand, changes.join(u", "), wholeText(best.total));
}

} // namespace lendora::guru
