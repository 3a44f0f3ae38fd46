#pragma once

#include "workspace/records.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QProgressBar;
class QTabWidget;
class QGroupBox;

namespace lendora {

class Workspace;
namespace ui {
class Desk;
class GridView;
} // namespace ui
namespace analysis {
class AnalysisSession;
class AnalysisTableModel;
class BusinessCasePanel;
class ComparisonPanel;
class EstimatesPanel;
class ExportFiles;
class SensitivityPanel;
class StrategyEntryPanel;
class WhichWinsPanel;
} // namespace analysis

// The Analysis window "frmAnalysis": a frame of panels over the analysis
// session of the plan it was opened for. The tab "Basic Analysis" holds the
// strategy entry, the brands' details, the detailed estimates and the
// strategies' values; the tab "Final Analsis" the comparison of all
// strategies, the sensitivity of the forecast and "Which wins?"; the tab
// "Business case" the strategies in customers and money. The names
// and texts of its controls are in analysis/analysis_names.h.
class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    AnalysisWindow(ui::Desk& desk, Workspace& workspace);
    ~AnalysisWindow() override;

    // Starts afresh for the plan: a new session read from the Workspace,
    // every panel on it, every button disabled, the first tabs shown and
    // the focus in the first field.
    void openFor(PlanId plan);

    // The session of the plan shown.
    const analysis::AnalysisSession& session() const { return *session_; }

    QSize sizeHint() const override;

private:
    QWidget* basicPage();
    QWidget* finalPage();
    // The progress bar of the intervals: shown for work the user would
    // notice, or at once while an export waits for them.
    void followIntervals();
    // After a reload of the registries: the plan opened afresh (strategies
    // added and not saved go), on the tabs shown; the window closes when
    // its plan is gone.
    void followReload();

    ui::Desk& desk_;
    Workspace& workspace_;
    std::unique_ptr<analysis::ExportFiles> exports_;
    analysis::AnalysisSession* session_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    analysis::StrategyEntryPanel* entry_ = nullptr;
    analysis::EstimatesPanel* estimates_ = nullptr;
    QGroupBox* baseFrame_ = nullptr;
    ui::GridView* baseTable_ = nullptr;
    analysis::ComparisonPanel* comparison_ = nullptr;
    analysis::SensitivityPanel* sensitivity_ = nullptr;
    analysis::WhichWinsPanel* whichWins_ = nullptr;
    analysis::BusinessCasePanel* businessCase_ = nullptr;
    analysis::AnalysisTableModel* baseModel_ = nullptr;
    analysis::AnalysisTableModel* valuesModel_ = nullptr;
    analysis::AnalysisTableModel* flagsModel_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

// Analysis: the window opened for the plan selected in the All Projects
// window, always afresh from the plan's files, below the All Projects window.
void openAnalysis(ui::Desk& desk, Workspace& workspace, QPointer<AnalysisWindow>& slot);

} // namespace lendora
