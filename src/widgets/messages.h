#pragma once

#include "storage/record_file.h"

#include <QString>

class QWidget;

namespace lendora::ui {

// A modal message with an OK button under the application's title.
void inform(QWidget* parent, const QString& text);

// A modal question with Yes and No buttons; true when the answer is Yes.
bool askYesNo(QWidget* parent, const QString& text);

// Tells the user about a failed write; returns status.ok().
bool reportWrite(QWidget* parent, const WriteStatus& status);

} // namespace lendora::ui
