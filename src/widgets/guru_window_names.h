#pragma once

#include <QtGlobal>

// The objectNames and caption of the Guru window "frmHelp". Tests and the
// road's transcripts read the Guru's text from `txtHelp`; they stay exactly
// as they are. The caption has no blanks around its dash.
// Texts are the sources of the window's tr().
namespace lendora::ui::guru_names {

constexpr const char* window = "frmHelp";
constexpr const char* text = "txtHelp";
constexpr const char* caption = QT_TRANSLATE_NOOP("lendora::ui::GuruWindow", "Lendora 2012-Guru");

} // namespace lendora::ui::guru_names
