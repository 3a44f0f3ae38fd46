#include "poll/survey_count.h"

#include <QCoreApplication>

#include <algorithm>

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
    for (int r = 0; r < roleCount; ++r) {
        const int column = mapping.roles[size_t(r)].column;
        if (column >= 0 && column < int(responses.columns.size()))
            counts.skippedBy[size_t(r)].assign(
                size_t(responses.columns[size_t(column)].answers.size()), 0);
    }
    Reconciliation& tally = counts.reconciliation;
    tally.read = responses.respondents();
    for (int i = 0; i < tally.read; ++i) {
        if (responses.blank[size_t(i)]) {
            ++tally.blankRows;
            continue;
        }
        // The respondent's answer to a role; -1 when the role has no column.
        auto answerOf = [i](const std::vector<int>* codes) {
            return codes ? (*codes)[size_t(i)] : -1;
        };
        auto skip = [&](Role role, int answer, int& reason) {
            ++reason;
            if (answer >= 0)
                ++counts.skippedBy[size_t(role)][size_t(answer)];
        };
        const int segmentAnswer = answerOf(segmentCodes);
        const int segment = segmentAnswer >= 0 ? segmentOf[size_t(segmentAnswer)] : 0;
        if (!segment) {
            skip(Role::Segment, segmentAnswer, tally.unknownSegment);
            continue;
        }
        const int productAnswer = answerOf(productCodes);
        const int product = productAnswer >= 0 ? productOf[size_t(productAnswer)] : 0;
        if (!product) {
            skip(Role::Product, productAnswer, tally.noProduct);
            continue;
        }
        const int featureAnswer = answerOf(featureCodes);
        const int feature = featureAnswer >= 0 ? featureOf[size_t(featureAnswer)] : 0;
        if (!feature) {
            skip(Role::Feature, featureAnswer, tally.noFeature);
            continue;
        }
        ++counts
              .cells[size_t(((product - 1) * segments + segment - 1) * featureCount + feature - 1)];
        ++tally.counted;
    }
    return counts;
}

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("lendora::poll", text);
}

// An answer as the notice quotes it: in quotes, a long one cut.
QString quoted(const QString& answer) {
    if (answer.isEmpty())
        return translated("blank");
    constexpr qsizetype longest = 60;
    QString text = answer.simplified();
    if (text.size() > longest)
        text = text.left(longest - 1) + QChar(0x2026);
    return u'"' + text + u'"';
}

// The answers of a role that most skipped respondents gave, largest first:
// "\"Retired\" 20, \"Students\" 5 and 3 other answers".
QString answersBehind(const std::vector<int>& skipped, const SurveyColumn& column) {
    std::vector<int> order;
    for (size_t a = 0; a < skipped.size(); ++a)
        if (skipped[a] > 0)
            order.push_back(int(a));
    std::stable_sort(order.begin(), order.end(),
                     [&skipped](int a, int b) { return skipped[size_t(a)] > skipped[size_t(b)]; });
    constexpr size_t shown = 3;
    QStringList parts;
    for (size_t i = 0; i < std::min(shown, order.size()); ++i)
        parts.append(quoted(column.answers[order[i]]) + u' ' +
                     QString::number(skipped[size_t(order[i])]));
    QString text = parts.join(QStringLiteral(", "));
    if (order.size() > shown)
        text += translated(" and %1 more").arg(order.size() - shown);
    return text;
}

} // namespace

QString skippedNotice(const PollCounts& counts, const SurveyResponses& responses,
                      const ImportMapping& mapping) {
    const Reconciliation& tally = counts.reconciliation;
    const int skipped = tally.read - tally.counted;
    if (tally.read == 0 || 20LL * skipped <= tally.read)
        return {};
    struct Reason {
        int count;
        QString text;
        int role; // -1: blank rows
    };
    std::vector<Reason> reasons = {
        {tally.unknownSegment, translated("unknown segment"), int(Role::Segment)},
        {tally.noProduct, translated("no product"), int(Role::Product)},
        {tally.noFeature, translated("no feature"), int(Role::Feature)},
        {tally.blankRows, translated("blank rows"), -1}};
    std::stable_sort(reasons.begin(), reasons.end(),
                     [](const Reason& a, const Reason& b) { return a.count > b.count; });
    QStringList parts;
    for (const Reason& reason : reasons) {
        if (reason.count == 0)
            continue;
        QString part = QString::number(reason.count) + u' ' + reason.text;
        if (reason.role >= 0) {
            const int column = mapping.roles[size_t(reason.role)].column;
            if (column < 0 || column >= int(responses.columns.size()))
                part += translated(" (no column chosen)");
            else
                part += QStringLiteral(" (") +
                        answersBehind(counts.skippedBy[size_t(reason.role)],
                                      responses.columns[size_t(column)]) +
                        u')';
        }
        parts.append(part);
    }
    return translated("%1 of %2 respondents (%3%) would be skipped: %4")
        .arg(skipped)
        .arg(tally.read)
        .arg(QString::number(100.0 * skipped / tally.read, 'f', 1),
             parts.join(QStringLiteral("; ")));
}

void putCounts(const PollCounts& counts, int product, ProductCounts& into) {
    const int segments = std::min(int(into.segments.size()), counts.segments);
    for (int r = 1; r <= segments; ++r) {
        std::array<QString, featureCount> texts;
        for (int f = 1; f <= featureCount; ++f)
            texts[size_t(f - 1)] = QString::number(counts.at(product, r, f));
        into.segments[size_t(r - 1)] = enteredCounts(texts);
    }
}

} // namespace lendora::poll
