#include "storage/save_journal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lendora::journal {

using namespace Qt::StringLiterals;

namespace {

using Steps = std::vector<std::pair<QString, QString>>;

std::function<bool()>& operationHook() {
    static std::function<bool()> hook;
    return hook;
}

const QString stoppedReason = u"the save was stopped"_s;

// After each file operation: false when the test seam stops the work here.
bool goOn() {
    return !operationHook() || operationHook()();
}

WriteStatus stopped(const QString& name) {
    return WriteStatus::failure(name, stoppedReason);
}

bool isStopped(const WriteStatus& status) {
    return status.reason == stoppedReason;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString tr(const char* text) {
    return QCoreApplication::translate("lendora::journal", text);
}

// What stands at a name of the folder, looked at without following a link.
struct Entry {
    int error = 0; // errno of the look; ENOENT when nothing is there
    mode_t type = 0;
    nlink_t links = 0;
    qint64 size = 0;

    // Nothing can stand at a name the system cannot take.
    bool absent() const { return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG; }
    bool file() const { return !error && S_ISREG(type); }
    bool link() const { return !error && S_ISLNK(type); }
    // Why it is not a file of this folder alone; empty when it is one.
    QString problem() const {
        if (error)
            return QString::fromLocal8Bit(std::strerror(error));
        if (S_ISDIR(type))
            return tr("a folder of that name is in the way");
        if (S_ISLNK(type))
            return tr("it is a link to another place");
        if (!S_ISREG(type))
            return tr("it is not a file");
        if (links > 1)
            return tr("the file also has another name (a hard link)");
        return {};
    }
};

Entry entryAt(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {errno};
    return {0, st.st_mode, st.st_nlink, qint64(st.st_size)};
}

// Writes the bytes, and with `flush` flushes them to the disk. Unbuffered, so
// that a short write (a full disk) shows in write()'s count. Written in two
// parts, so the seam can stop the work with the file half written.
WriteStatus writeFile(const QString& path, const QString& name, const QByteArray& bytes,
                      bool flush) {
    // What a crash left at the name goes first; the file is then made anew,
    // so that a link found there is never written through.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return WriteStatus::failure(name, file.errorString());
    const qsizetype half = bytes.size() / 2;
    const QByteArrayView parts[] = {QByteArrayView(bytes).first(half),
                                    QByteArrayView(bytes).sliced(half)};
    for (int i = 0; i < 2; ++i) {
        if (file.write(parts[i].data(), parts[i].size()) != parts[i].size() ||
            file.error() != QFileDevice::NoError) {
            const QString reason =
                file.error() != QFileDevice::NoError ? file.errorString() : u"the disk is full"_s;
            file.close();
            QFile::remove(path);
            return WriteStatus::failure(name, reason);
        }
        if (!goOn())
            return stopped(name);
    }
    if (flush && ::fsync(file.handle()) != 0) {
        const QString reason = systemError();
        file.close();
        QFile::remove(path);
        return WriteStatus::failure(name, reason);
    }
    return {};
}

// Flushes written files to the disk all at once: the file system then
// commits them together rather than one after the other, which is what
// keeps a journaled save about as fast as replacing its files one by one.
// The threads end before this returns.
WriteStatus flushTogether(const QDir& dir, const std::vector<std::pair<QString, QString>>& files) {
    std::vector<QByteArray> paths;
    for (const auto& [temporary, name] : files)
        paths.push_back(QFile::encodeName(dir.filePath(temporary)));
    std::vector<int> errors(paths.size(), 0);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < paths.size(); ++i)
        threads.emplace_back([&paths, &errors, i] {
            const int fd = ::open(paths[i].constData(), O_RDONLY);
            errors[i] = fd < 0 || ::fsync(fd) != 0 ? errno : 0;
            if (fd >= 0)
                ::close(fd);
        });
    for (std::thread& thread : threads)
        thread.join();
    for (size_t i = 0; i < errors.size(); ++i)
        if (errors[i] != 0)
            return WriteStatus::failure(files[i].second,
                                        QString::fromLocal8Bit(std::strerror(errors[i])));
    return goOn() ? WriteStatus{} : stopped(files.empty() ? fileName() : files.back().second);
}

// Makes the renames and removals in the folder itself durable.
void syncFolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QByteArray checksum(QByteArrayView body) {
    return QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex().left(16);
}

// A name the journal may touch: a plain file name of the folder itself.
bool plainName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && name != "."_L1 && name != ".."_L1;
}

// The steps of a complete journal; no value for an incomplete or damaged one.
std::optional<Steps> parse(const QByteArray& bytes) {
    const QByteArray header = "Lendora save journal 1\n";
    if (!bytes.startsWith(header) || !bytes.endsWith('\n'))
        return std::nullopt;
    const qsizetype endLine = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
    const QList<QByteArray> end = bytes.mid(endLine).chopped(1).split('\t');
    if (end.size() != 3 || end[0] != "end" ||
        end[2] != checksum(QByteArrayView(bytes).first(endLine)))
        return std::nullopt;
    Steps steps;
    const QList<QByteArray> lines = bytes.mid(header.size(), endLine - header.size()).split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QStringList fields = QString::fromUtf8(lines[i]).split(u'\t');
        if (fields.size() == 3 && fields[0] == "replace"_L1 && plainName(fields[2]) &&
            fields[1] == temporaryName(fields[2]))
            steps.emplace_back(fields[1], fields[2]);
        else if (fields.size() == 2 && fields[0] == "remove"_L1 && plainName(fields[1]))
            steps.emplace_back(QString(), fields[1]);
        else
            return std::nullopt;
    }
    if (end[1] != QByteArray::number(qsizetype(steps.size())))
        return std::nullopt;
    return steps;
}

// A journal is carried out only onto files it can have been written for,
// checked before any step is taken: each temporary file still there is a
// plain file of the folder, with no other name, and each target a step
// still replaces or removes is a file or a link (a link is replaced, never
// what it points to), not a folder or anything else.
WriteStatus checkSteps(const QDir& dir, const Steps& steps) {
    for (const auto& [temporary, target] : steps) {
        if (!temporary.isEmpty()) {
            const Entry entry = entryAt(dir.filePath(temporary));
            if (entry.absent())
                continue; // taken already
            if (!entry.problem().isEmpty())
                return WriteStatus::failure(temporary, entry.problem());
        }
        const Entry entry = entryAt(dir.filePath(target));
        if (!entry.absent() && !entry.file() && !entry.link())
            return WriteStatus::failure(target, entry.problem());
    }
    return {};
}

// Carries out the steps of a complete journal, then removes it. A step
// already taken (its temporary file gone, its removed file absent) is
// passed over, so carrying out the same journal again changes nothing.
// When a step fails, the journal stays for the next start to finish.
WriteStatus carryOut(const RecordFolder& folder, const Steps& steps) {
    const QDir dir(folder.path());
    WriteStatus status;
    for (const auto& [temporary, target] : steps) {
        const QString targetPath = dir.filePath(target);
        if (temporary.isEmpty()) {
            if (QFileInfo::exists(targetPath) && !QFile::remove(targetPath))
                status << WriteStatus::failure(target, u"the file cannot be removed"_s);
        } else if (const QString from = dir.filePath(temporary); QFileInfo::exists(from)) {
            if (std::rename(QFile::encodeName(from).constData(),
                            QFile::encodeName(targetPath).constData()) != 0)
                status << WriteStatus::failure(target, systemError());
        }
        if (!goOn())
            return stopped(target);
    }
    syncFolder(folder.path());
    if (!goOn())
        return stopped(fileName());
    if (!status.ok())
        return status;
    QFile::remove(dir.filePath(fileName()));
    return goOn() ? WriteStatus{} : stopped(fileName());
}

} // namespace

QString fileName() {
    return u"lendora.journal"_s;
}

QString temporaryName(const QString& name) {
    return name + ".lendora-new"_L1;
}

bool isTemporaryName(const QString& name) {
    return name.endsWith(".lendora-new"_L1) && name.size() > 12;
}

QByteArray journalBytes(const Steps& steps) {
    QByteArray bytes = "Lendora save journal 1\n";
    for (const auto& [temporary, target] : steps)
        bytes += temporary.isEmpty()
                     ? "remove\t" + target.toUtf8() + '\n'
                     : "replace\t" + temporary.toUtf8() + '\t' + target.toUtf8() + '\n';
    return bytes + "end\t" + QByteArray::number(qsizetype(steps.size())) + '\t' + checksum(bytes) +
           '\n';
}

WriteStatus commit(const RecordFolder& folder, const FinalFiles& files) {
    const QDir dir(folder.path());
    // A save left unfinished by a failed step is finished first, so that its
    // journal is not overwritten.
    if (!entryAt(dir.filePath(fileName())).absent())
        if (WriteStatus status = recover(folder); !status.ok())
            return status;
    // Once the journal is complete, the save must go through: a target that
    // cannot be replaced or removed is refused before anything is written.
    for (const auto& [name, bytes] : files) {
        const QFileInfo target(folder.filePath(name));
        if (target.exists() && !target.isFile())
            return WriteStatus::failure(name, u"a folder of that name is in the way"_s);
        if (bytes && target.exists() && !target.isWritable())
            return WriteStatus::failure(name, u"the file is read-only"_s);
    }
    Steps steps;
    struct Content {
        QString temporary;
        QString name;
        const QByteArray* bytes;
    };
    std::vector<Content> contents;
    for (const auto& [name, bytes] : files) {
        // The target keeps the letter case found on disk.
        const QString target = QFileInfo(folder.filePath(name)).fileName();
        if (!bytes) {
            if (folder.exists(name))
                steps.emplace_back(QString(), target);
            continue;
        }
        steps.emplace_back(temporaryName(target), target);
        contents.push_back({temporaryName(target), name, &*bytes});
    }
    if (steps.empty())
        return {};
    const QByteArray journalContent = journalBytes(steps);
    if (journalContent.size() > longestJournal)
        return WriteStatus::failure(fileName(), tr("the save would change too many files at once"));

    std::vector<std::pair<QString, QString>> written; // temporary file, name
    auto discard = [&] {
        for (const auto& [temporary, name] : written)
            QFile::remove(dir.filePath(temporary));
    };
    for (const Content& content : contents) {
        written.emplace_back(content.temporary, content.name);
        const WriteStatus status =
            writeFile(dir.filePath(content.temporary), content.name, *content.bytes, false);
        if (isStopped(status))
            return status;
        if (!status.ok()) {
            discard();
            return status;
        }
    }
    // The new contents are on the disk before the journal says to use them.
    if (const WriteStatus status = flushTogether(dir, written); !status.ok()) {
        if (!isStopped(status))
            discard();
        return status;
    }
    const QString journal = dir.filePath(fileName());
    const WriteStatus status = writeFile(journal, fileName(), journalContent, true);
    if (isStopped(status))
        return status;
    if (!status.ok()) {
        QFile::remove(journal);
        discard();
        return status;
    }
    return carryOut(folder, steps);
}

WriteStatus recover(const RecordFolder& folder) {
    const QDir dir(folder.path());
    const QString journal = dir.filePath(fileName());
    if (const Entry entry = entryAt(journal); !entry.absent()) {
        if (!entry.file())
            return WriteStatus::failure(fileName(), entry.problem());
        std::optional<Steps> steps;
        // No save writes a longer journal: it is damaged, and not read.
        if (entry.size <= longestJournal) {
            QFile file(journal);
            if (!file.open(QIODevice::ReadOnly))
                return WriteStatus::failure(fileName(), file.errorString());
            const QByteArray bytes = file.read(longestJournal + 1);
            if (file.error() != QFileDevice::NoError)
                return WriteStatus::failure(fileName(), file.errorString());
            if (bytes.size() <= longestJournal)
                steps = parse(bytes);
        }
        if (steps) {
            if (WriteStatus status = checkSteps(dir, *steps); !status.ok())
                return status;
            if (WriteStatus status = carryOut(folder, *steps); !status.ok())
                return status;
        } else {
            // The save never became complete: its temporary files go below.
            if (!QFile::remove(journal))
                return WriteStatus::failure(fileName(), u"the file cannot be removed"_s);
            if (!goOn())
                return stopped(fileName());
        }
    }
    // Temporary files of saves that never became complete. One that cannot
    // be removed (a read-only folder) stays: it harms nothing, and the save
    // that next needs its name replaces it.
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isTemporaryName(name))
            continue;
        QFile::remove(dir.filePath(name));
        if (!goOn())
            return stopped(name);
    }
    return {};
}

WriteStatus writeTemporary(const QString& path, const QString& name, const QByteArray& bytes) {
    return writeFile(temporaryName(path), name, bytes, true);
}

void setOperationHook(std::function<bool()> hook) {
    operationHook() = std::move(hook);
}

} // namespace lendora::journal
