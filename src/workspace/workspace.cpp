#include "workspace/workspace.h"

#include "storage/details_file.h"
#include "storage/folder_changes.h"
#include "storage/numbers.h"
#include "storage/record_codec.h"
#include "storage/save_journal.h"
#include "workspace/plan_codecs.h"
#include "workspace/plan_files.h"

#include <QTimer>

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <tuple>

namespace lendora {

using namespace Qt::StringLiterals;

namespace {

// The files a copy reads at start and compares before every save.
const QString registryFiles[] = {registry::projectsFile,  registry::projectsFlag,
                                 registry::audiencesFile, registry::audiencesFlag,
                                 registry::plansFile,     registry::plansFlag};

bool isRegistryFile(const QString& name) {
    for (const QString& registryFile : registryFiles)
        if (name.compare(registryFile, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A plan read again keeps the id it had when it is the same plan: first one
// with the same data at the same number, then one with the same data in the
// order listed (plans before it were deleted), then one of the same project
// and audience at the same number (its flags changed), then in order. Plans
// alike in every respect cannot be told apart: the first takes the first id.
void keepPlanIds(registry::Slots<Plan>& now, const registry::Slots<Plan>& before) {
    using Key = std::tuple<long long, QString, long long, QString, QString, bool>;
    auto key = [](const Plan& plan, bool data) {
        return data ? Key{plan.project,
                          plan.projectName,
                          plan.audience,
                          plan.audienceName,
                          registry::pollText(plan.poll),
                          plan.analysed}
                    : Key{plan.project, QString(), plan.audience, QString(), QString(), false};
    };
    std::vector<bool> taken(before.size(), false), placed(now.size(), false);
    auto give = [&](size_t to, size_t from) {
        now[to]->id = before[from]->id;
        taken[from] = placed[to] = true;
    };
    for (bool data : {true, false}) {
        for (size_t i = 0; i < now.size() && i < before.size(); ++i)
            if (now[i] && before[i] && !placed[i] && !taken[i] &&
                key(*now[i], data) == key(*before[i], data))
                give(i, i);
        std::map<Key, std::deque<size_t>> left;
        for (size_t i = 0; i < before.size(); ++i)
            if (before[i] && !taken[i])
                left[key(*before[i], data)].push_back(i);
        for (size_t i = 0; i < now.size(); ++i) {
            if (!now[i] || placed[i])
                continue;
            auto it = left.find(key(*now[i], data));
            if (it == left.end() || it->second.empty())
                continue;
            give(i, it->second.front());
            it->second.pop_front();
        }
    }
}

} // namespace

Workspace::Workspace(RecordFolder folder, QObject* parent)
    : QObject(parent)
    , folder_(std::move(folder)) {}

Workspace::Workspace(RecordFolder folder, LockHolder me, QObject* parent)
    : QObject(parent)
    , folder_(std::move(folder))
    , me_(std::move(me)) {}

Workspace::~Workspace() = default;

bool Workspace::takeFolder() {
    if (!lock_)
        lock_ = std::make_unique<FolderLock>(folder_.path(), me_ ? *me_ : LockHolder::thisCopy());
    lockState_ = lock_->take();
    return tookFolder();
}

bool Workspace::takeFolderOver() {
    if (!lock_ || lockState_.kind != LockState::Kind::Silent)
        return false;
    lockState_ = lock_->takeOver(lockState_);
    return tookFolder();
}

bool Workspace::tookFolder() {
    if (lockState_.kind != LockState::Kind::Mine && lockState_.kind != LockState::Kind::NoLock)
        return false;
    readOnly_ = false;
    lost_ = false;
    holding_ = lockState_.kind == LockState::Kind::Mine;
    if (holding_) {
        if (!signOfLife_) {
            signOfLife_ = new QTimer(this);
            signOfLife_->setInterval(FolderLock::touchInterval);
            connect(signOfLife_, &QTimer::timeout, this, [this] {
                if (!readOnly_)
                    keepFolder();
            });
        }
        signOfLife_->start();
    }
    return true;
}

const LockState& Workspace::checkFolderLock() {
    if (!lock_)
        lock_ = std::make_unique<FolderLock>(folder_.path(), me_ ? *me_ : LockHolder::thisCopy());
    lockState_ = lock_->state();
    if (holding_ && lockState_.kind != LockState::Kind::Mine)
        keepFolder();
    return lockState_;
}

bool Workspace::keepFolder() {
    if (!holding_)
        return true;
    lockState_ = lock_->touch();
    // The file went, but no other copy took the folder: this copy takes it again.
    if (lockState_.kind == LockState::Kind::Free)
        lockState_ = lock_->take();
    if (lockState_.kind == LockState::Kind::Mine)
        return true;
    loseFolder();
    return false;
}

void Workspace::loseFolder() {
    readOnly_ = true;
    lost_ = true;
    holding_ = false;
    if (signOfLife_)
        signOfLife_->stop();
    emit folderLost();
}

QString Workspace::refusal() {
    if (!readOnly_)
        keepFolder();
    if (lost_)
        return tr("%1 took the folder over at %2; this copy is read-only from now on")
            .arg(holderName(lockState_.holder), lockTime(lockState_.holder.since));
    if (readOnly_) {
        switch (lockState_.kind) {
        case LockState::Kind::OlderCopy:
            return tr("the folder is open in an older version of Lendora on this machine; this "
                      "copy opened it read-only");
        case LockState::Kind::Held:
        case LockState::Kind::Silent:
            return tr("the folder is open in Lendora for %1 since %2; this copy opened it "
                      "read-only")
                .arg(holderName(lockState_.holder), lockTime(lockState_.holder.since));
        default:
            return tr("the folder was opened read-only, because another copy of Lendora works "
                      "in it");
        }
    }
    if (const QString changed = changedRegistry(true); !changed.isEmpty())
        return tr("\"%1\" was changed on disk by another copy of Lendora since this copy read "
                  "it; choose Go > Reload Folder, then save again")
            .arg(changed);
    return QString();
}

WriteStatus Workspace::apply(const FolderChanges& changes) {
    if (changes.empty())
        return {};
    if (const QString reason = refusal(); !reason.isEmpty())
        return WriteStatus::failure(changes.steps().front().name, reason);
    const WriteStatus status = applyChanges(folder_, changes);
    if (status.ok())
        stampWritten(changes);
    return status;
}

void Workspace::stampWritten(const FolderChanges& changes) {
    if (stamps_.empty())
        return;
    for (const FolderChanges::Step& step : changes.steps()) {
        for (const QString& name : {step.name, step.from}) {
            if (name.isEmpty() || !isRegistryFile(name))
                continue;
            const QString key = *std::find_if(
                std::begin(registryFiles), std::end(registryFiles),
                [&](const QString& file) { return file.compare(name, Qt::CaseInsensitive) == 0; });
            if (step.kind == FolderChanges::Kind::Write)
                stamps_[key] = FileStamp::written(folder_, key, step.bytes);
            else
                stamps_[key] = FileStamp::of(folder_, key, true);
        }
    }
}

QString Workspace::changedRegistry(bool content) const {
    for (const auto& [name, was] : stamps_) {
        const FileStamp now = FileStamp::of(folder_, name, false);
        if (!now.same(was, false))
            return name;
        if (content && now.exists && !FileStamp::of(folder_, name, true).same(was, true))
            return name;
    }
    return QString();
}

bool Workspace::registriesChanged(bool content) const {
    return !changedRegistry(content).isEmpty();
}

bool Workspace::saveUnderWay() const {
    return folder_.exists(journal::fileName());
}

void Workspace::reload() {
    const registry::Slots<Plan> before = plans_;
    (void)load(); // a recovery a reload cannot finish was told at start
    keepPlanIds(plans_, before);
    if (selectedPlan_.valid()) {
        selectedPlanRow_ = planNumber(selectedPlan_);
        if (selectedPlanRow_ == 0)
            selectedPlan_ = PlanId();
    }
    emit reloaded();
}

WriteStatus Workspace::load() {
    const WriteStatus recovered = readOnly_ ? WriteStatus() : journal::recover(folder_);
    projects_.clear();
    audiences_.clear();
    plans_.clear();
    // Every registry and flag file is stamped as it is read: the stamps are
    // what this copy knows.
    stamps_.clear();
    auto read = [this](const QString& name) {
        std::optional<QByteArray> bytes;
        stamps_[name] = FileStamp::read(folder_, name, bytes);
        return bytes;
    };
    auto flag = [&](const QString& name) {
        const std::optional<QByteArray> bytes = read(name);
        return bytes ? flagValue(*bytes) : 0.0;
    };
    if (flag(registry::projectsFlag) == 1)
        if (auto bytes = read(registry::projectsFile))
            projects_ = registry::parseProjects(*bytes);
    if (flag(registry::audiencesFlag) == 1)
        if (auto bytes = read(registry::audiencesFile))
            audiences_ = registry::parseAudiences(*bytes);
    if (toWhole(flag(registry::plansFlag)) == 1)
        if (auto bytes = read(registry::plansFile))
            plans_ = registry::parsePlans(*bytes);
    // A registry its flag leaves unread is stamped all the same.
    for (const QString& name : registryFiles)
        if (!stamps_.count(name))
            (void)read(name);
    for (auto& plan : plans_)
        if (plan)
            plan->id = newId();
    return recovered;
}

namespace {
template <class T>
const T* slotAt(const registry::Slots<T>& entries, int number) {
    if (number < 1 || number > int(entries.size()) || !entries[size_t(number - 1)])
        return nullptr;
    return &*entries[size_t(number - 1)];
}
} // namespace

const Project* Workspace::project(int number) const {
    return slotAt(projects_, number);
}

const Audience* Workspace::audience(int number) const {
    return slotAt(audiences_, number);
}

const Plan* Workspace::plan(int number) const {
    return slotAt(plans_, number);
}

int Workspace::indexOf(PlanId id) const {
    if (!id.valid())
        return -1;
    for (size_t i = 0; i < plans_.size(); ++i)
        if (plans_[i] && plans_[i]->id == id)
            return int(i);
    return -1;
}

const Plan* Workspace::plan(PlanId id) const {
    const int i = indexOf(id);
    return i < 0 ? nullptr : &*plans_[size_t(i)];
}

int Workspace::planNumber(PlanId id) const {
    return indexOf(id) + 1;
}

int Workspace::addProject(const Project& project) {
    projects_.emplace_back(project);
    const int number = projectCount();
    emit projectAdded(number);
    return number;
}

std::optional<QByteArray> Workspace::withRecord(const QString& name, int itemCount, int number,
                                                const QByteArray& record) const {
    if (number <= 1)
        return record;
    std::optional<QByteArray> stored;
    if (folder_.exists(name)) {
        stored = folder_.readBytes(name);
        if (!stored)
            return std::nullopt;
    }
    const std::vector<QStringList> records =
        stored ? readAllRecords(*stored, itemCount) : std::vector<QStringList>();
    if (int(records.size()) < number)
        return stored.value_or(QByteArray()) + record;
    // The file already holds record n (a save tried again): it is replaced.
    QByteArray bytes;
    for (int i = 1; i <= int(records.size()); ++i) {
        if (i == number) {
            bytes += record;
            continue;
        }
        RecordWriter writer;
        writer.whole(i);
        for (int k = 1; k < itemCount; ++k)
            writer.text(records[size_t(i - 1)].value(k));
        writer.endRecord();
        bytes += writer.take();
    }
    return bytes;
}

WriteStatus Workspace::saveProject(int number, const ProjectDetails& details) {
    const Project stored = project(number) ? *project(number) : Project{};
    const std::optional<QByteArray> registryBytes =
        withRecord(registry::projectsFile, registry::projectItems, number,
                   registry::projectRecord(number, stored));
    if (!registryBytes)
        return WriteStatus::failure(registry::projectsFile, u"the file cannot be read"_s);
    FolderChanges changes;
    changes.write(registry::projectsFile, *registryBytes);
    changes.write(details::fileName(number), plancodec::detailsBytes(details));
    changes.write(registry::projectsFlag, registry::flagBytes());
    return apply(changes);
}

bool Workspace::placeAudience(int number, const Audience& audience) {
    if (number < 1 || number > audienceCount() + 1)
        return false;
    if (number == audienceCount() + 1) {
        audiences_.emplace_back(audience);
        emit audienceAdded(number);
        return true;
    }
    audiences_[size_t(number - 1)] = audience;
    emit audienceChanged(number);
    return false;
}

bool Workspace::withdrawAudience(int number) {
    if (number < 1 || number != audienceCount())
        return false;
    audiences_.pop_back();
    emit audienceRemoved(number);
    return true;
}

WriteStatus Workspace::saveAudience(int number, const SegmentDescriptions& segments) {
    const Audience stored = audience(number) ? *audience(number) : Audience{};
    const std::optional<QByteArray> registryBytes =
        withRecord(registry::audiencesFile, registry::audienceItems, number,
                   registry::audienceRecord(number, stored));
    if (!registryBytes)
        return WriteStatus::failure(registry::audiencesFile, u"the file cannot be read"_s);
    FolderChanges changes;
    changes.write(registry::audiencesFile, *registryBytes);
    changes.write(plancodec::segmentFileName(number), plancodec::segmentsBytes(segments));
    changes.write(registry::audiencesFlag, registry::flagBytes());
    return apply(changes);
}

WriteStatus Workspace::savePlans(const std::vector<PlanDraft>& drafts) {
    registry::Slots<Plan> next;
    std::vector<int> storedNumbers;
    for (const PlanDraft& draft : drafts) {
        Plan plan;
        plan.project = draft.project;
        plan.projectName = draft.projectName;
        plan.audience = draft.audience;
        plan.audienceName = draft.audienceName;
        const int stored = planNumber(draft.id);
        if (const Plan* current = stored ? this->plan(stored) : nullptr) {
            plan.poll = current->poll;
            plan.analysed = current->analysed;
            const bool same =
                current->project == draft.project && current->audience == draft.audience;
            plan.id = same ? current->id : newId();
        } else {
            plan.id = newId();
        }
        storedNumbers.push_back(stored);
        next.emplace_back(std::move(plan));
    }

    // Every project a plan uses is active.
    registry::Slots<Project> projects = projects_;
    for (const auto& plan : next) {
        const long long p = plan->project;
        if (p < 1 || p > int(projects.size()))
            continue;
        auto& slot = projects[size_t(p - 1)];
        if (!slot)
            slot = Project{QString(), QString(), QString(), ProjectStatus::Active};
        slot->status = ProjectStatus::Active;
    }

    FolderChanges changes;
    changes.write(registry::plansFile, registry::plansBytes(next));
    // Each plan's files are taken as they are before the save, whatever
    // order the plans move in: two plans may swap their numbers, a new plan
    // may take the number of one that moves up. A number no plan has any
    // more loses its files.
    const int newCount = int(next.size());
    for (const planfiles::FileStep& step :
         planfiles::analysisFileSteps(storedNumbers, planCount())) {
        const QStringList targets = planfiles::numberedFiles(step.to);
        const QStringList sources = planfiles::numberedFiles(step.from);
        for (int i = 0; i < sources.size(); ++i) {
            if (step.to == 0) {
                changes.remove(sources[i]);
                continue;
            }
            std::optional<QByteArray> bytes;
            if (step.from != 0 && folder_.exists(sources[i])) {
                bytes = folder_.readBytes(sources[i]);
                if (!bytes) // never lose a plan's file for a move
                    return WriteStatus::failure(sources[i], u"the file cannot be read"_s);
            }
            if (bytes)
                changes.write(targets[i], *bytes);
            else
                changes.remove(targets[i]);
            if (step.from > newCount)
                changes.remove(sources[i]);
        }
    }
    changes.write(registry::plansFlag, registry::flagBytes());
    if (!projects.empty())
        changes.write(registry::projectsFile, registry::projectsBytes(projects));
    if (WriteStatus status = apply(changes); !status.ok())
        return status;

    plans_ = std::move(next);
    projects_ = std::move(projects);
    if (selectedPlan_.valid()) {
        selectedPlanRow_ = planNumber(selectedPlan_);
        if (selectedPlanRow_ == 0)
            selectedPlan_ = PlanId();
    }
    emit plansReplaced();
    emit projectsChanged();
    emit selectionChanged();
    return {};
}

WriteStatus Workspace::storePlan(PlanId id, const Plan& changed, const OwnFiles& files) {
    const int i = indexOf(id);
    if (i < 0)
        return WriteStatus::failure(registry::plansFile, u"the plan is no longer listed"_s);
    registry::Slots<Plan> next = plans_;
    next[size_t(i)] = changed;
    FolderChanges changes;
    for (const auto& [name, bytes] : files)
        changes.write(name, bytes);
    changes.write(registry::plansFile, registry::plansBytes(next));
    if (WriteStatus status = apply(changes); !status.ok())
        return status;
    plans_[size_t(i)] = changed;
    emit planChanged(id);
    return {};
}

QByteArray Workspace::importMappings() const {
    return folder_.readBytes(planfiles::importMappingsFile).value_or(QByteArray());
}

WriteStatus Workspace::saveImportMappings(const QByteArray& bytes) {
    FolderChanges changes;
    changes.write(planfiles::importMappingsFile, bytes);
    return apply(changes);
}

WriteStatus Workspace::withdrawAnalysis(PlanId id) {
    const Plan* current = plan(id);
    if (!current)
        return storePlan(id, Plan(), {});
    Plan changed = *current;
    changed.analysed = false;
    WriteStatus status = storePlan(id, changed, {});
    if (status.ok())
        emit analysisChanged(id);
    return status;
}

ProjectDetails Workspace::projectDetails(long long project) const {
    return plancodec::parseDetails(
        folder_.readBytes(details::fileName(project)).value_or(QByteArray()));
}

SegmentDescriptions Workspace::segments(long long audience) const {
    return plancodec::parseSegments(
        folder_.readBytes(plancodec::segmentFileName(audience)).value_or(QByteArray()));
}

PlanPoll Workspace::pollCounts(PlanId id) const {
    PlanPoll poll;
    for (int product = 0; product < brandCount; ++product)
        poll.products[size_t(product)] = pollCounts(id, product);
    return poll;
}

ProductCounts Workspace::pollCounts(PlanId id, int product) const {
    const Plan* current = plan(id);
    if (!current || product < 0 || product >= brandCount)
        return {};
    return plancodec::parsePoll(
        folder_.readBytes(plancodec::pollFileName(current->project, current->audience, product))
            .value_or(QByteArray()),
        int(segments(current->audience).size()));
}

std::vector<SavedStrategy> Workspace::strategies(PlanId id) const {
    const Plan* current = plan(id);
    if (!current || !current->analysed)
        return {};
    const int number = planNumber(id);
    auto bytesOf = [&](const QString& name) {
        return folder_.readBytes(name).value_or(QByteArray());
    };
    const plancodec::AnalysisFileBytes files{
        bytesOf(planfiles::strategiesFile(number)), bytesOf(planfiles::featuresFile(number)),
        bytesOf(planfiles::flagsFile(number)), bytesOf(planfiles::segmentsFile(number))};
    return plancodec::parseAnalysis(files, int(segments(current->audience).size()));
}

Workspace::StoredBusinessCase Workspace::businessCase(PlanId id) const {
    const int number = planNumber(id);
    const QString name = planfiles::businessCaseFile(number);
    if (number == 0 || !folder_.exists(name))
        return {};
    const std::optional<QByteArray> bytes = folder_.readBytes(name);
    std::optional<BusinessCase> inputs =
        bytes ? plancodec::parseBusinessCase(*bytes) : std::nullopt;
    return {inputs, !inputs.has_value()};
}

WriteStatus Workspace::saveBusinessCase(PlanId id, const BusinessCase& inputs) {
    const int number = planNumber(id);
    if (number == 0)
        return WriteStatus::failure(registry::plansFile, u"the plan is no longer listed"_s);
    FolderChanges changes;
    changes.write(planfiles::businessCaseFile(number), plancodec::businessCaseBytes(inputs));
    WriteStatus status = apply(changes);
    if (status.ok())
        emit businessCaseChanged(id);
    return status;
}

WriteStatus Workspace::savePoll(PlanId id, int product, const ProductCounts& counts,
                                PollCompletion completion) {
    const Plan* current = plan(id);
    if (!current)
        return storePlan(id, Plan(), {});
    Plan changed = *current;
    changed.poll = completion;
    OwnFiles files;
    // A plan without segments has no counts to store: its file stays as it is.
    if (!counts.segments.empty())
        files.emplace_back(plancodec::pollFileName(current->project, current->audience, product),
                           plancodec::pollBytes(counts));
    WriteStatus status = storePlan(id, changed, files);
    if (status.ok())
        emit pollChanged(id);
    return status;
}

WriteStatus Workspace::saveAnalysis(PlanId id, const std::vector<SavedStrategy>& strategies) {
    const Plan* current = plan(id);
    if (!current)
        return storePlan(id, Plan(), {});
    Plan changed = *current;
    changed.analysed = true;
    WriteStatus status =
        storePlan(id, changed, plancodec::analysisFileBytes(planNumber(id), strategies));
    if (status.ok())
        emit analysisChanged(id);
    return status;
}

void Workspace::selectProject(int row) {
    selectedProjectRow_ = row;
    emit selectionChanged();
}

void Workspace::selectAudience(int row) {
    selectedAudienceRow_ = row;
    emit selectionChanged();
}

const Plan* Workspace::selectPlan(int row) {
    selectedPlanRow_ = row;
    const Plan* chosen = plan(row);
    if (chosen && chosen->projectName.isEmpty())
        chosen = nullptr;
    selectedPlan_ = chosen ? chosen->id : PlanId();
    emit selectionChanged();
    return chosen;
}

} // namespace lendora
