#pragma once

#include "analysis/analysis_plan.h"
#include "analysis/analysis_tables.h"
#include "analysis/forecast.h"

#include <QWidget>

#include <array>

class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lendora {

class MainWindow;
namespace ui {
class GridView;
}

// The Analysis window "frmAnalysis": the user composes strategies for the
// own product of a plan in the "New Analysis" frame, forecasts them, adds
// them to the comparison of all strategies with its totals and charts, and
// saves or deletes them.
class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisWindow(MainWindow& mother);
    ~AnalysisWindow() override;

    // The tables and hidden state fields the window shows.
    analysis::AnalysisTables& tables() { return tables_; }
    const analysis::PollTables& polls() const { return polls_; }

    // Starts afresh for the plan in that row of the All Projects plans table:
    // the tables from the plan's files, the captions, the entry fields with
    // the own product's values, the saved strategies with their totals and
    // charts, every button disabled, the first tabs shown.
    void openFor(int planRow);

    // Redraws both charts from the comparison tables.
    void Charts();

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

    QStringList entryTexts() const;
    void setEntryTexts(const QStringList& texts);
    // `lblAnalysisID` and the caption of the detailed estimates that follows it.
    void showStrategyNumber();

    MainWindow& mother_;
    analysis::AnalysisTables tables_;
    analysis::PollTables polls_;

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
    ui::GridView* baseView_ = nullptr;
    ui::GridView* featuresView_ = nullptr;
    ui::GridView* segmentsView_ = nullptr;
    QChartView* segmentsChart_ = nullptr;
    QChartView* featuresChart_ = nullptr;
};

} // namespace lendora
