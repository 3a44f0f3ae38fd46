#pragma once

#include "storage/record_file.h"

#include <QString>

class QWidget;

namespace lendora::ui {

// A modal message with an OK button under the application's title.
void inform(QWidget* parent, const QString& text);

// A modal question with Yes and No buttons; true when the answer is Yes.
bool askYesNo(QWidget* parent, const QString& text);

// Told at start when a save that a crash interrupted cannot be finished
// (status names the file in the way and why): what to mend, and that
// nothing can be saved until then.
QString unfinishedSaveMessage(const WriteStatus& status);

// Tells the user about a failed write; returns status.ok().
bool reportWrite(QWidget* parent, const WriteStatus& status);

} // namespace lendora::ui
