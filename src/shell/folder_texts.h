#pragma once

#include "storage/folder_lock.h"

#include <QString>
#include <QTime>

// What the program tells about the other copies that work in the folder:
// at start, when it follows the copy that holds the folder, and in the
// status line of the main window.
namespace lendora::folder {

// At start, when another copy holds the folder (or an older version works
// in it on this machine).
QString readOnlyMessage(const QString& folderPath, const LockState& lock);
// At start, or later in a read-only copy, when the holder is a copy of
// another machine that gave no sign of life for a while.
QString takeOverQuestion(const QString& folderPath, const LockState& lock);
// In a read-only copy, when the holder closed the folder or ended;
// `lastHolder` is the one last seen, unnamed when none was.
QString takeFreeQuestion(const QString& folderPath, const LockHolder& lastHolder);

// The status line.
QString readOnlyStatus(const LockState& lock);
QString reloadedStatus(const QTime& at, const LockHolder& holder);
QString lostStatus(const LockState& lock);
QString heldStatus();

} // namespace lendora::folder
