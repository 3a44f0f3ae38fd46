#include "poll/survey_file.h"

#include "poll/csv_reader.h"
#include "poll/survey_layout.h"
#include "poll/survey_sav.h"
#include "poll/survey_xlsx.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace lendora::poll {

namespace {

SurveyFile failure(const QString& reason, const QString& name) {
    return {std::nullopt, reason + QStringLiteral(": ") + name};
}

// Text exports hold no NUL byte, and UTF-16 ones are not read.
bool isBinary(const QByteArray& bytes) {
    return bytes.left(64 * 1024).contains('\0');
}

} // namespace

// Text saved as UTF-16 (with its byte order mark), as some spreadsheet
// programs save "Unicode text", in UTF-8.
QByteArray fromUtf16(const QByteArray& bytes) {
    const bool little = bytes.startsWith("\xFF\xFE");
    if (!little && !bytes.startsWith("\xFE\xFF"))
        return bytes;
    QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return QString(decoder(bytes.sliced(2))).toUtf8();
}

SurveyFile readSurveyCsv(const QByteArray& fileBytes, const QString& name) {
    const QByteArray bytes = fromUtf16(fileBytes);
    if (bytes.trimmed().isEmpty() || bytes == "\xEF\xBB\xBF")
        return failure(QStringLiteral("The file is empty"), name);
    if (isBinary(bytes))
        return failure(
            QStringLiteral("The file is neither comma-separated text nor an SPSS data file"), name);
    const CsvContent content = readCsv(bytes);
    if (content.unclosedQuoteLine > 0)
        return failure(QStringLiteral("A quoted answer that starts on line %1 is not closed")
                           .arg(content.unclosedQuoteLine),
                       name);
    QString error;
    std::optional<SurveyResponses> responses = responsesFromCsv(content, error);
    if (!responses)
        return failure(error, name);
    return {std::move(responses), {}};
}

namespace {
std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
} // namespace

QStringList surveySheets(const QString& path) {
    const std::optional<QByteArray> bytes = fileBytes(path);
    if (!bytes || !looksLikeWorkbook(*bytes))
        return {};
    QString error;
    return workbookSheets(*bytes, error).value_or(QStringList());
}

SurveyFile readSurveyFile(const QString& path, int sheet) {
    const QString name = QFileInfo(path).fileName();
    const std::optional<QByteArray> read = fileBytes(path);
    if (!read)
        return failure(QStringLiteral("The file cannot be read"), name);
    const QByteArray& bytes = *read;
    if (looksLikeWorkbook(bytes)) {
        QString error;
        std::optional<SurveyResponses> responses = readWorkbook(bytes, sheet, error);
        if (!responses)
            return failure(error, name);
        return {std::move(responses), {}};
    }
    if (looksLikeSav(bytes)) {
        QString error;
        std::optional<SurveyResponses> responses = readSav(path, error);
        if (!responses)
            return failure(error, name);
        return {std::move(responses), {}};
    }
    return readSurveyCsv(bytes, name);
}

} // namespace lendora::poll
