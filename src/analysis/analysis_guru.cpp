#include "analysis/analysis_guru.h"

#include "analysis/analysis_names.h"

namespace lendora::guru {

QString aboutAnalysis() {
    // Eight texts joined directly, with nothing between them.
    return analysis::names::texts(analysis::names::aboutAnalysis).join(QString());
}

} // namespace lendora::guru
