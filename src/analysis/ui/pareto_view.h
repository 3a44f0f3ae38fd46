#pragma once

#include "analysis/strategy_search.h"

#include <QRect>
#include <QWidget>

#include <vector>

class QPainter;

namespace lendora::analysis {

// The candidates on the frontier of customers and profit: no other
// candidate has at least as many customers and at least as much profit with
// more of one. Indices into `candidates`, by rising customers; of equal
// points the first.
std::vector<int> paretoFrontier(const std::vector<Candidate>& candidates);

// Where customers (across) and profit (up) fall in a pixel area.
struct PlotScale {
    double customersLow = 0;
    double customersHigh = 1;
    double profitLow = 0;
    double profitHigh = 1;
    QRect area;
    QPointF at(double customers, double profit) const;
};

// The scale that holds every candidate and the current product in the area.
PlotScale plotScale(const std::vector<Candidate>& candidates, const Candidate& current,
                    const QRect& area);

// Points closer than a cell of `cell` pixels cannot be told apart: the
// first candidate of each cell stands for the others. Indices of those drawn.
std::vector<int> thinToCells(const std::vector<Candidate>& candidates, const PlotScale& scale,
                             int cell);

// Every strategy a search forecast, customers against profit, with the
// frontier and the current product marked. A click on a point picks that
// candidate. However many candidates there are, only one point per cell of
// 3 x 3 pixels is drawn.
class ParetoView : public QWidget {
    Q_OBJECT
public:
    explicit ParetoView(QWidget* parent = nullptr);

    void setCandidates(std::vector<Candidate> candidates, const Candidate& current);
    const std::vector<Candidate>& candidates() const { return candidates_; }
    const std::vector<int>& frontier() const { return frontier_; }
    // Where a candidate is drawn (in widget pixels), and how many points are.
    QPoint position(int candidate) const;
    int drawnPoints() const { return int(drawn_.size()); }

    // Draws the plot into `rect` of any paint device.
    void paint(QPainter& painter, const QRect& rect);

    QSize sizeHint() const override { return {520, 320}; }

signals:
    void picked(int candidate);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The plot area within `rect`, and the points thinned for it.
    void layOut(const QRect& rect);
    // The candidate drawn nearest the pixel, within a few pixels; -1 for none.
    int candidateAt(const QPoint& pixel) const;

    std::vector<Candidate> candidates_;
    Candidate current_;
    std::vector<int> frontier_;
    QRect frame_; // the plot's frame; the scale's area lies within
    PlotScale scale_;
    QRect laidOut_;
    std::vector<int> drawn_;
    // Per cell of the plot area, the candidate drawn there; -1 for none.
    std::vector<int> cells_;
    int cellColumns_ = 0;
};

} // namespace lendora::analysis
