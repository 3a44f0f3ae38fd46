#include "analysis/ui/business_case_chart.h"

#include "analysis/analysis_names.h"
#include "analysis/business_case_table.h"
#include "analysis/ui/analysis_charts.h"

#include <QCoreApplication>
#include <QPainter>

#include <QtCharts/QChart>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>

namespace lendora::analysis {

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("BusinessCaseChart", source);
}

// Beyond this many points their names overlap into a smear; the points
// stay, their names go.
constexpr size_t labelLimit = 40;

// The names beside the points.
class PointLabels : public PlotAreaItem {
public:
    PointLabels(QChart* chart, QScatterSeries* series,
                std::vector<std::pair<QPointF, QString>> points)
        : PlotAreaItem(chart)
        , series_(series)
        , points_(std::move(points)) {
        setParentItem(chart);
    }
    QStringList labels() const {
        QStringList all;
        for (const auto& point : points_)
            all << point.second;
        return all;
    }
    // A name stands right of and above its point, beyond the area at its edges.
    QRectF boundingRect() const override {
        return PlotAreaItem::boundingRect().adjusted(-4, -20, 160, 4);
    }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        painter->setPen(QColor(0x22, 0x22, 0x22));
        for (const auto& [value, label] : points_)
            painter->drawText(chart()->mapToPosition(value, series_) + QPointF(7, -5), label);
    }

private:
    QScatterSeries* series_;
    std::vector<std::pair<QPointF, QString>> points_;
};

QScatterSeries* pointsOf(const QString& name, const QColor& colour, double size) {
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour.darker(130));
    series->setMarkerSize(size);
    return series;
}

// A value axis over the values with room around them (strategies often
// differ by a few per cent, which an axis from 0 would squeeze into a dot),
// nice numbers, whole labels.
QValueAxis* axisOver(double low, double high, const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    const double span = high - low;
    const double room = span > 0 ? span * 0.2 : std::max(std::abs(high) * 0.05, 1.0);
    axis->setRange(low - room, high + room);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

} // namespace

QChartView* newBusinessCaseChart() {
    QChartView* view = newComparisonChart(QString::fromLatin1(names::businessCaseChart),
                                          tr("Profit against customers"));
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    return view;
}

void drawBusinessCase(QChartView* view, const std::vector<BusinessCaseRow>& rows) {
    QChart* chart = freshChart(view);
    if (rows.empty())
        return;

    QScatterSeries* current = pointsOf(tr("Current product"), QColor(0x55, 0x5b, 0x66), 13);
    QScatterSeries* strategies = pointsOf(tr("Strategies"), QColor(0x4e, 0x79, 0xa7), 10);
    std::vector<std::pair<QPointF, QString>> labels;
    double left = rows.front().money.customers, right = left;
    double low = rows.front().money.profit, high = low;
    for (const BusinessCaseRow& row : rows) {
        const QPointF point(row.money.customers, row.money.profit);
        (row.strategy == 0 ? current : strategies)->append(point);
        if (rows.size() <= labelLimit)
            labels.emplace_back(point, row.strategy == 0 ? businessCaseRowName(row)
                                                         : QString::number(row.strategy));
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    QValueAxis* customers = axisOver(left, right, tr("Customers"));
    QValueAxis* profit = axisOver(low, high, tr("Profit"));
    chart->addAxis(customers, Qt::AlignBottom);
    chart->addAxis(profit, Qt::AlignLeft);
    for (QScatterSeries* series : {current, strategies}) {
        chart->addSeries(series);
        series->attachAxis(customers);
        series->attachAxis(profit);
    }
    new PointLabels(chart, strategies, std::move(labels));
}

QStringList businessCaseChartLabels(const QChartView* view) {
    for (QGraphicsItem* item : view->chart()->childItems())
        if (auto* labels = dynamic_cast<PointLabels*>(item))
            return labels->labels();
    return {};
}

} // namespace lendora::analysis
