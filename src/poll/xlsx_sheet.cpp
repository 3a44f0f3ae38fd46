#include "poll/xlsx_sheet.h"

#include "poll/xlsx_parts.h"

#include <QDate>
#include <QTime>

#include <cmath>

namespace lendora::poll {

using namespace Qt::StringLiterals;

namespace {

constexpr int sheetColumns = 16384;

struct CellValue {
    QString text;
    bool ok = true;
};

// How a cell keeps its value (its "t" attribute).
enum class CellType { Number, Shared, Inline, Boolean, Date, Text };

CellType typeOf(QStringView type) {
    if (type == "s"_L1)
        return CellType::Shared;
    if (type == "inlineStr"_L1)
        return CellType::Inline;
    if (type == "b"_L1)
        return CellType::Boolean;
    if (type == "d"_L1)
        return CellType::Date;
    if (type == "str"_L1 || type == "e"_L1)
        return CellType::Text;
    return CellType::Number;
}

// The value of a cell element (the current token), read to its end.
CellValue readCell(XmlPart& part, const CellContext& context, CellType type, int style) {
    QString value;
    QString inlineText;
    while (true) {
        const QXmlStreamReader::TokenType token = part.next();
        if (token == QXmlStreamReader::Invalid)
            return {{}, false};
        if (token == QXmlStreamReader::EndElement)
            break; // the end of the cell
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (part.starts("v"_L1))
            value = part.elementText();
        else if (part.starts("is"_L1))
            inlineText = richText(part);
        else
            part.elementText(); // a formula or an extension: not an answer
    }
    switch (type) {
    case CellType::Shared: {
        bool ok = false;
        const int index = QStringView(value).trimmed().toInt(&ok);
        if (!ok || index < 0 || index >= context.sharedStrings.size())
            return {{}, false};
        return {context.sharedStrings[index]};
    }
    case CellType::Inline:
        return {inlineText};
    case CellType::Boolean:
        return {value == "1"_L1 ? u"TRUE"_s : value == "0"_L1 ? u"FALSE"_s : value};
    case CellType::Date: // an ISO 8601 date and time
        return {value.replace(u'T', u' ')};
    case CellType::Text:
        return {unescapedText(value)};
    case CellType::Number:
        break;
    }
    bool number = false;
    const double days = value.toDouble(&number);
    if (!number || !std::isfinite(days))
        return {value};
    if (style >= 0 && size_t(style) < context.dateStyles.size() &&
        context.dateStyles[size_t(style)])
        return {dateText(days, context.date1904)};
    return {numberAnswer(days)};
}

} // namespace

SheetError readSheetRows(XlsxArchive& archive, const QString& name, const CellContext& context,
                         int maxRows,
                         const std::function<bool(int, const std::vector<SheetCell>&)>& onRow) {
    XmlPart part(archive, name);
    if (!part.exists())
        return SheetError::Damaged;
    std::vector<SheetCell> cells;
    bool inData = false;
    int row = 0;
    int lastRow = 0;
    int lastColumn = -1;
    while (part.next() != QXmlStreamReader::Invalid) {
        if (part.starts("sheetData"_L1)) {
            inData = true;
        } else if (part.ends("sheetData"_L1)) {
            inData = false;
        } else if (!inData) {
            continue;
        } else if (part.starts("row"_L1)) {
            const QString number = part.attribute("r"_L1);
            bool ok = true;
            row = number.isEmpty() ? lastRow + 1 : number.toInt(&ok);
            if (!ok || row <= lastRow)
                return SheetError::Damaged;
            if (row > maxRows)
                return SheetError::TooManyRows;
            cells.clear();
            lastColumn = -1;
        } else if (part.starts("c"_L1)) {
            // The attributes in one pass: a sheet has millions of cells.
            int column = lastColumn + 1;
            CellType type = CellType::Number;
            int style = 0;
            // A const list: iterating the reader's own would copy it.
            const QXmlStreamAttributes attributes = part.xml().attributes();
            for (const QXmlStreamAttribute& attribute : attributes) {
                const QStringView name = attribute.name();
                if (name == "r"_L1)
                    column = columnOf(attribute.value());
                else if (name == "t"_L1)
                    type = typeOf(attribute.value());
                else if (name == "s"_L1)
                    style = attribute.value().toInt();
            }
            if (row == 0 || column <= lastColumn || column >= sheetColumns)
                return SheetError::Damaged;
            lastColumn = column;
            CellValue cell = readCell(part, context, type, style);
            if (!cell.ok)
                return SheetError::Damaged;
            if (!cell.text.isEmpty())
                cells.push_back({column, std::move(cell.text)});
        } else if (part.ends("row"_L1)) {
            lastRow = row;
            if (!onRow(row, cells))
                return SheetError::None;
        }
    }
    return part.failed() ? SheetError::Damaged : SheetError::None;
}

int columnOf(QStringView reference) {
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size(); ++i) {
        const char16_t letter = QChar(reference[i]).toUpper().unicode();
        if (letter < u'A' || letter > u'Z')
            break;
        column = column * 26 + (letter - u'A' + 1);
        if (column > sheetColumns)
            return -1;
    }
    return i == 0 ? -1 : column - 1;
}

QString dateText(double days, bool date1904) {
    // Beyond 31 December 9999 no spreadsheet shows a date.
    if (days < 0 || days >= 2958466)
        return numberAnswer(days);
    const auto seconds = static_cast<long long>(std::llround(days * 86400));
    const long long day = seconds / 86400;
    const QTime time = QTime(0, 0).addSecs(int(seconds % 86400));
    QDate date;
    if (date1904)
        date = QDate(1904, 1, 1).addDays(day);
    else if (day == 0)
        return time.toString(u"HH:mm:ss");
    else if (day < 61) // the count believes in a 29 February 1900
        date = QDate(1899, 12, 31).addDays(day);
    else
        date = QDate(1899, 12, 30).addDays(day);
    if (seconds % 86400 == 0)
        return date.toString(Qt::ISODate);
    return date.toString(Qt::ISODate) + u' ' + time.toString(u"HH:mm:ss");
}

} // namespace lendora::poll
