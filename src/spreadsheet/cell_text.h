#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Blocks of cells as spreadsheet programs put them on the clipboard and take
// them from it: tab-separated text (a cell holding a tab, a line break or a
// double quote in double quotes, its quotes doubled) and an HTML table.
namespace lendora::spreadsheet {

using CellRows = std::vector<QStringList>;

// Rows joined by line feeds, each ending with one, cells by tabs.
QString tabSeparatedText(const CellRows& rows);
// A <table> of the rows, the first one as headings when `headings` is set.
QString htmlTable(const CellRows& rows, bool headings);

// The block a spreadsheet program copied: rows end with CR LF or LF (a last
// line end is no empty row), cells are separated by tabs, a cell that starts
// with a double quote runs to its closing quote, line breaks and tabs
// included.
CellRows parseTabSeparated(const QString& text);

} // namespace lendora::spreadsheet
