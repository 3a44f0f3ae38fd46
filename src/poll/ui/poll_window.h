#pragma once

#include "poll/poll_entry.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lendora {

class Workspace;
namespace ui {
class Desk;
class GridView;
} // namespace ui

// The poll data entry window "frmPollDataEntry": one tab per product (own
// product, competitor 1, competitor 2) on which the survey counts of a plan
// are entered segment by segment and saved to the product's poll file.
class PollDataEntryWindow : public QWidget {
    Q_OBJECT
public:
    PollDataEntryWindow(ui::Desk& desk, Workspace& workspace);
    ~PollDataEntryWindow() override;

    // The tables, displays and hidden state fields the window shows.
    poll::PollEntry& entry() { return entry_; }
    QTabWidget* tabs() const { return tabs_; }

    // Starts afresh for the plan: every state field back to its initial
    // value, the tables and displays laid out from the plan's details and
    // segment files, the tab captions set. The selected tab is left as it is.
    void startFor(PlanId plan);
    // Load the own product's, competitor 1's and competitor 2's poll file
    // and put its tab into the completed state.
    void BPD_Load();
    void C1PD_Load();
    void C2PD_Load();
    void loadProduct(int product);
    void selectTab(int product);
    // Puts the focus into the first entry field of the shown tab, when it is visible.
    void focusEntry();

    // "Import Responses...": a survey export chosen in a file dialog, then
    // imported from that file.
    void importResponses();
    // Reads the export (of a workbook with several sheets the one the user
    // picks), shows the mapping page (the plan's last mapping, or the
    // defaults) and puts the counts into the three poll tables for review;
    // the mapping is remembered for the plan. Counts already stored (a
    // second wave) are replaced only when the user says so. A file that
    // cannot be read is reported and changes nothing.
    void importFile(const QString& path);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After a save of the plans: the window follows its plan to its new
    // number, or closes when the plan was deleted or changed.
    void followSavedPlans();
    // Asks before imported counts replace the stored counts of any product.
    bool mayReplaceStoredCounts();
    // After a reload: the window opens its plan afresh as Open does (what
    // was typed and not saved goes), on the tab it showed; it closes when
    // its plan is gone.
    void followReload();

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

    ui::Desk& desk_;
    Workspace& workspace_;
    poll::PollEntry entry_;
    PlanId plan_; // the plan the window was started for
    QTabWidget* tabs_;
    QLabel* importReconciliation_;
    std::array<TabWidgets, poll::productCount> widgets_;
};

// New (stored = false) and Open (stored = true) Poll Results for the plan
// selected in the All Projects window. Every opening starts the window
// afresh for that plan: its tables are rebuilt from the files, so state
// left from an earlier opening would describe counts no longer shown.
void openPollResults(ui::Desk& desk, Workspace& workspace, QPointer<PollDataEntryWindow>& slot,
                     bool stored);

// Opens Poll Results for the selected plan as its flag allows (New for
// "000", Open otherwise, every product's counts loaded for a complete
// poll), then imports responses into it.
void importPollResponses(ui::Desk& desk, Workspace& workspace, QPointer<PollDataEntryWindow>& slot);

} // namespace lendora
