#include "workspace/workspace.h"

#include "support/journal_scenario.h"
#include "support/workspace.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>

using namespace lendora;
using namespace lendora::test;

namespace {

const Audience rural{"Retired, rural", "2"};
const Audience urban{"Students, urban", "1"};

// Saves the audience under the next number, with a segment file.
WriteStatus addAudience(Workspace& workspace, const Audience& audience) {
    const int n = workspace.nextAudienceNumber();
    workspace.placeAudience(n, audience);
    return workspace.saveAudience(n, {audience.definition});
}

// Replaces a file's bytes and gives it back its time to the nanosecond, as a
// writer on a drive with coarse file times can leave it.
void replaceKeepingTime(const TempWorkspace& ws, const QString& name, const QByteArray& bytes) {
    const QByteArray path = QFile::encodeName(ws.filePath(name));
    struct stat before {};
    ASSERT_EQ(::stat(path.constData(), &before), 0);
    ws.write(name, bytes);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
}

// Another writer changes "ta.lnd" behind this copy's back, in each way a
// copy can tell: a record added (size), the same bytes written again (time),
// other bytes of the same size at the same time (checksum). The save that
// follows is refused and writes nothing; after a reload it goes through and
// keeps what the other writer stored.
TEST(SharedFolder, ARegistryChangedOnDiskIsNeverRewrittenFromMemory) {
    struct Change {
        const char* what;
        std::function<void(const TempWorkspace&)> make;
        QStringList audiencesAfter; // after the reload and this copy's save
    };
    const Change changes[] = {
        {"another copy's audience",
         [](const TempWorkspace& ws) {
             // An older version, which knows no lock in the folder.
             Workspace older{RecordFolder(ws.path())};
             older.load();
             ASSERT_TRUE(addAudience(older, rural).ok());
         },
         {"Salaried home buyers", "Retired, rural", "Students, urban"}},
        {"the same bytes written again",
         [](const TempWorkspace& ws) {
             const QByteArray bytes = ws.read("ta.lnd");
             ws.write("ta.lnd", bytes);
             ageFile(ws.filePath("ta.lnd"), -2);
         },
         {"Salaried home buyers", "Students, urban"}},
        {"other bytes, same size and time",
         [](const TempWorkspace& ws) {
             QByteArray bytes = ws.read("ta.lnd");
             bytes.replace("Salaried", "Salaryed");
             replaceKeepingTime(ws, "ta.lnd", bytes);
         },
         {"Salaryed home buyers", "Students, urban"}},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        TempWorkspace ws;
        writeFiles(ws.path(), filesBefore());
        Workspace mine{RecordFolder(ws.path()), copyNamed("Anna Lee", "PC-A")};
        ASSERT_TRUE(mine.takeFolder());
        mine.load();
        change.make(ws);
        const Files changed = filesOf(ws.path());

        const WriteStatus refused = addAudience(mine, urban);
        EXPECT_EQ(refused.message().toStdString(),
                  "Could not save \"ta.lnd\": \"ta.lnd\" was changed on disk by another copy of "
                  "Lendora since this copy read it; choose Go > Reload Folder, then save again");
        EXPECT_EQ(filesOf(ws.path()), changed) << "nothing is written";

        mine.reload();
        ASSERT_TRUE(addAudience(mine, urban).ok());
        Workspace reread{RecordFolder(ws.path())};
        reread.load();
        QStringList audiences;
        for (int n = 1; n <= reread.audienceCount(); ++n)
            audiences << reread.audience(n)->definition;
        EXPECT_EQ(audiences, change.audiencesAfter);
        EXPECT_TRUE(addAudience(mine, rural).ok()) << "a copy's own saves never stop the next";
    }
}

// A copy of another machine took the folder over from this one (after its
// user agreed): this copy's next save is refused, names the new holder and
// writes nothing; this copy is read-only from then on.
TEST(SharedFolder, ASaveAfterTheFolderWasTakenOverIsRefusedAndNamesTheNewHolder) {
    TempWorkspace ws;
    writeFiles(ws.path(), filesBefore());
    Workspace anna{RecordFolder(ws.path()), copyNamed("Anna Lee", "PC-A")};
    ASSERT_TRUE(anna.takeFolder());
    anna.load();
    QSignalSpy lost(&anna, &Workspace::folderLost);

    Workspace bob{RecordFolder(ws.path()), copyNamed("Bob Stone", "PC-B")};
    ASSERT_FALSE(bob.takeFolder());
    EXPECT_EQ(bob.folderLock().kind, LockState::Kind::Held);
    EXPECT_FALSE(bob.takeFolderOver()) << "a copy that gives signs of life is not taken over";
    ageFile(ws.filePath(FolderLock::fileName()), 600);
    ASSERT_FALSE(bob.takeFolder());
    ASSERT_EQ(bob.folderLock().kind, LockState::Kind::Silent);
    EXPECT_EQ(bob.folderLock().holder.user, "Anna Lee");
    ASSERT_TRUE(bob.takeFolderOver());
    bob.load();
    // The watch's check notices it before any save.
    EXPECT_EQ(anna.checkFolderLock().kind, LockState::Kind::Held);
    EXPECT_TRUE(anna.readOnly());
    EXPECT_EQ(lost.count(), 1);

    const Files before = filesOf(ws.path());
    const WriteStatus refused = addAudience(anna, urban);
    EXPECT_EQ(refused.message(), "Could not save \"ta.lnd\": Bob Stone on PC-B took the folder "
                                 "over at " +
                                     lockTime(bob.folderLock().holder.since) +
                                     "; this copy is read-only from now on");
    EXPECT_EQ(filesOf(ws.path()), before);
    EXPECT_EQ(lost.count(), 1);
    EXPECT_TRUE(anna.readOnly());
    EXPECT_FALSE(addAudience(anna, urban).ok());
    EXPECT_TRUE(addAudience(bob, rural).ok());
}

// An older version works in the folder on this machine: the copy opens it
// read-only, and its saves say why and write nothing.
TEST(SharedFolder, ASaveWhileAnOlderVersionWorksInTheFolderSaysWhy) {
    TempWorkspace ws;
    writeFiles(ws.path(), filesBefore());
    QLockFile older(FolderLock::legacyPath(ws.path()));
    ASSERT_TRUE(older.tryLock(0));
    Workspace mine{RecordFolder(ws.path()), copyNamed("Anna Lee", "-")};
    ASSERT_FALSE(mine.takeFolder());
    ASSERT_EQ(mine.folderLock().kind, LockState::Kind::OlderCopy);
    mine.setReadOnly();
    mine.load();
    const Files before = filesOf(ws.path());
    EXPECT_EQ(addAudience(mine, urban).message(),
              "Could not save \"ta.lnd\": the folder is open in an older version of Lendora on "
              "this machine; this copy opened it read-only");
    EXPECT_EQ(filesOf(ws.path()), before);
}

// Another copy deletes plan 1, then saves an analysis of the plan that was
// plan 3. After each reload the plans keep their ids (the analysed one too,
// whose flag changed), so the selection stays on its plan, now plan 2. Plans
// 1 and 2 were alike in every respect: the one left takes the first's id.
TEST(SharedFolder, AReloadKeepsThePlansIdsAndTheSelection) {
    TempWorkspace ws;
    writeFiles(ws.path(), filesBefore());
    auto mine = openFolder(ws.path());
    mine->selectProject(1);
    mine->selectAudience(1);
    ASSERT_NE(mine->selectPlan(3), nullptr);
    const PlanId first = mine->plan(1)->id;
    const PlanId third = mine->plan(3)->id;
    Workspace other{RecordFolder(ws.path())}; // an older version: no lock
    other.load();
    std::vector<Workspace::PlanDraft> drafts;
    for (int n : {2, 3})
        drafts.push_back(
            {other.plan(n)->id, 1, other.plan(n)->projectName, 1, other.plan(n)->audienceName});
    ASSERT_TRUE(other.savePlans(drafts).ok());
    EXPECT_TRUE(mine->registriesChanged(false));
    QSignalSpy reloaded(mine.get(), &Workspace::reloaded);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        mine->reload();
        EXPECT_EQ(reloaded.count(), round);
        EXPECT_FALSE(mine->registriesChanged());
        ASSERT_EQ(mine->planCount(), 2);
        EXPECT_EQ(mine->plan(1)->id, first);
        EXPECT_EQ(mine->plan(2)->id, third);
        EXPECT_EQ(mine->plan(2)->analysed, round == 2);
        EXPECT_EQ(mine->selectedPlan(), third);
        EXPECT_EQ(mine->selectedPlanRow(), 2);
        EXPECT_EQ(mine->selectedProjectRow(), 1);
        EXPECT_EQ(mine->selectedAudienceRow(), 1);
        ASSERT_TRUE(other.saveAnalysis(other.plan(2)->id, {}).ok());
    }
}

// Every save is a sign of life of the holder; a lock file that went (removed
// by hand) is taken again by the next save when no other copy took the folder.
TEST(SharedFolder, ASaveTouchesTheLockAndTakesAgainALockThatWent) {
    TempWorkspace ws;
    writeFiles(ws.path(), filesBefore());
    auto mine = openFolder(ws.path());
    const QString lock = ws.filePath(FolderLock::fileName());
    ageFile(lock, 600);
    ASSERT_TRUE(addAudience(*mine, rural).ok());
    EXPECT_LT(QFileInfo(lock).lastModified().secsTo(QDateTime::currentDateTime()), 60);
    ASSERT_TRUE(QFile::remove(lock));
    EXPECT_TRUE(addAudience(*mine, urban).ok());
    ASSERT_TRUE(parseLock(ws.read(FolderLock::fileName())));
    EXPECT_EQ(mine->checkFolderLock().kind, LockState::Kind::Mine);
}

} // namespace
