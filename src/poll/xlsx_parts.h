#pragma once

#include "poll/xlsx_archive.h"

#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <optional>
#include <vector>

// The XML parts of a workbook that say where its sheets are and how to read
// their cells: the package's relationships, the workbook's list of sheets,
// the shared strings and the cell styles that show dates. Elements are
// matched by their local names, so both namespaces of the format read.
namespace lendora::poll {

// An XML part read as its bytes are inflated.
class XmlPart {
public:
    XmlPart(XlsxArchive& archive, const QString& name);

    bool exists() const { return exists_; }
    // The next token; QXmlStreamReader::Invalid at the end of the part and
    // on an error (failed()).
    QXmlStreamReader::TokenType next();
    bool failed() const;
    // Whether the current token is the start or the end of an element of
    // that local name.
    bool starts(QLatin1StringView name) const;
    bool ends(QLatin1StringView name) const;
    QString attribute(QLatin1StringView name) const;
    // The text up to the end of the current element (the texts of the
    // elements inside it included); empty on an error.
    QString elementText();
    QXmlStreamReader& xml() { return xml_; }

private:
    XlsxArchive& archive_;
    QXmlStreamReader xml_;
    bool exists_ = false;
    bool fed_ = false; // every byte of the part was handed to the reader
};

struct WorkbookSheet {
    QString name;
    QString part;
};

struct WorkbookParts {
    std::vector<WorkbookSheet> sheets; // worksheets, in the workbook's order
    QString sharedStrings;             // part names; empty when the workbook has none
    QString styles;
    bool date1904 = false; // day numbers count from 1904 instead of 1900
};

// No value when the workbook part or its relationships are missing or
// damaged.
std::optional<WorkbookParts> readWorkbookParts(XlsxArchive& archive);

// The shared strings, in order (rich text runs joined); none when the part
// is damaged.
std::optional<QStringList> readSharedStrings(XlsxArchive& archive, const QString& part);

// The text of a string item (shared "si" or inline "is"), the current
// element: its text runs joined, reading aids left out, escapes decoded. The
// part is left at the item's end.
QString richText(XmlPart& part);

// Per cell style index: whether it shows its number as a date or a time.
std::optional<std::vector<bool>> readDateStyles(XlsxArchive& archive, const QString& part);

// A text with the format's escapes of characters XML cannot hold
// ("_x000D_" for a carriage return, "_x005F_" for "_") decoded.
QString unescapedText(const QString& text);

} // namespace lendora::poll
