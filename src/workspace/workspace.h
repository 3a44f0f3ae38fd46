#pragma once

#include "storage/file_stamp.h"
#include "storage/folder_lock.h"
#include "storage/grid.h"
#include "storage/record_file.h"
#include "workspace/plan_data.h"
#include "workspace/records.h"
#include "workspace/registry_codec.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QTimer;

namespace lendora {

class FolderChanges;

// Files that are written together with a registry: name and new bytes.
using OwnFiles = std::vector<std::pair<QString, QByteArray>>;

// The working copy of one working directory: its record folder, the three
// registries and the current selection. Every change goes through it; a
// change that writes returns how the write went and writes its files as a
// whole (all or none), and every change is announced by a signal, so that
// each open window follows it. A failed write changes nothing in memory.
//
// Several copies of the program, on one machine or on several that share the
// folder over a network drive, may open the folder: one holds it through the
// lock in the folder and writes, the others are read-only and follow it. No
// save ever rewrites a registry that changed on disk since this copy read it.
class Workspace : public QObject {
    Q_OBJECT
public:
    // A workspace of the running program.
    explicit Workspace(RecordFolder folder, QObject* parent = nullptr);
    // A workspace of a copy the folder's lock names by `me` (its user and
    // machine; the token and time come with each taking).
    Workspace(RecordFolder folder, LockHolder me, QObject* parent = nullptr);
    ~Workspace() override;

    // The record folder. Windows never read or write its files themselves:
    // they go through the typed data below (the Analysis window is the last
    // to move onto it).
    const RecordFolder& folder() const { return folder_; }
    // The working folder's path, for messages and file dialogs.
    const QString& folderPath() const { return folder_.path(); }

    // Takes the folder for this copy against the other copies, on this
    // machine and on others (storage/folder_lock.h): true when it was free,
    // left by a copy of this machine that no longer runs, or cannot hold a
    // lock at all (a read-only folder). Otherwise folderLock() tells who
    // holds it. A read-only workspace that takes the folder can save from
    // then on. Kept until the workspace goes; meanwhile the lock gets a sign
    // of life every minute, and every save first checks that it still names
    // this copy.
    bool takeFolder();
    // Takes the folder from the silent copy of another machine that
    // folderLock() names, once the user agreed; false when the lock changed
    // meanwhile.
    bool takeFolderOver();
    // The folder's lock as last read.
    const LockState& folderLock() const { return lockState_; }
    // Reads the folder's lock again.
    const LockState& checkFolderLock();
    // From now on every save is refused, and loading leaves the files as
    // they are.
    void setReadOnly() { readOnly_ = true; }
    bool readOnly() const { return readOnly_; }

    // Reads the three registries; a registry is read only when its flag file
    // holds 1. Missing or damaged files leave it empty or hold back the
    // records that cannot be placed. Before that, a save that a crash
    // interrupted is finished or undone (not when read-only); returns why
    // that could not be done, which the user must mend before any save.
    WriteStatus load();
    // Whether a registry or its flag file differs from the one this copy
    // last read or wrote: in its size or time, and with `content` in a
    // checksum of its bytes too. Such a registry is never rewritten from
    // memory: every save is refused until the registries are read again.
    bool registriesChanged(bool content = true) const;
    // Whether a save is under way in the folder (its journal stands there).
    bool saveUnderWay() const;
    // Reads the registries again as load() does. A plan still listed with
    // the same project and audience keeps its id, so the windows find it and
    // the selection stays on it; records added in memory and not saved are
    // dropped. Announced by reloaded().
    void reload();

    // Projects, numbered from 1. A number without a record gives null.
    int projectCount() const { return int(projects_.size()); }
    const Project* project(int number) const;
    int nextProjectNumber() const { return projectCount() + 1; }
    // Finish of the wizard: the project becomes the next number, in memory.
    int addProject(const Project& project);
    // Save of the wizard: the record of project n ("Prj.lnd", appended, or
    // replacing a record n the file already holds), its details file and
    // "flag.lnd".
    WriteStatus saveProject(int number, const ProjectDetails& details);

    // Audiences, numbered from 1.
    int audienceCount() const { return int(audiences_.size()); }
    const Audience* audience(int number) const;
    int nextAudienceNumber() const { return audienceCount() + 1; }
    // Puts the audience under number n, a listed one or the next; returns
    // whether it was new.
    bool placeAudience(int number, const Audience& audience);
    // Takes back the last audience (one listed but no longer storable).
    bool withdrawAudience(int number);
    // The record of audience n in "ta.lnd", its segment file and "tfag.lnd".
    WriteStatus saveAudience(int number, const SegmentDescriptions& segments);

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
    // The counts of one product (0 to 2) of the plan.
    ProductCounts pollCounts(PlanId plan, int product) const;
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

    // The remembered import mappings of the plans (workspace/plan_files.h):
    // the file's bytes, empty when it is missing. Their form belongs to the
    // survey import, which reads and writes the whole file.
    QByteArray importMappings() const;
    WriteStatus saveImportMappings(const QByteArray& bytes);

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
    // The registries were read again: every window shows them afresh.
    void reloaded();
    // Another copy took the folder over: this copy is read-only from now on.
    void folderLost();

private:
    // Every write of the files goes here: refused when read-only, when the
    // lock no longer names this copy, or when a registry changed on disk.
    WriteStatus apply(const FolderChanges& changes);
    // Whether this copy still holds the folder (a lock file that went is
    // taken again when no one else took it); turns read-only when not.
    bool keepFolder();
    bool tookFolder();
    void loseFolder();
    // The first registry or flag file that changed on disk; empty when none.
    QString changedRegistry(bool content) const;
    // The reason a save is refused, empty when it may go ahead.
    QString refusal();
    void stampWritten(const FolderChanges& changes);
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
    std::optional<LockHolder> me_;
    std::unique_ptr<FolderLock> lock_;
    LockState lockState_;
    QTimer* signOfLife_ = nullptr;
    bool readOnly_ = false;
    // This copy holds the folder's lock file.
    bool holding_ = false;
    // Another copy took the folder from this one.
    bool lost_ = false;
    // The registries and flag files as last read or written, by name; empty
    // before the first load.
    std::map<QString, FileStamp> stamps_;
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
