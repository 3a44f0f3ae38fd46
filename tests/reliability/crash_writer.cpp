// Saves every file kind over and over, alternating two versions, until it is
// killed. The crash-safety test kills it at random moments.
#include "crash_scenario.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: crash_writer FOLDER\n");
        return 2;
    }
    const lendora::RecordFolder folder(QFile::decodeName(argv[1]));
    for (int round = 0;; ++round) {
        lendora::test::saveEveryFileKind(folder, round % 2);
        if (round == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}
