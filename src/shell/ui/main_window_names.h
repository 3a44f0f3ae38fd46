#pragma once

#include "shell/menu_names.h"

#include <QtGlobal>

// The objectNames and texts of the main window "frmMother" and its menus.
// Tests and the road's transcripts find the window and its entries by these
// names, and users know the menus by their captions: they stay exactly as
// they are. Deliberate, and never to be corrected:
//   - "Questionaire Preview" (one n) in the Open menu;
//   - the entries' names, which do not say what they open ("mnuNwPFD" opens
//     a new target audience, "mnuNwProject" the project plans): see
//     shell/menu_names.h.
// Texts are the sources of the window's tr().
namespace lendora::mainwindow::names {

constexpr const char* window = "frmMother";
constexpr const char* area = "mdiArea";
constexpr const char* statusBar = "staFolder";
constexpr const char* folderStatus = "lblFolderStatus";
// A work window's frame carries its window's name followed by this.
constexpr const char* childSuffix = "Window";
// A menu carries its entry's name followed by this.
constexpr const char* menuSuffix = "Menu";

constexpr const char* caption = QT_TRANSLATE_NOOP("lendora::MainWindow", "Lendora 2012");

// The captions of the menus and entries (their names: shell/menu_names.h).
constexpr const char* goCaption = QT_TRANSLATE_NOOP("lendora::MainWindow", "Go");
constexpr const char* newCaption = QT_TRANSLATE_NOOP("lendora::MainWindow", "New");
constexpr const char* newBasicDetailsCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Basic Details");
constexpr const char* newAudienceCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Target Audience");
constexpr const char* newPollResultsCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Poll Results");
constexpr const char* openCaption = QT_TRANSLATE_NOOP("lendora::MainWindow", "Open");
constexpr const char* openBasicDetailsCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Basic Details");
constexpr const char* openAudienceCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Target Audience");
constexpr const char* questionnairePreviewCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Questionaire Preview"); // (sic)
constexpr const char* openPollResultsCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Poll Results");
constexpr const char* importResponsesCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Import Responses...");
constexpr const char* projectPlansCaption = QT_TRANSLATE_NOOP("lendora::MainWindow", "Projects");
constexpr const char* analysisCaption = QT_TRANSLATE_NOOP("lendora::MainWindow", "Analysis");
constexpr const char* reloadFolderCaption =
    QT_TRANSLATE_NOOP("lendora::MainWindow", "Reload Folder");
constexpr const char* helpCaption = QT_TRANSLATE_NOOP("lendora::MainWindow", "Help");
constexpr const char* aboutGuruCaption = QT_TRANSLATE_NOOP("lendora::MainWindow", "About Guru");
constexpr const char* guruCaption = QT_TRANSLATE_NOOP("lendora::MainWindow", "Guru");

} // namespace lendora::mainwindow::names
