#include "storage/folder_lock.h"

#include "support/golden.h"
#include "support/workspace.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace lendora;
using namespace lendora::test;

namespace {

using Kind = LockState::Kind;

LockHolder holder(const QString& user, const QString& machine, qint64 process,
                  const QString& boot) {
    LockHolder h;
    h.user = user;
    h.machine = machine;
    h.process = process;
    h.since = QDateTime(QDate(2026, 3, 2), QTime(9, 14, 5, 120), Qt::UTC);
    h.boot = boot;
    h.token = "9c1e5a0b7d3f4e21";
    return h;
}

// This test's copy: machine "this-pc", boot "boot-a".
LockHolder me() {
    return holder("Tester", "this-pc", QCoreApplication::applicationPid(), "boot-a");
}

// A process number that no longer runs.
qint64 endedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// Other versions and other machines read this text: it stays as it is.
TEST(FolderLock, TheLockTextNamesTheHolderAndReadsBackWhole) {
    const LockHolder anna =
        holder("Anna Lee", "OFFICE-PC-7", 4242, "5b1f0c3e-aa10-4d6c-9e07-2f1a7c0d9b11");
    const QByteArray bytes = lockBytes(anna);
    EXPECT_EQ(visible(bytes), visible(readFile(dataFolder("storage/folder.lock"))));
    const std::optional<LockHolder> back = parseLock(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->user, anna.user);
    EXPECT_EQ(back->machine, anna.machine);
    EXPECT_EQ(back->process, anna.process);
    EXPECT_EQ(back->since, anna.since);
    EXPECT_EQ(back->boot, anna.boot);
    EXPECT_EQ(back->token, anna.token);
    // A lock cut anywhere (written by halves) names no one.
    for (qsizetype n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(parseLock(bytes.left(n))) << "cut after " << n << " bytes";
    // A name cannot break the lock's lines.
    LockHolder odd = anna;
    odd.user = "Anna\tLee\nend\n";
    ASSERT_TRUE(parseLock(lockBytes(odd)));
    EXPECT_EQ(parseLock(lockBytes(odd))->user, "Anna Lee end ");
    // Lines a later version adds are passed over, even one without a key;
    // a line without a tab is no lock.
    QByteArray later = bytes;
    later.insert(later.indexOf("\nuser\t") + 1, "colour\tblue\n\tnameless\n");
    ASSERT_TRUE(parseLock(later));
    EXPECT_EQ(parseLock(later)->token, anna.token);
    later.replace("colour\tblue", "colour blue");
    EXPECT_FALSE(parseLock(later));
}

// What a copy makes of the lock it finds, and whether take() takes it: only a
// free folder and a lock of a copy of this machine that is gone.
TEST(FolderLock, ACopyTakesOnlyAFreeFolderOrTheLockOfACopyOfThisMachineThatIsGone) {
    const qint64 running = QCoreApplication::applicationPid();
    const qint64 ended = endedProcess();
    struct Case {
        const char* what;
        std::optional<QByteArray> lock; // no lock file at all without one
        int age;                        // seconds since the lock's last sign of life
        Kind found;
    };
    const Case cases[] = {
        {"no lock", std::nullopt, 0, Kind::Free},
        {"this machine, running", lockBytes(holder("Anna", "THIS-PC", running, "boot-a")), 3600,
         Kind::Held},
        {"this machine, ended", lockBytes(holder("Anna", "this-pc", ended, "boot-a")), 0,
         Kind::Gone},
        {"this machine, restarted since", lockBytes(holder("Anna", "this-pc", running, "boot-b")),
         0, Kind::Gone},
        {"another machine, touched lately",
         lockBytes(holder("Anna", "OFFICE-PC-7", ended, "boot-b")), 120, Kind::Held},
        {"another machine, silent", lockBytes(holder("Anna", "OFFICE-PC-7", running, "boot-a")),
         400, Kind::Silent},
        {"unreadable, just made", QByteArray("Lendora folder lock 1\nuser\tAn"), 2, Kind::Held},
        {"unreadable, old", QByteArray(), 60, Kind::Silent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempWorkspace ws;
        if (c.lock) {
            ws.write(FolderLock::fileName(), *c.lock);
            ageFile(ws.filePath(FolderLock::fileName()), c.age);
        }
        FolderLock lock(ws.path(), me());
        const LockState found = lock.state();
        EXPECT_EQ(found.kind, c.found);
        const LockState after = lock.take();
        const bool takes = c.found == Kind::Free || c.found == Kind::Gone;
        EXPECT_EQ(after.kind, takes ? Kind::Mine : c.found);
        EXPECT_EQ(lock.held(), takes);
        if (takes)
            EXPECT_EQ(parseLock(ws.read(FolderLock::fileName()))->token, lock.me().token);
        else
            EXPECT_EQ(ws.read(FolderLock::fileName()), c.lock.value_or(QByteArray()));
        lock.release();
        EXPECT_EQ(ws.exists(FolderLock::fileName()), !takes);
        EXPECT_EQ(ws.files(), QStringList()) << "no temporary file is left";
    }
}

// A silent lock is taken over only as it was judged: a copy that took the
// folder meanwhile keeps it, and a copy whose lock was taken over never
// removes the new one.
TEST(FolderLock, ATakeOverTakesOnlyTheLockJudgedAndAReleaseOnlyItsOwn) {
    TempWorkspace ws;
    ws.write(FolderLock::fileName(), lockBytes(holder("Anna", "OFFICE-PC-7", 4242, "x")));
    ageFile(ws.filePath(FolderLock::fileName()), 400);
    FolderLock mine(ws.path(), me());
    const LockState silent = mine.take();
    ASSERT_EQ(silent.kind, Kind::Silent);
    const QByteArray bob = lockBytes(holder("Bob", "PC-B", 77, "y"));
    ws.write(FolderLock::fileName(), bob);
    EXPECT_EQ(mine.takeOver(silent).kind, Kind::Held);
    EXPECT_EQ(ws.read(FolderLock::fileName()), bob);

    const LockState held = mine.state();
    const LockState taken = mine.takeOver(held);
    ASSERT_EQ(taken.kind, Kind::Mine);
    EXPECT_EQ(taken.holder.user, "Tester");
    // Another machine takes the folder over from this copy.
    const QByteArray carl = lockBytes(holder("Carl", "PC-C", 88, "z"));
    ws.write(FolderLock::fileName(), carl);
    EXPECT_EQ(mine.state().kind, Kind::Held);
    EXPECT_FALSE(mine.held());
    mine.release();
    EXPECT_EQ(ws.read(FolderLock::fileName()), carl);
    EXPECT_EQ(ws.files(), QStringList());
}

// An older version knows only the lock in the temporary folder: a new copy
// keeps out of a folder it works in, and takes that lock too, keeping it out.
TEST(FolderLock, AnOlderVersionAndANewOneKeepEachOtherOut) {
    TempWorkspace ws;
    LockHolder here = me();
    here.machine = QSysInfo::machineHostName();
    {
        QLockFile older(FolderLock::legacyPath(ws.path()));
        ASSERT_TRUE(older.tryLock(0));
        FolderLock lock(ws.path(), here);
        const LockState found = lock.take();
        EXPECT_EQ(found.kind, Kind::OlderCopy);
        EXPECT_EQ(found.holder.process, QCoreApplication::applicationPid());
        EXPECT_FALSE(lock.held());
        EXPECT_FALSE(ws.exists(FolderLock::fileName())) << "the new lock is taken back";
    }
    FolderLock lock(ws.path(), here);
    ASSERT_EQ(lock.take().kind, Kind::Mine);
    QLockFile older(FolderLock::legacyPath(ws.path()));
    EXPECT_FALSE(older.tryLock(0));
    lock.release();
    EXPECT_TRUE(older.tryLock(0));
}

// A folder that cannot hold a lock (read-only) is not kept from anyone.
TEST(FolderLock, AFolderThatCannotHoldALockIsOpenedWithoutOne) {
    TempWorkspace ws;
    ASSERT_TRUE(ws.setReadOnly(true));
    FolderLock lock(ws.path(), me());
    EXPECT_EQ(lock.take().kind, Kind::NoLock);
    EXPECT_FALSE(lock.held());
}

} // namespace
