#pragma once

#include "poll/csv_reader.h"
#include "poll/survey_responses.h"

#include <QString>

#include <optional>

// The header rows of a comma-separated export. The plain layout has one row
// of field names. Some survey tools write three: the field names, the
// question texts, and a row of import ids, each cell a small JSON object such
// as {"ImportId":"QID2"}; that third row tells the layouts apart.
namespace lendora::poll {

// True when the record is the import-id row of the three-header layout.
bool isImportIdRow(const QStringList& fields);

// The respondents of the records; no value, and the reason in `error`, when
// the records hold no respondent or a respondent's field count differs from
// the header's. A record of one empty field (an empty line) is a blank
// respondent whatever the header's width.
std::optional<SurveyResponses> responsesFromCsv(const CsvContent& content, QString& error);

} // namespace lendora::poll
