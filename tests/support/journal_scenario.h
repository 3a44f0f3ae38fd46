#pragma once

#include "workspace/workspace.h"

#include "support/journal_seam.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace lendora::test {

// A copy the folder's lock names with this user and machine (the process and
// boot are this one's); machine "-" is this machine.
LockHolder copyNamed(const QString& user, const QString& machine);

// The folder opened as the program opens it: taken against other copies
// (a failed check when another holds it), recovered, loaded.
std::unique_ptr<Workspace> openFolder(const QString& path);

// The folder every save starts from (tests/data/reliability/before): one
// project and audience, plans 1 and 2 analysed, plan 3 not yet.
Files filesBefore();

// A save that writes more than one file, made on a workspace loaded from
// the folder.
struct MultiFileSave {
    const char* name;
    std::function<WriteStatus(Workspace&)> save;
};
std::vector<MultiFileSave> multiFileSaves();

// One of two versions of audience 1 (its record and segment file) and of
// plan 3's analysis (its four files and its flag) and business case: the saves the killed
// writer repeats.
WriteStatus saveVersion(Workspace& workspace, int version);

} // namespace lendora::test
