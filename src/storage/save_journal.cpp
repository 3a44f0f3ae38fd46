#include "storage/save_journal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

#include <fcntl.h>
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

// Writes the bytes, and with `flush` flushes them to the disk. Unbuffered, so
// that a short write (a full disk) shows in write()'s count. Written in two
// parts, so the seam can stop the work with the file half written.
WriteStatus writeFile(const QString& path, const QString& name, const QByteArray& bytes,
                      bool flush) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
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
    // QSaveFile's pattern: the file name, a point and six letters or digits.
    static const QRegularExpression replaced(u"^.+\\.lnd\\.[A-Za-z0-9]{6}$"_s,
                                             QRegularExpression::CaseInsensitiveOption);
    return name.endsWith(".lendora-new"_L1) || replaced.match(name).hasMatch();
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
    if (QFileInfo::exists(dir.filePath(fileName())))
        if (WriteStatus status = recover(folder); !status.ok())
            return status;
    Steps steps;
    std::vector<QString> temporaries;
    std::vector<std::pair<QString, QString>> flushed; // temporary file, name
    auto discard = [&] {
        for (const QString& temporary : temporaries)
            QFile::remove(dir.filePath(temporary));
    };
    // Once the journal is complete, the save must go through: a target that
    // cannot be replaced or removed is refused before anything is written.
    for (const auto& [name, bytes] : files) {
        const QFileInfo target(folder.filePath(name));
        if (target.exists() && !target.isFile())
            return WriteStatus::failure(name, u"a folder of that name is in the way"_s);
        if (bytes && target.exists() && !target.isWritable())
            return WriteStatus::failure(name, u"the file is read-only"_s);
    }
    for (const auto& [name, bytes] : files) {
        // The target keeps the letter case found on disk.
        const QString target = QFileInfo(folder.filePath(name)).fileName();
        if (!bytes) {
            if (folder.exists(name))
                steps.emplace_back(QString(), target);
            continue;
        }
        const QString temporary = temporaryName(target);
        temporaries.push_back(temporary);
        const WriteStatus status = writeFile(dir.filePath(temporary), name, *bytes, false);
        if (isStopped(status))
            return status;
        if (!status.ok()) {
            discard();
            return status;
        }
        steps.emplace_back(temporary, target);
        flushed.emplace_back(temporary, name);
    }
    if (steps.empty())
        return {};
    // The new contents are on the disk before the journal says to use them.
    if (const WriteStatus status = flushTogether(dir, flushed); !status.ok()) {
        if (!isStopped(status))
            discard();
        return status;
    }
    const QString journal = dir.filePath(fileName());
    const WriteStatus status = writeFile(journal, fileName(), journalBytes(steps), true);
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
    if (QFileInfo::exists(journal)) {
        QFile file(journal);
        if (!file.open(QIODevice::ReadOnly))
            return WriteStatus::failure(fileName(), file.errorString());
        if (const std::optional<Steps> steps = parse(file.readAll())) {
            const WriteStatus status = carryOut(folder, *steps);
            if (!status.ok())
                return status;
        } else {
            // The save never became complete: its temporary files go below.
            file.close();
            if (!QFile::remove(journal))
                return WriteStatus::failure(fileName(), u"the file cannot be removed"_s);
            if (!goOn())
                return stopped(fileName());
        }
    }
    WriteStatus status;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isTemporaryName(name))
            continue;
        if (!QFile::remove(dir.filePath(name)))
            status << WriteStatus::failure(name, u"the file cannot be removed"_s);
        if (!goOn())
            return stopped(name);
    }
    return status;
}

void setOperationHook(std::function<bool()> hook) {
    operationHook() = std::move(hook);
}

} // namespace lendora::journal
