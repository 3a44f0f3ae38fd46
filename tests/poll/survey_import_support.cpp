#include "poll/survey_import_support.h"

#include "workspace/plan_codecs.h"

#include "storage/details_file.h"
#include "storage/record_file.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

namespace lendora::test {

using namespace poll;

QString surveyData(const QString& name) {
    return QStringLiteral(SURVEY_TEST_DATA "/") + name;
}

ImportChoices planChoices(const QString& path) {
    const RecordFolder folder(path);
    auto bytes = [&](const QString& name) { return folder.readBytes(name).value_or(QByteArray()); };
    return importChoices(plancodec::parseSegments(bytes(plancodec::segmentFileName(1))),
                         plancodec::parseDetails(bytes(details::fileName(1))));
}

Imported importWith(SurveyFile file, const ImportMapping& mapping, const ImportChoices& choices) {
    Imported result;
    result.file = std::move(file);
    if (!result.file.responses)
        return result;
    result.counts = countResponses(*result.file.responses, mapping, int(choices.segments.size()));
    for (int k = 0; k < productCount; ++k) {
        ProductCounts counts;
        counts.segments.resize(size_t(choices.segments.size()));
        putCounts(result.counts, k, counts);
        result.pollFiles[size_t(k)] = plancodec::pollBytes(counts);
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
