#pragma once

#include "storage/record_file.h"

#include <QStringList>

namespace lendora::test {

// One save of every file kind: the registries and their flags, a details
// file, a segment file, the three poll files and the four analysis files.
// Version 0 and version 1 differ in every file, in content and in length.
void saveEveryFileKind(const RecordFolder& folder, int version);

// The names of the files that saveEveryFileKind writes.
QStringList everyFileKind();

} // namespace lendora::test
