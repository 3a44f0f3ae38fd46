#include "shell/menu_switching.h"

namespace lendora {

std::vector<MenuChange> planClickMenuChanges(const QString& pollFlag, const QString& analysisFlag) {
    auto off = [](const char* name) { return MenuChange{QString::fromLatin1(name), false}; };
    auto on = [](const char* name) { return MenuChange{QString::fromLatin1(name), true}; };
    if (pollFlag == u"000")
        return {off("mnuNewBD"), off("mnuNwPFD"), off("mnuNwProject"),   off("mnuNPR"),
                off("mnuXBD"),   off("mnuXPF"),   off("mnuNewAnalysis"), on("mnuQP"),
                on("mnuNPR"),    off("mnuPRD")};
    if (pollFlag == u"111" && analysisFlag == u"No")
        return {off("mnuNew"),       off("mnuPRD"), on("mnuNewAnalysis"),
                off("mnuNwProject"), off("mnuQP"),  off("mnuNPR")};
    if (pollFlag == u"111")
        return {off("mnuNew"),       on("mnuNewAnalysis"), off("mnuPRD"),
                off("mnuNwProject"), off("mnuQP"),         off("mnuNPR")};
    return {on("mnuPRD"), off("mnuNewAnalysis"), off("mnuQP"), off("mnuNPR")};
}

} // namespace lendora
