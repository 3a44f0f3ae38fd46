#pragma once

#include <QString>

class QFileDialog;

namespace lendora::test {

// Chooses the file in an open file dialog and accepts it, again until the
// dialog closes (for at most five seconds): a choice made while the dialog
// is still listing its folder can be dropped. Returns whether it closed.
bool chooseFile(QFileDialog* dialog, const QString& path);

} // namespace lendora::test
