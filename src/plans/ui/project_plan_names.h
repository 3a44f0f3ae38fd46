#pragma once

#include <QtGlobal>

// The objectNames and texts of the project plan window "frmProjectPlan".
// Tests and the road's transcripts find its tables and buttons by these
// names; users know the window by its texts: they stay exactly as they are.
// Deliberate, and never to be corrected:
//   - no blank after the first full stop of the delete question ("...
//     undone.Do still you want ...");
//   - the eight blanks that end "No project plans available        ";
//   - "No Target Audience Selected" without the All Projects window's "!",
//     and "No Project Plan selected!" with capitals where it has none.
// The tables' headings are the plan table's (plans/plan_table.h).
// Texts are the sources of the window's tr().
namespace lendora::plans::names {

constexpr const char* window = "frmProjectPlan";
constexpr const char* projectsTable = "MSFG_BasicDetails";
constexpr const char* detailsTable = "MSFG_BA";
constexpr const char* audiencesTable = "MSFG_TA";
constexpr const char* segmentsTable = "MSFG_Segments";
constexpr const char* plansTable = "MSFG_ProjectPlans";
constexpr const char* projectsFrame = "Frame1";
constexpr const char* audiencesFrame = "Frame2";
constexpr const char* plansFrame = "Frame3";
constexpr const char* detailsFrame = "fraBA";
constexpr const char* segmentsFrame = "fraTASegment";

// The buttons: objectName and text.
struct Button {
    const char* name;
    const char* text;
};
constexpr Button addButton = {"cmdAdd", QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Add")};
constexpr Button editButton = {"cmdEdit", QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Edit")};
constexpr Button deleteButton = {"cmdDelete",
                                 QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Delete")};
constexpr Button saveButton = {"cmdSave", QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Save")};
constexpr Button cancelButton = {"cmdCancel",
                                 QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Cancel")};

constexpr const char* caption = QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Project Plan");
constexpr const char* projectsText =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Basic Details");
constexpr const char* audiencesText =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Target Audience");
constexpr const char* plansText = QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Project Plan");
// Followed by the selected project's name.
constexpr const char* detailsFor =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Basic Details for ");
// Followed by the selected audience's description.
constexpr const char* segmentsOf = QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Segments of ");

// Messages.
constexpr const char* noProjectMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "No Basic Details selected");
constexpr const char* noAudienceMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "No Target Audience Selected"); // (sic)
constexpr const char* noPlanMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "No Project Plan selected!"); // (sic)
constexpr const char* notEditableMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Project plan not editable anymore");
constexpr const char* duplicateMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "This Project Plan already exists!");
constexpr const char* addedMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "New Project Plan");
constexpr const char* deleteQuestion =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow",
                      "Deleting cannot be undone.Do still you want to delete this project plan?\r\n"
                      "Deletion will not be updated unless saved."); // (sic)
constexpr const char* noPlansLeftMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "No project plans available        "); // (sic)
constexpr const char* savedMessage =
    QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Project Plan Saved");

} // namespace lendora::plans::names
