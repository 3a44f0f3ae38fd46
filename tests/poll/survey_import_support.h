#pragma once

#include "poll/import_mapping.h"
#include "poll/poll_tables.h"
#include "poll/survey_count.h"
#include "poll/survey_file.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace lendora::test {

// A file of tests/data/poll/survey_import.
QString surveyData(const QString& name);

// The choices of the plan over project 1 and audience 1 of a working
// directory; by default the test plan's (three segments).
poll::ImportChoices planChoices(const QString& folder = surveyData(QStringLiteral("workspace")));

// A file imported into poll tables laid out for the test plan; the poll
// file bytes of each product.
struct Imported {
    poll::SurveyFile file;
    poll::PollCounts counts;
    std::array<QByteArray, poll::productCount> pollFiles;
};
// With the default mapping, or with the one given.
Imported importFile(const QString& path, const poll::ImportChoices& choices = planChoices());
Imported importWith(poll::SurveyFile file, const poll::ImportMapping& mapping,
                    const poll::ImportChoices& choices = planChoices());

// The poll files match those counted by hand for the sixteen known respondents.
void expectHandCountedFiles(const Imported& imported);

} // namespace lendora::test
