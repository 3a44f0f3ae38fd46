#include "analysis/ui/sensitivity_chart.h"

#include "analysis/analysis_names.h"
#include "analysis/ui/analysis_charts.h"
#include "analysis/ui/export_pictures.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPainter>
#include <QToolTip>

#include <QtCharts/QAreaSeries>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

QString forecastSeriesName() {
    return QCoreApplication::translate("SensitivityChart", "Forecast");
}

QString brandsSeriesName() {
    return QCoreApplication::translate("SensitivityChart", "Brands");
}

QString extrapolationSeriesName() {
    return QCoreApplication::translate("SensitivityChart", "Extrapolation");
}

QString vertexSeriesName() {
    return QCoreApplication::translate("SensitivityChart", "Vertex");
}

namespace {

// A shaded band from x0 to x1 over the whole height of the value axis.
QAreaSeries* band(double x0, double x1, double low, double high) {
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    upper->append(x0, high);
    upper->append(x1, high);
    lower->append(x0, low);
    lower->append(x1, low);
    auto* area = new QAreaSeries(upper, lower);
    area->setName(extrapolationSeriesName());
    area->setColor(QColor(0xb0, 0xb0, 0xb0, 90));
    area->setBorderColor(QColor(0xb0, 0xb0, 0xb0, 0));
    return area;
}

// Ticks at round values, 1, 2 or 5 times a power of ten apart (and at
// least `least` apart), about five over the range.
void roundTicks(QValueAxis* axis, double low, double high, double least) {
    const double rough = (high - low) / 5;
    if (!(rough > 0) || !std::isfinite(rough))
        return;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (double times : {1.0, 2.0, 5.0})
        if (power * times >= rough) {
            step = power * times;
            break;
        }
    step = std::max(step, least);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(std::ceil(low / step) * step);
    axis->setTickInterval(step);
}

} // namespace

void drawSensitivity(QChartView* view, const SensitivityCurve& curve, const QStringList& brandNames,
                     const QString& title) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(4, 4, 4, 4));
    replaceChart(view, chart);

    double low = 0;
    double high = 1;
    for (const CurvePoint& p : curve.points) {
        low = std::min(low, double(p.respondents));
        high = std::max(high, double(p.respondents));
    }
    for (const CurvePoint& p : curve.brands)
        high = std::max(high, double(p.respondents));
    high += (high - low) * 0.05;

    auto* xAxis = new QValueAxis;
    xAxis->setRange(curve.low, curve.high);
    xAxis->setLabelFormat(u"%g"_s);
    xAxis->setTitleText(names::featureNames[curve.feature]());
    roundTicks(xAxis, curve.low, curve.high, 0);
    auto* yAxis = new QValueAxis;
    yAxis->setRange(low, high);
    yAxis->setLabelFormat(u"%.0f"_s);
    yAxis->setTitleText(QCoreApplication::translate("SensitivityChart", "Respondents"));
    roundTicks(yAxis, low, high, 1);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    std::vector<QAbstractSeries*> series;
    if (curve.low < curve.brandLow)
        series.push_back(band(curve.low, curve.brandLow, low, high));
    if (curve.brandHigh < curve.high)
        series.push_back(band(curve.brandHigh, curve.high, low, high));

    auto* line = new QLineSeries;
    line->setName(forecastSeriesName());
    for (const CurvePoint& p : curve.points)
        line->append(p.value, double(p.respondents));
    line->setPen(QPen(QColor(0x4e, 0x79, 0xa7), 2));
    series.push_back(line);

    auto* brands = new QScatterSeries;
    brands->setName(brandsSeriesName());
    brands->setMarkerSize(11);
    brands->setColor(QColor(0xe1, 0x57, 0x59));
    for (const CurvePoint& p : curve.brands)
        brands->append(p.value, double(p.respondents));
    QObject::connect(brands, &QScatterSeries::hovered, view,
                     [brandNames, brands](const QPointF& point, bool inside) {
                         if (!inside) {
                             QToolTip::hideText();
                             return;
                         }
                         const auto points = brands->points();
                         const auto at = std::find(points.begin(), points.end(), point);
                         QToolTip::showText(QCursor::pos(),
                                            brandNames.value(int(at - points.begin())) + u": "_s +
                                                QString::number(point.y()));
                     });
    series.push_back(brands);

    if (curve.vertex) {
        auto* vertex = new QScatterSeries;
        vertex->setName(vertexSeriesName());
        vertex->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        vertex->setMarkerSize(9);
        vertex->setColor(QColor(0x59, 0xa1, 0x4f));
        // Marked on the curve: at the height of the curve's nearest point.
        const auto nearest = std::min_element(curve.points.begin(), curve.points.end(),
                                              [&](const CurvePoint& a, const CurvePoint& b) {
                                                  return std::abs(a.value - *curve.vertex) <
                                                         std::abs(b.value - *curve.vertex);
                                              });
        vertex->append(*curve.vertex, double(nearest->respondents));
        series.push_back(vertex);
    }

    for (QAbstractSeries* s : series) {
        chart->addSeries(s);
        s->attachAxis(xAxis);
        s->attachAxis(yAxis);
    }
    // One legend entry for the two shaded ends.
    bool extrapolationShown = false;
    for (QAbstractSeries* s : series)
        if (s->name() == extrapolationSeriesName()) {
            for (auto* marker : chart->legend()->markers(s))
                marker->setVisible(!extrapolationShown);
            extrapolationShown = true;
        }
}

QByteArray sensitivityPicture(const SensitivityCurve& curve, const QStringList& brandNames,
                              const QString& title, QSize size, bool svg) {
    std::unique_ptr<QChartView> view(newChartView(new QChart));
    drawSensitivity(view.get(), curve, brandNames, title);
    return viewPicture(std::move(view), size, svg);
}

} // namespace lendora::analysis
