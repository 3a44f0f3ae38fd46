#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace lendora::test {

// A fresh working directory for one test; the process works in it until the
// workspace is destroyed.
class TempWorkspace {
public:
    TempWorkspace();
    ~TempWorkspace();
    TempWorkspace(const TempWorkspace&) = delete;
    TempWorkspace& operator=(const TempWorkspace&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    // The file's bytes; an empty array when it does not exist.
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    // The names of the files in the folder, sorted; the lock of the copy that
    // works in it is not among them.
    QStringList files() const;
    // Makes the folder read-only (or writable again); for root it is made
    // immutable. Returns whether a new file can no longer be created in it.
    bool setReadOnly(bool readOnly) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// While it lives, files can grow to at most `bytes` (as on a full disk):
// longer writes fail with an error instead of a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long previousSoft_;
    unsigned long long previousHard_;
};

// Sets the time of a file `seconds` back from now (as a copy that stopped
// touching its lock leaves it).
void ageFile(const QString& path, int seconds);

// The bytes of a file the tests read (expected output, fixtures); a failed
// check names the file when it cannot be read.
QByteArray readFile(const QString& path);

// Where tests put the screenshots they take: $LENDORA_SCREENSHOTS when it
// is set and not empty, the fallback otherwise.
QString screenshotFolder(const QString& fallback = {});

// Shows CR and LF so that byte differences are readable in a failure.
QString visible(const QByteArray& bytes);

} // namespace lendora::test

// Compares a file's bytes with the expected bytes, printing both readably.
#define EXPECT_FILE_BYTES(workspace, name, expected)                                               \
    EXPECT_EQ(::lendora::test::visible((workspace).read(name)),                                    \
              ::lendora::test::visible(QByteArray(expected)))                                      \
        << "file " << qPrintable(QString(name))
