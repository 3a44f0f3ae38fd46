#pragma once

#include <QList>
#include <QStringList>

#include <vector>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace lendora::test {

// What a grouped bar chart shows: its bar sets with their values, and the
// categories (groups) along the horizontal axis.
struct Bars {
    QStringList sets;
    std::vector<QList<double>> values;
    QStringList categories;
};
Bars bars(QChart* chart);

} // namespace lendora::test
