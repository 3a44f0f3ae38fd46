#include "storage/record_file.h"

#include "storage/numbers.h"
#include "storage/save_journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lendora {

QString WriteStatus::message() const {
    return QStringLiteral("Could not save \"%1\": %2").arg(fileName, reason);
}

RecordFolder::RecordFolder(QString path)
    : path_(std::move(path)) {}

QString RecordFolder::filePath(const QString& name) const {
    QDir dir(path_);
    const QString exact = dir.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return exact;
}

bool RecordFolder::exists(const QString& name) const {
    return QFileInfo(filePath(name)).isFile();
}

std::optional<QByteArray> RecordFolder::readBytes(const QString& name) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::vector<QStringList> RecordFolder::readRecords(const QString& name, int itemCount) const {
    auto bytes = readBytes(name);
    if (!bytes)
        return {};
    return readAllRecords(*bytes, itemCount);
}

double flagValue(const QByteArray& bytes) {
    RecordReader reader(bytes);
    return leadingNumber(reader.readItem());
}

double RecordFolder::readFlag(const QString& name) const {
    auto bytes = readBytes(name);
    return bytes ? flagValue(*bytes) : 0;
}

WriteStatus RecordFolder::writeBytes(const QString& name, const QByteArray& bytes) const {
    return writeTogether({{name, bytes}});
}

WriteStatus
RecordFolder::writeTogether(const std::vector<std::pair<QString, QByteArray>>& files) const {
    // The temporary files carry the program's own suffix, so that one a crash
    // leaves in the working folder is removed at the next start.
    std::vector<QString> paths;
    auto discard = [&paths] {
        for (const QString& written : paths)
            QFile::remove(journal::temporaryName(written));
    };
    for (const auto& [name, bytes] : files) {
        const QString path = filePath(name);
        // A read-only file stays; a replaced file keeps its permissions.
        const QFileInfo existing(path);
        if (existing.exists() && !existing.isWritable()) {
            discard();
            return WriteStatus::failure(name, QStringLiteral("the file is read-only"));
        }
        if (WriteStatus status = journal::writeTemporary(path, name, bytes); !status.ok()) {
            discard();
            return status;
        }
        paths.push_back(path);
        if (existing.exists())
            QFile::setPermissions(journal::temporaryName(path), existing.permissions());
    }
    WriteStatus status;
    for (size_t i = 0; i < files.size(); ++i) {
        const QString temporary = journal::temporaryName(paths[i]);
        if (std::rename(QFile::encodeName(temporary).constData(),
                        QFile::encodeName(paths[i]).constData()) != 0) {
            status << WriteStatus::failure(files[i].first,
                                           QString::fromLocal8Bit(std::strerror(errno)));
            QFile::remove(temporary);
        }
    }
    return status;
}

WriteStatus RecordFolder::writeFlag(const QString& name) const {
    return writeBytes(name, encodeRecord({Item::whole(1)}));
}

} // namespace lendora
