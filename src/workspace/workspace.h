#pragma once

#include "storage/folder_lock.h"
#include "storage/grid.h"
#include "storage/record_file.h"
#include "workspace/plan_data.h"
#include "workspace/records.h"
#include "workspace/registry_codec.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace lendora {

class FolderChanges;

// Files that are written together with a registry: name and new bytes.
using OwnFiles = std::vector<std::pair<QString, QByteArray>>;

// The working copy of one working directory: its record folder, the three
// registries and the current selection. Every change goes through it; a
// change that writes returns how the write went and writes its files as a
// whole (all or none), and every change is announced by a signal, so that
// each open window follows it. A failed write changes nothing in memory.
class Workspace : public QObject {
    Q_OBJECT
public:
    explicit Workspace(RecordFolder folder, QObject* parent = nullptr);
    ~Workspace() override;

    const RecordFolder& folder() const { return folder_; }

    // Takes the folder for this copy of the program, against other copies;
    // false when another running copy works in it (the folder can then be
    // opened read-only). Kept until the workspace goes.
    bool takeFolder();
    // From now on every save is refused, and loading leaves the files as
    // they are.
    void setReadOnly() { readOnly_ = true; }
    bool readOnly() const { return readOnly_; }

    // Reads the three registries; a registry is read only when its flag file
    // holds 1. Missing or damaged files leave it empty or hold back the
    // records that cannot be placed. Before that, a save that a crash
    // interrupted is finished or undone (not when read-only).
    void load();

    // Projects, numbered from 1. A number without a record gives null.
    int projectCount() const { return int(projects_.size()); }
    const Project* project(int number) const;
    int nextProjectNumber() const { return projectCount() + 1; }
    // Finish of the wizard: the project becomes the next number, in memory.
    int addProject(const Project& project);
    // Save of the wizard: the record of project n ("Prj.lnd", appended, or
    // replacing a record n the file already holds), its details file (rows 1
    // to 3 of the table) and "flag.lnd".
    WriteStatus saveProject(int number, const Grid& details);

    // Audiences, numbered from 1.
    int audienceCount() const { return int(audiences_.size()); }
    const Audience* audience(int number) const;
    int nextAudienceNumber() const { return audienceCount() + 1; }
    // Puts the audience under number n, a listed one or the next; returns
    // whether it was new.
    bool placeAudience(int number, const Audience& audience);
    // Takes back the last audience (one listed but no longer storable).
    bool withdrawAudience(int number);
    // The record of audience n in "ta.lnd", its own files (the segment file)
    // and "tfag.lnd".
    WriteStatus saveAudience(int number, const OwnFiles& files);

    // Plans, numbered from 1.
    int planCount() const { return int(plans_.size()); }
    const Plan* plan(int number) const;
    const Plan* plan(PlanId id) const;
    // The plan's current number, 0 when no plan has the id.
    int planNumber(PlanId id) const;

    // A plan as the plan window lists it for a save: the id it was listed
    // with (invalid for a plan added since), its project and audience.
    struct PlanDraft {
        PlanId id;
        long long project = 0;
        QString projectName;
        long long audience = 0;
        QString audienceName;
    };
    // Saves the listed plans as plans 1 to N: "pptb.lnd" (an empty file when
    // none is left), the analysis files of renumbered plans carried to their
    // new numbers (those of deleted plans removed), "ppflag.lnd", and every
    // project used by a plan marked "Active" in "Prj.lnd". A plan keeps its id
    // and its current flags; a plan given another project or audience gets a
    // new id, an added plan a new id with "000" and "No".
    WriteStatus savePlans(const std::vector<PlanDraft>& plans);
    // The last strategy deleted: the plan's flag "No", stored at once.
    WriteStatus withdrawAnalysis(PlanId plan);

    // The data of projects, audiences and plans, read from their files when
    // asked (they are small, and nothing is kept that could go stale). A
    // missing file gives empty data; a damaged one what can be placed of it.
    ProjectDetails projectDetails(long long project) const;
    SegmentDescriptions segments(long long audience) const;
    // The counts of the plan's three products, one entry per segment of its
    // audience; empty for an unknown plan.
    PlanPoll pollCounts(PlanId plan) const;
    // The plan's saved strategies; none while the plan is not analysed.
    std::vector<SavedStrategy> strategies(PlanId plan) const;

    // A poll save of one product: its poll file (none for a plan without
    // segments) and the plan's new completion in "pptb.lnd".
    WriteStatus savePoll(PlanId plan, int product, const ProductCounts& counts,
                         PollCompletion completion);
    // The plan's business case as stored: none when it has no file yet, and
    // `damaged` when its file cannot be read as one.
    struct StoredBusinessCase {
        std::optional<BusinessCase> inputs;
        bool damaged = false;
    };
    StoredBusinessCase businessCase(PlanId plan) const;
    // Stores the plan's business case in "n_0bc.lnd".
    WriteStatus saveBusinessCase(PlanId plan, const BusinessCase& inputs);

    // An analysis save: the plan's four analysis files and its flag "Yes".
    // No strategy leaves the files as they are.
    WriteStatus saveAnalysis(PlanId plan, const std::vector<SavedStrategy>& strategies);

    // A file that belongs to no registry record (the remembered import
    // mappings of the plans), replaced whole.
    WriteStatus saveFile(const QString& name, const QByteArray& bytes);

    // The selection of the All Projects window: the rows last clicked, 0
    // before the first click. A plan is selected by a click on its row; a
    // click on a row without a plan selects none.
    int selectedProjectRow() const { return selectedProjectRow_; }
    int selectedAudienceRow() const { return selectedAudienceRow_; }
    int selectedPlanRow() const { return selectedPlanRow_; }
    PlanId selectedPlan() const { return selectedPlan_; }
    void selectProject(int row);
    void selectAudience(int row);
    // Returns the plan selected, null when the row holds none (a row
    // without a project name).
    const Plan* selectPlan(int row);

signals:
    void projectAdded(int number);
    void projectsChanged(); // statuses changed
    void audienceAdded(int number);
    void audienceChanged(int number);
    void audienceRemoved(int number);
    // A save of the plans: plans may have new numbers, deleted or changed
    // plans are gone. Windows find their plans again by id.
    void plansReplaced();
    void planChanged(PlanId plan);     // its poll or analysis flag
    void pollChanged(PlanId plan);     // a product's counts were saved
    void analysisChanged(PlanId plan); // its strategies were saved or withdrawn
    void businessCaseChanged(PlanId plan);
    void selectionChanged();

private:
    // Every write of the files goes here: refused when read-only.
    WriteStatus apply(const FolderChanges& changes) const;
    PlanId newId() { return PlanId{++lastId_}; }
    int indexOf(PlanId id) const;
    // The plans with one plan's flags changed, written; the signal follows.
    WriteStatus storePlan(PlanId id, const Plan& changed, const OwnFiles& files);
    // The registry file with record n put in: appended, or replacing a record
    // n the stored file already holds, so no record is ever stored twice.
    // No value when the stored file cannot be read.
    std::optional<QByteArray> withRecord(const QString& name, int itemCount, int number,
                                         const QByteArray& record) const;

    RecordFolder folder_;
    std::unique_ptr<FolderLock> lock_;
    bool readOnly_ = false;
    registry::Slots<Project> projects_;
    registry::Slots<Audience> audiences_;
    registry::Slots<Plan> plans_;
    std::uint64_t lastId_ = 0;
    int selectedProjectRow_ = 0;
    int selectedAudienceRow_ = 0;
    int selectedPlanRow_ = 0;
    PlanId selectedPlan_;
};

} // namespace lendora
