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
// one is dropped together with the temporary files. Only the program's own
// files are removed: the journal and files ending in the temporary suffix.
namespace lendora::journal {

// The journal of a save in progress, in the working directory.
QString fileName();
// The longest journal a save writes: commit refuses a save that would need
// a longer one, so at start a longer journal is damaged by its size alone
// and is not read. A journal lists names, one line per file the save
// changes, never their contents: 4 MiB hold 8,000 lines even of the longest
// names a folder takes (255 bytes), and 80,000 of the program's own names (a
// save of the plans that renumbers 20,000 plans with their four analysis
// files each), and are carried out at start within seconds.
constexpr qint64 longestJournal = qint64(4) << 20;

// The temporary file that holds the new content of a file until the save
// is carried out.
QString temporaryName(const QString& name);
// Whether a file name is one of the program's temporary files (it ends in
// the suffix of temporaryName); no other file of the folder is ever removed
// as a leftover.
bool isTemporaryName(const QString& name);

// What one save makes of the files of the folder: each name ends with new
// bytes, or is removed (no value).
using FinalFiles = std::vector<std::pair<QString, std::optional<QByteArray>>>;

// Carries out the save through the journal. A failure before the journal is
// complete leaves the folder as it was.
WriteStatus commit(const RecordFolder& folder, const FinalFiles& files);

// Finishes or undoes a save that a crash interrupted, then removes the
// program's temporary files; nothing else is touched. Run before anything
// is read. Safe to interrupt and to run again. Fails before it changes
// anything when the journal cannot be read (a folder, a link, no right to
// read it) or names a temporary file that is not a plain file of the folder
// alone, or a target that is a folder; fails too when a step is refused.
// The journal then stays, every later save is refused, and the status names
// what the user has to mend. A journal longer than any save writes is
// damaged: it is dropped unread.
WriteStatus recover(const RecordFolder& folder);

// For a file replaced outside any journal (an export saved anywhere): writes
// the new content to the temporary file of `path` (temporaryName), flushed to
// the disk. A link or file found at that name is removed first, never written
// through; after a failure no temporary file is left.
WriteStatus writeTemporary(const QString& path, const QString& name, const QByteArray& bytes);

// The bytes of a journal for these steps: (temporary file, target) pairs,
// an empty temporary name meaning the target is removed.
QByteArray journalBytes(const std::vector<std::pair<QString, QString>>& steps);

// Test seam: called after every file operation of a save or a recovery;
// when it returns false, the work stops there and the folder is left as a
// crash at that moment would leave it. An empty hook lets everything run.
void setOperationHook(std::function<bool()> hook);

} // namespace lendora::journal
