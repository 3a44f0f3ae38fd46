#pragma once

#include <QString>

class QAbstractItemModel;
class QGroupBox;
class QPushButton;
class QWidget;

namespace lendora::ui {
class Desk;
class GridView;
} // namespace lendora::ui

// Small pieces the panels of the Analysis window share.
namespace lendora::analysis {

// A button of the window: disabled until its step comes, never taking Enter.
QPushButton* newButton(const char* objectName, const QString& text);

// A table view of a model that never stretches its last column over the
// free width, so the numbers stay next to their headings.
ui::GridView* newTable(QAbstractItemModel* model, const char* objectName);

// A titled frame around one widget.
QGroupBox* newFrame(const char* objectName, const QString& title, QWidget* content);

// The Guru's word on a forecast tool, shown only while the Guru is on.
void showInGuru(ui::Desk& desk, const QString& text);

} // namespace lendora::analysis
