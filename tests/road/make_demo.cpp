// Writes the demo workspace by walking the road of one plan through the real
// windows, as the road test does. Not a test: run it after a change that
// alters what the road writes, then commit the files.
//
//   road_make_demo                      rewrites examples/demo in the checkout
//   LENDORA_DEMO_FOLDER=DIR road_make_demo   writes into DIR instead
//
// Only the data files (*.lnd) of the target folder are replaced, and only
// when the whole road went through.
#include "road_driver.h"

#include "support/message_boxes.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>

using namespace lendora::test;

namespace {

QString targetFolder() {
    const QByteArray folder = qgetenv("LENDORA_DEMO_FOLDER");
    return folder.isEmpty() ? QStringLiteral(LENDORA_DEMO_DIR) : QString::fromLocal8Bit(folder);
}

TEST(MakeDemo, WalksTheRoadAndWritesTheDemoWorkspace) {
    TempWorkspace ws;
    {
        lendora::MainWindow* mother = startProgram();
        ASSERT_NE(mother, nullptr);
        MessageBoxes boxes;
        road::Driver driver(mother, boxes);
        road::walkRoad(driver);
        closeProgram();
    }
    ASSERT_FALSE(::testing::Test::HasFailure()) << "the road failed; the demo is left as it was";

    const QDir target(targetFolder());
    ASSERT_TRUE(target.mkpath(QStringLiteral("."))) << qPrintable(target.path());
    for (const QString& name : target.entryList({"*.lnd"}, QDir::Files))
        ASSERT_TRUE(QFile::remove(target.filePath(name))) << qPrintable(name);
    for (const QString& name : ws.files()) {
        ASSERT_TRUE(QFile::copy(ws.filePath(name), target.filePath(name))) << qPrintable(name);
        std::printf("%s\n", qPrintable(target.filePath(name)));
    }
}

} // namespace
