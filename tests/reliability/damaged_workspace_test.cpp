#include "shell/ui/main_window.h"
#include "shell/ui/projects_window.h"
#include "widgets/grid_view.h"

#include "support/golden.h"
#include "support/journal_seam.h"
#include "support/message_boxes.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

struct Damage {
    const char* folder;             // under tests/data/reliability/damaged
    int projects, audiences, plans; // records listed at start; -1: any number
};

const Damage damages[] = {
    {"sound", 1, 1, 1},
    {"truncated_records", 1, 1, 1},
    {"wrong_item_counts", 3, 1, 1},
    {"odd_record_numbers", 3, 1, 1},
    {"flags_missing", 0, 0, 0},
    {"binary_garbage", -1, -1, -1},
    {"unreadable", 0, 1, 1},
    {"empty_files", 0, 0, 0},
};

// Copies the case's folder; a folder in it (an unreadable "file") is made
// as a folder.
void setUp(const TempWorkspace& ws, const Damage& damage) {
    const QDir dir(dataFolder(QStringLiteral("reliability/damaged/") + damage.folder));
    copyFolder(dir.path(), ws);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(ws.path()).mkdir(name);
}

void trigger(MainWindow* mother, const char* entry) {
    QAction* action = mother->entry(QString::fromLatin1(entry));
    if (action && action->isEnabled())
        action->trigger();
    settle();
}

// The program starts on every damaged folder, lists what it can, opens every
// window on the damaged files, and writes nothing back unasked.
TEST(DamagedWorkspace, TheProgramStartsShowsWhatItCanAndWritesNothing) {
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.folder);
        TempWorkspace ws;
        setUp(ws, damage);
        const auto before = filesOf(ws.path());
        MessageBoxes boxes;
        MainWindow* mother = startProgram();
        ASSERT_NE(mother, nullptr);
        const int counts[] = {damage.projects, damage.audiences, damage.plans};
        const char* tables[] = {"MSFG_Projects", "MSFG_TargetAudience", "MSFG_ProjectPlans"};
        for (int t = 0; t < 3; ++t) {
            auto* view = find<ui::GridView>(tables[t], mother);
            ASSERT_NE(view, nullptr);
            if (counts[t] >= 0) {
                EXPECT_EQ(view->model()->rowCount() - 1, counts[t]) << tables[t];
            }
            EXPECT_GE(view->model()->rowCount(), 1) << tables[t];
        }
        // Every window opened on row 1 of each table.
        auto* tabs = find<QTabWidget>("SSTab1", find("frmProjects", mother));
        tabs->setCurrentIndex(0);
        clickRow(find<ui::GridView>("MSFG_Projects", mother), 1);
        trigger(mother, "mnuXBD");
        tabs->setCurrentIndex(1);
        clickRow(find<ui::GridView>("MSFG_TargetAudience", mother), 1);
        trigger(mother, "mnuXPF");
        tabs->setCurrentIndex(2);
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), 1);
        trigger(mother, "mnuNewAnalysis");
        trigger(mother, "mnuPRD");
        trigger(mother, "mnuNPR");
        trigger(mother, "mnuQP");
        trigger(mother, "mnuNwProject");
        closeProgram();
        EXPECT_EQ(filesOf(ws.path()), before) << "a file was written without a Save";
    }
}

// A damaged registry holds a project name of 10 MB: its row and the Guru
// show the start of it at once, and the file keeps all of it.
TEST(DamagedWorkspace, ATenMegabyteNameShowsTheGuruWithinASecond) {
    TempWorkspace ws;
    const QByteArray name(10 << 20, 'N');
    const QByteArray registry = "1,\"" + name + "\",\"Product\",\"Brand\",\"Active\"\r\n";
    ws.write("Prj.lnd", registry);
    ws.write("flag.lnd", "1\r\n");
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    auto* projects = find<ui::GridView>("MSFG_Projects", mother);
    QElapsedTimer clock;
    clock.start();
    clickRow(projects, 1);
    settle();
    EXPECT_LT(clock.elapsed(), 1000);
    const QString shown = find<QPlainTextEdit>("txtHelp", mother)->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("NNN\u2026"))) << shown.left(200).toStdString();
    EXPECT_LT(shown.size(), 20000);
    EXPECT_LT(rowTexts(projects, 1).value(1).size(), 20000);
    closeProgram();
    EXPECT_EQ(ws.read("Prj.lnd"), registry);
}

} // namespace
