#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Workbooks for the tests, written by libxlsxwriter (through the
// lendora-workbook program, whose script is described in
// tests/support/workbook_writer_tool.cpp): an independent writer, so the
// reader is tried on files as spreadsheet programs make them.
namespace lendora::test {

// libxlsxwriter keeps strings in the shared table, or (in its constant
// memory mode) inline in the cells.
enum class Strings { Shared, Inline };

// The workbook a script writes; empty when the writer fails.
QByteArray workbook(const QString& script, Strings strings);

struct SheetRows {
    QString name;
    std::vector<QStringList> rows;
};

// A workbook of the sheets: a text that reads as a number becomes a number
// cell, an empty text no cell, any other text a string.
QByteArray workbookOf(const std::vector<SheetRows>& sheets, Strings strings);

// The records of a comma-separated file as the rows of one sheet.
SheetRows rowsOfCsv(const QString& path);

// A field of the script, its tabs, line breaks and backslashes escaped.
QString scriptField(QString text);

} // namespace lendora::test
