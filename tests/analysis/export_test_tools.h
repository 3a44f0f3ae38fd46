#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Reading exported files back with tools outside the program.
namespace lendora::test {

// The records of a CSV file as Python's csv module reads them (strict
// quoting, UTF-8); no value when python3 is not installed.
std::optional<QList<QStringList>> pythonCsv(const QString& path);

// The text of a PDF file as pdftotext reads it, one entry per page; no
// value when pdftotext is not installed.
std::optional<QStringList> pdfPages(const QString& path);

// Whether any pixel of the image has exactly that colour.
bool hasColour(const QImage& image, const QColor& colour);

} // namespace lendora::test
