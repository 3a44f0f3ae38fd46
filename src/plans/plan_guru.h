#pragma once

#include <QString>

// The Guru texts of the project plan window.
namespace lendora::guru {

// `Guru_Project_Plan`: shown when the window opens while the Guru is on.
QString projectPlan();

// `Guru_PP_Basic_Details`: after a project was selected.
QString planProjectSelected();

// `Guru_PP_Target_Audience`: after an audience was selected.
QString planAudienceSelected();

} // namespace lendora::guru
