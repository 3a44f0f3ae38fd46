#pragma once

#include "poll/survey_responses.h"

#include <QString>

#include <optional>

// SPSS data files (.sav), read through the ReadStat library. A variable is a
// column (its label the question text); a value with a value label answers
// with the label's text, other numbers with their decimal form, string
// values with themselves, missing values with an empty answer.
namespace lendora::poll {

// True when the bytes begin like an SPSS data file.
bool looksLikeSav(const QByteArray& start);

// The respondents of the file; no value, and the reason in `error`, when
// ReadStat cannot parse it or it holds no respondent.
std::optional<SurveyResponses> readSav(const QString& path, QString& error);

} // namespace lendora::poll
