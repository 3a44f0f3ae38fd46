#include "storage/file_stamp.h"

#include <QFileInfo>
#include <QHashFunctions>

namespace lendora {

namespace {
size_t checksumOf(const QByteArray& bytes) {
    return qHashBits(bytes.constData(), size_t(bytes.size()), 0);
}
} // namespace

FileStamp FileStamp::of(const RecordFolder& folder, const QString& name, bool content) {
    const QFileInfo info(folder.filePath(name));
    FileStamp stamp;
    if (!info.isFile())
        return stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    if (content) {
        const std::optional<QByteArray> bytes = folder.readBytes(name);
        // A file that cannot be read never looks unchanged.
        stamp.checksum = bytes ? checksumOf(*bytes) : ~size_t(0);
    }
    return stamp;
}

FileStamp FileStamp::written(const RecordFolder& folder, const QString& name,
                             const QByteArray& bytes) {
    FileStamp stamp = of(folder, name, false);
    stamp.checksum = checksumOf(bytes);
    return stamp;
}

bool FileStamp::same(const FileStamp& other, bool content) const {
    return exists == other.exists && size == other.size && modified == other.modified &&
           (!content || checksum == other.checksum);
}

} // namespace lendora
