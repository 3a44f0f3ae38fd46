#pragma once

#include <QStringList>

#include <vector>

class QTableView;

namespace lendora::ui {

// The selected rows of a table (the current one when none is selected)
// under its headings, as a spreadsheet takes them. A cell that shows a
// combo box gives the combo box's choice.
std::vector<QStringList> selectedRowCells(const QTableView& view);

// Puts the cells on the clipboard as tab-separated text and as an HTML
// table, the first row as headings.
void copyCells(const std::vector<QStringList>& cells);

// Gives a table that is no GridView the same copy: "Copy" in its context
// menu and on Ctrl+C while it has the focus.
void offerTableCopy(QTableView* view);

} // namespace lendora::ui
