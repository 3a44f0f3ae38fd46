#include "analysis/ui/pareto_view.h"

#include "storage/numbers.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lendora::analysis {

namespace {

constexpr int cellPixels = 3;
constexpr int pickRadius = 6;

// A value range that is never empty: a single value gets room around it.
void widen(double& low, double& high) {
    if (!(high > low)) {
        const double room = std::max(std::abs(low) * 0.05, 1.0);
        low -= room;
        high += room;
    }
}

// A step of 1, 2 or 5 times a power of ten that cuts the range into about
// `parts` parts.
double niceStep(double range, int parts) {
    const double raw = range / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw)
            return factor * power;
    return 10 * power;
}

QString axisNumber(double value) {
    return wholeText(std::llround(value));
}

// The first candidate of every cell, and which candidate each cell shows.
std::vector<int> thin(const std::vector<Candidate>& candidates, const PlotScale& scale, int cell,
                      std::vector<int>& owners, int& columns) {
    cell = std::max(cell, 1);
    columns = scale.area.width() / cell + 1;
    const int rows = scale.area.height() / cell + 1;
    owners.assign(size_t(columns) * size_t(rows), -1);
    std::vector<int> drawn;
    const double xScale =
        scale.area.width() / (scale.customersHigh - scale.customersLow) / double(cell);
    const double yScale = scale.area.height() / (scale.profitHigh - scale.profitLow) / double(cell);
    for (size_t i = 0; i < candidates.size(); ++i) {
        const double x = (candidates[i].customers - scale.customersLow) * xScale;
        const double y = (candidates[i].profit - scale.profitLow) * yScale;
        if (!(x >= 0 && y >= 0 && x < columns && y < rows))
            continue;
        int& owner = owners[size_t(int(y)) * size_t(columns) + size_t(int(x))];
        if (owner < 0) {
            owner = int(i);
            drawn.push_back(int(i));
        }
    }
    return drawn;
}

} // namespace

std::vector<int> paretoFrontier(const std::vector<Candidate>& candidates) {
    if (candidates.empty())
        return {};
    // Most points lie below a point with more customers: the points are
    // put in bins by their customers, and a point whose profit does not
    // beat the best of the bins above its own cannot be on the frontier.
    // Only the others are sorted.
    constexpr int bins = 4096;
    const auto [least, most] = std::minmax_element(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.customers < b.customers; });
    const double low = least->customers;
    const double width = most->customers - low;
    auto binOf = [&](double customers) {
        return width > 0 ? std::min(int((customers - low) / width * bins), bins - 1) : 0;
    };
    std::vector<double> binBest(bins + 1, -std::numeric_limits<double>::infinity());
    for (const Candidate& c : candidates) {
        double& best = binBest[size_t(binOf(c.customers))];
        best = std::max(best, c.profit);
    }
    // above[b]: the best profit of the bins above b.
    std::vector<double> above(bins + 1, -std::numeric_limits<double>::infinity());
    for (int b = bins - 1; b >= 0; --b)
        above[size_t(b)] = std::max(above[size_t(b) + 1], binBest[size_t(b) + 1]);
    std::vector<int> order;
    for (size_t i = 0; i < candidates.size(); ++i)
        if (candidates[i].profit > above[size_t(binOf(candidates[i].customers))])
            order.push_back(int(i));

    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const Candidate& p = candidates[size_t(a)];
        const Candidate& q = candidates[size_t(b)];
        if (p.customers != q.customers)
            return p.customers > q.customers;
        if (p.profit != q.profit)
            return p.profit > q.profit;
        return a < b;
    });
    // From the most customers down: a point is on the frontier when it has
    // more profit than every point with more customers.
    std::vector<int> frontier;
    double best = -std::numeric_limits<double>::infinity();
    for (int i : order)
        if (candidates[size_t(i)].profit > best) {
            best = candidates[size_t(i)].profit;
            frontier.push_back(i);
        }
    std::reverse(frontier.begin(), frontier.end());
    return frontier;
}

QPointF PlotScale::at(double customers, double profit) const {
    return {area.left() +
                (customers - customersLow) / (customersHigh - customersLow) * area.width(),
            area.bottom() - (profit - profitLow) / (profitHigh - profitLow) * area.height()};
}

PlotScale plotScale(const std::vector<Candidate>& candidates, const Candidate& current,
                    const QRect& area) {
    PlotScale scale;
    scale.area = area;
    scale.customersLow = scale.customersHigh = current.customers;
    scale.profitLow = scale.profitHigh = current.profit;
    for (const Candidate& c : candidates) {
        scale.customersLow = std::min(scale.customersLow, c.customers);
        scale.customersHigh = std::max(scale.customersHigh, c.customers);
        scale.profitLow = std::min(scale.profitLow, c.profit);
        scale.profitHigh = std::max(scale.profitHigh, c.profit);
    }
    widen(scale.customersLow, scale.customersHigh);
    widen(scale.profitLow, scale.profitHigh);
    return scale;
}

std::vector<int> thinToCells(const std::vector<Candidate>& candidates, const PlotScale& scale,
                             int cell) {
    std::vector<int> owners;
    int columns = 0;
    return thin(candidates, scale, cell, owners, columns);
}

ParetoView::ParetoView(QWidget* parent)
    : QWidget(parent) {
    setMinimumSize(320, 200);
    setCursor(Qt::CrossCursor);
    setToolTip(tr("Every strategy forecast: customers across, profit up. Click a point to take "
                  "its strategy."));
}

void ParetoView::setCandidates(std::vector<Candidate> candidates, const Candidate& current) {
    candidates_ = std::move(candidates);
    current_ = current;
    frontier_ = paretoFrontier(candidates_);
    laidOut_ = {};
    layOut(rect());
    update();
}

void ParetoView::layOut(const QRect& rect) {
    if (rect == laidOut_)
        return;
    laidOut_ = rect;
    // Room for the profit labels on the left, the customers below and the
    // key above.
    frame_ = rect.adjusted(78, 26, -18, -44);
    // A margin inside the frame, so that no point is cut by it.
    scale_ = plotScale(candidates_, current_, frame_.adjusted(8, 8, -8, -8));
    const QRect area = scale_.area;
    drawn_ = thin(candidates_, scale_, cellPixels, cells_, cellColumns_);
    // A frontier point is always drawn and found by a click in its cell.
    for (int i : frontier_) {
        const QPointF p =
            scale_.at(candidates_[size_t(i)].customers, candidates_[size_t(i)].profit);
        const int column = int((p.x() - area.left()) / cellPixels);
        const int row = int((area.bottom() - p.y()) / cellPixels);
        if (column >= 0 && row >= 0 && column < cellColumns_ &&
            size_t(row) * size_t(cellColumns_) + size_t(column) < cells_.size())
            cells_[size_t(row) * size_t(cellColumns_) + size_t(column)] = i;
    }
}

QPoint ParetoView::position(int candidate) const {
    const Candidate& c = candidates_.at(size_t(candidate));
    return scale_.at(c.customers, c.profit).toPoint();
}

void ParetoView::paint(QPainter& painter, const QRect& rect) {
    layOut(rect);
    const QRect area = frame_;
    painter.fillRect(rect, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Grid, ticks and their numbers.
    const QFontMetrics metrics(painter.font());
    painter.setPen(QColor(0xe0, 0xe0, 0xe0));
    const double xStep = niceStep(scale_.customersHigh - scale_.customersLow, 6);
    const double yStep = niceStep(scale_.profitHigh - scale_.profitLow, 5);
    for (double x = std::ceil(scale_.customersLow / xStep) * xStep; x <= scale_.customersHigh;
         x += xStep) {
        const int px = int(scale_.at(x, scale_.profitLow).x());
        painter.setPen(QColor(0xe0, 0xe0, 0xe0));
        painter.drawLine(px, area.top(), px, area.bottom());
        painter.setPen(Qt::black);
        const QString text = axisNumber(x);
        painter.drawText(px - metrics.horizontalAdvance(text) / 2, area.bottom() + 16, text);
    }
    for (double y = std::ceil(scale_.profitLow / yStep) * yStep; y <= scale_.profitHigh;
         y += yStep) {
        const int py = int(scale_.at(scale_.customersLow, y).y());
        painter.setPen(QColor(0xe0, 0xe0, 0xe0));
        painter.drawLine(area.left(), py, area.right(), py);
        painter.setPen(Qt::black);
        const QString text = axisNumber(y);
        painter.drawText(area.left() - 6 - metrics.horizontalAdvance(text),
                         py + metrics.ascent() / 2, text);
    }
    painter.setPen(Qt::black);
    painter.drawRect(area);
    painter.drawText(QRect(area.left(), area.bottom() + 22, area.width(), 20), Qt::AlignCenter,
                     tr("Customers"));
    painter.save();
    painter.translate(rect.left() + 12, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-area.height() / 2, -10, area.height(), 20), Qt::AlignCenter,
                     tr("Profit"));
    painter.restore();

    if (candidates_.empty()) {
        painter.drawText(area, Qt::AlignCenter, tr("No strategy was forecast."));
        return;
    }

    // The candidates, one per cell.
    std::vector<QPointF> points;
    points.reserve(drawn_.size());
    for (int i : drawn_)
        points.push_back(
            scale_.at(candidates_[size_t(i)].customers, candidates_[size_t(i)].profit));
    painter.setPen(QPen(QColor(0x7f, 0x9c, 0xc4), cellPixels, Qt::SolidLine, Qt::SquareCap));
    painter.drawPoints(points.data(), int(points.size()));

    // The frontier, and the current product.
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF line;
    for (int i : frontier_)
        line << scale_.at(candidates_[size_t(i)].customers, candidates_[size_t(i)].profit);
    const QColor frontierColour(0xe1, 0x57, 0x59);
    painter.setPen(QPen(frontierColour, 1.5));
    painter.drawPolyline(line);
    painter.setBrush(frontierColour);
    for (const QPointF& p : line)
        painter.drawEllipse(p, 3.0, 3.0);
    const QPointF now = scale_.at(current_.customers, current_.profit);
    QPainterPath diamond;
    diamond.moveTo(now + QPointF(0, -7));
    diamond.lineTo(now + QPointF(7, 0));
    diamond.lineTo(now + QPointF(0, 7));
    diamond.lineTo(now + QPointF(-7, 0));
    diamond.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0xf2, 0x8e, 0x2b));
    painter.drawPath(diamond);

    // The key.
    painter.setRenderHint(QPainter::Antialiasing, false);
    int x = area.left();
    const int y = rect.top() + 14;
    auto key = [&](const QColor& colour, const QString& text) {
        painter.fillRect(x, y - 7, 8, 8, colour);
        painter.setPen(Qt::black);
        painter.drawText(x + 12, y, text);
        x += 24 + metrics.horizontalAdvance(text);
    };
    key(QColor(0x7f, 0x9c, 0xc4), tr("Strategies forecast (%1)").arg(candidates_.size()));
    key(frontierColour, tr("Frontier (%1)").arg(frontier_.size()));
    key(QColor(0xf2, 0x8e, 0x2b), tr("Current product"));
}

void ParetoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect());
}

void ParetoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut(rect());
}

int ParetoView::candidateAt(const QPoint& pixel) const {
    const QRect area = scale_.area;
    if (!frame_.contains(pixel))
        return -1;
    const int column = (pixel.x() - area.left()) / cellPixels;
    const int row = (area.bottom() - pixel.y()) / cellPixels;
    const int reach = pickRadius / cellPixels;
    const int rows = cellColumns_ > 0 ? int(cells_.size()) / cellColumns_ : 0;
    int nearest = -1;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (int r = std::max(row - reach, 0); r <= std::min(row + reach, rows - 1); ++r)
        for (int c = std::max(column - reach, 0); c <= std::min(column + reach, cellColumns_ - 1);
             ++c) {
            const int i = cells_[size_t(r) * size_t(cellColumns_) + size_t(c)];
            if (i < 0)
                continue;
            const QPointF p =
                scale_.at(candidates_[size_t(i)].customers, candidates_[size_t(i)].profit);
            const double distance = std::hypot(p.x() - pixel.x(), p.y() - pixel.y());
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearest = i;
            }
        }
    return nearest;
}

void ParetoView::mousePressEvent(QMouseEvent* event) {
    layOut(rect());
    const int candidate = candidateAt(event->position().toPoint());
    if (candidate >= 0)
        emit picked(candidate);
}

} // namespace lendora::analysis
