#pragma once

#include <QString>

// The Guru texts of the project plan window. The texts are translation
// sources (context "PlanGuru") and keep their spelling exactly as users and
// tests know it: "upto", and the sentences of the window's first text that
// meet without a blank ("group.For", "groups.You", "groups.Start").
namespace lendora::guru {

// Shown when the window opens while the Guru is on.
QString projectPlan();

// After a project was selected.
QString planProjectSelected();

// After an audience was selected.
QString planAudienceSelected();

} // namespace lendora::guru
