#include "poll/survey_import_support.h"

#include "workspace/plan_codecs.h"

#include "storage/details_file.h"
#include "storage/record_file.h"
#include "workspace/records.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

namespace lendora::test {

using namespace poll;

QString surveyData(const QString& name) {
    return QStringLiteral(SURVEY_TEST_DATA "/") + name;
}

ImportChoices planChoices(const QString& path) {
    const RecordFolder folder(path);
    Plan plan;
    plan.project = 1;
    plan.audience = 1;
    Grid table;
    layOut(folder, plan, table);
    Grid details(2, details::columnCount);
    details::readInto(folder, 1, details, true);
    return importChoices(table, details);
}

Imported importWith(SurveyFile file, const ImportMapping& mapping, const ImportChoices& choices) {
    Imported result;
    result.file = std::move(file);
    if (!result.file.responses)
        return result;
    result.counts = countResponses(*result.file.responses, mapping, int(choices.segments.size()));
    std::vector<QStringList> segments;
    for (qsizetype r = 0; r < choices.segments.size(); ++r)
        segments.push_back({QString::number(r + 1), choices.segments[r]});
    for (int k = 0; k < productCount; ++k) {
        Grid table;
        layOut(table, segments);
        putCounts(result.counts, k, table);
        result.pollFiles[size_t(k)] = plancodec::pollBytes(productCounts(table));
    }
    return result;
}

Imported importFile(const QString& path, const ImportChoices& choices) {
    SurveyFile file = readSurveyFile(path);
    if (!file.responses)
        return {std::move(file), {}, {}};
    const ImportMapping mapping = defaultMapping(*file.responses, choices);
    return importWith(std::move(file), mapping, choices);
}

void expectHandCountedFiles(const Imported& imported) {
    for (int k = 0; k < productCount; ++k) {
        const QString name = plancodec::pollFileName(1, 1, k);
        EXPECT_EQ(visible(imported.pollFiles[size_t(k)]),
                  visible(readFile(surveyData(QStringLiteral("expected/") + name))))
            << qPrintable(name);
    }
}

} // namespace lendora::test
