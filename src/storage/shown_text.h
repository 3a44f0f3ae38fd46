#pragma once

#include <QString>

namespace lendora {

// The most characters a window shows of one text (a name, a line of the
// Guru): nobody reads further, and laying out a text of megabytes stalls the
// window. Files always keep the whole text.
constexpr qsizetype shownTextLimit = 2000;

// The text as a window shows it: beyond the limit, cut and ended with an
// ellipsis.
QString shownText(const QString& text);

} // namespace lendora
