#include "storage/file_stamp.h"

#include <QFileInfo>

#include <cstdint>
#include <cstring>

namespace lendora {

namespace {
// A 64-bit checksum that keeps pace with reading the file: four lanes of
// 64-bit words, each word mixed into its lane by a multiplication and a
// shift (each step one-to-one, so a changed word always changes its lane),
// the lanes and the length folded together at the end. It tells changes
// apart, not attacks.
size_t checksumOf(const QByteArray& bytes) {
    constexpr std::uint64_t odd = 0x9E3779B97F4A7C15ull;
    auto mix = [](std::uint64_t value, std::uint64_t word) {
        value = (value ^ word) * odd;
        return value ^ (value >> 31);
    };
    std::uint64_t lanes[4] = {1, 2, 3, 4};
    const char* data = bytes.constData();
    const size_t size = size_t(bytes.size());
    size_t at = 0;
    for (; at + 32 <= size; at += 32) {
        for (int lane = 0; lane < 4; ++lane) {
            std::uint64_t word;
            std::memcpy(&word, data + at + 8 * size_t(lane), sizeof word);
            lanes[lane] = mix(lanes[lane], word);
        }
    }
    std::uint64_t sum = size;
    for (std::uint64_t lane : lanes)
        sum = mix(sum, lane);
    for (; at < size; ++at)
        sum = mix(sum, static_cast<unsigned char>(data[at]));
    return size_t(sum ^ (sum >> 32));
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

FileStamp FileStamp::read(const RecordFolder& folder, const QString& name,
                          std::optional<QByteArray>& bytes) {
    FileStamp stamp = of(folder, name, false);
    bytes = stamp.exists ? folder.readBytes(name) : std::nullopt;
    if (stamp.exists)
        stamp.checksum = bytes ? checksumOf(*bytes) : ~size_t(0);
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
