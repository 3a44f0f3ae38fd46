#include "storage/folder_changes.h"
#include "storage/save_journal.h"

#include "support/journal_seam.h"
#include "support/workspace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace lendora;
using namespace lendora::test;

namespace {

using Steps = std::vector<std::pair<QString, QString>>;

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

// A journal is carried out only when every line is one the program writes:
// each altered journal below keeps a true checksum and is dropped whole, the
// save undone. The unaltered lines are carried out (the control case).
TEST(SaveJournal, AJournalWithALineTheProgramNeverWritesIsDropped) {
    const QByteArray header = "Lendora save journal 1\n";
    const QByteArray steps = "replace\tA.lnd.lendora-new\tA.lnd\n"
                             "replace\tb.lnd.lendora-new\tb.lnd\n"
                             "remove\tc.lnd\n";
    auto sealed = [](const QByteArray& body, const QByteArray& count) {
        const QByteArray sum = QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex();
        return body + "end\t" + count + '\t' + sum.left(16) + '\n';
    };
    ASSERT_EQ(sealed(header + steps, "3"), journal) << "the control is the program's own journal";
    const std::pair<const char*, QByteArray> altered[] = {
        {"another version", sealed("Lendora save journal 2\n" + steps, "3")},
        {"one step too many counted", sealed(header + steps, "4")},
        {"one step too few counted", sealed(header + steps, "2")},
        {"an end line with a field more", sealed(header + steps, "3\tx")},
        {"an end word of another case",
         QByteArray(sealed(header + steps, "3")).replace("end\t", "End\t")},
        {"a checksum of other bytes",
         sealed(header + steps + "remove\td.lnd\n", "3").replace("remove\td.lnd\n", "")},
        {"no line end after the end", sealed(header + steps, "3").chopped(1)},
        {"a temporary of another target",
         sealed(header + "replace\tx.lendora-new\tA.lnd\n" + steps, "4")},
        {"a replace without its temporary", sealed(header + "replace\tA.lnd\n" + steps, "4")},
        {"a replace with a field more",
         sealed(header + "replace\tA.lnd.lendora-new\tA.lnd\tx\n" + steps, "4")},
        {"a remove with a field more", sealed(header + "remove\tc.lnd\tx\n" + steps, "4")},
        {"an unknown step", sealed(header + "rename\tc.lnd\n" + steps, "4")},
        {"a name in another folder", sealed(header + "remove\tsub/c.lnd\n" + steps, "4")},
        {"the folder itself", sealed(header + "remove\t.\n" + steps, "4")},
        {"the folder above", sealed(header + "remove\t..\n" + steps, "4")},
        {"an empty name", sealed(header + "remove\t\n" + steps, "4")},
        {"an empty line", sealed(header + "\n" + steps, "4")},
    };
    for (const auto& [what, bytes] : altered) {
        TempWorkspace ws;
        interruptedSave(ws, bytes);
        EXPECT_TRUE(journal::recover(RecordFolder(ws.path())).ok()) << what;
        EXPECT_EQ(filesOf(ws.path()), before) << what;
    }
}

// The program's temporaries are the names with its suffix after at least
// one letter of the target's name.
TEST(SaveJournal, OnlyANameBeforeTheSuffixMakesATemporary) {
    EXPECT_TRUE(journal::isTemporaryName("a.lendora-new"));
    EXPECT_TRUE(journal::isTemporaryName("Prj.lnd.lendora-new"));
    EXPECT_FALSE(journal::isTemporaryName(".lendora-new"));
    EXPECT_FALSE(journal::isTemporaryName("Prj.lnd.lendora-new.bak"));
    EXPECT_FALSE(journal::isTemporaryName("Prj.lnd.LENDORA-NEW"));
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

// Only the journal's own suffix marks a leftover: a user's copies, whatever
// they look like, stay; a link with the suffix goes, what it points to stays.
TEST(SaveJournal, RecoveryRemovesOnlyTheProgramsTemporaryFiles) {
    TempWorkspace ws;
    QTemporaryDir elsewhere;
    const QString outside = QDir(elsewhere.path()).filePath("mine.lnd");
    writeFiles(elsewhere.path(), {{"mine.lnd", "outside"}});
    const Files kept = {{"Prj.lnd", "p"},           {"Prj.lnd.bak", "b"},
                        {"Prj.lnd.backup", "u"},    {"ta.lnd.2024Q1", "q"},
                        {"Prj.lnd.Ab12Cd", "c"},    {"PPTB.LND.x9Y8z7", ""},
                        {"report.csv.Ab12Cd", "r"}, {"lendora-new", "n"},
                        {".lendora-new", "d"},      {"ta.lnd", "t"}};
    writeFiles(ws.path(), kept);
    writeFiles(ws.path(), {{"ta.lnd.lendora-new", "left by a killed save"},
                           {"report.csv.lendora-new", "left by a killed export"}});
    ASSERT_TRUE(QFile::link(outside, ws.filePath("Prj.lnd.lendora-new")));
    ASSERT_TRUE(QDir(ws.path()).mkdir("1_0ff.lnd.lendora-new"));
    ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
    EXPECT_EQ(filesOf(ws.path()), kept);
    EXPECT_FALSE(QFileInfo(ws.filePath("Prj.lnd.lendora-new")).isSymLink());
    EXPECT_TRUE(QFileInfo(ws.filePath("1_0ff.lnd.lendora-new")).isDir()) << "a folder stays";
    EXPECT_EQ(filesOf(elsewhere.path()), Files({{"mine.lnd", "outside"}}));
}

// A complete journal that cannot be carried out as written: recovery fails
// before any step, names what is in the way, and leaves every file and the
// journal as they were; once that is moved away, the save is finished.
TEST(SaveJournal, AJournalOntoSomethingButItsOwnFilesIsNotCarriedOut) {
    QTemporaryDir elsewhere;
    writeFiles(elsewhere.path(), {{"mine.lnd", "outside"}});
    const QString outside = QDir(elsewhere.path()).filePath("mine.lnd");
    struct Case {
        const char* what;
        const char* name; // what is in the way
        std::function<bool(const QString& path)> make;
    };
    const Case cases[] = {
        {"a temporary file that is a link", "A.lnd.lendora-new",
         [&](const QString& path) { return QFile::link(outside, path); }},
        {"a temporary file with a second name", "A.lnd.lendora-new",
         [](const QString& path) {
             const QString mine = QFileInfo(path).dir().filePath("mine.txt");
             writeFiles(QFileInfo(path).path(), {{"mine.txt", "mine"}});
             return ::link(QFile::encodeName(mine), QFile::encodeName(path)) == 0;
         }},
        {"a temporary file that is a folder", "b.lnd.lendora-new",
         [](const QString& path) { return QDir().mkdir(path); }},
        {"a target that is a folder", "b.lnd",
         [](const QString& path) { return QDir().mkdir(path); }},
        {"a removed file that is a folder", "c.lnd",
         [](const QString& path) { return QDir().mkdir(path); }},
        {"a target that is a pipe", "b.lnd",
         [](const QString& path) { return ::mkfifo(QFile::encodeName(path), 0600) == 0; }},
        {"a journal that is a folder", "lendora.journal",
         [](const QString& path) { return QDir().mkdir(path); }},
        {"a journal that is a link", "lendora.journal",
         [&](const QString& path) {
             writeFiles(QFileInfo(outside).path(), {{"journal", journal}});
             return QFile::link(QFileInfo(outside).path() + "/journal", path);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempWorkspace ws;
        interruptedSave(ws, journal);
        QFile::remove(ws.filePath(c.name));
        ASSERT_TRUE(c.make(ws.filePath(c.name)));
        const auto entries =
            QDir(ws.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        const Files files = filesOf(ws.path());
        const WriteStatus status = journal::recover(RecordFolder(ws.path()));
        EXPECT_EQ(status.fileName, c.name);
        EXPECT_FALSE(status.reason.isEmpty());
        EXPECT_EQ(filesOf(ws.path()), files);
        EXPECT_EQ(QDir(ws.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                  entries);
        EXPECT_EQ(filesOf(elsewhere.path()).at("mine.lnd"), "outside");
        // A save in the meantime is refused for the same reason.
        EXPECT_EQ(journal::commit(RecordFolder(ws.path()), {{"d.lnd", QByteArray("d")}}).fileName,
                  c.name);
        EXPECT_FALSE(ws.exists("d.lnd"));

        QFile::remove(ws.filePath(c.name)) || QDir(ws.filePath(c.name)).removeRecursively();
        ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
        EXPECT_FALSE(ws.exists(journal::fileName()));
    }
}

// No save writes a journal longer than the limit: one just longer is
// damaged and dropped unread (the save is undone), one of the limit is
// carried out, and one of a gigabyte costs no time.
TEST(SaveJournal, AJournalLongerThanAnySaveWritesIsDroppedUnread) {
    const auto padded = [](qint64 size) {
        // Removals of files that are not there pad the journal to the size.
        Steps steps = {
            {"A.lnd.lendora-new", "A.lnd"}, {"b.lnd.lendora-new", "b.lnd"}, {QString(), "c.lnd"}};
        const QString pad(240, 'x');
        qint64 length = journal::journalBytes(steps).size();
        for (int i = 0; length + 300 < size; ++i) {
            steps.emplace_back(QString(), pad + QString::number(i));
            length += 8 + pad.size() + QString::number(i).size();
        }
        QByteArray bytes = journal::journalBytes(steps);
        // The last removal's name takes up what is left.
        steps.back().second += QString(size - bytes.size(), 'y');
        bytes = journal::journalBytes(steps);
        EXPECT_EQ(bytes.size(), size);
        return bytes;
    };
    for (const qint64 size : {journal::longestJournal, journal::longestJournal + 1}) {
        TempWorkspace ws;
        interruptedSave(ws, padded(size));
        ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
        EXPECT_EQ(filesOf(ws.path()), size > journal::longestJournal ? before : after) << size;
    }
    TempWorkspace ws;
    interruptedSave(ws, journal);
    QFile huge(ws.filePath(journal::fileName()));
    ASSERT_TRUE(huge.resize(qint64(1) << 30)); // sparse: nothing is written
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_EQ(filesOf(ws.path()), before);
}

// A save whose journal would be longer than that is refused before it
// writes anything.
TEST(SaveJournal, ASaveThatWouldNeedALongerJournalIsRefused) {
    TempWorkspace ws;
    writeFiles(ws.path(), before);
    journal::FinalFiles files = {{"A.lnd", QByteArray("new a")}};
    const qint64 names = journal::longestJournal / 200000 + 2;
    for (qint64 i = 0; i < names; ++i)
        files.emplace_back(QString(100000, QChar(u'a' + int(i % 26))) + QString::number(i),
                           QByteArray("x"));
    EXPECT_EQ(journal::commit(RecordFolder(ws.path()), files).fileName, journal::fileName());
    EXPECT_EQ(filesOf(ws.path()), before);
}

// A link planted at a temporary file's name is replaced, never written
// through, by a save and by a file replaced alone (an export).
TEST(SaveJournal, ASaveNeverWritesThroughALinkAtItsTemporaryName) {
    TempWorkspace ws;
    QTemporaryDir elsewhere;
    writeFiles(elsewhere.path(), {{"mine.lnd", "outside"}});
    const QString outside = QDir(elsewhere.path()).filePath("mine.lnd");
    writeFiles(ws.path(), before);
    ASSERT_TRUE(QFile::link(outside, ws.filePath("A.lnd.lendora-new")));
    ASSERT_TRUE(QFile::link(outside, ws.filePath("report.csv.lendora-new")));
    FolderChanges changes;
    changes.write("A.lnd", "new a");
    ASSERT_TRUE(applyChanges(RecordFolder(ws.path()), changes).ok());
    ASSERT_TRUE(RecordFolder(ws.path()).writeBytes("report.csv", "exported").ok());
    EXPECT_EQ(ws.read("A.lnd"), "new a");
    EXPECT_EQ(ws.read("report.csv"), "exported");
    EXPECT_FALSE(QFileInfo(ws.filePath("A.lnd")).isSymLink());
    EXPECT_EQ(filesOf(elsewhere.path()), Files({{"mine.lnd", "outside"}}));
}

// A file replaced alone (an export into the working folder) that is killed
// halfway leaves only a temporary file of the program's own, which the next
// start removes; the old file stays as it was.
TEST(SaveJournal, AnExportKilledHalfwayLeavesOnlyAFileTheNextStartRemoves) {
    TempWorkspace ws;
    writeFiles(ws.path(), {{"report.csv", "old"}, {"Prj.lnd", "p"}});
    {
        StopAfter stop(1);
        EXPECT_FALSE(RecordFolder(ws.path()).writeBytes("report.csv", "new report").ok());
    }
    EXPECT_EQ(
        filesOf(ws.path()),
        Files({{"Prj.lnd", "p"}, {"report.csv", "old"}, {"report.csv.lendora-new", "new r"}}));
    ASSERT_TRUE(journal::recover(RecordFolder(ws.path())).ok());
    EXPECT_EQ(filesOf(ws.path()), Files({{"Prj.lnd", "p"}, {"report.csv", "old"}}));
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
