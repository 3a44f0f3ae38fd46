#pragma once

#include "storage/record_codec.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace lendora {

// Outcome of a write: ok, or the file and the reason it could not be written.
struct WriteStatus {
    QString fileName;
    QString reason;

    bool ok() const { return reason.isEmpty(); }
    // The text shown to the user when the write failed.
    QString message() const;
    static WriteStatus failure(const QString& fileName, const QString& reason) {
        return {fileName, reason};
    }
};

// The value of a flag file's bytes: the first item as a number, 0 when none.
double flagValue(const QByteArray& bytes);

// Keeps the first failure of a sequence of writes.
inline WriteStatus& operator<<(WriteStatus& first, const WriteStatus& next) {
    if (first.ok())
        first = next;
    return first;
}

// The data files of one working directory. File names are matched without
// regard to letter case: an existing "PRJ.LND" is the file "Prj.lnd".
// Every write replaces the file whole (temporary file, then rename), so a
// failed or interrupted write leaves the old content in place.
class RecordFolder {
public:
    explicit RecordFolder(QString path);

    const QString& path() const { return path_; }
    // The path of the file of that name, in the letter case found on disk
    // when it exists.
    QString filePath(const QString& name) const;
    bool exists(const QString& name) const;

    // The file's bytes; no value when it does not exist or cannot be read.
    std::optional<QByteArray> readBytes(const QString& name) const;
    // Every record of k items (the last one padded when incomplete); no
    // records when the file is missing or unreadable.
    std::vector<QStringList> readRecords(const QString& name, int itemCount) const;
    // The first item of a flag file as a number, 0 when missing.
    double readFlag(const QString& name) const;

    // A flag file holding the number 1.
    WriteStatus writeFlag(const QString& name) const;
    // Replaces the file with exactly these bytes.
    WriteStatus writeBytes(const QString& name, const QByteArray& bytes) const;
    // Replaces files that belong together (name, bytes): every content goes
    // to its temporary file first and the files are replaced only when all
    // of them were written, so a full disk leaves every file as it was
    // rather than some old and some new.
    WriteStatus writeTogether(const std::vector<std::pair<QString, QByteArray>>& files) const;

private:
    QString path_;
};

} // namespace lendora
