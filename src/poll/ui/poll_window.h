#pragma once

#include "poll/poll_session.h"
#include "storage/grid.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lendora {

class Workspace;
namespace ui {
class Desk;
class GridView;
class PollTableModel;
} // namespace ui

// The poll data entry window "frmPollDataEntry": one tab per product (own
// product, competitor 1, competitor 2) on which the survey counts of a plan
// are entered segment by segment and saved to the product's poll file. It
// shows a poll session and hands it every action; what the window shows
// follows the session's signals.
class PollDataEntryWindow : public QWidget {
    Q_OBJECT
public:
    PollDataEntryWindow(ui::Desk& desk, Workspace& workspace);

    // The session of the plan the window was started for; null before.
    poll::PollSession* session() const { return session_.get(); }
    QTabWidget* tabs() const { return tabs_; }

    // Starts afresh for the plan with a new session: nothing entered, the
    // tables laid out for its segments, the tab captions set. The selected
    // tab is left as it is.
    void startFor(PlanId plan);
    // Loads the product's stored counts and puts its tab into the completed
    // state.
    void loadStored(int product);
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
    // Asks before imported counts replace the stored counts of any product.
    bool mayReplaceStoredCounts();
    // After a reload the session started afresh: the window shows it on the
    // tab it showed.
    void showReopened();

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
        ui::PollTableModel* model = nullptr;
    };

    QWidget* buildTab(int product);
    // The product's tab as its entry stands.
    void showEntry(int product);
    void showEntries();
    // The tab captions and the hidden details table of the session's project.
    void showProject();
    void focusField(int product, int field);
    void tell(const QString& message);
    void keyInField(int product, int field, QEvent* event, bool& handled);

    ui::Desk& desk_;
    Workspace& workspace_;
    std::unique_ptr<poll::PollSession> session_;
    Grid detailsTable_; // shown hidden: the details behind the tab captions
    QTabWidget* tabs_;
    QLabel* importSummary_;
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
