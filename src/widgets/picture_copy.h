#pragma once

class QWidget;

namespace lendora::ui {

// The objectName of the "Copy" action a widget gets from offerPictureCopy.
inline constexpr char copyPictureAction[] = "actCopyPicture";

// Gives the widget (a chart) "Copy" in its context menu and on Ctrl+C
// while it has the focus: its picture, at its size on screen, goes to the
// clipboard, ready to paste into a document or a spreadsheet.
void offerPictureCopy(QWidget* widget);

// Puts the widget's picture on the clipboard.
void copyPicture(QWidget* widget);

} // namespace lendora::ui
