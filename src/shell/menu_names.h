#pragma once

// The objectNames of the main window's menus and entries, by what they do.
// Tests, the road's transcripts and the menu switching find the entries by
// these names, so they stay exactly as they are; the captions are the main
// window's (shell/ui/main_window_names.h).
namespace lendora::menu {

inline constexpr char go[] = "mnuStart";
inline constexpr char create[] = "mnuNew";
inline constexpr char newBasicDetails[] = "mnuNewBD";
inline constexpr char newAudience[] = "mnuNwPFD";
inline constexpr char newPollResults[] = "mnuNPR";
inline constexpr char open[] = "mnuOpen";
inline constexpr char openBasicDetails[] = "mnuXBD";
inline constexpr char openAudience[] = "mnuXPF";
inline constexpr char questionnairePreview[] = "mnuQP";
inline constexpr char openPollResults[] = "mnuPRD";
inline constexpr char importResponses[] = "mnuImportResponses";
inline constexpr char projectPlans[] = "mnuNwProject";
inline constexpr char analysis[] = "mnuNewAnalysis";
inline constexpr char reloadFolder[] = "mnuReload";
inline constexpr char help[] = "mnuHelp";
inline constexpr char aboutGuru[] = "mnuAbout";
inline constexpr char guru[] = "mnuGuru";

} // namespace lendora::menu
