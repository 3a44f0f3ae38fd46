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
    return lock_.tryLock(0);
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
