#pragma once

#include "storage/record_file.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// A save that touches several files is carried out through a journal, so
// that a crash at any moment leaves all of the save or none of it:
//  1. every new content goes to a temporary file beside its target, flushed
//     to the disk;
//  2. the journal lists what is to happen (temporary file over target, or
//     target removed) and is flushed: from now on the save counts as made;
//  3. the steps are carried out, the folder is synced, the journal goes.
// At start, a complete journal is carried out to its end and an incomplete
// one is dropped together with the temporary files.
namespace lendora::journal {

// The journal of a save in progress, in the working directory.
QString fileName();
// The temporary file that holds the new content of a file until the save
// is carried out.
QString temporaryName(const QString& name);
// Whether a file name is one of the program's temporary files: those of
// a journaled save, and those a replaced file leaves behind when the
// program is killed while writing it ("Prj.lnd.Ab12Cd").
bool isTemporaryName(const QString& name);

// What one save makes of the files of the folder: each name ends with new
// bytes, or is removed (no value).
using FinalFiles = std::vector<std::pair<QString, std::optional<QByteArray>>>;

// Carries out the save through the journal. A failure before the journal is
// complete leaves the folder as it was.
WriteStatus commit(const RecordFolder& folder, const FinalFiles& files);

// Finishes or undoes a save that a crash interrupted, then removes the
// program's temporary files; nothing else is touched. Run before anything
// is read. Safe to interrupt and to run again.
WriteStatus recover(const RecordFolder& folder);

// The bytes of a journal for these steps: (temporary file, target) pairs,
// an empty temporary name meaning the target is removed.
QByteArray journalBytes(const std::vector<std::pair<QString, QString>>& steps);

// Test seam: called after every file operation of a save or a recovery;
// when it returns false, the work stops there and the folder is left as a
// crash at that moment would leave it. An empty hook lets everything run.
void setOperationHook(std::function<bool()> hook);

} // namespace lendora::journal
