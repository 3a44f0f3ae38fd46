#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The ZIP archive of a workbook, read part by part. A small file must not
// expand into gigabytes: the archive is refused when the sizes it declares
// add up to more than a budget, a part that inflates past its declared size
// is damaged, and every byte actually inflated is counted against the same
// budget.
namespace lendora::poll {

enum class ArchiveError { None, Damaged, Encrypted, TooLarge };

class XlsxArchive {
public:
    XlsxArchive(const QByteArray& bytes, qint64 budget);
    ~XlsxArchive();
    XlsxArchive(const XlsxArchive&) = delete;
    XlsxArchive& operator=(const XlsxArchive&) = delete;

    ArchiveError error() const { return error_; }

    // Opens a part (a path inside the archive, letter case ignored) for
    // reading; false when the archive has no such part or it cannot be read.
    bool open(const QString& part);
    // The next inflated bytes of the open part; empty at its end and on an
    // error (see error()).
    QByteArray read();

private:
    void fail(ArchiveError error);

    struct Zip;
    std::unique_ptr<Zip> zip_;
    ArchiveError error_ = ArchiveError::None;
    qint64 budget_;
    qint64 inflated_ = 0;     // all parts so far
    qint64 partInflated_ = 0; // the open part
    qint64 partDeclared_ = 0;
};

} // namespace lendora::poll
