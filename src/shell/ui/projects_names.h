#pragma once

#include <QtGlobal>

// The objectNames and texts of the All Projects window "frmProjects". Tests
// and the road's transcripts find its tables by these names; users know its
// tabs and messages by these texts: they stay exactly as they are.
// Deliberate, and never to be corrected:
//   - the plans' tab is called "Project Details" (the menu calls the plans
//     "Projects");
//   - "No Target Audience Selected!" and "No project plan selected!" differ
//     in case and punctuation from the project plan window's messages.
// The tables' headings are the registries' (workspace/registry_codec.h).
// Texts are the sources of the window's tr().
namespace lendora::projects::names {

constexpr const char* window = "frmProjects";
constexpr const char* tabs = "SSTab1";
constexpr const char* projectsTable = "MSFG_Projects";
constexpr const char* audiencesTable = "MSFG_TargetAudience";
constexpr const char* plansTable = "MSFG_ProjectPlans";

constexpr const char* caption = QT_TRANSLATE_NOOP("lendora::ProjectsWindow", "All Projects");
constexpr const char* projectsTab = QT_TRANSLATE_NOOP("lendora::ProjectsWindow", "Basic Details");
constexpr const char* audiencesTab =
    QT_TRANSLATE_NOOP("lendora::ProjectsWindow", "Target Audience");
constexpr const char* plansTab = QT_TRANSLATE_NOOP("lendora::ProjectsWindow", "Project Details");
constexpr const char* noAudienceMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectsWindow", "No Target Audience Selected!");
constexpr const char* noPlanMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectsWindow", "No project plan selected!");

} // namespace lendora::projects::names
