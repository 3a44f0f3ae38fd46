// Repeats the saves of saveVersion in the folder given, alternating the two
// versions, until it is killed; prints "ready" after the first round.
#include "support/journal_scenario.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    lendora::Workspace workspace{lendora::RecordFolder(QFile::decodeName(argv[1]))};
    if (!workspace.takeFolder())
        return 3;
    workspace.load();
    for (int round = 0;; ++round) {
        if (!lendora::test::saveVersion(workspace, round % 2).ok())
            return 4;
        if (round == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}
