// The customers-profit view of a search that forecast 250,000 strategies:
// the frontier found, the points thinned to one per 2 x 2 pixel cell and the
// whole view drawn, beside the peer of drawing every point unthinned with
// the same painter and pen. Goal: under 200 ms.
#include "analysis/ui/pareto_view.h"
#include "seconds_reporter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

using namespace lendora::analysis;

namespace {

constexpr int candidateCount = 250000;
const QSize pictureSize(900, 520);

// A cloud like a search's: profit falls as customers rise, with spread.
std::vector<Candidate> cloud() {
    std::mt19937 random(2012);
    std::normal_distribution<double> customers(50000, 12000);
    std::normal_distribution<double> spread(0, 4e6);
    std::vector<Candidate> candidates(candidateCount);
    for (Candidate& c : candidates) {
        c.customers = customers(random);
        c.profit = 9e7 - 800 * c.customers + spread(random);
    }
    return candidates;
}

void BM_ParetoViewOf250000Candidates(benchmark::State& state) {
    const std::vector<Candidate> candidates = cloud();
    QImage picture(pictureSize, QImage::Format_ARGB32_Premultiplied);
    int drawn = 0;
    for (auto _ : state) {
        ParetoView view;
        view.setCandidates(candidates, {{}, 50000, 5e7});
        QPainter painter(&picture);
        view.paint(painter, picture.rect());
        drawn = view.drawnPoints();
    }
    state.counters["points_drawn"] = drawn;
}
BENCHMARK(BM_ParetoViewOf250000Candidates)->Unit(benchmark::kMillisecond)->UseRealTime();

// The peer: every point drawn as it comes.
void BM_EveryPointUnthinned(benchmark::State& state) {
    const std::vector<Candidate> candidates = cloud();
    QImage picture(pictureSize, QImage::Format_ARGB32_Premultiplied);
    const PlotScale scale = plotScale(candidates, {{}, 50000, 5e7}, picture.rect());
    for (auto _ : state) {
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), Qt::white);
        std::vector<QPointF> points;
        points.reserve(candidates.size());
        for (const Candidate& c : candidates)
            points.push_back(scale.at(c.customers, c.profit));
        painter.setPen(QPen(QColor(0x7f, 0x9c, 0xc4), 2, Qt::SolidLine, Qt::SquareCap));
        painter.drawPoints(points.data(), int(points.size()));
    }
}
BENCHMARK(BM_EveryPointUnthinned)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    lendora::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double view = reporter.seconds("BM_ParetoViewOf250000Candidates");
    const double peer = reporter.seconds("BM_EveryPointUnthinned");
    if (view > 0 && peer > 0)
        std::printf("\nView of %d candidates (frontier, thinning, drawing): %.1f ms (goal: under "
                    "200 ms); every point drawn unthinned: %.1f ms; %.2f times the peer\n",
                    candidateCount, view * 1e3, peer * 1e3, view / peer);
    benchmark::Shutdown();
    return 0;
}
