#include "storage/folder_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace lendora {

FolderLock::FolderLock(const QString& folderPath)
    : lock_(lockFilePath(folderPath)) {
    // Stale only when the copy that took it is gone, however long it worked.
    lock_.setStaleLockTime(0);
}

bool FolderLock::take() {
    if (lock_.tryLock(0))
        return true;
    // Only another copy's lock keeps this one out; when no lock file can be
    // made at all (no temporary folder), the program works as it did before.
    return lock_.error() != QLockFile::LockFailedError;
}

QString FolderLock::lockFilePath(const QString& folderPath) {
    const QString canonical = QFileInfo(folderPath).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? folderPath : canonical).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(QDir::tempPath()).filePath(QStringLiteral("lendora-%1.lock").arg(hash));
}

} // namespace lendora
