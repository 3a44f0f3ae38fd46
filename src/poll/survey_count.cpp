#include "poll/survey_count.h"

namespace lendora::poll {

namespace {

// The target of every answer of the role's column, by answer index; a role
// without a column gives none.
std::vector<int> targetsByCode(const SurveyResponses& responses, const RoleMapping& role,
                               int targetCount) {
    if (role.column < 0 || role.column >= int(responses.columns.size()))
        return {};
    const QStringList& answers = responses.columns[size_t(role.column)].answers;
    std::vector<int> targets(size_t(answers.size()), 0);
    for (qsizetype a = 0; a < answers.size(); ++a) {
        const int target = role.targets.value(answers[a], 0);
        targets[size_t(a)] = target >= 1 && target <= targetCount ? target : 0;
    }
    return targets;
}

} // namespace

QString Reconciliation::text() const {
    return QStringLiteral("%1 respondents read: %2 counted; skipped: %3 unknown segment, "
                          "%4 no product, %5 no feature, %6 blank rows")
        .arg(read)
        .arg(counted)
        .arg(unknownSegment)
        .arg(noProduct)
        .arg(noFeature)
        .arg(blankRows);
}

PollCounts countResponses(const SurveyResponses& responses, const ImportMapping& mapping,
                          int segments) {
    PollCounts counts;
    counts.segments = segments;
    counts.cells.assign(size_t(productCount * segments * featureCount), 0);
    const std::vector<int> segmentOf = targetsByCode(responses, mapping[Role::Segment], segments);
    const std::vector<int> productOf =
        targetsByCode(responses, mapping[Role::Product], productCount);
    const std::vector<int> featureOf =
        targetsByCode(responses, mapping[Role::Feature], featureCount);
    auto codesOf = [&](Role role) -> const std::vector<int>* {
        const int column = mapping[role].column;
        if (column < 0 || column >= int(responses.columns.size()))
            return nullptr;
        return &responses.columns[size_t(column)].codes;
    };
    const std::vector<int>* segmentCodes = codesOf(Role::Segment);
    const std::vector<int>* productCodes = codesOf(Role::Product);
    const std::vector<int>* featureCodes = codesOf(Role::Feature);
    Reconciliation& tally = counts.reconciliation;
    tally.read = responses.respondents();
    for (int i = 0; i < tally.read; ++i) {
        if (responses.blank[size_t(i)]) {
            ++tally.blankRows;
            continue;
        }
        const int segment = segmentCodes ? segmentOf[size_t((*segmentCodes)[size_t(i)])] : 0;
        if (!segment) {
            ++tally.unknownSegment;
            continue;
        }
        const int product = productCodes ? productOf[size_t((*productCodes)[size_t(i)])] : 0;
        if (!product) {
            ++tally.noProduct;
            continue;
        }
        const int feature = featureCodes ? featureOf[size_t((*featureCodes)[size_t(i)])] : 0;
        if (!feature) {
            ++tally.noFeature;
            continue;
        }
        ++counts
              .cells[size_t(((product - 1) * segments + segment - 1) * featureCount + feature - 1)];
        ++tally.counted;
    }
    return counts;
}

void putCounts(const PollCounts& counts, int product, Grid& table) {
    const int rows = std::min(table.rowCount() - 2, counts.segments);
    for (int r = 1; r <= rows; ++r) {
        std::array<QString, featureCount> texts;
        for (int f = 1; f <= featureCount; ++f)
            texts[size_t(f - 1)] = QString::number(counts.at(product, r, f));
        writeCounts(table, r, texts);
    }
    computeTotals(table);
}

} // namespace lendora::poll
