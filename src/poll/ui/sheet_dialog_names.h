#pragma once

#include <QtGlobal>

// The objectNames and texts of the choice of a workbook's sheet,
// "frmChooseSheet". Tests find its controls by these names. Its texts have
// no deliberate misspellings.
// Texts are the sources of the dialog's tr().
namespace lendora::poll::sheet_names {

constexpr const char* window = "frmChooseSheet";
constexpr const char* question = "lblChooseSheet";
constexpr const char* sheets = "lstSheets";
constexpr const char* chooseButton = "cmdChooseSheet";
constexpr const char* cancelButton = "cmdCancelSheet";

constexpr const char* caption = QT_TRANSLATE_NOOP("lendora::ChooseSheetDialog", "Import Responses");
// The workbook's name.
constexpr const char* questionText =
    QT_TRANSLATE_NOOP("lendora::ChooseSheetDialog", "Which sheet of %1 holds the responses?");
constexpr const char* chooseText = QT_TRANSLATE_NOOP("lendora::ChooseSheetDialog", "Choose");
constexpr const char* cancelText = QT_TRANSLATE_NOOP("lendora::ChooseSheetDialog", "Cancel");

} // namespace lendora::poll::sheet_names
