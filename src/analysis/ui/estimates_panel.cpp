#include "analysis/ui/estimates_panel.h"

#include "analysis/analysis_models.h"
#include "analysis/analysis_names.h"
#include "analysis/analysis_session.h"
#include "analysis/ui/panel_support.h"
#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include <QColor>
#include <QVBoxLayout>

namespace lendora::analysis {

EstimatesPanel::EstimatesPanel(ui::Desk& desk, QWidget* parent)
    : QGroupBox(names::detailedEstimatesFor().arg(1), parent)
    , desk_(desk)
    , model_(new AnalysisTableModel(AnalysisTable::Estimates, this)) {
    setObjectName(QString::fromLatin1(names::estimatesFrame));
    auto* view = newTable(model_, names::estimatesTable);
    model_->setCellDecoration(
        [this](int row, int column, int role) { return look(row, column, role); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(view);
}

void EstimatesPanel::setSession(const AnalysisSession* session) {
    // The warnings of the session before go first: they point into it.
    warned_.clear();
    session_ = session;
    model_->setSession(session);
    connect(session, &AnalysisSession::estimatesChanged, this, &EstimatesPanel::showWarnings);
    connect(session, &AnalysisSession::strategiesChanged, this, &EstimatesPanel::showNextStrategy);
    showWarnings();
    showNextStrategy();
}

void EstimatesPanel::showNextStrategy() {
    setTitle(names::detailedEstimatesFor().arg(session_->analysis().nextStrategyNumber()));
}

void EstimatesPanel::showWarnings() {
    // The warnings come by estimate, most serious first.
    warned_.clear();
    for (const ForecastWarning& warning : session_->analysis().warnings())
        warned_[{warning.segment + 1, warning.feature + 1}].push_back(&warning);
    model_->decorationChanged();
    showWarningsInGuru();
}

QVariant EstimatesPanel::look(int row, int column, int role) const {
    const auto found = warned_.find(std::make_pair(row, column));
    if (role == Qt::ToolTipRole) {
        // The warnings, then the estimate's interval.
        QStringList lines;
        if (found != warned_.end())
            for (const ForecastWarning* warning : found->second)
                lines << session_->analysis().warningReason(*warning);
        if (const QString interval = intervalTooltip(row, column); !interval.isEmpty())
            lines << interval;
        return lines.isEmpty() ? QVariant() : QVariant(lines.join(u'\n'));
    }
    if (found == warned_.end())
        return {};
    switch (role) {
    case Qt::BackgroundRole:
        return QColor(QRgb(warningLook(found->second.front()->kind).rgb));
    case Qt::ForegroundRole:
        return QColor(Qt::black); // readable on the light warning colours
    default:
        return {};
    }
}

QString EstimatesPanel::intervalTooltip(int row, int column) const {
    if (!session_ || !session_->estimateIntervals())
        return {};
    const AnalysisSession::EstimateIntervals& intervals = *session_->estimateIntervals();
    const int n = int(intervals.cells.size());
    const int totalColumn = featureCount + 1;
    if (n == 0 || n != session_->analysis().segmentCount() || column < 1 || column > totalColumn)
        return {};
    const Interval* interval = nullptr;
    if (row >= 1 && row <= n)
        interval = column == totalColumn ? &intervals.totals.segments[size_t(row - 1)]
                                         : &intervals.cells[size_t(row - 1)][size_t(column - 1)];
    else if (row == n + 1)
        interval = column == totalColumn ? &intervals.totals.total
                                         : &intervals.totals.features[size_t(column - 1)];
    return interval ? tr("90% interval: %1").arg(intervalText(*interval)) : QString();
}

// One line per kind of warning after the Guru's text, while the Guru is
// switched on. The text the Guru showed stays as it was: the summary of the
// previous Analyse is taken off before the new one is added.
void EstimatesPanel::showWarningsInGuru() {
    if (!desk_.guruOn())
        return;
    ui::GuruWindow& guru = desk_.guru();
    QString text = guru.text();
    if (!guruSummary_.isEmpty() && text.endsWith(guruSummary_))
        text.chop(guruSummary_.size());
    guruSummary_ = guruWarningSummary(session_->analysis().warnings());
    text += guruSummary_;
    if (text == guru.text())
        return;
    if (guru.isVisible())
        guru.setText(text);
    else
        guru.show(text, guru.lblHID());
}

} // namespace lendora::analysis
