#include "poll/xlsx_parts.h"

#include <QDir>
#include <QHash>

#include <algorithm>

namespace lendora::poll {

XmlPart::XmlPart(XlsxArchive& archive, const QString& name)
    : archive_(archive)
    , exists_(archive.open(name)) {
    fed_ = !exists_;
}

QXmlStreamReader::TokenType XmlPart::next() {
    if (xml_.tokenType() == QXmlStreamReader::EndDocument)
        return QXmlStreamReader::Invalid;
    while (true) {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token != QXmlStreamReader::Invalid ||
            xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError || fed_)
            return token;
        const QByteArray chunk = archive_.read();
        if (chunk.isEmpty())
            fed_ = true;
        else
            xml_.addData(chunk);
    }
}

bool XmlPart::failed() const {
    return archive_.error() != ArchiveError::None ||
           (xml_.hasError() && xml_.tokenType() != QXmlStreamReader::EndDocument);
}

bool XmlPart::starts(QLatin1StringView name) const {
    return xml_.isStartElement() && xml_.name() == name;
}

bool XmlPart::ends(QLatin1StringView name) const {
    return xml_.isEndElement() && xml_.name() == name;
}

QString XmlPart::attribute(QLatin1StringView name) const {
    const QXmlStreamAttributes attributes = xml_.attributes();
    for (const QXmlStreamAttribute& attribute : attributes)
        if (attribute.name() == name)
            return attribute.value().toString();
    return {};
}

QString XmlPart::elementText() {
    QString text;
    for (int depth = 1; depth > 0;) {
        switch (next()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            text += xml_.text();
            break;
        case QXmlStreamReader::Invalid:
            return {};
        default:
            break;
        }
    }
    return text;
}

namespace {

using namespace Qt::StringLiterals;

struct Relationship {
    QString type;
    QString target; // the part it names, a path inside the archive
};

// The folder of a part, with its trailing slash ("xl/" for "xl/workbook.xml").
QString folderOf(const QString& part) {
    return part.left(part.lastIndexOf(u'/') + 1);
}

// The relationships of a part ("" for the package), by id; no value when
// their part is damaged.
std::optional<QHash<QString, Relationship>> readRelationships(XlsxArchive& archive,
                                                              const QString& source) {
    const QString folder = folderOf(source);
    XmlPart part(archive, folder + "_rels/"_L1 + source.mid(folder.size()) + ".rels"_L1);
    QHash<QString, Relationship> relationships;
    while (part.next() != QXmlStreamReader::Invalid) {
        if (!part.starts("Relationship"_L1) || part.attribute("TargetMode"_L1) == "External"_L1)
            continue;
        const QString target = part.attribute("Target"_L1);
        const QString path = target.startsWith(u'/') ? target.mid(1) : folder + target;
        relationships.insert(part.attribute("Id"_L1),
                             {part.attribute("Type"_L1), QDir::cleanPath(path)});
    }
    if (part.failed())
        return std::nullopt;
    return relationships;
}

bool isType(const Relationship& relationship, QLatin1StringView type) {
    return relationship.type.endsWith(u'/' + type);
}

// Number formats 14 to 22 and 45 to 47 show dates and times in every
// language; 27 to 36 and 50 to 58 do in the East Asian ones.
bool isBuiltInDateFormat(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

// A format code shows a date or a time when, outside quoted texts, escaped
// characters and bracketed parts (colours, conditions, locales), it holds a
// day, month, year, hour or second placeholder.
bool isDateFormatCode(QStringView code) {
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == u'"') {
            i = code.indexOf(u'"', i + 1);
            if (i < 0)
                return false;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // the next character is shown as it is, or fills space
        } else if (c == u'[') {
            // [h], [mm] and [ss] are elapsed times; other brackets are not.
            const qsizetype close = code.indexOf(u']', i);
            if (close < 0)
                return false;
            const QStringView inside = code.sliced(i + 1, close - i - 1);
            if (!inside.isEmpty() && QStringLiteral("hms").contains(inside[0].toLower()))
                return true;
            i = close;
        } else if (QStringLiteral("dmyhs").contains(c)) {
            return true;
        }
    }
    return false;
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

std::optional<WorkbookParts> readWorkbookParts(XlsxArchive& archive) {
    const std::optional<QHash<QString, Relationship>> package = readRelationships(archive, {});
    if (!package)
        return std::nullopt;
    QString workbook;
    for (const Relationship& relationship : *package)
        if (isType(relationship, "officeDocument"_L1))
            workbook = relationship.target;
    if (workbook.isEmpty())
        return std::nullopt;
    const std::optional<QHash<QString, Relationship>> related =
        readRelationships(archive, workbook);
    if (!related)
        return std::nullopt;
    WorkbookParts parts;
    for (const Relationship& relationship : *related) {
        if (isType(relationship, "sharedStrings"_L1))
            parts.sharedStrings = relationship.target;
        else if (isType(relationship, "styles"_L1))
            parts.styles = relationship.target;
    }
    XmlPart part(archive, workbook);
    if (!part.exists())
        return std::nullopt;
    while (part.next() != QXmlStreamReader::Invalid) {
        if (part.starts("workbookPr"_L1)) {
            const QString date1904 = part.attribute("date1904"_L1);
            parts.date1904 = date1904 == "1"_L1 || date1904 == "true"_L1;
        } else if (part.starts("sheet"_L1)) {
            // Chart sheets and other kinds hold no cells.
            const auto it = related->constFind(part.attribute("id"_L1));
            if (it != related->constEnd() && isType(*it, "worksheet"_L1))
                parts.sheets.push_back({part.attribute("name"_L1), it->target});
        }
    }
    if (part.failed())
        return std::nullopt;
    return parts;
}

std::optional<QStringList> readSharedStrings(XlsxArchive& archive, const QString& name) {
    XmlPart part(archive, name);
    QStringList strings;
    while (part.next() != QXmlStreamReader::Invalid)
        if (part.starts("si"_L1))
            strings.append(richText(part));
    if (!part.exists() || part.failed())
        return std::nullopt;
    return strings;
}

QString richText(XmlPart& part) {
    QString text;
    int depth = 1;
    bool phonetic = false; // inside a reading aid, which is not part of the text
    bool inText = false;
    while (depth > 0) {
        switch (part.next()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (part.starts("rPh"_L1))
                phonetic = true;
            else if (part.starts("t"_L1))
                inText = !phonetic;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (part.ends("rPh"_L1))
                phonetic = false;
            else if (part.ends("t"_L1))
                inText = false;
            break;
        case QXmlStreamReader::Characters:
            if (inText)
                text += part.xml().text();
            break;
        case QXmlStreamReader::Invalid:
            return {};
        default:
            break;
        }
    }
    return unescapedText(text);
}

std::optional<std::vector<bool>> readDateStyles(XlsxArchive& archive, const QString& name) {
    XmlPart part(archive, name);
    QHash<int, bool> customDates; // format id: shows a date
    std::vector<bool> dates;
    bool cellFormats = false;
    while (part.next() != QXmlStreamReader::Invalid) {
        if (part.starts("numFmt"_L1)) {
            customDates.insert(part.attribute("numFmtId"_L1).toInt(),
                               isDateFormatCode(part.attribute("formatCode"_L1)));
        } else if (part.starts("cellXfs"_L1)) {
            cellFormats = true;
        } else if (part.ends("cellXfs"_L1)) {
            cellFormats = false;
        } else if (cellFormats && part.starts("xf"_L1)) {
            const int id = part.attribute("numFmtId"_L1).toInt();
            dates.push_back(customDates.value(id, isBuiltInDateFormat(id)));
        }
    }
    if (!part.exists() || part.failed())
        return std::nullopt;
    return dates;
}

QString unescapedText(const QString& text) {
    if (!text.contains("_x"_L1))
        return text;
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // "_x" four hexadecimal digits "_"
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            const QStringView digits = QStringView(text).sliced(i + 2, 4);
            if (std::all_of(digits.begin(), digits.end(), isHexDigit)) {
                plain += QChar(digits.toUShort(nullptr, 16));
                i += 6;
                continue;
            }
        }
        plain += text[i];
    }
    return plain;
}

} // namespace lendora::poll
