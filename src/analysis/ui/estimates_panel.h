#pragma once

#include "analysis/forecast_warnings.h"

#include <QGroupBox>
#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace lendora::ui {
class Desk;
}

namespace lendora::analysis {

class AnalysisSession;
class AnalysisTableModel;

// The frame `Fra_Estimates` with the detailed estimates of the last Analyse
// (`MSFG_Seg_Analysis`), captioned with the next strategy's number. An
// estimate the poll data cannot support is coloured, with the reason in its
// tooltip; every estimate's tooltip gives its 90% interval once known; the
// Guru's text gets a summary of the warnings while the Guru is on.
class EstimatesPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit EstimatesPanel(ui::Desk& desk, QWidget* parent = nullptr);

    void setSession(const AnalysisSession* session);

private:
    void showNextStrategy();
    void showWarnings();
    QVariant look(int row, int column, int role) const;
    // The "low–high" line of an estimate's tooltip; empty when unknown.
    QString intervalTooltip(int row, int column) const;
    void showWarningsInGuru();

    ui::Desk& desk_;
    const AnalysisSession* session_ = nullptr;
    AnalysisTableModel* model_;
    // The warnings of each warned estimate by (table row, column), most
    // serious first: its colour is that of the first.
    std::map<std::pair<int, int>, std::vector<const ForecastWarning*>> warned_;
    // The summary last appended to the Guru's text, taken off before the next.
    QString guruSummary_;
};

} // namespace lendora::analysis
