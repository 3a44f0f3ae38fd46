#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class QLockFile;

namespace lendora {

// A copy of the program as the lock of a working folder names it.
struct LockHolder {
    QString user;    // the user's full name, or the login name
    QString machine; // the machine's host name
    qint64 process = 0;
    QDateTime since;  // when the copy took the folder (UTC)
    QString boot;     // the machine's boot id, empty where unknown
    QByteArray token; // tells this taking of the folder from every other one

    // The user, machine, process and boot of the running program.
    static LockHolder thisCopy();
};

// "Anna Lee on OFFICE-PC-7", as messages name a holder; names a lock could
// not tell are said to be unknown.
QString holderName(const LockHolder& holder);
// A time of a lock as messages tell it, in local time: "09:14" today, with
// the date ("2026-03-02 09:14") on other days.
QString lockTime(const QDateTime& time);

// The text of a lock file and back. No value for a file that is damaged or
// only partly written.
QByteArray lockBytes(const LockHolder& holder);
std::optional<LockHolder> parseLock(const QByteArray& bytes);

// What the lock of a folder says.
struct LockState {
    enum class Kind {
        Free,      // no lock: the folder can be taken
        Mine,      // this copy holds the folder
        Held,      // a running copy holds it: on this machine its process runs,
                   // on another machine it gave a sign of life lately
        Gone,      // left by a copy of this machine that no longer runs (or ran
                   // before the machine restarted): taken over at once
        Silent,    // a copy of another machine gave no sign of life for a while
                   // (a crash, a lost network): taken over only when the user agrees
        OlderCopy, // the folder is free, but a copy of an older version works
                   // in it on this machine: it knows only the lock in the
                   // system's temporary folder
        NoLock,    // no lock file can be made (a read-only folder): the copy
                   // works without one, as its writes fail anyway
    };
    Kind kind = Kind::Free;
    // The holder as the lock names it; empty names for a lock that cannot be
    // read, and for an older copy only its process and machine.
    LockHolder holder;
    // The lock's last sign of life: the time of its file.
    QDateTime seen;
    // The lock file's bytes: a lock is taken over only while it still holds
    // the bytes that were judged.
    QByteArray bytes;
};

// The lock of a working folder: the file ".lendora.lock" in the folder,
// which every machine that works in the folder sees. It names the copy that
// holds the folder and is always written whole (a temporary file beside it,
// then linked or renamed into place), so no copy ever reads half a lock. The
// holder touches the file now and then as a sign of life. Beside it, the
// lock that older versions keep in the system's temporary folder is taken
// too, so that an older copy on this machine keeps out of the folder and a
// new copy keeps out of a folder an older one works in.
class FolderLock {
public:
    // How often the holder gives a sign of life, and how long a copy of
    // another machine may be silent before its lock may be taken over.
    static constexpr std::chrono::seconds touchInterval{60};
    static constexpr std::chrono::seconds silenceLimit{300};

    FolderLock(QString folderPath, LockHolder me);
    // Releases the lock when this copy still holds it.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // The lock file's name in the folder.
    static QString fileName();
    // The path of the lock older versions keep in the system's temporary
    // folder, named after the folder's path ("lendora-<hash>.lock").
    static QString legacyPath(const QString& folderPath);

    // What the lock says now. When this copy held the lock and the file no
    // longer names it, the lock counts as lost.
    LockState state();
    // Takes the lock when it is free or gone. Returns the state found
    // afterwards: Mine when taken.
    LockState take();
    // Takes the lock from the holder `judged` named (a silent copy, after
    // the user agreed), unless the file changed meanwhile.
    LockState takeOver(const LockState& judged);
    // Gives a sign of life when this copy still holds the lock.
    LockState touch();
    // Removes the lock when it still names this copy.
    void release();

    bool held() const { return held_; }
    // This copy as its lock names it (the time and token of the last taking).
    const LockHolder& me() const { return me_; }

private:
    enum class Made { Made, Exists, Failed };
    QString path() const;
    LockState judge(const QByteArray& bytes, const QDateTime& seen) const;
    // Makes the lock file whole, only where none is.
    Made create();
    // Moves the judged lock out of the way; false when the file no longer
    // holds what was judged.
    bool moveAside(const QByteArray& judged);
    // Takes the lock of the older versions (for a copy of this machine);
    // false when an older copy holds it.
    bool takeLegacy(LockState& state);

    QString folderPath_;
    LockHolder me_;
    bool held_ = false;
    std::unique_ptr<QLockFile> legacy_;
};

} // namespace lendora
