#pragma once

#include "analysis/analysis_plan.h"
#include "analysis/analysis_tables.h"
#include "analysis/analysis_totals.h"
#include "analysis/forecast.h"
#include "analysis/forecast_warnings.h"
#include "analysis/intervals.h"
#include "analysis/sensitivity.h"
#include "analysis/ui/export_pictures.h"
#include "analysis/ui/suggest_dialog.h"
#include "poll/poll_tables.h"

#include <QByteArray>
#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QChartView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace lendora {

class Workspace;
namespace ui {
class Desk;
class GridView;
} // namespace ui

// The Analysis window "frmAnalysis": the user composes strategies for the
// own product of a plan in the "New Analysis" frame, forecasts them, adds
// them to the comparison of all strategies with its totals and charts, and
// saves or deletes them.
class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    AnalysisWindow(ui::Desk& desk, Workspace& workspace);
    ~AnalysisWindow() override;

    // The tables and hidden state fields the window shows.
    analysis::AnalysisTables& tables() { return tables_; }
    const analysis::PollTables& polls() const { return polls_; }

    // Starts afresh for the plan: the tables from the plan's files, the
    // captions, the entry fields with the own product's values, the saved
    // strategies with their totals and charts, every button disabled, the
    // first tabs shown.
    void openFor(PlanId plan);

    // Redraws both charts from the comparison tables.
    void Charts();

    // The 90% intervals of the saved strategies, once worked out for the
    // strategies the tables hold now; null while they are being worked out.
    const std::vector<analysis::StrategyIntervals>* strategyIntervals() const;
    // The sensitivity curve last drawn.
    const analysis::SensitivityCurve& sensitivity() const { return curve_; }

    QSize sizeHint() const override;

private:
    QWidget* buildBasicTab();
    QWidget* buildFinalTab();
    QWidget* buildComparisonTab(QWidget* first, QWidget* second, Qt::Orientation orientation);

    // Enter in the entry field of feature 1 to 7.
    void confirm(int feature);
    void analyse();
    void add();
    void save();
    void deleteStrategy();
    void cancel();
    void selectStrategy(int row);
    // After a save of the plans: the window follows its plan to its new
    // number, or closes when the plan is gone.
    void followSavedPlans();
    // After a reload: the window opens its plan afresh (strategies added and
    // not saved go), on the tabs it showed; it closes when its plan is gone.
    void followReload();
    // The plan the window was opened for.
    const Plan& plan() const;

    QStringList entryTexts() const;
    void setEntryTexts(const QStringList& texts);
    // `lblAnalysisID` and the caption of the detailed estimates that follows it.
    void showStrategyNumber();

    // Forecast warnings (analysis_window_warnings.cpp): the cells' looks and
    // the Guru's summary follow the given warnings.
    void showWarnings(std::vector<analysis::ForecastWarning> warnings);
    QVariant estimateLook(int gridRow, int column, int role) const;
    void showWarningsInGuru();

    // The forecast tools (analysis_window_tools.cpp): the sensitivity curve,
    // the intervals from resampling, the chance that one strategy beats
    // another and the suggested strategies.
    QWidget* buildSensitivityPanel();
    QWidget* buildBeatPanel();
    void drawSensitivityCurve();
    // "all segments" or the chosen segment's description.
    QString sensitivityCurveSegment() const;
    void fillSensitivitySegments();
    void exportSensitivityPicture();
    void exportSensitivityCsv();
    // Starts drawing the resamples of the plan's poll counts.
    void startResampling();
    // Works out the intervals of the saved strategies, on a thread.
    void refreshIntervals();
    // Works out the intervals of the estimates of the strategy just analysed.
    void refreshCellIntervals(const analysis::StrategyInput& strategy);
    void clearCellIntervals();
    // The intervals of the charts' bars, when they are known.
    void addRanges(analysis::ChartData& segments, analysis::ChartData& features) const;
    // The "low–high" line of an estimate cell's tooltip; empty when unknown.
    QString intervalTooltip(int gridRow, int column) const;
    void fillBeatChoices();
    // Shows the chance of the chosen pair, and returns it when there is one.
    std::optional<double> showBeatChance();
    void showBusy(int percent);
    void openSuggestions();
    void takeSuggestion(const QStringList& texts);
    void showToolsInGuru(const QString& text);
    // The intervals of the saved strategies for an export: when they are
    // still being worked out, the window waits for them, handling every
    // event but the user's input.
    const std::vector<analysis::StrategyIntervals>& intervalsForExport();
    // The two comparison charts for a picture or the report: segments, features.
    std::pair<analysis::ChartPicture, analysis::ChartPicture> chartPictures();
    // The resamples behind the intervals; none without intervals.
    const analysis::ResampledPolls*
    resampledForExport(const std::vector<analysis::StrategyIntervals>& intervals) const;

    // Exports of the comparison (analysis_window_exports.cpp).
    void exportCsv();
    void saveChart();
    void reportPdf();
    // The exports need at least one strategy.
    void updateExports();
    // Asks for the file to write; empty when the user cancelled.
    QString askFile(const QString& title, const QString& suffix, const QString& filters,
                    QString* selectedFilter = nullptr);
    // Asks for a file of one kind; a name without a suffix gets `extension`.
    QString askExportFile(const QString& title, const QString& suffix, const QString& filter,
                          const QString& extension);
    // Asks for a PNG or SVG picture; `svg` tells which: the name's suffix,
    // or else the chosen filter.
    QString askPictureFile(const QString& suffix, bool& svg);
    // Writes the bytes to the file; a failure (or no bytes) is reported.
    void writeExport(const QString& path, const QByteArray& bytes);

    ui::Desk& desk_;
    Workspace& workspace_;
    analysis::AnalysisTables tables_;
    analysis::PollTables polls_;
    PlanId plan_;

    // The warnings on the estimates of the last Analyse (none after an
    // opening or a refused strategy), and each warned cell's colour and
    // tooltip by (Grid row, column).
    struct CellLook {
        QColor background;
        QString tooltip;
    };
    std::vector<analysis::ForecastWarning> warnings_;
    std::map<std::pair<int, int>, CellLook> looks_;
    // The summary last appended to the Guru text, taken off before the next.
    QString guruSummary_;
    // The folder and chart size of the last export, offered again.
    QString exportFolder_;
    QSize chartSize_{1200, 700};

    QTabWidget* sstab1_ = nullptr;
    QTabWidget* sstab2_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* estimatesFrame_ = nullptr;
    QGroupBox* baseFrame_ = nullptr;
    std::array<QLineEdit*, analysis::featureCount> fields_{};
    QLabel* lblAnalysisID_ = nullptr;
    QPushButton* cmdAnalyse_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdExportCsv_ = nullptr;
    QPushButton* cmdSaveCharts_ = nullptr;
    QPushButton* cmdReportPdf_ = nullptr;
    ui::GridView* baseView_ = nullptr;
    ui::GridView* estimatesView_ = nullptr;
    ui::GridView* featuresView_ = nullptr;
    ui::GridView* segmentsView_ = nullptr;
    QChartView* segmentsChart_ = nullptr;
    QChartView* featuresChart_ = nullptr;

    // The forecast tools.
    analysis::ResampledSource resampled_;
    std::shared_ptr<std::atomic<bool>> resampleCancel_;
    analysis::BackgroundWork* intervalWork_ = nullptr;
    analysis::BackgroundWork* cellWork_ = nullptr;
    std::vector<analysis::StrategyInput> intervalsFor_;
    std::vector<analysis::StrategyIntervals> intervals_;
    bool intervalsReady_ = false;
    // The intervals of the estimates table's cells and totals.
    std::vector<std::array<analysis::Interval, analysis::featureCount>> cellIntervals_;
    analysis::StrategyIntervals estimateIntervals_;
    analysis::SensitivityCurve curve_;
    QChartView* sensitivityChart_ = nullptr;
    QComboBox* sensitivityFeature_ = nullptr;
    QComboBox* sensitivitySegment_ = nullptr;
    QSpinBox* sensitivityMargin_ = nullptr;
    QLabel* sensitivityVertex_ = nullptr;
    QComboBox* beatA_ = nullptr;
    QComboBox* beatB_ = nullptr;
    QLabel* beatChance_ = nullptr;
    QProgressBar* busy_ = nullptr;
    QPushButton* cmdSuggest_ = nullptr;
    QPointer<analysis::SuggestDialog> suggest_;
};

// Analysis: the window opened for the plan selected in the All Projects
// window, always afresh from the plan's files, below the All Projects window.
void openAnalysis(ui::Desk& desk, Workspace& workspace, QPointer<AnalysisWindow>& slot);

} // namespace lendora
