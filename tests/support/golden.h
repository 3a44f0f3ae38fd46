#pragma once

#include <QString>

namespace lendora::test {

class TempWorkspace;

// A golden folder under tests/data: the files of a working directory, one
// file each.
QString dataFolder(const QString& relativePath);

// Copies every file of the folder into the workspace.
void copyFolder(const QString& folder, const TempWorkspace& workspace);

// The workspace holds exactly the files of the folder, byte for byte; a
// failure names each missing, extra or different file.
void expectSameFiles(const TempWorkspace& workspace, const QString& folder);

} // namespace lendora::test
