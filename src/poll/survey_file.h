#pragma once

#include "poll/survey_responses.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a survey tool's respondent-level export: an SPSS data file when its
// bytes begin like one, comma-separated text otherwise (UTF-16 text with its
// byte order mark too).
namespace lendora::poll {

struct SurveyFile {
    std::optional<SurveyResponses> responses;
    QString error; // why there are none, with the file's name
};

SurveyFile readSurveyFile(const QString& path);
// The same for comma-separated bytes already read; `name` goes into the error.
SurveyFile readSurveyCsv(const QByteArray& bytes, const QString& name);

} // namespace lendora::poll
