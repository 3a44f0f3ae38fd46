#include "shell/main_window.h"
#include "shell/projects_window.h"
#include "widgets/grid_view.h"

#include "support/message_boxes.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QAction>
#include <QDir>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <map>

using namespace lendora;
using namespace lendora::test;

namespace {

QByteArray garbage(int size, int seed) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char((i * 7919 + seed * 104729 + 13) % 256));
    return bytes;
}

const QByteArray goodProjects = "1,\"Home Loan\",\"Easy Loan\",\"Easy\",\"Active\"\r\n";
const QByteArray goodAudiences = "1,\"Salaried, urban\",\"2\"\r\n";
const QByteArray goodPlans = "1,\"1\",\"Home Loan\",\"1\",\"Salaried, urban\",\"111\",\"Yes\"\r\n";
const QByteArray goodDetails =
    "1,\"Home Loan\",\"Easy\",\"30\",\"10\",\"20000\",\"900\",\"85\",\"36\",\"34.\",\"500\"\r\n"
    "2,\"City Bank\",\"City\",\"40\",\"12\",\"25000\",\"700\",\"80\",\"36\",\"26.44\",\"1000\"\r\n"
    "3,\"Metro\",\"Metro Home\",\"30\",\"14\",\"30000\",\"600\",\"75\",\"12\",\"55\",\"0\"\r\n";
const QByteArray goodSegments = "1,\"Young\"\r\n2,\"Married, two children\"\r\n";
const QByteArray goodPoll = "1,\"12\",\"5\",\"3\",\"7\",\"2\",\"9\",\"1\",\"39\"\r\n"
                            "2,\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"28\"\r\n";

struct Damage {
    const char* what;
    std::map<QString, QByteArray> files; // over a sound workspace; "" removes, "/" a folder
    int projects, audiences, plans;      // records listed at start
};

std::map<QString, QByteArray> soundWorkspace() {
    return {{"Prj.lnd", goodProjects},
            {"flag.lnd", "1\r\n"},
            {"ta.lnd", goodAudiences},
            {"tfag.lnd", "1\r\n"},
            {"pptb.lnd", goodPlans},
            {"ppflag.lnd", "1\r\n"},
            {"1_pdtl.lnd", goodDetails},
            {"1-segFile.lnd", goodSegments},
            {"11_01.lnd", goodPoll},
            {"11_11.lnd", goodPoll},
            {"11_21.lnd", goodPoll},
            {"1_0ff.lnd", "1,9,20000,900,85,36,34,500\r\n"},
            {"1_0anf.lnd", "1,12,5,3,7,2,9,1\r\n"},
            {"1_0fgf.lnd", "1,1,0,0,0,0,0,0\r\n"},
            {"1_0sgf.lnd", "1,1,20\r\n1,2,19\r\n1,3,39\r\n"}};
}

std::vector<Damage> damages() {
    return {
        {"sound", {}, 1, 1, 1},
        {"truncated records",
         {{"Prj.lnd", goodProjects.left(20)},
          {"pptb.lnd", goodPlans.left(30)},
          {"1_pdtl.lnd", goodDetails.left(120)},
          {"11_01.lnd", goodPoll.left(25)},
          {"1_0sgf.lnd", "1,1"}},
         1,
         1,
         1},
        {"wrong item counts",
         {{"Prj.lnd", "1,\"A\",\"B\"\r\n2,\"C\",\"D\",\"E\",\"F\",\"G\",\"H\",\"I\"\r\n"},
          {"ta.lnd", "1\r\n"},
          {"1-segFile.lnd", "1,\"a\",\"b\",\"c\"\r\n"},
          {"11_11.lnd", "1,\"1\",\"2\"\r\n"}},
         3,
         1,
         1},
        {"negative and huge record numbers",
         {{"Prj.lnd", "-1,\"Neg\",\"x\",\"y\",\"z\"\r\n99999999999,\"Huge\",\"x\",\"y\",\"z\"\r\n"
                      "1e400,\"Exp\",\"x\",\"y\",\"z\"\r\n"},
          {"pptb.lnd", "-5,\"1\",\"P\",\"1\",\"A\",\"111\",\"No\"\r\n"},
          {"1-segFile.lnd", "-2,\"x\"\r\n2147483648,\"y\"\r\n"},
          {"11_01.lnd", "-1,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n"
                        "1e9,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n"},
          {"1_0sgf.lnd", "1,-3,5\r\n99999,2,7\r\n1,99999,7\r\n"}},
         3,
         1,
         1},
        {"registries without their flags",
         {{"flag.lnd", ""}, {"tfag.lnd", "0\r\n"}, {"ppflag.lnd", "yes\r\n"}},
         0,
         0,
         0},
        {"binary garbage everywhere",
         {{"Prj.lnd", garbage(3000, 1)},
          {"ta.lnd", garbage(3000, 2)},
          {"pptb.lnd", garbage(3000, 3)},
          {"1_pdtl.lnd", garbage(3000, 4)},
          {"1-segFile.lnd", garbage(3000, 5)},
          {"11_01.lnd", garbage(3000, 6)},
          {"1_0ff.lnd", garbage(3000, 7)},
          {"1_0sgf.lnd", garbage(3000, 8)}},
         -1,
         -1,
         -1},
        {"files that cannot be read",
         {{"Prj.lnd", "/"},
          {"1_pdtl.lnd", "/"},
          {"1-segFile.lnd", "/"},
          {"11_01.lnd", "/"},
          {"1_0ff.lnd", "/"}},
         0,
         1,
         1},
        {"empty files",
         {{"Prj.lnd", ""}, {"ta.lnd", ""}, {"pptb.lnd", ""}, {"1_pdtl.lnd", ""}},
         0,
         0,
         0},
    };
}

void setUp(const TempWorkspace& ws, const Damage& damage) {
    std::map<QString, QByteArray> files = soundWorkspace();
    for (const auto& [name, bytes] : damage.files)
        files[name] = bytes;
    for (const auto& [name, bytes] : files) {
        if (bytes == "/")
            QDir(ws.path()).mkdir(name);
        else if (!bytes.isEmpty() || damage.files.count(name))
            ws.write(name, bytes);
    }
}

std::map<QString, QByteArray> snapshot(const TempWorkspace& ws) {
    std::map<QString, QByteArray> files;
    for (const QString& name : ws.files())
        files[name] = ws.read(name);
    return files;
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
    for (const Damage& damage : damages()) {
        SCOPED_TRACE(damage.what);
        TempWorkspace ws;
        setUp(ws, damage);
        const auto before = snapshot(ws);
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
        EXPECT_EQ(snapshot(ws), before) << "a file was written without a Save";
    }
}

} // namespace
