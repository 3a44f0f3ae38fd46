#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

namespace lendora::test {

// The rows of a table file under tests/data: one row a line, cells split by
// tabs; empty lines and lines starting with # are skipped. In a cell, \r, \n
// and \t stand for CR, LF and a tab, and a lone - for an empty text, so that
// message texts keep every character (trailing blanks too).
std::vector<QStringList> dataRows(const QString& relativePath);

// The rows of a table file whose first cell is the key, without that cell.
std::vector<QStringList> dataRows(const QString& relativePath, const QString& key);

// A table file of two cells a row read as key -> text.
QMap<QString, QString> dataTexts(const QString& relativePath);

} // namespace lendora::test
