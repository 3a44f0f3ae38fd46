#include "poll/survey_sav.h"

#include <QFile>
#include <QHash>

#include <cmath>

#include <readstat.h>

namespace lendora::poll {

namespace {

// A variable's values per respondent, before labels are applied: numbers
// as they are (NaN for missing), texts as read.
struct Variable {
    QString labelSet;
    std::vector<double> numbers;
    std::vector<QString> texts;
    size_t size() const { return std::max(numbers.size(), texts.size()); }
};

// What the parser's handlers collect.
struct Reading {
    SurveyResponses responses;
    std::vector<Variable> variables;
    QHash<QString, QHash<QString, QString>> labelSets; // set name: value key to label
};

QString keyOf(readstat_value_t value) {
    if (readstat_value_type(value) == READSTAT_TYPE_STRING)
        return QString::fromUtf8(readstat_string_value(value)).trimmed();
    return numberAnswer(readstat_double_value(value));
}

int onVariable(int index, readstat_variable_t* variable, const char* labels, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    if (size_t(index) >= reading.responses.columns.size()) {
        reading.responses.columns.resize(size_t(index) + 1);
        reading.variables.resize(size_t(index) + 1);
    }
    SurveyColumn& column = reading.responses.columns[size_t(index)];
    column.name = QString::fromUtf8(readstat_variable_get_name(variable));
    const QString label = QString::fromUtf8(readstat_variable_get_label(variable));
    column.question = label.isEmpty() ? column.name : label;
    reading.variables[size_t(index)].labelSet = labels ? QString::fromUtf8(labels) : QString();
    return READSTAT_HANDLER_OK;
}

int onValueLabel(const char* set, readstat_value_t value, const char* label, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    reading.labelSets[QString::fromUtf8(set)].insert(keyOf(value), QString::fromUtf8(label));
    return READSTAT_HANDLER_OK;
}

int onValue(int respondent, readstat_variable_t* variable, readstat_value_t value, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    const int index = readstat_variable_get_index(variable);
    if (index < 0 || size_t(index) >= reading.variables.size())
        return READSTAT_HANDLER_OK;
    Variable& values = reading.variables[size_t(index)];
    const bool missing = readstat_value_is_missing(value, variable);
    if (readstat_value_type(value) == READSTAT_TYPE_STRING) {
        if (size_t(respondent) >= values.texts.size())
            values.texts.resize(size_t(respondent) + 1);
        if (!missing)
            values.texts[size_t(respondent)] = keyOf(value);
    } else {
        if (size_t(respondent) >= values.numbers.size())
            values.numbers.resize(size_t(respondent) + 1, std::nan(""));
        values.numbers[size_t(respondent)] = missing ? std::nan("") : readstat_double_value(value);
    }
    return READSTAT_HANDLER_OK;
}

} // namespace

bool looksLikeSav(const QByteArray& start) {
    return start.startsWith("$FL2") || start.startsWith("$FL3");
}

std::optional<SurveyResponses> readSav(const QString& path, QString& error) {
    Reading reading;
    reading.responses.layout = SurveyLayout::Spss;
    readstat_parser_t* parser = readstat_parser_init();
    readstat_set_variable_handler(parser, onVariable);
    readstat_set_value_label_handler(parser, onValueLabel);
    readstat_set_value_handler(parser, onValue);
    const readstat_error_t status =
        readstat_parse_sav(parser, QFile::encodeName(path).constData(), &reading);
    readstat_parser_free(parser);
    if (status != READSTAT_OK) {
        error = QStringLiteral("The SPSS data file cannot be read (%1)")
                    .arg(QString::fromUtf8(readstat_error_message(status)));
        return std::nullopt;
    }
    size_t respondents = 0;
    for (const Variable& variable : reading.variables)
        respondents = std::max(respondents, variable.size());
    if (respondents == 0) {
        error = QStringLiteral("The file holds no respondents");
        return std::nullopt;
    }
    SurveyResponses& responses = reading.responses;
    responses.blank.assign(respondents, true);
    for (size_t c = 0; c < reading.variables.size(); ++c) {
        Variable& variable = reading.variables[c];
        const QHash<QString, QString> labels = reading.labelSets.value(variable.labelSet);
        auto answer = [&labels](const QString& key) { return labels.value(key, key); };
        ColumnBuilder builder(responses.columns[c]);
        if (!variable.texts.empty()) {
            variable.texts.resize(respondents);
            for (size_t r = 0; r < respondents; ++r) {
                const QString& key = variable.texts[r];
                responses.blank[r] = responses.blank[r] && key.isEmpty();
                builder.add(answer(key));
            }
            continue;
        }
        // Each distinct number is turned into its answer once.
        variable.numbers.resize(respondents, std::nan(""));
        QHash<double, QString> answers;
        for (size_t r = 0; r < respondents; ++r) {
            const double number = variable.numbers[r];
            if (std::isnan(number)) {
                builder.add(QString());
                continue;
            }
            responses.blank[r] = false;
            auto it = answers.constFind(number);
            if (it == answers.constEnd())
                it = answers.insert(number, answer(numberAnswer(number)));
            builder.add(*it);
        }
    }
    return std::move(reading.responses);
}

} // namespace lendora::poll
