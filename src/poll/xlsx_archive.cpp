#include "poll/xlsx_archive.h"

#include <QBuffer>

#include <quazip.h>
#include <quazipfile.h>

namespace lendora::poll {

namespace {
constexpr qint64 chunkSize = 256 * 1024;
} // namespace

struct XlsxArchive::Zip {
    QBuffer buffer;
    QuaZip zip{&buffer};
    QuaZipFile part{&zip};
};

XlsxArchive::XlsxArchive(const QByteArray& bytes, qint64 budget)
    : zip_(std::make_unique<Zip>())
    , budget_(budget) {
    zip_->buffer.setData(bytes);
    if (!zip_->zip.open(QuaZip::mdUnzip)) {
        fail(ArchiveError::Damaged);
        return;
    }
    const QList<QuaZipFileInfo64> entries = zip_->zip.getFileInfoList64();
    if (zip_->zip.getZipError() != UNZ_OK) {
        fail(ArchiveError::Damaged);
        return;
    }
    qint64 declared = 0;
    for (const QuaZipFileInfo64& entry : entries) {
        if (entry.isEncrypted()) {
            fail(ArchiveError::Encrypted);
            return;
        }
        // Each size alone may already pass the budget (or a signed 64-bit
        // number): compare before adding.
        if (entry.uncompressedSize > quint64(budget_ - declared)) {
            fail(ArchiveError::TooLarge);
            return;
        }
        declared += qint64(entry.uncompressedSize);
    }
}

XlsxArchive::~XlsxArchive() = default;

void XlsxArchive::fail(ArchiveError error) {
    if (error_ == ArchiveError::None)
        error_ = error;
    if (zip_->part.isOpen())
        zip_->part.close();
}

bool XlsxArchive::open(const QString& part) {
    if (error_ != ArchiveError::None)
        return false;
    if (zip_->part.isOpen())
        zip_->part.close();
    if (!zip_->zip.setCurrentFile(part, QuaZip::csInsensitive))
        return false;
    if (!zip_->part.open(QIODevice::ReadOnly)) {
        fail(ArchiveError::Damaged);
        return false;
    }
    partDeclared_ = zip_->part.usize();
    partInflated_ = 0;
    return true;
}

QByteArray XlsxArchive::read() {
    if (error_ != ArchiveError::None || !zip_->part.isOpen())
        return {};
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    const qint64 got = zip_->part.read(chunk.data(), chunkSize);
    if (got < 0) {
        fail(ArchiveError::Damaged);
        return {};
    }
    if (got == 0) {
        // The end of the part: its checksum tells whether it was whole.
        zip_->part.close();
        if (zip_->part.getZipError() != UNZ_OK)
            fail(ArchiveError::Damaged);
        return {};
    }
    chunk.truncate(got);
    partInflated_ += got;
    inflated_ += got;
    if (partInflated_ > partDeclared_)
        fail(ArchiveError::Damaged);
    else if (inflated_ > budget_)
        fail(ArchiveError::TooLarge);
    return error_ == ArchiveError::None ? chunk : QByteArray();
}

} // namespace lendora::poll
