#pragma once

#include <QtGlobal>

// The objectNames and texts of the audience window "frmTragetAudience".
// Tests and the road's transcripts find its controls by these names; users
// know the window by its texts: they stay exactly as they are. Deliberate,
// and never to be corrected: "Traget" in the window's name, and the blank
// before the colon of "Serial # :".
// Texts are the sources of the window's tr().
namespace lendora::audience::names {

constexpr const char* window = "frmTragetAudience"; // (sic)
constexpr const char* frame = "Frame1";
constexpr const char* numberCaption = "Label1";
constexpr const char* number = "lblTAIndex";
constexpr const char* definition = "txtTADefine";
constexpr const char* nextButton = "cmdNext";

constexpr const char* caption = QT_TRANSLATE_NOOP("lendora::AudienceWindow", "Target Audience");
constexpr const char* frameText =
    QT_TRANSLATE_NOOP("lendora::AudienceWindow", "Defining Target Audience");
constexpr const char* numberCaptionText =
    QT_TRANSLATE_NOOP("lendora::AudienceWindow", "Serial # :"); // (sic)
constexpr const char* nextText = QT_TRANSLATE_NOOP("lendora::AudienceWindow", "Next");

} // namespace lendora::audience::names
