#include "poll/survey_count.h"
#include "poll/survey_file.h"

#include "poll/survey_import_support.h"
#include "support/workspace.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <readstat.h>

using namespace lendora;
using namespace lendora::poll;

namespace {

ssize_t toFile(const void* bytes, size_t length, void* context) {
    return static_cast<QFile*>(context)->write(static_cast<const char*>(bytes), qint64(length));
}

// Writes the respondents as an SPSS data file: every column numeric codes
// whose value labels are the answer texts (a blank answer is a missing value),
// or with `asTexts` every column the answers' texts themselves.
void writeSav(const SurveyResponses& responses, const QString& path, bool asTexts) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    readstat_writer_t* writer = readstat_writer_init();
    readstat_set_data_writer(writer, toFile);
    std::vector<readstat_variable_t*> variables;
    for (const SurveyColumn& column : responses.columns) {
        readstat_variable_t* variable =
            readstat_add_variable(writer, column.name.toUtf8().constData(),
                                  asTexts ? READSTAT_TYPE_STRING : READSTAT_TYPE_DOUBLE, 64);
        readstat_variable_set_label(variable, column.question.toUtf8().constData());
        variables.push_back(variable);
        if (asTexts)
            continue;
        readstat_label_set_t* labels = readstat_add_label_set(
            writer, READSTAT_TYPE_DOUBLE, ("labels" + std::to_string(variables.size())).c_str());
        for (qsizetype a = 0; a < column.answers.size(); ++a)
            readstat_label_double_value(labels, double(a), column.answers[a].toUtf8().constData());
        readstat_variable_set_label_set(variable, labels);
    }
    readstat_begin_writing_sav(writer, &file, responses.respondents());
    for (int r = 0; r < responses.respondents(); ++r) {
        readstat_begin_row(writer);
        for (size_t c = 0; c < variables.size(); ++c) {
            const int code = responses.columns[c].codes[size_t(r)];
            const QString& answer = responses.columns[c].answers[code];
            if (asTexts)
                readstat_insert_string_value(writer, variables[c], answer.toUtf8().constData());
            else if (answer.isEmpty())
                readstat_insert_missing_value(writer, variables[c]);
            else
                readstat_insert_double_value(writer, variables[c], double(code));
        }
        readstat_end_row(writer);
    }
    readstat_end_writing(writer);
    readstat_writer_free(writer);
}

// Answers as value labels of codes and as texts count as the CSV file does
// (a blank row among them).
TEST(SurveySav, ValueLabelsAndTextsImportToTheSameCounts) {
    const SurveyFile csv = readSurveyFile(test::surveyData(QStringLiteral("one_header.csv")));
    ASSERT_TRUE(csv.responses);
    for (const bool asTexts : {false, true}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("respondents.sav"));
        writeSav(*csv.responses, path, asTexts);

        const test::Imported imported = test::importFile(path);
        ASSERT_TRUE(imported.file.responses) << qPrintable(imported.file.error);
        EXPECT_EQ(imported.file.responses->layout, SurveyLayout::Spss);
        EXPECT_EQ(imported.file.responses->columns[2].question, QStringLiteral("Product"));
        EXPECT_EQ(imported.counts.reconciliation, (Reconciliation{16, 12, 1, 1, 1, 1}))
            << "texts: " << asTexts;
        test::expectHandCountedFiles(imported);
    }
}

} // namespace
