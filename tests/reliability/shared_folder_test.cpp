#include "support/journal_scenario.h"

#include "analysis/analysis_session.h"
#include "analysis/ui/analysis_window.h"
#include "shell/ui/main_window.h"
#include "storage/folder_lock.h"
#include "widgets/grid_view.h"

#include "road_driver.h"

#include "support/golden.h"
#include "support/message_boxes.h"
#include "support/program.h"
#include "support/wizard_names.h"
#include "support/workspace.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

using namespace lendora;
using namespace lendora::test;

namespace {

// Another copy of the program in the folder, run by tests/reliability/folder_copy.cpp.
class OtherCopy {
public:
    OtherCopy(const QString& folder, const QString& user, const QString& machine,
              const QStringList& more = {}) {
        process_.start(QStringLiteral(LENDORA_FOLDER_COPY),
                       QStringList{folder, user, machine} + more);
    }
    ~OtherCopy() { kill(); }

    // The next line the copy prints.
    QString line() {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(20000))
                return QStringLiteral("(no answer)");
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    QString send(const QByteArray& command) {
        process_.write(command + '\n');
        return line();
    }
    void quit() {
        process_.write("quit\n");
        process_.waitForFinished();
    }
    void kill() {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

// A text of tests/data/reliability/shared/texts.txt with the folder, the
// time Anna's copy took it and its last sign of life put in.
QString text(const QString& key, const QString& folder = {}, const QDateTime& since = {},
             const QDateTime& seen = {}) {
    const QString lines = QString::fromUtf8(readFile(dataFolder("reliability/shared/texts.txt")));
    for (const QString& line : lines.split(u'\n')) {
        if (!line.startsWith(key + u'\t'))
            continue;
        QString found = line.mid(key.size() + 1);
        found.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        return found.replace(QStringLiteral("%1"), QDir::toNativeSeparators(folder))
            .replace(QStringLiteral("%2"), lockTime(since))
            .replace(QStringLiteral("%3"), lockTime(seen));
    }
    ADD_FAILURE() << "no text " << qPrintable(key);
    return {};
}

QDateTime lockSince(const TempWorkspace& ws) {
    const std::optional<LockHolder> holder = parseLock(ws.read(FolderLock::fileName()));
    EXPECT_TRUE(holder) << "the lock names its holder";
    return holder ? holder->since : QDateTime();
}

QString status(MainWindow* mother) {
    auto* label = mother->findChild<QLabel*>(QStringLiteral("lblFolderStatus"));
    return label ? label->text() : QString();
}

ui::GridView* allProjectsTable(MainWindow* mother, int tab, const char* name) {
    QWidget* all = find("frmProjects", mother);
    find<QTabWidget>("SSTab1", all)->setCurrentIndex(tab);
    return find<ui::GridView>(name, all);
}

class SharedFolderCopies : public ::testing::Test {
protected:
    void SetUp() override { writeFiles(ws.path(), filesBefore()); }
    void TearDown() override { closeProgram(); }

    TempWorkspace ws;
    MessageBoxes boxes;
};

// Anna's copy on another machine holds the folder. This copy opens it
// read-only and says so; Anna's saves work, this copy's Save refuses naming
// her; when she quits, this copy offers to take the folder, and then saves.
TEST_F(SharedFolderCopies, TwoCopiesOneWritesTheOtherIsReadOnlyUntilTheFirstQuits) {
    OtherCopy anna(ws.path(), "Anna Lee", "OFFICE-PC-7");
    ASSERT_EQ(anna.line(), "held");
    const QDateTime since = lockSince(ws);
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    EXPECT_EQ(boxes.take(), QStringList{text("read-only", ws.path(), since)});
    EXPECT_TRUE(mother->workspace().readOnly());
    EXPECT_EQ(status(mother), text("read-only status", ws.path(), since));

    EXPECT_EQ(anna.send("save 1"), "saved");
    const Files saved = filesOf(ws.path());
    EXPECT_NE(saved, filesBefore());
    pressShortcut(mother, Qt::Key_F6);
    QPushButton* save = find<QPushButton>("cmdSave", mother->form("frmProjectPlan"));
    click(save);
    EXPECT_EQ(boxes.take(), QStringList{text("refused", ws.path(), since)});
    EXPECT_EQ(filesOf(ws.path()), saved) << "the read-only copy wrote nothing";

    boxes.answerNext(QMessageBox::Yes);
    anna.quit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mother->workspace().readOnly(); }, 5000));
    EXPECT_EQ(boxes.take(), QStringList{text("take free", ws.path())});
    EXPECT_EQ(status(mother), text("held status"));
    EXPECT_EQ(parseLock(ws.read(FolderLock::fileName()))->process,
              QCoreApplication::applicationPid());
    click(save);
    EXPECT_EQ(boxes.take(), QStringList{"Project Plan Saved"});
    EXPECT_EQ(mother->workspace().audience(1)->segments, "2") << "Anna's save was reloaded";
}

// The read-only copy follows Anna's save within a second: the All Projects
// tables and the open Analysis window show what she stored, the selected rows
// stay, and the status line says so. A click in a table looks at once.
TEST_F(SharedFolderCopies, AReadOnlyCopyReloadsWithinASecondOfTheHoldersSave) {
    OtherCopy anna(ws.path(), "Anna Lee", "OFFICE-PC-7");
    ASSERT_EQ(anna.line(), "held");
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    ui::GridView* projects = allProjectsTable(mother, 0, "MSFG_Projects");
    clickRow(projects, 1);
    ui::GridView* audiences = allProjectsTable(mother, 1, "MSFG_TargetAudience");
    clickRow(audiences, 1);
    ui::GridView* plans = allProjectsTable(mother, 2, "MSFG_ProjectPlans");
    clickRow(plans, 3);
    pressShortcut(mother, Qt::Key_F7);
    auto* analysis = qobject_cast<AnalysisWindow*>(mother->form("frmAnalysis"));
    ASSERT_NE(analysis, nullptr);
    ASSERT_EQ(analysis->session().analysis().strategies().size(), 0u);

    ASSERT_EQ(anna.send("save 1"), "saved");
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return rowTexts(audiences, 1).value(2) == "2" && rowTexts(plans, 3).value(6) == "Yes";
        },
        1000))
        << "the tables still show " << qPrintable(rowTexts(audiences, 1).join(u','));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return analysis && analysis->session().analysis().strategies().size() == 2; },
        std::max<qint64>(1000 - clock.elapsed(), 1)))
        << "the Analysis window shows Anna's two strategies";
    EXPECT_EQ(projects->currentGridRow(), 1);
    EXPECT_EQ(audiences->currentGridRow(), 1);
    EXPECT_EQ(plans->currentGridRow(), 3);
    EXPECT_EQ(mother->workspace().selectedPlanRow(), 3);
    const QStringList around = text("reloaded status").split(QStringLiteral("%4"));
    const QRegularExpression expected('^' + QRegularExpression::escape(around.value(0)) +
                                      "\\d\\d:\\d\\d:\\d\\d" +
                                      QRegularExpression::escape(around.value(1)) + '$');
    EXPECT_TRUE(expected.match(status(mother)).hasMatch()) << qPrintable(status(mother));

    // Saved and clicked before any event could tell the watcher.
    ASSERT_EQ(anna.send("save 0"), "saved");
    clickRow(plans, 2);
    EXPECT_EQ(rowTexts(audiences, 1).value(2), "3");
    EXPECT_EQ(rowTexts(plans, 3).value(6), "Yes");
    EXPECT_EQ(analysis->session().analysis().strategies().size(), 1u);
    EXPECT_EQ(boxes.take().size(), 1) << "only the read-only message at the start";
}

// Another writer (an older version, which knows no lock in the folder) saves
// project 2 and audience 2 while this copy has its own finished but not
// saved. Save is refused and writes nothing; after Go > Reload Folder the
// wizard and the audience save under the next numbers, so both writers'
// records are kept.
TEST_F(SharedFolderCopies, AfterAReloadTheWizardAndTheAudienceSaveUnderTheNextNumbers) {
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    road::Driver driver(mother, boxes);
    auto otherSaves = [&](int k) {
        Workspace older{RecordFolder(ws.path())};
        older.load();
        ASSERT_TRUE(multiFileSaves()[size_t(k)].save(older).ok());
    };
    auto refusedThenSaved = [&](QWidget* window, const char* file, const QStringList& kept) {
        const Files before = filesOf(ws.path());
        boxes.take();
        click(find<QPushButton>("cmdSave", window));
        const QStringList refused = boxes.take();
        ASSERT_EQ(refused.size(), 1);
        EXPECT_TRUE(refused[0].startsWith(QStringLiteral("Could not save \"%1\": ").arg(file)))
            << qPrintable(refused[0]);
        EXPECT_TRUE(refused[0].endsWith(" was changed on disk by another copy of Lendora since "
                                        "this copy read it; choose Go > Reload Folder, then save "
                                        "again"));
        EXPECT_EQ(filesOf(ws.path()), before);
        mother->entry("mnuReload")->trigger();
        click(find<QPushButton>("cmdSave", window));
        EXPECT_EQ(boxes.take(), QStringList());
        for (const QString& name : kept)
            EXPECT_EQ(ws.read(name), before.at(name)) << qPrintable(name);
    };

    driver.enterProject(road::demoProject(), 2);
    QWidget* lastStep = mother->form(wizardWindows[11]);
    click(find<QPushButton>("cmdFinish", lastStep));
    otherSaves(0);
    refusedThenSaved(lastStep, "Prj.lnd", {"2_pdtl.lnd"});
    Workspace saved{RecordFolder(ws.path())};
    saved.load();
    ASSERT_EQ(saved.projectCount(), 3);
    EXPECT_EQ(saved.project(2)->name, "Car Loan Drive");
    EXPECT_EQ(saved.project(3)->name, road::demoProject().name);
    EXPECT_TRUE(ws.exists("3_pdtl.lnd"));

    driver.defineAudience(road::demoAudience(), 2);
    otherSaves(1);
    refusedThenSaved(mother->form("frmTASegment"), "ta.lnd", {"2-segFile.lnd"});
    saved.load();
    ASSERT_EQ(saved.audienceCount(), 3);
    EXPECT_EQ(saved.audience(2)->definition, "Retired, rural");
    EXPECT_EQ(saved.audience(3)->definition, road::demoAudience().definition);
    EXPECT_TRUE(ws.exists("3-segFile.lnd"));
}

// A lock left by a killed copy of this machine is taken over without a
// question.
TEST_F(SharedFolderCopies, AKilledCopysLockOnThisMachineIsTakenOverWithoutAQuestion) {
    {
        OtherCopy anna(ws.path(), "Anna Lee", "-");
        ASSERT_EQ(anna.line(), "held");
        anna.kill();
    }
    ASSERT_TRUE(ws.exists(FolderLock::fileName()));
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_FALSE(mother->workspace().readOnly());
    const std::optional<LockHolder> holder = parseLock(ws.read(FolderLock::fileName()));
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->process, QCoreApplication::applicationPid());
    EXPECT_EQ(holder->user, LockHolder::thisCopy().user);
}

// A lock of another machine that gave no sign of life for ten minutes: the
// copy asks, naming the holder and the times. No leaves every file as it was
// (the lock too, to its time) and opens read-only, without asking again; Yes
// takes the folder.
TEST_F(SharedFolderCopies, ASilentLockOfAnotherMachineIsTakenOverOnlyAfterAsking) {
    {
        OtherCopy anna(ws.path(), "Anna Lee", "OFFICE-PC-7");
        ASSERT_EQ(anna.line(), "held");
        anna.kill();
    }
    const QString lockPath = ws.filePath(FolderLock::fileName());
    ageFile(lockPath, 600);
    const QByteArray lock = ws.read(FolderLock::fileName());
    const QDateTime seen = QFileInfo(lockPath).lastModified();
    const QString question = text("take over", ws.path(), lockSince(ws), seen);

    boxes.answerNext(QMessageBox::No);
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    settle(2300); // the read-only copy looks at the folder every two seconds
    EXPECT_EQ(boxes.take(), QStringList{question});
    EXPECT_TRUE(mother->workspace().readOnly());
    EXPECT_EQ(ws.read(FolderLock::fileName()), lock);
    EXPECT_EQ(QFileInfo(lockPath).lastModified(), seen);
    EXPECT_EQ(filesOf(ws.path()), filesBefore());
    closeProgram();

    boxes.answerNext(QMessageBox::Yes);
    mother = startProgram();
    ASSERT_NE(mother, nullptr);
    EXPECT_EQ(boxes.take(), QStringList{question});
    EXPECT_FALSE(mother->workspace().readOnly());
    EXPECT_EQ(parseLock(ws.read(FolderLock::fileName()))->process,
              QCoreApplication::applicationPid());
}

// Real kills of a process that takes the folder's lock and takes it over,
// over and over: the lock is whole or absent, the data are untouched, and
// the next copy takes the folder at once and leaves no temporary file.
TEST(SharedFolderKills, KilledWhileTakingTheLockTheFolderIsWhole) {
    std::mt19937 random(20260302);
    std::uniform_int_distribution<int> delay(0, 20000); // microseconds
    int interrupted = 0;
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE(run);
        TempWorkspace ws;
        writeFiles(ws.path(), filesBefore());
        OtherCopy churn(ws.path(), "Anna Lee", "OFFICE-PC-7", {"churn"});
        ASSERT_EQ(churn.line(), "ready");
        QThread::usleep(unsigned(delay(random)));
        churn.kill();
        const QStringList left = QDir(ws.path()).entryList(QDir::Files | QDir::Hidden);
        interrupted +=
            left.filter(".lendora-new").size() > 0 || !left.contains(FolderLock::fileName());
        if (ws.exists(FolderLock::fileName())) {
            ASSERT_TRUE(parseLock(ws.read(FolderLock::fileName()))) << "a lock in part";
        }
        EXPECT_EQ(filesOf(ws.path()).size() - left.filter(".lendora-new").size(),
                  filesBefore().size());

        Workspace next{RecordFolder(ws.path()), copyNamed("Bob Stone", "OFFICE-PC-7")};
        ASSERT_TRUE(next.takeFolder()) << "the killed copy's lock is taken over at once";
        next.load();
        EXPECT_EQ(filesOf(ws.path()), filesBefore());
        EXPECT_EQ(parseLock(ws.read(FolderLock::fileName()))->user, "Bob Stone");
    }
    EXPECT_GT(interrupted, 0) << "no kill landed while the lock was being written";
}

} // namespace
