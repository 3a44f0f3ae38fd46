#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QChartView;
class QPushButton;
class QSplitter;
class QTabWidget;

namespace lendora::ui {
class GridView;
}

namespace lendora::analysis {

class AnalysisSession;
class AnalysisTableModel;
class ExportFiles;
struct ChartData;
struct WorkbookContent;

// The comparison of all strategies, the page of the tab "Final Analsis":
// the per-segment and per-feature tables with their charts on the tabs of
// `SSTab2`, and beside them Save, Delete and Cancel and the exports (CSV,
// chart pictures, the PDF report, the Excel workbook). The window puts
// other panels below the tables and beside the buttons.
class ComparisonPanel : public QWidget {
    Q_OBJECT
public:
    ComparisonPanel(ExportFiles& exports, QWidget* belowTables,
                    const QList<QWidget*>& besideButtons, QWidget* parent = nullptr);

    // Starts afresh on the session: its tables and charts, the buttons
    // disabled, the segment tab shown.
    void setSession(AnalysisSession* session);
    // The tab of `SSTab2` shown: 0 by segment, 1 by feature.
    int shownTab() const;
    void showTab(int tab);
    // What the window adds to the Excel workbook beyond the comparison (the
    // sensitivity curve, the business case).
    void setWorkbookExtras(std::function<void(WorkbookContent&)> extras) {
        workbookExtras_ = std::move(extras);
    }

private:
    QWidget* comparisonTab(QWidget* first, QWidget* second, Qt::Orientation orientation);
    void redrawCharts();
    void updateExports();
    void selectRow(int row);
    void save();
    void deleteStrategy();
    void cancel();
    // The comparison's charts as shown, whiskers included.
    std::pair<ChartData, ChartData> charts() const;
    // Runs the export once the intervals are known, showing that it waits.
    void whenIntervalsReady(std::function<void()> write);
    void exportCsv();
    void exportChart();
    void exportReport();
    void exportExcel();

    ExportFiles& exports_;
    AnalysisSession* session_ = nullptr;
    AnalysisTableModel* segmentsModel_;
    AnalysisTableModel* featuresModel_;
    ui::GridView* segmentsTable_ = nullptr;
    ui::GridView* featuresTable_ = nullptr;
    QChartView* segmentsChart_ = nullptr;
    QChartView* featuresChart_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* exportCsv_ = nullptr;
    QPushButton* saveChart_ = nullptr;
    QPushButton* reportPdf_ = nullptr;
    QPushButton* exportExcel_ = nullptr;
    std::function<void(WorkbookContent&)> workbookExtras_;
};

} // namespace lendora::analysis
