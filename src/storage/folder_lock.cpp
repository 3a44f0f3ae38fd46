#include "storage/folder_lock.h"

#include "storage/save_journal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <limits>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lendora {

using namespace Qt::StringLiterals;

namespace {

const QByteArray header = "Lendora folder lock 1";

// A lock that cannot be read counts as being written for this long (on a
// file system that cannot link, the file is made first and filled after).
constexpr qint64 unreadableGraceSeconds = 10;

QString userName() {
    if (const passwd* entry = ::getpwuid(::geteuid())) {
        const QString full = QString::fromLocal8Bit(entry->pw_gecos).section(u',', 0, 0).trimmed();
        if (!full.isEmpty())
            return full;
        if (entry->pw_name && *entry->pw_name)
            return QString::fromLocal8Bit(entry->pw_name);
    }
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return qEnvironmentVariable(variable);
    return QString();
}

QString bootId() {
    QFile file(u"/proc/sys/kernel/random/boot_id"_s);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll()).trimmed();
}

// One line of the lock: tabs and line breaks cannot be part of a value.
QByteArray line(const char* key, QString value) {
    for (QChar& c : value)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return QByteArray(key) + '\t' + value.toUtf8() + '\n';
}

bool isRunning(qint64 process) {
    if (process <= 0 || process > std::numeric_limits<pid_t>::max())
        return false;
    // EPERM: the process runs under another user.
    return ::kill(pid_t(process), 0) == 0 || errno == EPERM;
}

std::optional<QByteArray> readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Makes a new file with exactly these bytes, flushed to the disk. Returns 0,
// or the error (EEXIST: the file stands already); a failed file goes.
int makeFile(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return errno;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    const int error = done != bytes.size() ? EIO : ::fsync(fd) != 0 ? errno : 0;
    ::close(fd);
    if (error != 0)
        ::unlink(path.constData());
    return error;
}

// The file system cannot make hard links (some network drives).
bool noLinks(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS;
}

} // namespace

LockHolder LockHolder::thisCopy() {
    LockHolder me;
    me.user = userName();
    me.machine = QSysInfo::machineHostName();
    me.process = QCoreApplication::applicationPid();
    me.boot = bootId();
    return me;
}

QString holderName(const LockHolder& holder) {
    const QString user = holder.user.isEmpty()
                             ? QCoreApplication::translate("lendora::FolderLock", "an unknown user")
                             : holder.user;
    const QString machine =
        holder.machine.isEmpty()
            ? QCoreApplication::translate("lendora::FolderLock", "an unknown machine")
            : holder.machine;
    return QCoreApplication::translate("lendora::FolderLock", "%1 on %2").arg(user, machine);
}

QString lockTime(const QDateTime& time) {
    if (!time.isValid())
        return QCoreApplication::translate("lendora::FolderLock", "an unknown time");
    const QDateTime local = time.toLocalTime();
    return local.toString(local.date() == QDate::currentDate() ? u"HH:mm"_s
                                                               : u"yyyy-MM-dd HH:mm"_s);
}

QByteArray lockBytes(const LockHolder& holder) {
    return header + '\n' + line("user", holder.user) + line("machine", holder.machine) +
           line("process", QString::number(holder.process)) +
           line("since", holder.since.toUTC().toString(Qt::ISODateWithMs)) +
           line("boot", holder.boot) + line("token", QString::fromLatin1(holder.token)) + "end\n";
}

std::optional<LockHolder> parseLock(const QByteArray& bytes) {
    if (!bytes.startsWith(header + '\n') || !bytes.endsWith("\nend\n"))
        return std::nullopt;
    LockHolder holder;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 1; i + 2 < lines.size(); ++i) {
        const qsizetype tab = lines[i].indexOf('\t');
        if (tab < 0)
            return std::nullopt;
        const QByteArray key = lines[i].left(tab);
        const QString value = QString::fromUtf8(lines[i].mid(tab + 1));
        if (key == "user")
            holder.user = value;
        else if (key == "machine")
            holder.machine = value;
        else if (key == "process")
            holder.process = value.toLongLong();
        else if (key == "since")
            holder.since = QDateTime::fromString(value, Qt::ISODateWithMs);
        else if (key == "boot")
            holder.boot = value;
        else if (key == "token")
            holder.token = value.toLatin1();
        // Other keys are for later versions.
    }
    if (holder.machine.isEmpty() || holder.process <= 0 || !holder.since.isValid() ||
        holder.token.isEmpty())
        return std::nullopt;
    return holder;
}

FolderLock::FolderLock(QString folderPath, LockHolder me)
    : folderPath_(std::move(folderPath))
    , me_(std::move(me)) {
    // Each taking gets its own time and token.
    me_.since = QDateTime();
    me_.token.clear();
}

FolderLock::~FolderLock() {
    release();
}

QString FolderLock::fileName() {
    return u".lendora.lock"_s;
}

QString FolderLock::legacyPath(const QString& folderPath) {
    const QString canonical = QFileInfo(folderPath).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? folderPath : canonical).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(QDir::tempPath()).filePath(u"lendora-%1.lock"_s.arg(QString::fromLatin1(hash)));
}

QString FolderLock::path() const {
    return QDir(folderPath_).filePath(fileName());
}

LockState FolderLock::judge(const QByteArray& bytes, const QDateTime& seen) const {
    LockState state;
    state.bytes = bytes;
    state.seen = seen;
    const qint64 age = seen.secsTo(QDateTime::currentDateTimeUtc());
    const std::optional<LockHolder> holder = parseLock(bytes);
    if (!holder) {
        state.kind = age < unreadableGraceSeconds ? LockState::Kind::Held : LockState::Kind::Silent;
        return state;
    }
    state.holder = *holder;
    if (!me_.token.isEmpty() && holder->token == me_.token) {
        state.kind = LockState::Kind::Mine;
    } else if (holder->machine.compare(me_.machine, Qt::CaseInsensitive) == 0) {
        const bool restarted =
            !holder->boot.isEmpty() && !me_.boot.isEmpty() && holder->boot != me_.boot;
        state.kind = restarted || !isRunning(holder->process) ? LockState::Kind::Gone
                                                              : LockState::Kind::Held;
    } else {
        state.kind = age > silenceLimit.count() ? LockState::Kind::Silent : LockState::Kind::Held;
    }
    return state;
}

LockState FolderLock::state() {
    const QFileInfo info(path());
    std::optional<QByteArray> bytes = info.exists() ? readAll(path()) : std::nullopt;
    LockState found;
    if (bytes)
        found = judge(*bytes, info.lastModified().toUTC());
    else if (info.exists())
        found = judge(QByteArray(), info.lastModified().toUTC());
    if (found.kind == LockState::Kind::Mine) {
        held_ = true; // again, after a file that could not be read for a moment
    } else if (held_) {
        // Another copy took the folder over, or the file went.
        held_ = false;
        legacy_.reset();
    }
    return found;
}

FolderLock::Made FolderLock::create() {
    me_.since = QDateTime::currentDateTimeUtc();
    me_.token = QByteArray::number(QRandomGenerator::system()->generate64(), 16) +
                QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    // The temporary file is one the journal's recovery removes when a crash
    // leaves it behind.
    const QByteArray temporary =
        QFile::encodeName(QDir(folderPath_)
                              .filePath(journal::temporaryName(
                                  fileName() + u'.' + QString::fromLatin1(me_.token.left(12)))));
    const QByteArray target = QFile::encodeName(path());
    const QByteArray bytes = lockBytes(me_);
    if (makeFile(temporary, bytes) != 0)
        return Made::Failed;
    int result = ::link(temporary.constData(), target.constData());
    const int error = errno;
    struct stat info {};
    // Over NFS the answer to a link can be lost: the link count tells.
    if (result != 0 && ::stat(temporary.constData(), &info) == 0 && info.st_nlink == 2)
        result = 0;
    ::unlink(temporary.constData());
    if (result != 0 && noLinks(error)) {
        // Made first, filled after: a reader sees an unreadable lock for a
        // moment and counts it as held.
        if (const int made = makeFile(target, bytes); made != 0)
            return made == EEXIST ? Made::Exists : Made::Failed;
    } else if (result != 0) {
        // ENOENT: a recovery removed the temporary file, so another copy
        // has just taken the folder.
        return error == EEXIST || error == ENOENT ? Made::Exists : Made::Failed;
    }
    held_ = true;
    return Made::Made;
}

bool FolderLock::moveAside(const QByteArray& judged) {
    const QByteArray aside =
        QFile::encodeName(QDir(folderPath_)
                              .filePath(journal::temporaryName(
                                  fileName() + u".aside."_s +
                                  QString::number(QRandomGenerator::system()->generate64(), 16))));
    const QByteArray target = QFile::encodeName(path());
    // Only one copy can move the file: the others find it gone.
    if (::rename(target.constData(), aside.constData()) != 0)
        return errno == ENOENT;
    const std::optional<QByteArray> moved = readAll(QFile::decodeName(aside));
    if (moved && *moved == judged) {
        ::unlink(aside.constData());
        return true;
    }
    // A copy took the folder meanwhile: its lock goes back, unless yet
    // another lock stands there by now.
    if (::link(aside.constData(), target.constData()) != 0 && noLinks(errno))
        ::rename(aside.constData(), target.constData());
    ::unlink(aside.constData());
    return false;
}

bool FolderLock::takeLegacy(LockState& state) {
    // That lock belongs to this machine: a copy named for another one (a
    // tool's, a test's) has no part in it.
    if (me_.machine != QSysInfo::machineHostName())
        return true;
    legacy_ = std::make_unique<QLockFile>(legacyPath(folderPath_));
    // Stale only when the copy that took it is gone, however long it worked.
    legacy_->setStaleLockTime(0);
    if (legacy_->tryLock(0) || legacy_->error() != QLockFile::LockFailedError)
        return true; // no temporary folder: nothing to keep older copies out
    qint64 process = 0;
    QString machine, application;
    legacy_->getLockInfo(&process, &machine, &application);
    legacy_.reset();
    state = LockState{};
    state.kind = LockState::Kind::OlderCopy;
    state.holder.process = process;
    state.holder.machine = machine;
    return false;
}

LockState FolderLock::take() {
    LockState found = state();
    // A few rounds at most: another copy may take or leave the lock meanwhile.
    for (int round = 0; round < 3; ++round) {
        if (found.kind == LockState::Kind::Mine)
            return found;
        if (found.kind == LockState::Kind::Gone && !moveAside(found.bytes)) {
            found = state();
            continue;
        }
        if (found.kind != LockState::Kind::Free && found.kind != LockState::Kind::Gone)
            return found;
        const Made made = create();
        if (made == Made::Failed) {
            found = LockState{};
            found.kind = LockState::Kind::NoLock;
            takeLegacy(found);
            return found;
        }
        found = state();
        if (made == Made::Made && found.kind == LockState::Kind::Mine && !takeLegacy(found)) {
            const LockState older = found;
            release();
            return older;
        }
    }
    return found;
}

LockState FolderLock::takeOver(const LockState& judged) {
    if (held_)
        return state();
    if (!moveAside(judged.bytes))
        return state();
    return take();
}

LockState FolderLock::touch() {
    const LockState found = state();
    if (found.kind == LockState::Kind::Mine)
        ::utimensat(AT_FDCWD, QFile::encodeName(path()).constData(), nullptr, 0);
    return found;
}

void FolderLock::release() {
    if (!held_)
        return;
    const std::optional<QByteArray> bytes = readAll(path());
    held_ = false;
    legacy_.reset();
    if (bytes && parseLock(*bytes) && parseLock(*bytes)->token == me_.token)
        moveAside(*bytes);
}

} // namespace lendora
