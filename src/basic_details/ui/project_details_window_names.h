#pragma once

#include <QtGlobal>

// The objectNames and texts of the Basic Details window "frmProjectDetails".
// Tests and the road's transcripts find its table by these names; users know
// the window by its caption: they stay exactly as they are. Deliberate, and
// never to be corrected: the table's name "MSFlexGrid1", and its heading
// "Min.Eligible Income" without a blank (storage/details_file.h).
// Texts are the sources of the window's tr().
namespace lendora::projectdetails::names {

constexpr const char* window = "frmProjectDetails";
constexpr const char* table = "MSFlexGrid1";
// The effective annual rates of the three brands, below the table.
constexpr const char* effectiveRates = "lblEffectiveRates";

constexpr const char* caption = QT_TRANSLATE_NOOP("lendora::ProjectDetailsWindow", "Basic Details");
// Followed by the project's name.
constexpr const char* captionFor =
    QT_TRANSLATE_NOOP("lendora::ProjectDetailsWindow", "Basic Details for ");

} // namespace lendora::projectdetails::names
