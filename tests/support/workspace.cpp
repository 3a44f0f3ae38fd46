#include "support/workspace.h"

#include "storage/folder_lock.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <ctime>
#include <stdexcept>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lendora::test {

TempWorkspace::TempWorkspace()
    : previous_(QDir::currentPath()) {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    QDir::setCurrent(dir_.path());
}

TempWorkspace::~TempWorkspace() {
    setReadOnly(false);
    QDir::setCurrent(previous_);
}

QString TempWorkspace::filePath(const QString& name) const {
    return QDir(path()).filePath(name);
}

void TempWorkspace::write(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TempWorkspace::read(const QString& name) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempWorkspace::exists(const QString& name) const {
    return QFileInfo::exists(filePath(name));
}

QStringList TempWorkspace::files() const {
    QStringList names = QDir(path()).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(FolderLock::fileName());
    names.sort();
    return names;
}

namespace {
// Root ignores permissions; the immutable attribute stops it too.
void setImmutable(const QString& folder, bool immutable) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    ::close(fd);
}
} // namespace

bool TempWorkspace::setReadOnly(bool readOnly) const {
    if (!readOnly)
        setImmutable(path(), false);
    QFile::setPermissions(path(), readOnly ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                           : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
    if (readOnly && ::geteuid() == 0)
        setImmutable(path(), true);
    QFile probe(filePath(QStringLiteral(".probe")));
    const bool writable = probe.open(QIODevice::WriteOnly);
    if (writable)
        probe.remove();
    return readOnly ? !writable : writable;
}

FileSizeLimit::FileSizeLimit(long long bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    previousSoft_ = limit.rlim_cur;
    previousHard_ = limit.rlim_max;
    std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{rlim_t(previousSoft_), rlim_t(previousHard_)};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

void ageFile(const QString& path, int seconds) {
    timespec times[2] = {};
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    EXPECT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0)
        << qPrintable(path);
}

QString visible(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r"), QLatin1String("\\r"));
    text.replace(QLatin1String("\n"), QLatin1String("\\n\n"));
    return text;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

QString screenshotFolder(const QString& fallback) {
    const QByteArray folder = qgetenv("LENDORA_SCREENSHOTS");
    return folder.isEmpty() ? fallback : QString::fromLocal8Bit(folder);
}

} // namespace lendora::test
