#include "support/chart_bars.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>

namespace lendora::test {

Bars bars(QChart* chart) {
    Bars result;
    if (!chart)
        return result;
    for (QAbstractSeries* series : chart->series())
        if (auto* barSeries = qobject_cast<QBarSeries*>(series))
            for (QBarSet* set : barSeries->barSets()) {
                result.sets << set->label();
                QList<double> values;
                for (int i = 0; i < set->count(); ++i)
                    values << set->at(i);
                result.values.push_back(values);
            }
    for (QAbstractAxis* axis : chart->axes(Qt::Horizontal))
        if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis))
            result.categories = categories->categories();
    return result;
}

} // namespace lendora::test
