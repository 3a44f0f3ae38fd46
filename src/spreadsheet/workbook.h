#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// An Excel workbook as the program makes it: sheets of text and number
// cells, bold headings that stay in view, fitted columns and native charts
// over the sheets' cells. The lendora-workbook program writes it with
// libxlsxwriter (src/app/workbook_writer.cpp) from the script made here.
namespace lendora::spreadsheet {

struct Cell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    QString text;
    double number = 0;
    QString numberFormat; // Excel's format code, e.g. "0" or "0.00"; none: General
    bool bold = false;

    static Cell ofText(QString text, bool bold = false);
    static Cell ofNumber(double number, QString numberFormat = {});
};

struct CellAt {
    int row = 0;
    int column = 0;
};

// Cells from (firstRow, firstColumn) to (lastRow, lastColumn), from 0.
struct Range {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;
};

struct Chart {
    enum class Kind { Column, Bar, Line };
    struct Series {
        QString name;
        // The cell that names it (its heading), so the name follows an edit.
        std::optional<CellAt> nameCell;
        Range categories;
        Range values;
    };
    Kind kind = Kind::Column;
    QString title;
    QString categoryTitle;
    QString valueTitle;
    int row = 0; // the cell its top left corner stands on
    int column = 0;
    int width = 960; // pixels
    int height = 480;
    std::vector<Series> series; // over the cells of the chart's own sheet
};

struct Sheet {
    QString name;
    std::vector<std::vector<Cell>> rows;
    int frozenRows = 0; // rows above that stay in view
    int frozenColumns = 0;
    std::vector<Chart> charts;

    // The cell, the sheet grown to hold it.
    Cell& at(int row, int column);
};

struct Workbook {
    std::vector<Sheet> sheets;

    // A new sheet whose name Excel accepts (see sheetName).
    Sheet& addSheet(const QString& wantedName);
};

// At most 31 characters, none of []:*?/\ and no apostrophe at either end,
// not empty, and unlike every name taken (letter case aside): a number is
// added where needed.
QString sheetName(const QString& wanted, const std::vector<QString>& taken);

// "A", ..., "Z", "AA", ... for columns 0, 1, ...
QString columnLetters(int column);
// ='Sheet name'!$A$2:$A$5, and ='Sheet name'!$B$1 for one cell.
QString rangeReference(const QString& sheet, const Range& range);
QString cellReference(const QString& sheet, const CellAt& cell);

// The longest text a cell holds in Excel; longer texts are cut.
constexpr int longestCellText = 32767;

// The script lendora-workbook reads, columns fitted to their contents.
QByteArray workbookScript(const Workbook& workbook);

// Runs lendora-workbook: the workbook's bytes, or no bytes and the reason.
struct WrittenWorkbook {
    QByteArray bytes;
    QString error;
};
WrittenWorkbook writeWorkbook(const Workbook& workbook);

// Where lendora-workbook is: beside the program, in its libexec folder, or
// where the build made it; empty when it is nowhere.
QString writerProgram();

} // namespace lendora::spreadsheet
