#include "storage/shown_text.h"

namespace lendora {

QString shownText(const QString& text) {
    if (text.size() <= shownTextLimit)
        return text;
    qsizetype kept = shownTextLimit - 1;
    if (text.at(kept - 1).isHighSurrogate()) // never half a character
        --kept;
    return text.left(kept) + QChar(0x2026);
}

} // namespace lendora
