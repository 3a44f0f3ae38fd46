// Another copy of the program in a folder, as a process of its own, which the
// folder's lock names with the user and machine given ("-": this machine).
//
//   folder_copy FOLDER USER MACHINE
//     takes the folder and prints "held" (or "not held"), then follows the
//     lines of its input: "save N" saves version N of audience 1 and of plan
//     3's analysis and prints "saved" or the refusal; "quit" ends the copy,
//     which releases the lock.
//   folder_copy FOLDER USER MACHINE churn
//     two copies in this process take the folder over from each other, or
//     leave it and take it afresh, over and over until the process is
//     killed; prints "ready" after the first round.
#include "support/journal_scenario.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <iostream>
#include <string>

using namespace lendora;

namespace {

void say(const char* text) {
    std::fputs(text, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int churn(const QString& folder, const LockHolder& me) {
    LockHolder second = me;
    second.user += QStringLiteral(" (second)");
    FolderLock locks[] = {FolderLock(folder, me), FolderLock(folder, second)};
    if (locks[0].take().kind != LockState::Kind::Mine)
        return 3;
    for (unsigned round = 0;; ++round) {
        FolderLock& next = locks[(round + 1) % 2];
        if (round % 5 == 4) {
            locks[round % 2].release();
            next.take();
        } else {
            next.takeOver(next.state());
        }
        if (!next.held())
            return 4;
        if (round == 0)
            say("ready");
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const QString folder = QFile::decodeName(argv[1]);
    const LockHolder me = test::copyNamed(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]));
    if (argc > 4 && std::string(argv[4]) == "churn")
        return churn(folder, me);

    Workspace workspace{RecordFolder(folder), me};
    say(workspace.takeFolder() ? "held" : "not held");
    workspace.load();
    for (std::string line; std::getline(std::cin, line);) {
        if (line.rfind("save ", 0) == 0) {
            const WriteStatus status = test::saveVersion(workspace, std::stoi(line.substr(5)));
            say(status.ok() ? "saved" : status.message().toUtf8().constData());
        } else if (line == "quit") {
            break;
        }
    }
    return 0;
}
