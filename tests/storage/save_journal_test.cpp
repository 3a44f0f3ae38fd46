#include "storage/folder_changes.h"
#include "storage/save_journal.h"

#include "support/journal_seam.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

// A save interrupted with its journal complete: "A.lnd" replaced (in the
// letter case found on disk), "b.lnd" created, "c.lnd" removed.
const Files before = {{"A.lnd", "old a"}, {"c.lnd", "old c"}, {"notes.txt", "mine"}};
const Files after = {{"A.lnd", "new a"}, {"b.lnd", "new b"}, {"notes.txt", "mine"}};
const QByteArray journal = journal::journalBytes(
    {{"A.lnd.lendora-new", "A.lnd"}, {"b.lnd.lendora-new", "b.lnd"}, {QString(), "c.lnd"}});

void interruptedSave(const TempWorkspace& ws, const QByteArray& journalBytes) {
    writeFiles(ws.path(), before);
    writeFiles(ws.path(), {{"A.lnd.lendora-new", "new a"}, {"b.lnd.lendora-new", "new b"}});
    ws.write(journal::fileName(), journalBytes);
}

TEST(SaveJournal, AJournalCutAtAnyByteRollsTheSaveBack) {
    for (qsizetype size = 0; size < journal.size(); ++size) {
        TempWorkspace ws;
        interruptedSave(ws, journal.left(size));
        ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
        ASSERT_EQ(filesOf(ws.path()), before) << "journal cut after " << size << " bytes";
    }
}

// A recovery killed after any of its operations and run again ends where an
// uninterrupted one does; once more changes nothing.
TEST(SaveJournal, ACompleteJournalIsCarriedOutOnceHoweverOftenRecoveryRuns) {
    int operations = 0;
    {
        TempWorkspace ws;
        interruptedSave(ws, journal);
        StopAfter counter;
        ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
        EXPECT_EQ(filesOf(ws.path()), after);
        operations = counter.count();
    }
    for (int k = 1; k <= operations; ++k) {
        TempWorkspace ws;
        interruptedSave(ws, journal);
        {
            StopAfter stop(k);
            (void)journal::recover(RecordFolder(ws.path()));
        }
        ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
        ASSERT_EQ(filesOf(ws.path()), after) << "recovery stopped after operation " << k;
        ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
        ASSERT_EQ(filesOf(ws.path()), after);
    }
}

TEST(SaveJournal, RecoveryRemovesOnlyTheProgramsTemporaryFiles) {
    TempWorkspace ws;
    const Files kept = {{"Prj.lnd", "p"},         {"Prj.lnd.bak", "b"}, {"report.csv.Ab12Cd", "r"},
                        {"Prj.lnd.Ab12Cd7", "7"}, {"lendora-new", "n"}, {"ta.lnd", "t"}};
    writeFiles(ws.path(), kept);
    writeFiles(ws.path(), {{"Prj.lnd.Ab12Cd", "left by a killed write"},
                           {"PPTB.LND.x9Y8z7", ""},
                           {"ta.lnd.lendora-new", "left by a killed save"}});
    ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
    EXPECT_EQ(filesOf(ws.path()), kept);
}

// A save that fails before its journal is complete (a full disk) leaves
// every file as it was and no file of its own.
TEST(SaveJournal, AFailedSaveLeavesTheFolderAsItWas) {
    TempWorkspace ws;
    writeFiles(ws.path(), before);
    FolderChanges changes;
    changes.write("A.lnd", "new a");
    changes.move("c.lnd", "b.lnd");
    changes.write("d.lnd", QByteArray(4096, 'd'));
    test::FileSizeLimit limit(1024);
    EXPECT_EQ(applyChanges(RecordFolder(ws.path()), changes).fileName, "d.lnd");
    EXPECT_EQ(filesOf(ws.path()), before);
}

} // namespace
