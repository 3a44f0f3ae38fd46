#include "analysis/ui/analysis_charts.h"

#include "widgets/picture_copy.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QPainter>
#include <QToolTip>

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <optional>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

// Distinct colours for the features or segments; the totals bar is grey.
const QColor palette[] = {
    QColor(0x4e, 0x79, 0xa7), QColor(0xf2, 0x8e, 0x2b), QColor(0xe1, 0x57, 0x59),
    QColor(0x76, 0xb7, 0xb2), QColor(0x59, 0xa1, 0x4f), QColor(0xed, 0xc9, 0x48),
    QColor(0xb0, 0x7a, 0xa1), QColor(0xff, 0x9d, 0xa7), QColor(0x9c, 0x75, 0x5f),
    QColor(0x86, 0xbc, 0xb6), QColor(0x8c, 0xd1, 0x7d), QColor(0xd3, 0x72, 0x95),
};
const QColor totalsColour(0x55, 0x5b, 0x66);

// Charts with this many bars or more draw without antialiasing: their bars
// are a pixel or less wide, and smoothing them costs more than it shows.
constexpr qsizetype denseBars = 2000;
// Beyond this many bar sets a legend is a wall of markers nobody can match
// to a colour, and beyond this many strategies their labels overlap; the
// bars tell their strategy and set in a tooltip instead.
constexpr qsizetype legendLimit = 40;
constexpr qsizetype labelLimit = 40;

// Whiskers from low to high over the bars of a bar series.
class ErrorBars : public PlotAreaItem {
public:
    ErrorBars(QChart* chart, QBarSeries* series, const ChartData& data)
        : PlotAreaItem(chart)
        , series_(series)
        , sets_(int(data.columnLabels.size())) {
        for (size_t r = 0; r < data.ranges.size(); ++r)
            for (size_t c = 0; c < data.ranges[r].size(); ++c)
                bars_.push_back(
                    {int(r), int(c), data.ranges[r][c].first, data.ranges[r][c].second});
        setParentItem(chart);
    }
    int count() const { return int(bars_.size()); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        if (bars_.empty())
            return;
        const double width = series_->barWidth();
        const double slot = width / std::max(sets_, 1);
        const QPointF origin = chart()->mapToPosition(QPointF(0, 0), series_);
        const double capHalf = std::clamp(
            (chart()->mapToPosition(QPointF(slot, 0), series_) - origin).x() * 0.25, 0.0, 4.0);
        painter->setPen(QPen(QColor(0x22, 0x22, 0x22), 1));
        for (const Bar& bar : bars_) {
            const double x = bar.row - width / 2 + (bar.column + 0.5) * slot;
            const QPointF low = chart()->mapToPosition(QPointF(x, bar.low), series_);
            const QPointF high = chart()->mapToPosition(QPointF(x, bar.high), series_);
            painter->drawLine(low, high);
            if (capHalf >= 1) {
                painter->drawLine(low - QPointF(capHalf, 0), low + QPointF(capHalf, 0));
                painter->drawLine(high - QPointF(capHalf, 0), high + QPointF(capHalf, 0));
            }
        }
    }

private:
    struct Bar {
        int row;
        int column;
        double low;
        double high;
    };
    QBarSeries* series_;
    int sets_;
    std::vector<Bar> bars_;
};

} // namespace

PlotAreaItem::PlotAreaItem(QChart* chart)
    : chart_(chart)
    , area_(chart->plotArea().normalized()) {
    setZValue(100);
    // The item's own connection: it ends with the item, whatever the chart does after.
    QObject::connect(chart, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
        const QRectF normalized = area.normalized();
        if (normalized == area_)
            return;
        prepareGeometryChange();
        area_ = normalized;
    });
}

int errorBarCount(const QChartView* view) {
    int count = 0;
    for (QGraphicsItem* item : view->chart()->childItems())
        if (auto* bars = dynamic_cast<ErrorBars*>(item))
            count += bars->count();
    return count;
}

QChartView* newChartView(QChart* chart) {
    auto* view = new QChartView(chart);
    view->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    ui::offerPictureCopy(view);
    return view;
}

QChart* freshChart(QChartView* view) {
    const QChart* old = view->chart();
    auto* chart = new QChart;
    chart->setTitle(old->title());
    chart->setTitleFont(old->titleFont());
    chart->legend()->setAlignment(old->legend()->alignment());
    chart->legend()->setShowToolTips(old->legend()->showToolTips());
    chart->setMargins(old->margins());
    chart->setAnimationOptions(QChart::NoAnimation);
    replaceChart(view, chart);
    return chart;
}

void replaceChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart); // takes the old chart out of the scene
    delete old;
}

QChartView* newComparisonChart(const QString& objectName, const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() + 1);
    chart->setTitleFont(titleFont);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setShowToolTips(true);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setAnimationOptions(QChart::NoAnimation);

    QChartView* view = newChartView(chart);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 240);
    return view;
}

void drawComparison(QChartView* view, const ChartData& data) {
    QChart* chart = freshChart(view);
    if (data.rowLabels.isEmpty() || data.columnLabels.isEmpty())
        return;
    view->setRenderHint(QPainter::Antialiasing,
                        data.rowLabels.size() * data.columnLabels.size() < denseBars);
    chart->legend()->setVisible(data.columnLabels.size() <= legendLimit);

    auto* series = new QBarSeries;
    double low = 0;
    double high = 0;
    const qsizetype last = data.columnLabels.size() - 1;
    for (qsizetype c = 0; c <= last; ++c) {
        auto* set = new QBarSet(data.columnLabels[c]);
        for (const std::vector<double>& row : data.values) {
            const double value = size_t(c) < row.size() ? row[size_t(c)] : 0.0;
            set->append(value);
            low = std::min(low, value);
            high = std::max(high, value);
        }
        for (const auto& row : data.ranges)
            if (size_t(c) < row.size()) {
                low = std::min(low, row[size_t(c)].first);
                high = std::max(high, row[size_t(c)].second);
            }
        const QColor colour = c == last ? totalsColour : palette[size_t(c) % std::size(palette)];
        set->setColor(colour);
        set->setBorderColor(colour.darker(130));
        series->append(set);
    }
    series->setBarWidth(0.85);
    const QStringList rowLabels = data.rowLabels;
    QObject::connect(
        series, &QBarSeries::hovered, view, [rowLabels](bool inside, int index, QBarSet* set) {
            if (inside)
                QToolTip::showText(QCursor::pos(), rowLabels.value(index) + u", "_s + set->label() +
                                                       u": "_s + QString::number(set->at(index)));
            else
                QToolTip::hideText();
        });
    // The axes go in first, so that the bars are laid out once, when the
    // series joins the chart.
    auto* strategies = new QBarCategoryAxis;
    strategies->append(data.rowLabels);
    strategies->setLabelsVisible(data.rowLabels.size() <= labelLimit);
    chart->addAxis(strategies, Qt::AlignBottom);

    auto* respondents = new QValueAxis;
    respondents->setTitleText(QCoreApplication::translate("ComparisonChart", "Respondents"));
    respondents->setRange(low, high > low ? high * 1.05 : low + 1);
    respondents->applyNiceNumbers();
    // Whole numbers, unless the steps are fractions (a chart of zeros).
    const double step =
        (respondents->max() - respondents->min()) / std::max(respondents->tickCount() - 1, 1);
    respondents->setLabelFormat(step >= 1 ? u"%.0f"_s : u"%g"_s);
    chart->addAxis(respondents, Qt::AlignLeft);

    chart->addSeries(series);
    series->attachAxis(strategies);
    series->attachAxis(respondents);
    if (!data.ranges.empty())
        new ErrorBars(chart, series, data);
}

bool isDense(const ChartData& data) {
    return data.rowLabels.size() * data.columnLabels.size() >= denseBars;
}

namespace {
// Holds a hidden view's waiting data and draws them when the view is shown.
class PendingChart : public QObject {
public:
    explicit PendingChart(QChartView* view)
        : QObject(view)
        , view_(view) {
        setObjectName(u"pendingChart"_s);
        view->installEventFilter(this);
    }
    std::optional<ChartData> data;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && data) {
            const ChartData waiting = std::move(*data);
            data.reset();
            drawComparison(view_, waiting);
        }
        return false;
    }

private:
    QChartView* view_;
};

PendingChart* pendingOf(QChartView* view) {
    auto* pending = view->findChild<PendingChart*>(u"pendingChart"_s, Qt::FindDirectChildrenOnly);
    return pending ? pending : new PendingChart(view);
}
} // namespace

void drawWhenShown(QChartView* view, const ChartData& data) {
    PendingChart* pending = pendingOf(view);
    if (isDense(data) && !view->isVisible()) {
        pending->data = data;
        return;
    }
    pending->data.reset();
    drawComparison(view, data);
}

} // namespace lendora::analysis
