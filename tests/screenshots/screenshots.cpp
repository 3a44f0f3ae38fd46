// Takes the screenshots of the user guide. Not part of the test suite: run
// it through scripts/screenshots.sh, which starts it on a virtual display.
#include "shell/main_window.h"

#include "support/program.h"
#include "support/workspace.h"

#include <QDir>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

QString outputFolder() {
    const QByteArray folder = qgetenv("LENDORA_SCREENSHOTS");
    return folder.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(folder);
}

void save(QWidget* window, const QString& name) {
    settle(50);
    const QString path = QDir(outputFolder()).filePath(name + QStringLiteral(".png"));
    ASSERT_TRUE(window->grab().save(path)) << path.toStdString();
}

TEST(Screenshots, MainWindowAfterStartUp) {
    TempWorkspace ws;
    ws.write("Prj.lnd", "1,\"Home Loan Project\",\"Easy Home Loan\",\"Easy Home\",\"Active\"\r\n"
                        "2,\"Car Loan Drive\",\"Quick Car Loan\",\"Zoom\",\"KickOff\"\r\n");
    ws.write("flag.lnd", "1\r\n");
    ws.write("ta.lnd",
             "1,\"Salaried, 25 to 40\",\"3\"\r\n2,\"Self-employed professionals\",\"2\"\r\n");
    ws.write("tfag.lnd", "1\r\n");
    ws.write("pptb.lnd",
             "1,\"1\",\"Home Loan Project\",\"1\",\"Salaried, 25 to 40\",\"111\",\"Yes\"\r\n");
    ws.write("ppflag.lnd", "1\r\n");
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    mother->resize(1280, 800);
    save(mother, QStringLiteral("main-window"));
    closeProgram();
}

} // namespace
