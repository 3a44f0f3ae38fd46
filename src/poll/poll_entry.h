#pragma once

#include "poll/poll_tables.h"
#include "poll/survey_count.h"
#include "storage/grid.h"
#include "storage/record_file.h"
#include "workspace/workspace.h"

#include <QString>

#include <array>

// The working state of the poll data entry window, without widgets: the
// three poll tables, what each tab shows and allows, and the window's hidden
// state fields. The window shows this state and hands every user action to
// it; the operations follow one tab's entry cycle: fields confirmed one at a
// time, Next from segment to segment, a picked segment corrected, Cancel back
// to the resume point, Save.
namespace lendora::poll {

// Message texts of the window.
inline const QString allFieldsFilledMessage = QStringLiteral("All fields filled");
inline const QString noSegmentMessage = QStringLiteral("No segment selected!");
inline const QString notCompletedMessage = QStringLiteral("Data entry not completed");
inline const QString completedText = QStringLiteral("Completed");

// "Enter results for Interest" ... for field 1 to 7 of a product's tab (the
// own product's first field says "interest").
QString fieldMessage(int product, int field);

// "Poll Resulsts for " + project name + " and Target Audience " + definition,
// made of the names as a window shows them (shownText).
QString windowCaption(const Plan& plan);

// What one tab shows and allows.
struct TabState {
    Grid table;           // the product's poll table
    QString segmentIndex; // the segment index display; empty once completed
    QString segmentName;  // the segment name display
    // Texts and visibility of entry fields 1 to 7 (index 0 is field 1). The
    // caption label of field 1 is always shown, those of fields 2 to 7 with
    // their field.
    std::array<QString, featureCount> fields;
    std::array<bool, featureCount> fieldShown{};
    bool nextEnabled = false;
    bool editEnabled = false;
    bool cancelEnabled = false;
    bool saveEnabled = false;
    // The field (1 to 7) that takes the focus after the last operation, 0 for
    // none. Cleared by the window once it has moved the focus.
    int focusField = 0;
};

class PollEntry {
public:
    PollEntry();

    Grid details; // `MSFG_ProjectDetails`: rows 1 to 3 the three products, columns 0 to 9
    std::array<TabState, productCount> tabs;

    // Number of the plan the window was opened for.
    int lblProjectIndex = 0;
    // Completion state of the own product, competitor 1, competitor 2.
    bool lblBCompleteFlag = false;
    bool lblC1CompleteFlag = false;
    bool lblC2CompleteFlag = false;
    // Resume point: the segment sequential entry continues with.
    int lblBCount = 1;
    int lblC1Count = 1;
    int lblC2Count = 1;
    // Edit mode: set once a segment row was picked for correction.
    bool lblBFlag = false;
    bool lblC1Flag = false;
    bool lblC2Flag = false;

    bool& completeFlag(int product);
    bool completeFlag(int product) const;
    int& count(int product);
    bool& editFlag(int product);
    bool editFlag(int product) const;
    // Whether the product's poll file was written or loaded since opening.
    bool onDisk(int product) const { return onDisk_[size_t(product)]; }

    // Every state field, display, field and button back to its initial value.
    void reset();
    // Lays out the tabs for plan n: the project details, the three poll
    // tables and the segment displays (segment 1 on every tab); n is kept in
    // `lblProjectIndex`.
    void layOut(const RecordFolder& folder, const Plan& plan, int number);
    // The caption of a product's tab: its name, ": " and its brand, as a
    // window shows them (shownText).
    QString tabCaption(int product) const;
    // Loads the product's poll file into its table and puts its tab into
    // the completed state, Save left as it is.
    void load(const RecordFolder& folder, const Plan& plan, int product);

    // The current segment (the index display's number) and the totals row.
    int segment(int product) const;
    int totalsRow(int product) const;

    // True when a key typed into the field is refused with "All fields
    // filled": the own product's first field once its entry is complete,
    // outside edit mode.
    bool refusesTyping(int product, int field) const;
    // Enter in field 1 to 7; returns the refusal message, empty when the
    // count was accepted.
    QString confirmField(int product, int field);
    void next(int product);
    // A click on a row of the product's table; returns the refusal message.
    QString pick(int product, int row);
    void edit(int product);
    void cancel(int product);

    // Counts imported from a survey export: every product's table takes its
    // counts as typing them segment by segment writes them, and its tab
    // stands completed with Save enabled, so that the user reviews them and
    // saves each product as after typing.
    void applyImport(const PollCounts& counts);

    // Save: the product's poll file, and the plan's completion with it (a
    // product counts as complete once its file is written or loaded).
    WriteStatus save(Workspace& workspace, PlanId plan, int product);
    // The completion as it may be stored: a product is complete when its
    // entry is and its poll file was written or loaded.
    PollCompletion completion() const;

private:
    void showSegment(int product, int segment);
    void startSegmentEntry(int product);
    std::array<bool, productCount> onDisk_{};
};

} // namespace lendora::poll
