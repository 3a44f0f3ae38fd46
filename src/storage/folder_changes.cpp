#include "storage/folder_changes.h"

#include "storage/save_journal.h"

#include <map>
#include <optional>

namespace lendora {

void FolderChanges::write(const QString& name, QByteArray bytes) {
    steps_.push_back({Kind::Write, name, QString(), std::move(bytes)});
}

void FolderChanges::remove(const QString& name) {
    steps_.push_back({Kind::Remove, name, QString(), QByteArray()});
}

void FolderChanges::move(const QString& from, const QString& to) {
    steps_.push_back({Kind::Move, to, from, QByteArray()});
}

namespace {

// What a file of the folder holds once every step is taken: new bytes, or
// nothing (the file is gone).
struct FinalContent {
    QString name;
    std::optional<QByteArray> bytes;
};

// Names are compared without regard to letter case, as on disk.
QString key(const QString& name) {
    return name.toCaseFolded();
}

} // namespace

WriteStatus applyChanges(const RecordFolder& folder, const FolderChanges& changes) {
    // Walk the steps over a picture of the folder: every touched name ends
    // with new bytes or with nothing.
    std::map<QString, FinalContent> finals;
    std::vector<QString> order; // names in the order the steps first touch them
    auto current = [&](const QString& name) -> std::optional<QByteArray> {
        if (auto it = finals.find(key(name)); it != finals.end())
            return it->second.bytes;
        if (!folder.exists(name))
            return std::nullopt;
        return folder.readBytes(name);
    };
    auto set = [&](const QString& name, std::optional<QByteArray> bytes) {
        if (!finals.count(key(name)))
            order.push_back(key(name));
        finals[key(name)] = {name, std::move(bytes)};
    };
    for (const FolderChanges::Step& step : changes.steps()) {
        switch (step.kind) {
        case FolderChanges::Kind::Write:
            set(step.name, step.bytes);
            break;
        case FolderChanges::Kind::Remove:
            set(step.name, std::nullopt);
            break;
        case FolderChanges::Kind::Move: {
            std::optional<QByteArray> moved = current(step.from);
            set(step.from, std::nullopt);
            set(step.name, std::move(moved));
            break;
        }
        }
    }
    journal::FinalFiles files;
    for (const QString& k : order)
        files.emplace_back(finals[k].name, finals[k].bytes);
    return journal::commit(folder, files);
}

} // namespace lendora
