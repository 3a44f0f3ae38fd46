#include "shell/menu_switching.h"

#include "shell/menu_names.h"

namespace lendora {

std::vector<MenuChange> planMenuChanges(const Plan* plan) {
    using namespace menu;
    auto off = [](const char* name) { return MenuChange{QString::fromLatin1(name), false}; };
    auto on = [](const char* name) { return MenuChange{QString::fromLatin1(name), true}; };
    if (!plan)
        return {off(questionnairePreview), off(newPollResults), off(openPollResults), off(analysis),
                off(importResponses)};
    if (plan->poll.none())
        return {off(newBasicDetails), off(newAudience),         off(projectPlans),
                off(newPollResults),  off(openBasicDetails),    off(openAudience),
                off(analysis),        on(questionnairePreview), on(newPollResults),
                off(openPollResults), on(importResponses)};
    // A complete poll still takes a second wave of responses.
    if (plan->poll.all() && !plan->analysed)
        return {off(create),        off(openPollResults),      on(analysis),
                off(projectPlans),  off(questionnairePreview), off(newPollResults),
                on(importResponses)};
    if (plan->poll.all())
        return {off(create),
                on(analysis),
                off(openPollResults),
                off(projectPlans),
                off(questionnairePreview),
                off(newPollResults),
                on(importResponses)};
    return {on(openPollResults), off(analysis), off(questionnairePreview), off(newPollResults),
            on(importResponses)};
}

} // namespace lendora
