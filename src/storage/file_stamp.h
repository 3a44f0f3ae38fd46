#pragma once

#include "storage/record_file.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace lendora {

// How a file of a record folder stood when this copy read or wrote it:
// whether it existed, its size, its time and a checksum of its bytes. A file
// that differs in any of them was changed by someone else since.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    size_t checksum = 0;

    // The file as it is now; without `content` its bytes are not read and the
    // checksum stays 0.
    static FileStamp of(const RecordFolder& folder, const QString& name, bool content);
    // The file as it is now, and its bytes read with it (no value when it
    // is missing or cannot be read): it is stamped before it is read, so a
    // change made meanwhile counts as a change.
    static FileStamp read(const RecordFolder& folder, const QString& name,
                          std::optional<QByteArray>& bytes);
    // The file just written with these bytes.
    static FileStamp written(const RecordFolder& folder, const QString& name,
                             const QByteArray& bytes);

    // Whether the file is as stamped; with `content` the checksums count too.
    bool same(const FileStamp& other, bool content) const;
};

} // namespace lendora
