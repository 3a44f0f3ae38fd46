#include "crash_scenario.h"

#include "shell/main_window.h"
#include "widgets/grid_view.h"
#include "workspace/workspace.h"

#include "support/program.h"
#include "support/workspace.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

using namespace lendora;
using namespace lendora::test;

namespace {

// Each file, after a kill at any moment, holds one whole version: the old or
// the new content, never a part. The program then starts on the folder.
TEST(CrashSafety, KilledSavesLeaveOldOrNewContentNeverAPart) {
    TempWorkspace reference;
    std::map<QString, std::pair<QByteArray, QByteArray>> versions;
    const RecordFolder referenceFolder(reference.path());
    saveEveryFileKind(referenceFolder, 0);
    for (const QString& name : everyFileKind())
        versions[name].first = reference.read(name);
    saveEveryFileKind(referenceFolder, 1);
    for (const QString& name : everyFileKind()) {
        versions[name].second = reference.read(name);
        ASSERT_FALSE(versions[name].first.isEmpty()) << name.toStdString();
        const bool flag = name == registry::projectsFlag || name == registry::audiencesFlag ||
                          name == registry::plansFlag; // a flag always holds 1
        if (!flag) {
            ASSERT_NE(versions[name].first, versions[name].second) << name.toStdString();
        }
    }

    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delay(0, 4000); // microseconds after "ready"
    const int runs = 200;
    int mixed = 0;
    for (int run = 0; run < runs; ++run) {
        TempWorkspace ws;
        QProcess writer;
        writer.start(QStringLiteral(LENDORA_CRASH_WRITER), {ws.path()});
        ASSERT_TRUE(writer.waitForStarted());
        ASSERT_TRUE(writer.waitForReadyRead(10000)) << "the writer never finished a round";
        QThread::usleep(unsigned(delay(random)));
        writer.kill();
        writer.waitForFinished();
        int versionOne = 0;
        for (const QString& name : everyFileKind()) {
            const QByteArray bytes = ws.read(name);
            const auto& [v0, v1] = versions[name];
            EXPECT_TRUE(bytes == v0 || bytes == v1)
                << "run " << run << ": " << name.toStdString() << " holds " << bytes.size()
                << " bytes, neither version";
            versionOne += bytes == v1;
        }
        mixed += versionOne > 0 && versionOne < everyFileKind().size();
        Workspace copy{RecordFolder(ws.path())};
        copy.load();
        EXPECT_TRUE(copy.planCount() == 3 || copy.planCount() == 40) << "run " << run;
        if (run == runs - 1) {
            MainWindow* mother = startProgram();
            ASSERT_NE(mother, nullptr);
            auto* plans = find<ui::GridView>("MSFG_ProjectPlans", mother);
            EXPECT_EQ(plans->model()->rowCount(), copy.planCount() + 1);
            closeProgram();
        }
    }
    // The kills landed in the middle of saving rounds, not only between them.
    EXPECT_GT(mixed, runs / 10);
}

} // namespace
