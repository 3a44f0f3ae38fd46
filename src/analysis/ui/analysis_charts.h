#pragma once

#include "analysis/comparison.h"

#include <QString>

#include <QGraphicsObject>

#include <QtCharts/QChartView>

// The two comparison charts of the Analysis window: grouped bars, one group
// per strategy, one bar set per feature or segment plus the totals.
namespace lendora::analysis {

// An item drawn over a chart's plot area in the chart's own coordinates, so
// that it follows the chart when it is resized. It covers the plot area; the
// scene is told before that area changes, as it must be before any item's
// bounding rectangle changes. A subclass joins the chart (setParentItem) at
// the end of its constructor.
class PlotAreaItem : public QGraphicsObject {
public:
    explicit PlotAreaItem(QChart* chart);
    QRectF boundingRect() const override { return area_; }

protected:
    QChart* chart() const { return chart_; }

private:
    QChart* chart_;
    QRectF area_;
};

// A view of the chart whose scene keeps its items in a plain list, not in a
// spatial index. Such an index files an item under the rectangle it had and
// drops it by the rectangle it has: an item whose bounds changed unannounced
// stays filed after it left the scene, and is painted after it is deleted.
// The charts here are rebuilt whole, often, while their items move on every
// layout; a list cannot keep an item the scene no longer holds.
// It offers "Copy" of its picture (widgets/picture_copy.h).
QChartView* newChartView(QChart* chart);

// Shows the chart in the view and deletes the one it showed, once that one
// has left the view's scene.
void replaceChart(QChartView* view, QChart* chart);

// A fresh chart with the look of the one the view shows (title, legend,
// margins), in its place: rebuilding is faster than clearing one item per
// bar or point.
QChart* freshChart(QChartView* view);

// A chart view with an empty chart, titled, with its legend below.
QChartView* newComparisonChart(const QString& objectName, const QString& title);

// Rebuilds the chart of the view from the data: one bar set per column
// (the last one, "Totals", in a dark grey), the strategies as categories on
// the horizontal axis, a value axis from 0 (or the lowest value) to a round
// number above the highest. Without strategies the chart shows no bars and
// no axes. Data with ranges get an error bar on every bar.
void drawComparison(QChartView* view, const ChartData& data);

// The number of error bars the view's chart shows (the data's ranges).
int errorBarCount(const QChartView* view);

// Whether the chart of that data has so many bars (thousands) that building
// it takes a moment the user feels.
bool isDense(const ChartData& data);

// Draws the data into the view now; a dense chart whose view is hidden is
// drawn when the view is next shown instead, since nobody sees it meanwhile.
// Data drawn later replace data still waiting.
void drawWhenShown(QChartView* view, const ChartData& data);

} // namespace lendora::analysis
