// The road of one plan, walked through the real windows from an empty
// working directory, every written file compared byte for byte after each
// step; then the program started again on what the road left, and on the
// committed demo workspace.
#include "road_data.h"
#include "road_driver.h"

#include "shell/main_window.h"

#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

using namespace lendora;
using namespace lendora::test;
using namespace lendora::test::road;

namespace {

using Folder = std::map<QString, QByteArray>;

// An expected file under tests/data/road.
QByteArray expected(const QString& name) {
    return readFile(QStringLiteral(ROAD_TEST_DATA "/") + name);
}

// The data files (*.lnd) of a folder with their bytes.
Folder dataFiles(const QString& path) {
    Folder files;
    const QDir dir(path);
    for (const QString& name : dir.entryList({"*.lnd"}, QDir::Files))
        files[name] = readFile(dir.filePath(name));
    return files;
}

QStringList namesOf(const Folder& folder) {
    QStringList names;
    for (const auto& [name, bytes] : folder)
        names << name;
    names.sort();
    return names;
}

// Compares two sets of files, naming each difference readably.
void expectSameFiles(const Folder& actual, const Folder& wanted, const char* what) {
    EXPECT_EQ(namesOf(actual), namesOf(wanted)) << what;
    for (const auto& [name, bytes] : wanted)
        if (actual.count(name)) {
            EXPECT_EQ(visible(actual.at(name)), visible(bytes)) << what << ": " << qPrintable(name);
        }
}

// Compares a whole folder with the files it should hold.
void expectFolder(const TempWorkspace& ws, const Folder& want) {
    EXPECT_EQ(ws.files(), namesOf(want)) << "the folder holds other files";
    for (const auto& [name, bytes] : want)
        EXPECT_FILE_BYTES(ws, name, bytes);
}

const char* const pollFiles[3] = {"11_01.lnd", "11_11.lnd", "11_21.lnd"};
const char* const pollStages[3] = {"stages/pptb_100.lnd", "stages/pptb_110.lnd",
                                   "stages/pptb_111.lnd"};

TEST(Road, OnePlanFromAnEmptyFolderByKeysAndClicksThenAgainAfterARestart) {
    TempWorkspace ws;
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    MessageBoxes boxes;
    Driver driver(mother, boxes);

    // What the folder must hold after each step of the road.
    Folder want;
    const auto take = [&](const QString& name, const QString& expectedFile) {
        want[name] = expected(expectedFile);
    };
    int stagesReached = 0;
    walkRoad(driver, [&](Stage stage, int product) {
        ++stagesReached;
        switch (stage) {
        case Stage::ProjectSaved:
            take("Prj.lnd", "stages/Prj_kickoff.lnd");
            take("1_pdtl.lnd", "final/1_pdtl.lnd");
            take("flag.lnd", "final/flag.lnd");
            break;
        case Stage::AudienceSaved:
            take("ta.lnd", "final/ta.lnd");
            take("1-segFile.lnd", "final/1-segFile.lnd");
            take("tfag.lnd", "final/tfag.lnd");
            break;
        case Stage::PlanSaved:
            take("pptb.lnd", "stages/pptb_000.lnd");
            take("ppflag.lnd", "final/ppflag.lnd");
            take("Prj.lnd", "final/Prj.lnd"); // the project is "Active" now
            break;
        case Stage::PlanSelected:
            break;
        case Stage::PollSaved:
            take(pollFiles[product], QStringLiteral("final/") + pollFiles[product]);
            take("pptb.lnd", pollStages[product]);
            break;
        case Stage::AnalysisSaved:
            for (const char* name : {"1_0ff.lnd", "1_0anf.lnd", "1_0fgf.lnd", "1_0sgf.lnd"})
                take(name, QStringLiteral("final/") + name);
            take("pptb.lnd", "final/pptb.lnd");
            break;
        }
        SCOPED_TRACE(QStringLiteral("stage %1").arg(stagesReached).toStdString());
        expectFolder(ws, want);
    });
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    EXPECT_EQ(stagesReached, 8) << "the road stopped early";
    // The road's three messages, each with OK only, under the program's title.
    EXPECT_EQ(boxes.texts(), QStringList({"New Project Plan", "Project Plan Saved",
                                          demoPreview().recordedMessage}));
    EXPECT_EQ(boxes.titles(), QStringList(3, "Lendora 2012"));
    for (const QMessageBox::StandardButtons buttons : boxes.buttons())
        EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The road ends with exactly the expected files of the finished plan.
    expectSameFiles(want, dataFiles(QStringLiteral(ROAD_TEST_DATA "/final")), "final files");
    // And the committed demo is what the road writes now.
    expectSameFiles(dataFiles(QStringLiteral(LENDORA_DEMO_DIR)), dataFiles(ws.path()),
                    "examples/demo is out of date (run road_make_demo)");

    // A second start shows everything again and writes nothing.
    closeProgram();
    mother = startProgram();
    ASSERT_NE(mother, nullptr);
    Driver again(mother, boxes);
    again.expectStoredRoad(demoProject(), demoAudience(), demoComparison());
    expectFolder(ws, want);
    closeProgram();
}

TEST(Demo, OpensWithItsPlanAnalysedInBothStrategiesAndBothCharts) {
    const Folder demo = dataFiles(QStringLiteral(LENDORA_DEMO_DIR));
    ASSERT_FALSE(demo.empty()) << "no demo workspace in " LENDORA_DEMO_DIR;
    TempWorkspace ws;
    for (const auto& [name, bytes] : demo)
        ws.write(name, bytes);
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    MessageBoxes boxes;
    Driver driver(mother, boxes);
    driver.expectStoredRoad(demoProject(), demoAudience(), demoComparison());
    expectFolder(ws, demo);
    closeProgram();
}

} // namespace
