#pragma once

#include "analysis/sensitivity.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <QtCharts/QChartView>

// The sensitivity curve drawn with Qt Charts: the forecast as a line, the
// three brands' points marked, the range beyond the brands shaded as
// extrapolation and the vertex marked.
namespace lendora::analysis {

// The names of the chart's series, as its legend shows them.
QString forecastSeriesName();
QString brandsSeriesName();
QString extrapolationSeriesName();
QString vertexSeriesName();

// Rebuilds the view's chart from the curve; the brands' points carry the
// given brand names in their tooltips.
void drawSensitivity(QChartView* view, const SensitivityCurve& curve, const QStringList& brandNames,
                     const QString& title);

// The curve drawn at the given size as a PNG image or an SVG drawing,
// whatever room the chart has on the screen.
QByteArray sensitivityPicture(const SensitivityCurve& curve, const QStringList& brandNames,
                              const QString& title, QSize size, bool svg);

} // namespace lendora::analysis
