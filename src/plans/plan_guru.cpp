#include "plans/plan_guru.h"

namespace lendora::guru {

QString projectPlan() {
    return QStringLiteral(
               "At this stage, you can combine a Project with a Target Audience group.") +
           QStringLiteral("For example, here, you will find two Projects and two Target Audience "
                          "groups.") +
           QStringLiteral("You can make upto four combinations out of these. For the same Project, "
                          "you can try different Target Audience groups.") +
           QStringLiteral("Start by selecting a Project from the Basic Details table. The details "
                          "of the selected Project will be displayed.");
}

QString planProjectSelected() {
    return QStringLiteral(
        "Now, select a group from the Target Audience Table. The segments of that "
        "Target Audience will be displayed.");
}

QString planAudienceSelected() {
    return QStringLiteral(
        "Now, you can create a Project Plan combination by Clicking the 'Add' button on the form.");
}

} // namespace lendora::guru
