#include "poll/survey_layout.h"

#include <QCoreApplication>
#include <QLocale>

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

namespace lendora::poll {

struct ResponsesFromRows::Column {
    SurveyColumn data;
    ColumnBuilder builder{data};
};

ResponsesFromRows::ResponsesFromRows(long long cellLimit)
    : cellLimit_(cellLimit) {}

ResponsesFromRows::~ResponsesFromRows() = default;

bool ResponsesFromRows::add(int number, const std::vector<SheetCell>& cells) {
    if (overLimit_)
        return false;
    if (!laidOut_ && number <= 3) {
        headerRows_.resize(size_t(number));
        headerRows_.back() = cells;
        return true;
    }
    if (!laidOut_)
        layOut();
    const long long respondents = number - firstRespondentRow_ + 1;
    if (static_cast<long long>(columns_.size()) * respondents > cellLimit_) {
        overLimit_ = true;
        return false;
    }
    while (static_cast<long long>(blank_.size()) < respondents - 1)
        addRespondent({});
    addRespondent(cells);
    return withinLimit();
}

void ResponsesFromRows::layOut() {
    laidOut_ = true;
    // Rows past the last one given are no respondents.
    const int given = int(headerRows_.size());
    std::vector<std::vector<SheetCell>> rows = std::move(headerRows_);
    rows.resize(3);
    QStringList third;
    for (const SheetCell& cell : rows[2])
        third.append(cell.text);
    if (isImportIdRow(third)) {
        layout_ = SurveyLayout::ThreeHeaders;
        firstRespondentRow_ = 4;
    }
    for (const SheetCell& cell : rows[0])
        column(cell.column).data.name = cell.text.trimmed();
    if (layout_ == SurveyLayout::ThreeHeaders)
        for (const SheetCell& cell : rows[1])
            column(cell.column).data.question = cell.text.trimmed();
    for (int row = firstRespondentRow_; row <= given; ++row)
        addRespondent(rows[size_t(row - 1)]);
}

ResponsesFromRows::Column& ResponsesFromRows::column(int sheetColumn) {
    std::unique_ptr<Column>& column = columns_[sheetColumn];
    if (!column) {
        column = std::make_unique<Column>();
        // The rows before it had nothing in this column.
        column->data.codes.reserve(blank_.size());
        for (size_t r = 0; r < blank_.size(); ++r)
            column->builder.add(QString());
    }
    return *column;
}

void ResponsesFromRows::addRespondent(const std::vector<SheetCell>& cells) {
    if (!cells.empty() && rowTexts_.size() <= size_t(cells.back().column))
        rowTexts_.resize(size_t(cells.back().column) + 1, nullptr);
    for (const SheetCell& cell : cells) {
        if (QStringView(cell.text).trimmed().isEmpty())
            continue;
        column(cell.column);
        rowTexts_[size_t(cell.column)] = &cell.text;
    }
    const QString empty;
    bool blank = true;
    for (auto& [sheetColumn, column] : columns_) {
        const QString* text =
            size_t(sheetColumn) < rowTexts_.size() ? rowTexts_[size_t(sheetColumn)] : nullptr;
        column->builder.add(text ? *text : empty);
        blank = blank && !text;
    }
    for (const SheetCell& cell : cells)
        rowTexts_[size_t(cell.column)] = nullptr;
    blank_.push_back(blank);
}

bool ResponsesFromRows::withinLimit() {
    overLimit_ = static_cast<long long>(columns_.size()) * static_cast<long long>(blank_.size()) >
                 cellLimit_;
    return !overLimit_;
}

std::optional<SurveyResponses> ResponsesFromRows::take(QString& error) {
    if (!laidOut_)
        layOut();
    if (overLimit_) {
        error = QCoreApplication::translate("lendora::poll", "The sheet holds more than %1 cells")
                    .arg(QLocale(QLocale::English).toString(cellLimit_));
        return std::nullopt;
    }
    if (blank_.empty()) {
        error = QStringLiteral("The file holds no respondents");
        return std::nullopt;
    }
    SurveyResponses responses;
    responses.layout = layout_;
    for (auto& [sheetColumn, column] : columns_) {
        SurveyColumn& data = column->data;
        if (data.name.isEmpty())
            data.name = columnName(sheetColumn);
        if (data.question.isEmpty())
            data.question = data.name;
        responses.columns.push_back(std::move(data));
    }
    responses.blank = std::move(blank_);
    columns_.clear();
    return responses;
}

QString columnName(int column) {
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

} // namespace lendora::poll
