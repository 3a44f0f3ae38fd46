// The road of one plan, walked through the real windows from an empty
// working directory: what every window shows after every step is compared
// with tests/data/road/walk.txt, and every written file byte for byte after
// each stage. Then the program is started again on what the road left, and
// on the committed demo workspace.
#include "road_data.h"
#include "road_driver.h"

#include "shell/ui/main_window.h"

#include "support/golden.h"
#include "support/message_boxes.h"
#include "support/program.h"
#include "support/road_screen.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;
using namespace lendora::test::road;

namespace {

const QString demoFolder = QStringLiteral(LENDORA_DEMO_DIR);

// The golden folders of what the working directory holds after each stage.
const char* const stageFolders[] = {"1_project", "2_audience", "3_plan", "4_poll_0",
                                    "4_poll_1",  "4_poll_2",   "final"};

// A start on the folder shows the whole road again and writes nothing.
void expectStoredRoad(const TempWorkspace& ws, const QString& folder) {
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    MessageBoxes boxes;
    Driver driver(mother, boxes);
    driver.showStoredRoad();
    expectSameText(driver.transcript(), "road/stored.txt");
    expectSameFiles(ws, folder);
    closeProgram();
}

TEST(Road, OnePlanFromAnEmptyFolderByKeysAndClicksThenAgainAfterARestart) {
    TempWorkspace ws;
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    MessageBoxes boxes;
    Driver driver(mother, boxes);
    int stagesReached = 0;
    walkRoad(driver, [&](Stage, int) {
        ASSERT_LT(stagesReached, 7) << "more stages than the road has";
        SCOPED_TRACE(stageFolders[stagesReached]);
        expectSameFiles(ws, dataFolder(QStringLiteral("road/") + stageFolders[stagesReached++]));
    });
    EXPECT_EQ(stagesReached, 7) << "the road stopped early";
    expectSameText(driver.transcript(), "road/walk.txt");
    // The road's three messages, each with OK only, under the program's title.
    EXPECT_EQ(boxes.titles(), QStringList(3, "Lendora 2012"));
    EXPECT_EQ(boxes.buttons(), QList<QMessageBox::StandardButtons>(3, QMessageBox::Ok));
    // The committed demo is what the road writes now.
    expectSameFiles(ws, demoFolder);
    closeProgram();
    expectStoredRoad(ws, dataFolder("road/final"));
}

TEST(Demo, OpensWithItsPlanAnalysedInBothStrategiesAndBothCharts) {
    TempWorkspace ws;
    copyFolder(demoFolder, ws);
    expectStoredRoad(ws, demoFolder);
}

} // namespace
