#pragma once

#include "poll/import_mapping.h"
#include "poll/mapping_memory.h"
#include "poll/poll_tables.h"
#include "poll/survey_count.h"
#include "storage/record_file.h"
#include "workspace/plan_data.h"
#include "workspace/records.h"

#include <QObject>
#include <QString>

#include <array>

namespace lendora {
class Workspace;
}

namespace lendora::poll {

// Where the entry of one product's counts stands. Segments are numbered
// from 1; with N segments, N + 1 is the totals row.
struct ProductEntry {
    // Every segment was entered, or the stored counts were loaded. Never
    // undone while the session lasts; correcting a segment keeps it.
    bool completed = false;
    // The segment sequential entry resumes with.
    int nextSegment = 1;
    // Edit mode: a segment was picked for correction.
    bool correcting = false;
    // The product's poll file was written or loaded in this session.
    bool onDisk = false;
    // The segment the fields are for; 0 once the entry went past the last
    // segment (the product stands completed, no segment shown).
    int shownSegment = 1;
    // The entry fields, one per feature: their texts and which are shown.
    std::array<QString, featureCount> fields;
    std::array<bool, featureCount> fieldShown{true};
    bool mayGoNext = false;
    bool mayCorrect = false; // Edit; only the own product's is ever allowed
    bool mayCancel = false;
    bool maySave = false;
    // The totals row is worked out once counts are in (entered, imported
    // or loaded); until then it shows nothing.
    bool totalsShown = false;
};

// The poll counts of one plan while the user enters, corrects, imports and
// saves them, without widgets: the counts of the three products and where
// each product's entry stands. Each product follows one entry cycle: fields
// confirmed one at a time, Next from segment to segment until the product is
// complete, a segment picked and corrected, Cancel back to where entry
// resumes, Save. The poll window shows a session and hands it every action;
// the session follows its plan through the Workspace.
class PollSession : public QObject {
    Q_OBJECT
public:
    // A session of the plan with nothing entered: its audience's segments,
    // its project's details, every product at segment 1.
    PollSession(Workspace& workspace, PlanId plan, QObject* parent = nullptr);

    PlanId plan() const { return plan_; }
    // The plan's current number, 0 once it is gone.
    int planNumber() const;
    const SegmentDescriptions& segments() const { return segments_; }
    int segmentCount() const { return int(segments_.size()); }
    const ProjectDetails& details() const { return details_; }
    // The product's name, ": " and its brand.
    QString productCaption(int product) const;
    const ProductCounts& counts(int product) const { return counts_[size_t(product)]; }
    const ProductEntry& entry(int product) const { return entries_[size_t(product)]; }
    // The segment index display: the shown segment's number, empty once the
    // product is complete.
    QString segmentIndexText(int product) const;
    // The segment name display: the shown segment's description, or
    // "Completed".
    QString segmentName(int product) const;

    // Loads the counts the plan's completion says are stored, as Open does;
    // returns the product whose tab is to be shown (-1: leave it).
    int loadStoredProducts();
    // Loads the product's stored counts: the product stands completed, its
    // Save left as it was, and sequential entry would resume at segment 1.
    void loadStored(int product);

    // What the user typed into an entry field (1 to 7).
    void setFieldText(int product, int field, const QString& text);
    // Whether a key typed into the field is refused with "All fields
    // filled": the own product's first field once its entry is complete,
    // outside edit mode.
    bool refusesTyping(int product, int field) const;
    // Enter in field 1 to 7; returns the refusal message, empty when the
    // count was accepted.
    QString confirmField(int product, int field);
    // Next: the fields become the shown segment's counts, the next segment
    // follows.
    void next(int product);
    // A click on row r of the product's table (1 to N a segment, N + 1 the
    // totals); returns the refusal message.
    QString pick(int product, int row);
    // Edit: the fields become the picked segment's counts.
    void correct(int product);
    void cancel(int product);

    // Ctrl+V of a block of counts (rows of cells, as a spreadsheet copies
    // them) from the segment `row` (1 to N) and the feature column `column`
    // (1 to 7; 0, the segment's description, stands for 1). Allowed while
    // the product's counts are entered or a segment is corrected. Every
    // cell goes through the check of Enter in its field; one refused cell,
    // or a block that does not fit the table, refuses the whole block and
    // the message names every refused cell. Taken counts become the
    // segments' counts as typing them would; the product stands completed
    // once every segment holds its seven counts, and entry resumes at the
    // first segment that does not otherwise. Returns the refusal message,
    // empty when the block was taken.
    QString paste(int product, int row, int column, const std::vector<QStringList>& cells);

    // Counts imported from a survey export: every product takes its counts
    // as typing them segment by segment puts them, and stands completed with
    // Save allowed, so that the user reviews them and saves each product.
    void applyImport(const PollCounts& counts);
    // The choices of the import's mapping page; the mapping remembered for
    // the plan, and remembering a new one.
    ImportChoices importChoices() const;
    RememberedMapping rememberedMapping() const;
    WriteStatus rememberMapping(const ImportMapping& mapping, const SurveyResponses& responses);

    // Save: the product's poll file and the plan's completion with it.
    WriteStatus save(int product);
    // The completion as it may be stored: a product is complete when its
    // entry is and its poll file was written or loaded.
    PollCompletion completion() const;

signals:
    // A product's entry state changed (its fields, displays or what is allowed).
    void entryChanged(int product);
    // A product's counts changed.
    void countsChanged(int product);
    // The field (1 to 7) that takes the focus after an operation; a view
    // ignores it while the field is hidden.
    void focusRequested(int product, int field);
    // The registries were read again and the plan is still there: the
    // session started afresh as Open starts it (what was not saved went).
    void reopened();
    // The plan was deleted, or given another project or audience.
    void planGone();

private:
    void start();
    void showSegment(int product, int segment);
    void startSegmentEntry(int product);
    void followSavedPlans();
    void followReload();
    // Both signals of a change of one product, the focus request last.
    void changed(int product, bool counts, int focusField = 0);

    Workspace& workspace_;
    PlanId plan_;
    SegmentDescriptions segments_;
    ProjectDetails details_;
    std::array<ProductCounts, productCount> counts_;
    std::array<ProductEntry, productCount> entries_;
};

// The refusal of a key typed into the own product's first field once its
// entry is complete.
QString allFieldsFilledMessage();

// "Enter results for Interest" ... for field 1 to 7 of a product (the own
// product's first field says "interest").
QString fieldMessage(int product, int field);

// "Poll Resulsts for " + project name + " and Target Audience " + definition,
// made of the names as a window shows them (shownText).
QString windowCaption(const Plan& plan);

} // namespace lendora::poll
