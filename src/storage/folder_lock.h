#pragma once

#include <QLockFile>
#include <QString>

namespace lendora {

// Keeps a second copy of the program from writing in a folder this copy
// works in. The lock file lives in the system's temporary folder, named after
// the folder's path ("lendora-<hash>.lock"), so the working directory holds
// only its data files. The lock of a copy that was killed is taken over.
class FolderLock {
public:
    explicit FolderLock(const QString& folderPath);

    // Takes the lock; false when another running copy holds it.
    bool take();
    // The path of the lock file for a folder.
    static QString lockFilePath(const QString& folderPath);

private:
    QLockFile lock_;
};

} // namespace lendora
