// The Analysis window's forecast tools: the sensitivity curve of a feature,
// the 90% intervals from resampling the poll counts (error bars, estimate
// tooltips, the chance that one strategy beats another) and the suggested
// strategies. Everything that takes a while runs on a thread, so the user
// can go on typing.
#include "analysis/ui/analysis_window.h"

#include "analysis/analysis_export.h"
#include "analysis/forecast_tools_guru.h"
#include "analysis/ui/analysis_charts.h"
#include "analysis/ui/sensitivity_chart.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"
#include "workspace/workspace.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include <optional>

namespace lendora {

using namespace Qt::StringLiterals;

namespace {

const QString allSegmentsText = u"All segments"_s;

QStringList brandNames(const Grid& base) {
    return {shownText(base.text(analysis::brand::own, 1)),
            shownText(base.text(analysis::brand::competitor1, 1)),
            shownText(base.text(analysis::brand::competitor2, 1))};
}

} // namespace

QWidget* AnalysisWindow::buildSensitivityPanel() {
    sensitivityFeature_ = new QComboBox;
    sensitivityFeature_->setObjectName(u"cboSensitivityFeature"_s);
    sensitivityFeature_->addItems(analysis::featureNames());
    sensitivitySegment_ = new QComboBox;
    sensitivitySegment_->setObjectName(u"cboSensitivitySegment"_s);
    sensitivityMargin_ = new QSpinBox;
    sensitivityMargin_->setObjectName(u"spnSensitivityMargin"_s);
    sensitivityMargin_->setRange(0, 200);
    sensitivityMargin_->setValue(25);
    sensitivityMargin_->setSuffix(u" %"_s);
    sensitivityMargin_->setToolTip(u"How far the curve reaches beyond the brands' values, in "
                                   "per cent of their range"_s);
    sensitivityVertex_ = new QLabel;
    sensitivityVertex_->setObjectName(u"lblSensitivityVertex"_s);
    auto* picture = new QPushButton(u"Save Chart..."_s);
    picture->setObjectName(u"cmdSensitivityChart"_s);
    auto* csv = new QPushButton(u"Export CSV..."_s);
    csv->setObjectName(u"cmdSensitivityCsv"_s);
    for (QPushButton* button : {picture, csv})
        button->setAutoDefault(false);
    connect(picture, &QPushButton::clicked, this, &AnalysisWindow::exportSensitivityPicture);
    connect(csv, &QPushButton::clicked, this, &AnalysisWindow::exportSensitivityCsv);
    // The user's choices redraw the curve, and the Guru explains it.
    auto redraw = [this] {
        drawSensitivityCurve();
        showToolsInGuru(
            guru::sensitivityCurve(curve_, brandNames(tables_.base), sensitivityCurveSegment()));
    };
    connect(sensitivityFeature_, &QComboBox::currentIndexChanged, this, redraw);
    connect(sensitivitySegment_, &QComboBox::currentIndexChanged, this, redraw);
    connect(sensitivityMargin_, &QSpinBox::valueChanged, this, redraw);

    sensitivityChart_ = analysis::newChartView(new QChart);
    sensitivityChart_->setObjectName(u"MSCH_Sensitivity"_s);
    sensitivityChart_->setRenderHint(QPainter::Antialiasing);
    // Small at least: the comparison above keeps the room it needs.
    sensitivityChart_->setMinimumSize(240, 90);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(u"Feature"_s));
    choices->addWidget(sensitivityFeature_);
    choices->addWidget(new QLabel(u"Segment"_s));
    choices->addWidget(sensitivitySegment_, 1);
    choices->addWidget(new QLabel(u"Beyond the brands"_s));
    choices->addWidget(sensitivityMargin_);
    choices->addWidget(sensitivityVertex_, 1);
    choices->addWidget(picture);
    choices->addWidget(csv);

    auto* frame = new QGroupBox(u"Sensitivity"_s);
    frame->setObjectName(u"fraSensitivity"_s);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(choices);
    layout->addWidget(sensitivityChart_, 1);
    return frame;
}

void AnalysisWindow::fillSensitivitySegments() {
    const QSignalBlocker block(sensitivitySegment_);
    sensitivitySegment_->clear();
    sensitivitySegment_->addItem(allSegmentsText);
    for (int r = 1; r <= tables_.segmentCount(); ++r)
        sensitivitySegment_->addItem(shownText(tables_.estimates.text(r, 0)));
}

void AnalysisWindow::drawSensitivityCurve() {
    const int feature = sensitivityFeature_->currentIndex() + 1;
    const int segment = std::max(sensitivitySegment_->currentIndex(), 0);
    const analysis::PollGrids polls{polls_[0], polls_[1], polls_[2]};
    curve_ = analysis::sensitivityCurve(tables_.base, polls, tables_.segmentCount(), feature,
                                        segment, sensitivityMargin_->value() / 100.0);
    const QString segmentText = sensitivityCurveSegment();
    const QString vertex = analysis::vertexText(curve_);
    sensitivityVertex_->setText(vertex);
    const QStringList brands = brandNames(tables_.base);
    analysis::drawSensitivity(sensitivityChart_, curve_, brands,
                              u"Respondents of "_s + segmentText + u" opting for "_s +
                                  brands.value(0) + u", by "_s +
                                  analysis::featureNames().value(feature - 1) +
                                  (vertex.isEmpty() ? QString() : u": "_s + vertex));
}

QString AnalysisWindow::sensitivityCurveSegment() const {
    return sensitivitySegment_->currentIndex() <= 0 ? u"all segments"_s
                                                    : sensitivitySegment_->currentText();
}

void AnalysisWindow::exportSensitivityPicture() {
    bool svg = false;
    const QString path = askPictureFile(u" sensitivity.png"_s, svg);
    if (path.isEmpty())
        return;
    // At the size of the last comparison chart export, not the panel's.
    writeExport(path,
                analysis::sensitivityPicture(curve_, brandNames(tables_.base),
                                             sensitivityChart_->chart()->title(), chartSize_, svg));
}

void AnalysisWindow::exportSensitivityCsv() {
    const QString path =
        askExportFile(u"Export CSV"_s, u" sensitivity.csv"_s, u"CSV file (*.csv)"_s, u"csv"_s);
    if (path.isEmpty())
        return;
    writeExport(path, analysis::csvRecords(analysis::curveRecords(curve_)));
}

void AnalysisWindow::startResampling() {
    if (resampleCancel_)
        *resampleCancel_ = true;
    resampleCancel_ = std::make_shared<std::atomic<bool>>(false);
    resampled_ =
        std::async(std::launch::async, [base = tables_.base, polls = polls_,
                                        n = tables_.segmentCount(), cancel = resampleCancel_] {
            const analysis::PollGrids grids{polls[0], polls[1], polls[2]};
            return std::make_shared<const analysis::ResampledPolls>(
                base, grids, n, analysis::ResampledPolls::defaultResamples,
                analysis::ResampledPolls::defaultSeed, cancel.get());
        }).share();
}

const std::vector<analysis::StrategyIntervals>* AnalysisWindow::strategyIntervals() const {
    if (!intervalsReady_ || intervalsFor_ != analysis::storedStrategies(tables_))
        return nullptr;
    return &intervals_;
}

void AnalysisWindow::refreshIntervals() {
    intervalsReady_ = false;
    fillBeatChoices();
    const std::vector<analysis::StrategyInput> strategies = analysis::storedStrategies(tables_);
    if (strategies.empty()) {
        intervalWork_->cancel();
        return;
    }
    // The bar shows only for work the user would notice.
    QTimer::singleShot(100, this, [this] {
        if (intervalWork_->busy())
            busy_->setVisible(true);
    });
    intervalWork_->start(
        [this, strategies, resampled = resampled_](
            const std::atomic<bool>& cancel, const analysis::BackgroundWork::Progress& progress) {
            const auto polls = resampled.get();
            auto intervals = analysis::strategyIntervals(
                *polls, strategies,
                [&](int done, int total) { progress(done * 100 / std::max(total, 1)); }, &cancel);
            return [this, strategies, intervals = std::move(intervals)]() mutable {
                intervalsFor_ = strategies;
                intervals_ = std::move(intervals);
                intervalsReady_ = true;
                Charts();
                fillBeatChoices();
            };
        });
}

const std::vector<analysis::StrategyIntervals>& AnalysisWindow::intervalsForExport() {
    static const std::vector<analysis::StrategyIntervals> none;
    if (!strategyIntervals() && !intervalWork_->busy())
        refreshIntervals();
    // The window repaints and shows the progress meanwhile, but the user's
    // clicks and keys wait: one could close this window, deleting it under
    // this loop, or start another export or change the strategies midway.
    while (!strategyIntervals() && intervalWork_->busy()) {
        busy_->setVisible(true);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
    }
    const auto* intervals = strategyIntervals();
    return intervals ? *intervals : none;
}

const analysis::ResampledPolls* AnalysisWindow::resampledForExport(
    const std::vector<analysis::StrategyIntervals>& intervals) const {
    return intervals.empty() || !resampled_.valid() ? nullptr : resampled_.get().get();
}

void AnalysisWindow::showBusy(int percent) {
    if (percent < 0) {
        busy_->setVisible(false);
        return;
    }
    busy_->setValue(percent);
}

void AnalysisWindow::clearCellIntervals() {
    cellWork_->cancel();
    cellIntervals_.clear();
    estimatesView_->gridModel().decorationChanged();
}

void AnalysisWindow::refreshCellIntervals(const analysis::StrategyInput& strategy) {
    clearCellIntervals();
    cellWork_->start([this, strategy, resampled = resampled_](
                         const std::atomic<bool>&, const analysis::BackgroundWork::Progress&) {
        const auto polls = resampled.get();
        auto cells = polls->cellIntervals(strategy);
        auto totals = polls->intervals(strategy);
        return [this, cells = std::move(cells), totals = std::move(totals)]() mutable {
            cellIntervals_ = std::move(cells);
            estimateIntervals_ = std::move(totals);
            estimatesView_->gridModel().decorationChanged();
        };
    });
}

QString AnalysisWindow::intervalTooltip(int gridRow, int column) const {
    const int n = int(cellIntervals_.size());
    if (n == 0 || n != tables_.segmentCount() || column < 1 || column > analysis::estimate::total)
        return {};
    const analysis::Interval* interval = nullptr;
    if (gridRow >= 1 && gridRow <= n)
        interval = column == analysis::estimate::total
                       ? &estimateIntervals_.segments[size_t(gridRow - 1)]
                       : &cellIntervals_[size_t(gridRow - 1)][size_t(column - 1)];
    else if (gridRow == n + 1)
        interval = column == analysis::estimate::total
                       ? &estimateIntervals_.total
                       : &estimateIntervals_.features[size_t(column - 1)];
    return interval ? u"90% interval: "_s + analysis::intervalText(*interval) : QString();
}

void AnalysisWindow::addRanges(analysis::ChartData& segments, analysis::ChartData& features) const {
    const auto* intervals = strategyIntervals();
    if (!intervals)
        return;
    auto range = [](const analysis::Interval& i) {
        return std::pair<double, double>(double(i.low), double(i.high));
    };
    for (const analysis::StrategyIntervals& s : *intervals) {
        std::vector<std::pair<double, double>> bySegment;
        for (const analysis::Interval& i : s.segments)
            bySegment.push_back(range(i));
        bySegment.push_back(range(s.total));
        // A plan whose segments changed since its strategies were saved
        // shows no whiskers rather than misplaced ones.
        if (segments.columnLabels.size() == qsizetype(bySegment.size()))
            segments.ranges.push_back(std::move(bySegment));
        std::vector<std::pair<double, double>> byFeature;
        for (const analysis::Interval& i : s.features)
            byFeature.push_back(range(i));
        byFeature.push_back(range(s.total));
        features.ranges.push_back(std::move(byFeature));
    }
    if (segments.ranges.size() != intervals->size())
        segments.ranges.clear();
}

QWidget* AnalysisWindow::buildBeatPanel() {
    beatA_ = new QComboBox;
    beatA_->setObjectName(u"cboBeatA"_s);
    beatB_ = new QComboBox;
    beatB_->setObjectName(u"cboBeatB"_s);
    beatChance_ = new QLabel;
    beatChance_->setObjectName(u"lblBeatChance"_s);
    beatChance_->setWordWrap(true);
    // A choice of the user's shows the chance, and the Guru explains it.
    auto chosen = [this] {
        if (const std::optional<double> chance = showBeatChance())
            showToolsInGuru(
                guru::beatChance(beatA_->currentIndex() + 1, beatB_->currentIndex() + 1, *chance) +
                u' ' + guru::strategyIntervals(intervals_, tables_.base.text(1, 1)));
    };
    connect(beatA_, &QComboBox::activated, this, chosen);
    connect(beatB_, &QComboBox::activated, this, chosen);
    auto* frame = new QGroupBox(u"Which wins?"_s);
    frame->setObjectName(u"fraBeatChance"_s);
    auto* form = new QFormLayout(frame);
    form->addRow(u"Strategy"_s, beatA_);
    form->addRow(u"against"_s, beatB_);
    form->addRow(beatChance_);
    frame->setMaximumWidth(200);
    return frame;
}

void AnalysisWindow::fillBeatChoices() {
    const int count = strategyIntervals() ? int(intervals_.size()) : 0;
    const int a = beatA_->currentIndex();
    const int b = beatB_->currentIndex();
    for (QComboBox* box : {beatA_, beatB_}) {
        const QSignalBlocker block(box);
        box->clear();
        for (int k = 1; k <= count; ++k)
            box->addItem(QString::number(k));
    }
    if (count >= 1) {
        beatA_->setCurrentIndex(a >= 0 && a < count ? a : std::min(1, count - 1));
        beatB_->setCurrentIndex(b >= 0 && b < count ? b : 0);
    }
    showBeatChance();
}

std::optional<double> AnalysisWindow::showBeatChance() {
    const int a = beatA_->currentIndex();
    const int b = beatB_->currentIndex();
    if (!strategyIntervals() || a < 0 || b < 0) {
        beatChance_->setText(intervalWork_->busy() ? u"Working it out..."_s : QString());
        return std::nullopt;
    }
    // A strategy against itself would always be "50%".
    if (a == b) {
        beatChance_->setText(intervals_.size() < 2 ? u"Add a second strategy to compare."_s
                                                   : u"Pick two different strategies."_s);
        return std::nullopt;
    }
    const double chance = analysis::beatChance(intervals_[size_t(a)], intervals_[size_t(b)]);
    beatChance_->setText(
        u"Chance that strategy %1 beats strategy %2: %3%"_s.arg(a + 1).arg(b + 1).arg(
            std::lround(chance * 100)));
    return chance;
}

void AnalysisWindow::openSuggestions() {
    if (suggest_) {
        suggest_->raise();
        return;
    }
    suggest_ =
        new analysis::SuggestDialog(tables_.base, polls_, tables_.segmentCount(), resampled_, this);
    suggest_->setAttribute(Qt::WA_DeleteOnClose);
    connect(suggest_, &analysis::SuggestDialog::taken, this, &AnalysisWindow::takeSuggestion);
    connect(suggest_, &analysis::SuggestDialog::searched, this,
            [this](const analysis::SearchResult& result) {
                showToolsInGuru(guru::suggestions(result, tables_.base.text(1, 1)));
            });
    suggest_->open();
}

void AnalysisWindow::takeSuggestion(const QStringList& texts) {
    setEntryTexts(texts);
    // The fields are confirmed afresh, one by one with Enter, before Analyse.
    cmdAnalyse_->setEnabled(false);
    sstab1_->setCurrentIndex(0);
    fields_[0]->setFocus();
}

void AnalysisWindow::showToolsInGuru(const QString& text) {
    if (text.isEmpty() || !desk_.guruOn())
        return;
    desk_.guru().show(text);
}

} // namespace lendora
