#include "shell/menu_switching.h"

namespace lendora {

std::vector<MenuChange> planMenuChanges(const Plan* plan) {
    auto off = [](const char* name) { return MenuChange{QString::fromLatin1(name), false}; };
    auto on = [](const char* name) { return MenuChange{QString::fromLatin1(name), true}; };
    if (!plan)
        return {off("mnuQP"), off("mnuNPR"), off("mnuPRD"), off("mnuNewAnalysis"),
                off("mnuImportResponses")};
    if (plan->poll.none())
        return {off("mnuNewBD"), off("mnuNwPFD"), off("mnuNwProject"),     off("mnuNPR"),
                off("mnuXBD"),   off("mnuXPF"),   off("mnuNewAnalysis"),   on("mnuQP"),
                on("mnuNPR"),    off("mnuPRD"),   on("mnuImportResponses")};
    // A complete poll still takes a second wave of responses.
    if (plan->poll.all() && !plan->analysed)
        return {off("mnuNew"), off("mnuPRD"), on("mnuNewAnalysis"),    off("mnuNwProject"),
                off("mnuQP"),  off("mnuNPR"), on("mnuImportResponses")};
    if (plan->poll.all())
        return {off("mnuNew"), on("mnuNewAnalysis"), off("mnuPRD"),           off("mnuNwProject"),
                off("mnuQP"),  off("mnuNPR"),        on("mnuImportResponses")};
    return {on("mnuPRD"), off("mnuNewAnalysis"), off("mnuQP"), off("mnuNPR"),
            on("mnuImportResponses")};
}

} // namespace lendora
