#pragma once

#include "poll/survey_responses.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reads a survey tool's respondent-level export: an Excel workbook or an SPSS
// data file when its bytes begin like one, comma-separated text otherwise
// (UTF-16 text with its byte order mark too).
namespace lendora::poll {

struct SurveyFile {
    std::optional<SurveyResponses> responses;
    QString error; // why there are none, with the file's name
};

// `sheet` picks a workbook's worksheet (from 0); other files have one table.
SurveyFile readSurveyFile(const QString& path, int sheet = 0);
// The names of a workbook's worksheets; none for other files and for a
// workbook that cannot be read (reading it tells why).
QStringList surveySheets(const QString& path);
// The same for comma-separated bytes already read; `name` goes into the error.
SurveyFile readSurveyCsv(const QByteArray& bytes, const QString& name);

} // namespace lendora::poll
