#include "plans/plan_guru.h"

#include <QCoreApplication>

namespace lendora::guru {

namespace {
// A text of the Guru: the translation of its source, or the source itself.
QString text(const char* source) {
    return QCoreApplication::translate("PlanGuru", source);
}
} // namespace

QString projectPlan() {
    return text(QT_TRANSLATE_NOOP(
        "PlanGuru", "At this stage, you can combine a Project with a Target Audience group.For "
                    "example, here, you will find two Projects and two Target Audience groups.You "
                    "can make upto four combinations out of these. For the same Project, you can "
                    "try different Target Audience groups.Start by selecting a Project from the "
                    "Basic Details table. The details of the selected Project will be displayed."));
}

QString planProjectSelected() {
    return text(
        QT_TRANSLATE_NOOP("PlanGuru", "Now, select a group from the Target Audience Table. The "
                                      "segments of that Target Audience will be displayed."));
}

QString planAudienceSelected() {
    return text(QT_TRANSLATE_NOOP("PlanGuru", "Now, you can create a Project Plan combination by "
                                              "Clicking the 'Add' button on the form."));
}

} // namespace lendora::guru
