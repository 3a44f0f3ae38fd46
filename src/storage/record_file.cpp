#include "storage/record_file.h"

#include "storage/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

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

double RecordFolder::readFlag(const QString& name) const {
    auto bytes = readBytes(name);
    if (!bytes)
        return 0;
    RecordReader reader(*bytes);
    return leadingNumber(reader.readItem());
}

namespace {

// Writes the bytes to the save file's temporary file. Unbuffered, so that a
// short write (a full disk) shows in write()'s count instead of being lost
// in a flush at commit.
WriteStatus writeTemporary(QSaveFile& file, const QString& name, const QByteArray& bytes) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteStatus::failure(name, file.errorString());
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError ||
        file.size() != bytes.size()) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("the disk is full");
        file.cancelWriting();
        return WriteStatus::failure(name, reason);
    }
    return {};
}

} // namespace

WriteStatus RecordFolder::writeBytes(const QString& name, const QByteArray& bytes) const {
    QSaveFile file(filePath(name));
    if (WriteStatus status = writeTemporary(file, name, bytes); !status.ok())
        return status;
    if (!file.commit())
        return WriteStatus::failure(name, file.errorString());
    return {};
}

WriteStatus
RecordFolder::writeTogether(const std::vector<std::pair<QString, QByteArray>>& files) const {
    // An uncommitted save file removes its temporary file when it goes.
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const auto& [name, bytes] : files) {
        written.push_back(std::make_unique<QSaveFile>(filePath(name)));
        if (WriteStatus status = writeTemporary(*written.back(), name, bytes); !status.ok())
            return status;
    }
    WriteStatus status;
    for (size_t i = 0; i < files.size(); ++i)
        if (!written[i]->commit())
            status << WriteStatus::failure(files[i].first, written[i]->errorString());
    return status;
}

WriteStatus RecordFolder::writeFlag(const QString& name) const {
    return writeBytes(name, encodeRecord({Item::whole(1)}));
}

} // namespace lendora
