#include "support/journal_seam.h"

#include "storage/folder_lock.h"
#include "storage/save_journal.h"

#include <QDir>
#include <QFile>

namespace lendora::test {

StopAfter::StopAfter(int k) {
    journal::setOperationHook([this, k] { return ++count_ != k; });
}

StopAfter::~StopAfter() {
    journal::setOperationHook({});
}

Files filesOf(const QString& folder) {
    Files files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name == FolderLock::fileName())
            continue;
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    }
    return files;
}

void writeFiles(const QString& folder, const Files& files) {
    for (const auto& [name, bytes] : files) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
}

} // namespace lendora::test
