// The Analysis window's forecast warnings: colours and tooltips in the
// detailed estimates table, and a summary after the Guru's text.
#include "analysis/ui/analysis_window.h"

#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"
#include "workspace/workspace.h"

namespace lendora {

void AnalysisWindow::showWarnings(std::vector<analysis::ForecastWarning> warnings) {
    warnings_ = std::move(warnings);
    looks_.clear();
    for (const analysis::ForecastWarning& warning : warnings_) {
        const auto cell = std::make_pair(warning.row, warning.column);
        if (looks_.count(cell))
            continue;
        CellLook look;
        QStringList reasons;
        const auto found = analysis::cellWarnings(warnings_, warning.row, warning.column);
        for (const analysis::ForecastWarning* w : found)
            reasons << w->reason;
        look.background = QColor(QRgb(analysis::warningLook(found.front()->kind).rgb));
        look.tooltip = reasons.join(u'\n');
        looks_[cell] = look;
    }
    estimatesView_->gridModel().decorationChanged();
    showWarningsInGuru();
}

QVariant AnalysisWindow::estimateLook(int gridRow, int column, int role) const {
    const auto found = looks_.find(std::make_pair(gridRow, column));
    if (role == Qt::ToolTipRole) {
        // The warnings, then the estimate's interval.
        QStringList lines;
        if (found != looks_.end())
            lines << found->second.tooltip;
        if (const QString interval = intervalTooltip(gridRow, column); !interval.isEmpty())
            lines << interval;
        return lines.isEmpty() ? QVariant() : QVariant(lines.join(u'\n'));
    }
    if (found == looks_.end())
        return {};
    switch (role) {
    case Qt::BackgroundRole:
        return found->second.background;
    case Qt::ForegroundRole:
        return QColor(Qt::black); // readable on the light warning colours
    default:
        return {};
    }
}

// One line per kind of warning after the Guru's text, while the Guru is
// switched on. The text the Guru showed stays as it was: the summary of the
// previous Analyse is taken off before the new one is added.
void AnalysisWindow::showWarningsInGuru() {
    if (!desk_.guruOn())
        return;
    ui::GuruWindow& guru = desk_.guru();
    QString text = guru.text();
    if (!guruSummary_.isEmpty() && text.endsWith(guruSummary_))
        text.chop(guruSummary_.size());
    guruSummary_ = analysis::guruWarningSummary(warnings_);
    text += guruSummary_;
    if (text == guru.text())
        return;
    if (guru.isVisible())
        guru.setText(text);
    else
        guru.show(text, guru.lblHID());
}

} // namespace lendora
