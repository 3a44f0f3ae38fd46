#pragma once

#include "workspace/plan_data.h"

#include <QWidget>

#include <optional>
#include <vector>

class QChartView;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace lendora::ui {
class Desk;
class GridView;
} // namespace lendora::ui

namespace lendora::analysis {

class AnalysisSession;
class BusinessCaseModel;

// The tab "Business case": the lender's inputs (borrowers per year in each
// segment, or one total market split over them by respondents; the average
// loan, the cost of funds and the acquisition cost), saved for the plan;
// the table of the current product and every strategy in customers and
// money with their 90% intervals; profit against customers as a chart; and
// the three brands' effective annual rates.
class BusinessCasePanel : public QWidget {
    Q_OBJECT
public:
    explicit BusinessCasePanel(ui::Desk& desk, QWidget* parent = nullptr);

    // Starts afresh on the session: its inputs in the fields (empty without
    // them, with a note when the file could not be read), its rows.
    void setSession(AnalysisSession* session);
    // The Guru's word on the panel, for when it comes into view.
    void explainInGuru();

private:
    void showInputs();
    void splitMarket();
    void save();
    void redraw();
    // The inputs as typed; a refused field is told and gives none.
    std::optional<BusinessCase> typedInputs();

    ui::Desk& desk_;
    AnalysisSession* session_ = nullptr;
    BusinessCaseModel* model_ = nullptr;
    QLabel* rates_ = nullptr;
    QLabel* note_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* borrowersBox_ = nullptr;
    QFormLayout* borrowersForm_ = nullptr;
    std::vector<QLineEdit*> borrowers_;
    QLineEdit* market_ = nullptr;
    QLineEdit* averageLoan_ = nullptr;
    QLineEdit* costOfFunds_ = nullptr;
    QLineEdit* acquisitionCost_ = nullptr;
    QPushButton* split_ = nullptr;
    QPushButton* save_ = nullptr;
    ui::GridView* table_ = nullptr;
    QChartView* chart_ = nullptr;
};

} // namespace lendora::analysis
