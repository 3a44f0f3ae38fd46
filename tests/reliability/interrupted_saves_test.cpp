#include "support/journal_scenario.h"

#include "shell/ui/main_window.h"
#include "storage/folder_lock.h"
#include "storage/save_journal.h"
#include "widgets/grid_view.h"
#include "widgets/messages.h"
#include "workspace/plan_files.h"

#include "support/feature_texts.h"
#include "support/message_boxes.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <array>
#include <random>

using namespace lendora;
using namespace lendora::test;

namespace {

std::array<int, 3> counts(const Workspace& w) {
    return {w.projectCount(), w.audienceCount(), w.planCount()};
}

// The tables of the All Projects window show the records of the folder.
void expectTablesShow(const std::array<int, 3>& expected) {
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    const char* tables[] = {"MSFG_Projects", "MSFG_TargetAudience", "MSFG_ProjectPlans"};
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(find<ui::GridView>(tables[t], mother)->model()->rowCount(), expected[t] + 1)
            << tables[t];
    closeProgram();
}

// Every save that writes several files, stopped after each of its file
// operations in turn: on reopening, every file is from one side of the save,
// the old until the save's journal is complete and the new from then on.
TEST(InterruptedSaves, EverySaveStoppedAtAnyFileOperationIsWholeOrAbsentOnReopening) {
    for (const MultiFileSave& save : multiFileSaves()) {
        SCOPED_TRACE(save.name);
        const Files before = filesBefore();
        Files after;
        int operations = 0;
        std::array<int, 3> countsBefore{}, countsAfter{};
        {
            TempWorkspace ws;
            writeFiles(ws.path(), before);
            {
                auto workspace = openFolder(ws.path());
                countsBefore = counts(*workspace);
                StopAfter counter;
                ASSERT_TRUE(save.save(*workspace).ok());
                operations = counter.count();
            }
            after = filesOf(ws.path());
            countsAfter = counts(*openFolder(ws.path()));
        }
        ASSERT_NE(after, before);
        ASSERT_GT(operations, 6);
        int firstNew = 0;
        for (int k = 1; k <= operations; ++k) {
            TempWorkspace ws;
            writeFiles(ws.path(), before);
            {
                auto workspace = openFolder(ws.path());
                StopAfter stop(k);
                EXPECT_FALSE(save.save(*workspace).ok());
            }
            const std::array<int, 3> loaded = counts(*openFolder(ws.path()));
            const Files now = filesOf(ws.path());
            if (now == after && !firstNew)
                firstNew = k;
            EXPECT_EQ(now, firstNew ? after : before) << "stopped after operation " << k;
            EXPECT_EQ(loaded, firstNew ? countsAfter : countsBefore);
            if (k == 1 || k == firstNew)
                expectTablesShow(loaded);
        }
        EXPECT_GT(firstNew, 1);
    }
}

// A second copy on a taken folder says who holds it and opens read-only: it
// writes nothing, and its saves say why. Older versions find the folder
// taken too: their lock in the temporary folder is held beside the new one.
TEST(InterruptedSaves, ASecondCopyOnATakenFolderWritesNothing) {
    TempWorkspace ws;
    writeFiles(ws.path(), filesBefore());
    Workspace first{RecordFolder(ws.path()), copyNamed("Anna Lee", "-")};
    ASSERT_TRUE(first.takeFolder());
    EXPECT_TRUE(ws.exists(FolderLock::fileName()));
    // Every version of the program must find the same lock of a folder.
    const QByteArray hash = QCryptographicHash::hash(QDir(ws.path()).canonicalPath().toUtf8(),
                                                     QCryptographicHash::Sha1);
    EXPECT_TRUE(QFile::exists(QDir::tempPath() + "/lendora-" + hash.toHex().left(16) + ".lock"));
    MessageBoxes boxes;
    {
        MainWindow second(ws.path());
        const QStringList texts = boxes.take();
        ASSERT_EQ(texts.size(), 1);
        const LockHolder anna = first.folderLock().holder;
        EXPECT_EQ(texts[0], '"' + QDir::toNativeSeparators(ws.path()) +
                                "\" is open in Lendora for Anna Lee on " + anna.machine +
                                " since " + lockTime(anna.since) + ". It opens read-only.");
        EXPECT_TRUE(second.workspace().readOnly());
        EXPECT_EQ(second.workspace().planCount(), 3);
        const WriteStatus status = saveVersion(second.workspace(), 1);
        EXPECT_TRUE(status.message().contains("read-only")) << status.message().toStdString();
        EXPECT_TRUE(status.message().contains("Anna Lee on " + anna.machine));
    }
    EXPECT_EQ(filesOf(ws.path()), filesBefore());
}

// A complete journal that cannot be finished: the start says what stands
// in the way and what to do, the program shows the folder, every save is
// refused for that reason, and once the user has moved it away the next
// save finishes the interrupted one first.
TEST(InterruptedSaves, AJournalThatCannotBeFinishedIsToldAtStart) {
    QTemporaryDir elsewhere;
    writeFiles(elsewhere.path(), {{"ta.lnd", "outside"}});
    for (const QStringList& row : dataRows("reliability/unfinished_saves.tsv")) {
        SCOPED_TRACE(qPrintable(row[0]));
        TempWorkspace ws;
        writeFiles(ws.path(), filesBefore());
        writeFiles(ws.path(), {{"ta.lnd.lendora-new", "1,\"Retired\",\"0\"\r\n"}});
        ws.write(journal::fileName(), journal::journalBytes({{"ta.lnd.lendora-new", "ta.lnd"},
                                                             {QString(), "2_0ff.lnd"}}));
        const QString inTheWay = ws.filePath(row[1]);
        QFile::remove(inTheWay);
        ASSERT_TRUE(row[1] == "ta.lnd.lendora-new"
                        ? QFile::link(QDir(elsewhere.path()).filePath("ta.lnd"), inTheWay)
                        : QDir().mkdir(inTheWay));
        const Files files = filesOf(ws.path());
        MessageBoxes boxes;
        MainWindow* mother = startProgram();
        ASSERT_NE(mother, nullptr);
        EXPECT_EQ(boxes.take(), QStringList({row[2]}));
        EXPECT_EQ(mother->workspace().planCount(), 3);
        const WriteStatus refused = saveVersion(mother->workspace(), 1);
        EXPECT_EQ(refused.fileName, row[1]);
        EXPECT_EQ(filesOf(ws.path()), files);

        QFile::remove(inTheWay) || QDir(inTheWay).removeRecursively();
        EXPECT_TRUE(saveVersion(mother->workspace(), 1).ok());
        closeProgram();
        EXPECT_FALSE(ws.exists(journal::fileName()));
        EXPECT_EQ(filesOf(elsewhere.path()), Files({{"ta.lnd", "outside"}}));
    }
}

// Real kills of a process that saves over and over: after the restart (which
// takes over the killed copy's lock), each save is whole or absent.
TEST(InterruptedSaves, KilledWhileSavingEachSaveIsWholeOrAbsent) {
    std::array<Files, 2> versions;
    {
        TempWorkspace reference;
        writeFiles(reference.path(), filesBefore());
        auto workspace = openFolder(reference.path());
        for (int v = 0; v < 2; ++v) {
            ASSERT_TRUE(saveVersion(*workspace, v).ok());
            versions[size_t(v)] = filesOf(reference.path());
        }
    }
    const std::vector<QStringList> groups = {
        {"ta.lnd", "1-segFile.lnd"}, planfiles::analysisFiles(3), {planfiles::businessCaseFile(3)}};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(0, 30000); // microseconds
    int interrupted = 0;
    for (int run = 0; run < 30; ++run) {
        SCOPED_TRACE(run);
        TempWorkspace ws;
        writeFiles(ws.path(), filesBefore());
        QProcess writer;
        writer.start(QStringLiteral(LENDORA_SAVE_WRITER), {ws.path()});
        ASSERT_TRUE(writer.waitForReadyRead(20000)) << "the writer never finished a round";
        EXPECT_FALSE(Workspace(RecordFolder(ws.path())).takeFolder());
        QThread::usleep(unsigned(delay(random)));
        writer.kill();
        writer.waitForFinished();
        interrupted += filesOf(ws.path()).size() > versions[0].size();
        openFolder(ws.path());
        Files now = filesOf(ws.path());
        ASSERT_EQ(now.size(), versions[0].size()) << "a temporary file or the journal is left";
        for (const QStringList& group : groups) {
            const size_t side = now[group[0]] == versions[1][group[0]];
            for (const QString& name : group) {
                EXPECT_EQ(now[name], versions[side][name]) << qPrintable(name);
                now[name] = versions[0][name];
            }
        }
        EXPECT_EQ(now, versions[0]) << "a file from neither side, or a save in part";
    }
    EXPECT_GT(interrupted, 0) << "no kill landed inside a save";
}

} // namespace
