#include "poll/survey_xlsx.h"

#include "poll/survey_layout.h"
#include "poll/xlsx_archive.h"
#include "poll/xlsx_parts.h"
#include "poll/xlsx_sheet.h"

#include <QCoreApplication>
#include <QLocale>

namespace lendora::poll {

namespace {

const QByteArray compoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

QString translated(const char* text) {
    return QCoreApplication::translate("lendora::poll", text);
}

QString damagedMessage() {
    return translated("The file is damaged or is not an Excel workbook");
}

QString archiveMessage(ArchiveError error) {
    switch (error) {
    case ArchiveError::Encrypted:
        return translated("The workbook is protected by a password: save it without one and "
                          "import it again");
    case ArchiveError::TooLarge:
        return translated("The workbook expands to more than 1 GB");
    default:
        return damagedMessage();
    }
}

// A compound file is an old binary workbook, or a new one encrypted with a
// password: that one holds a stream named "EncryptedPackage".
QString compoundFileMessage(const QByteArray& bytes) {
    const QString stream = QStringLiteral("EncryptedPackage");
    const QByteArray name(reinterpret_cast<const char*>(stream.utf16()), stream.size() * 2);
    if (bytes.contains(name))
        return archiveMessage(ArchiveError::Encrypted);
    return translated("The file is an Excel 97-2003 workbook (.xls): save it as an .xlsx "
                      "workbook or as CSV and import it again");
}

struct OpenWorkbook {
    std::unique_ptr<XlsxArchive> archive;
    WorkbookParts parts;
};

std::optional<OpenWorkbook> openWorkbook(const QByteArray& bytes, const WorkbookLimits& limits,
                                         QString& error) {
    if (bytes.startsWith(compoundFileSignature)) {
        error = compoundFileMessage(bytes);
        return std::nullopt;
    }
    OpenWorkbook workbook;
    workbook.archive = std::make_unique<XlsxArchive>(bytes, limits.expandedBytes);
    std::optional<WorkbookParts> parts;
    if (workbook.archive->error() == ArchiveError::None)
        parts = readWorkbookParts(*workbook.archive);
    if (!parts) {
        error = archiveMessage(workbook.archive->error());
        return std::nullopt;
    }
    if (parts->sheets.empty()) {
        error = translated("The workbook holds no sheet");
        return std::nullopt;
    }
    workbook.parts = std::move(*parts);
    return workbook;
}

} // namespace

bool looksLikeWorkbook(const QByteArray& start) {
    return start.startsWith("PK\x03\x04") || start.startsWith(compoundFileSignature);
}

std::optional<QStringList> workbookSheets(const QByteArray& bytes, QString& error,
                                          const WorkbookLimits& limits) {
    const std::optional<OpenWorkbook> workbook = openWorkbook(bytes, limits, error);
    if (!workbook)
        return std::nullopt;
    QStringList names;
    for (const WorkbookSheet& sheet : workbook->parts.sheets)
        names.append(sheet.name);
    return names;
}

std::optional<SurveyResponses> readWorkbook(const QByteArray& bytes, int sheet, QString& error,
                                            const WorkbookLimits& limits) {
    std::optional<OpenWorkbook> workbook = openWorkbook(bytes, limits, error);
    if (!workbook)
        return std::nullopt;
    const WorkbookParts& parts = workbook->parts;
    XlsxArchive& archive = *workbook->archive;
    if (sheet < 0 || size_t(sheet) >= parts.sheets.size()) {
        error = translated("The workbook holds no such sheet");
        return std::nullopt;
    }
    CellContext context;
    context.date1904 = parts.date1904;
    if (!parts.sharedStrings.isEmpty()) {
        std::optional<QStringList> strings = readSharedStrings(archive, parts.sharedStrings);
        if (!strings) {
            error = archiveMessage(archive.error());
            return std::nullopt;
        }
        context.sharedStrings = std::move(*strings);
    }
    if (!parts.styles.isEmpty()) {
        std::optional<std::vector<bool>> dates = readDateStyles(archive, parts.styles);
        if (!dates) {
            error = archiveMessage(archive.error());
            return std::nullopt;
        }
        context.dateStyles = std::move(*dates);
    }
    ResponsesFromRows rows(limits.cells);
    const SheetError read =
        readSheetRows(archive, parts.sheets[size_t(sheet)].part, context, limits.rows,
                      [&rows](int number, const std::vector<SheetCell>& cells) {
                          return rows.add(number, cells);
                      });
    if (read == SheetError::TooManyRows) {
        error = translated("The sheet has more than %1 rows")
                    .arg(QLocale(QLocale::English).toString(limits.rows));
        return std::nullopt;
    }
    if (read == SheetError::Damaged) {
        error = archiveMessage(archive.error());
        return std::nullopt;
    }
    return rows.take(error);
}

} // namespace lendora::poll
