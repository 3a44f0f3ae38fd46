#include "poll/survey_layout.h"

namespace lendora::poll {

bool isImportIdRow(const QStringList& fields) {
    bool any = false;
    for (const QString& field : fields) {
        const QString cell = field.trimmed();
        if (cell.isEmpty())
            continue;
        if (!cell.startsWith(u'{') || !cell.endsWith(u'}') ||
            !cell.contains(QStringLiteral("importid"), Qt::CaseInsensitive))
            return false;
        any = true;
    }
    return any;
}

std::optional<SurveyResponses> responsesFromCsv(const CsvContent& content, QString& error) {
    const std::vector<CsvRecord>& records = content.records;
    if (records.empty()) {
        error = QStringLiteral("The file holds no respondents");
        return std::nullopt;
    }
    SurveyResponses responses;
    const QStringList& names = records[0].fields;
    size_t first = 1;
    QStringList questions = names;
    if (records.size() >= 3 && isImportIdRow(records[2].fields) &&
        records[1].fields.size() == names.size()) {
        responses.layout = SurveyLayout::ThreeHeaders;
        questions = records[1].fields;
        first = 3;
    }
    const qsizetype width = names.size();
    responses.columns.resize(size_t(width));
    std::vector<ColumnBuilder> builders;
    builders.reserve(size_t(width));
    for (qsizetype c = 0; c < width; ++c) {
        SurveyColumn& column = responses.columns[size_t(c)];
        column.name = names[c].trimmed();
        column.question = questions[c].trimmed();
        column.codes.reserve(records.size() - first);
        builders.emplace_back(column);
    }
    responses.blank.reserve(records.size() - first);
    const QString empty;
    for (size_t i = first; i < records.size(); ++i) {
        const QStringList& fields = records[i].fields;
        const bool emptyLine = fields.size() == 1 && fields[0].isEmpty();
        if (!emptyLine && fields.size() != width) {
            error = QStringLiteral("Line %1 has %2 fields where the header has %3")
                        .arg(records[i].line)
                        .arg(fields.size())
                        .arg(width);
            return std::nullopt;
        }
        bool blank = true;
        for (qsizetype c = 0; c < width; ++c) {
            const QString& cell = emptyLine ? empty : fields[c];
            builders[size_t(c)].add(cell);
            blank = blank && responses.columns[size_t(c)]
                                 .answers[responses.columns[size_t(c)].codes.back()]
                                 .isEmpty();
        }
        responses.blank.push_back(blank);
    }
    if (responses.respondents() == 0) {
        error = QStringLiteral("The file holds no respondents");
        return std::nullopt;
    }
    return responses;
}

} // namespace lendora::poll
