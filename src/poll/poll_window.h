#pragma once

#include "poll/poll_entry.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lendora {

class MainWindow;
namespace ui {
class GridView;
}

// The poll data entry window "frmPollDataEntry": one tab per product (own
// product, competitor 1, competitor 2) on which the survey counts of a plan
// are entered segment by segment and saved to the product's poll file.
class PollDataEntryWindow : public QWidget {
    Q_OBJECT
public:
    explicit PollDataEntryWindow(MainWindow& mother);
    ~PollDataEntryWindow() override;

    // The tables, displays and hidden state fields the window shows.
    poll::PollEntry& entry() { return entry_; }
    QTabWidget* tabs() const { return tabs_; }

    // Starts afresh for the plan in that row of the All Projects plans
    // table: every state field back to its initial value, the tables and
    // displays laid out from the plan's details and segment files, the tab
    // captions set. The selected tab is left as it is.
    void startFor(int planRow);
    // Load the own product's, competitor 1's and competitor 2's poll file
    // and put its tab into the completed state.
    void BPD_Load();
    void C1PD_Load();
    void C2PD_Load();
    void loadProduct(int product);
    void selectTab(int product);
    // Puts the focus into the first entry field of the shown tab, when it is visible.
    void focusEntry();

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After a plan save: the window follows its plan to the plan's new row,
    // or closes when the plan was deleted or changed.
    void followSavedPlans();

    struct TabWidgets {
        QLabel* segmentIndex = nullptr;
        QLabel* segmentName = nullptr;
        std::array<QLabel*, poll::featureCount> labels{};
        std::array<QLineEdit*, poll::featureCount> fields{};
        QPushButton* next = nullptr;
        QPushButton* edit = nullptr;
        QPushButton* cancel = nullptr;
        QPushButton* save = nullptr;
        ui::GridView* table = nullptr;
    };

    QWidget* buildTab(int product);
    // Field texts into the entry state before an operation, the state back
    // into the widgets after it.
    void pull(int product);
    void refresh(int product);
    void refreshAll();
    void tell(const QString& message);
    void keyInField(int product, int field, QEvent* event, bool& handled);
    void save(int product);

    MainWindow& mother_;
    poll::PollEntry entry_;
    poll::PlanRef plan_; // the plan the window was started for
    QTabWidget* tabs_;
    std::array<TabWidgets, poll::productCount> widgets_;
};

} // namespace lendora
