#include "analysis/forecast_tools_guru.h"

#include "storage/numbers.h"

#include <cmath>

namespace lendora::guru {

using namespace Qt::StringLiterals;

QString sensitivityCurve(const analysis::SensitivityCurve& curve, const QStringList& brands,
                         const QString& segment) {
    const QString feature = analysis::featureNames().value(curve.feature - 1);
    const double width = curve.high - curve.low;
    auto value = [&](double v) { return analysis::curveValueText(v, width); };
    QString text = u"The curve shows how many respondents of "_s + segment + u" would opt for "_s +
                   brands.value(0) + u" as "_s + feature + u" moves from "_s + value(curve.low) +
                   u" to "_s + value(curve.high) + u"."_s;
    text += u" The three points are "_s + brands.value(0) + u" at "_s +
            value(curve.brands[0].value) + u", "_s + brands.value(1) + u" at "_s +
            value(curve.brands[1].value) + u" and "_s + brands.value(2) + u" at "_s +
            value(curve.brands[2].value) + u"."_s;
    text += u" Between "_s + value(curve.brandLow) + u" and "_s + value(curve.brandHigh) +
            u" the forecast interpolates; in the shaded ends it extrapolates, and is only as good "
            "as the parabola's shape."_s;
    if (curve.vertex)
        text += u" The parabola has its "_s + analysis::vertexText(curve) + u"."_s;
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
    return u"The whiskers on the bars are 90% intervals: the poll's respondents were redrawn "_s +
           QString::number(analysis::ResampledPolls::defaultResamples) +
           u" times, and in nine of ten redraws the number opting for "_s + brand +
           u" stayed within them. Strategy "_s + QString::number(widest + 1) +
           u" is the least certain: its grand total lies between "_s +
           analysis::intervalText(intervals[widest].total) + u"."_s;
}

QString beatChance(int a, int b, double chance) {
    return u"In "_s + QString::number(std::lround(chance * 100)) +
           u"% of the redraws of the poll, strategy "_s + QString::number(a) +
           u" wins more respondents than strategy "_s + QString::number(b) + u"."_s;
}

QString suggestions(const analysis::SearchResult& result, const QString& brand) {
    if (result.best.empty())
        return u"No strategy within these bounds changes anything. Tick more features or widen "
               "their bounds."_s;
    const analysis::Suggestion& best = result.best.front();
    const QStringList names = analysis::featureNames();
    const QStringList texts = analysis::suggestionTexts(best);
    QStringList changes;
    for (int f = 0; f < analysis::featureCount; ++f)
        if (best.changed[size_t(f)])
            changes << names.value(f) + u' ' + texts.value(f);
    return u"The best strategy found for "_s + brand + u" sets "_s + changes.join(u", "_s) +
           u" and is forecast to win "_s + wholeText(best.total) +
           u" respondents. Take it into the 'New Analysis' frame, then confirm each field with "
           "Enter, click 'Analyse' and 'Add' as usual."_s;
}

} // namespace lendora::guru
