#pragma once

#include <QString>

namespace lendora::guru {

// `Guru_About_Analysis`: the Analysis window's help text.
QString aboutAnalysis();

} // namespace lendora::guru
