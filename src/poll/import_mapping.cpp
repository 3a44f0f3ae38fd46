#include "poll/import_mapping.h"

#include "storage/details_file.h"
#include "storage/numbers.h"

namespace lendora::poll {

namespace {

QString normal(const QString& text) {
    return text.simplified().toCaseFolded();
}

// The names a feature goes by, in poll table order.
const std::array<QStringList, featureCount>& featureNames() {
    static const std::array<QStringList, featureCount> names = {
        QStringList{"interest", "rate of interest", "interest rate"},
        QStringList{"min. eligible income", "minimum eligible income", "maximum eligible income"},
        QStringList{"max. loan value", "maximum loan value"},
        QStringList{"max. loan percentage", "maximum loan percentage"},
        QStringList{"repayment period", "repament period"},
        QStringList{"emi"},
        QStringList{"freebies"}};
    return names;
}

// The questionnaire offers six features (no EMI); option n names this
// poll column.
constexpr int optionFeature[6] = {1, 2, 3, 4, 5, 7};

// The whole answer as a positive whole number, 0 otherwise.
int numberIn(const QString& text) {
    const std::optional<double> value = parseWholeNumber(text);
    if (!value || *value < 1 || *value != double(toWhole(*value)))
        return 0;
    return toWhole(*value);
}

int segmentTarget(const QString& answer, const ImportChoices& choices) {
    const int n = int(choices.segments.size());
    int number = numberIn(answer);
    if (!number && answer.startsWith(QStringLiteral("segment")))
        number = numberIn(answer.mid(7));
    if (number >= 1 && number <= n)
        return number;
    for (int r = 0; r < n; ++r)
        if (normal(choices.segments[r]) == answer)
            return r + 1;
    return 0;
}

int productTarget(const QString& answer, const ImportChoices& choices) {
    int number = numberIn(answer);
    if (!number && answer.startsWith(QStringLiteral("product")))
        number = numberIn(answer.mid(7));
    if (number >= 1 && number <= productCount)
        return number;
    for (int k = 0; k < productCount; ++k)
        for (const QString& name : choices.productNames[size_t(k)])
            if (!name.trimmed().isEmpty() && normal(name) == answer)
                return k + 1;
    return 0;
}

int featureTarget(const QString& answer) {
    const int number = numberIn(answer);
    if (number >= 1 && number <= 6)
        return optionFeature[number - 1];
    const qsizetype dash = answer.indexOf(QStringLiteral(" - "));
    const QString name = dash < 0 ? answer : answer.left(dash);
    for (int f = 0; f < featureCount; ++f)
        if (featureNames()[size_t(f)].contains(name))
            return f + 1;
    return 0;
}

constexpr qsizetype maxPlainAnswers = 1000;

const char* const roleWords[roleCount] = {"segment", "product", "feature"};

} // namespace

ImportChoices importChoices(const Grid& pollTable, const Grid& details) {
    ImportChoices choices;
    for (int r = 1; r < pollTable.rowCount() - 1; ++r)
        choices.segments.append(pollTable.text(r, 0));
    for (int k = 0; k < productCount; ++k)
        choices.productNames[size_t(k)] = {details.text(k + 1, details::name),
                                           details.text(k + 1, details::brand)};
    return choices;
}

int ImportChoices::targetCount(Role role) const {
    switch (role) {
    case Role::Segment:
        return int(segments.size());
    case Role::Product:
        return productCount;
    default:
        return featureCount;
    }
}

QString ImportChoices::targetText(Role role, int target) const {
    switch (role) {
    case Role::Segment:
        return QString::number(target) + QStringLiteral(" - ") + segments.value(target - 1);
    case Role::Product:
        return QStringLiteral("Product ") + QString::number(target);
    default:
        return headings().value(target);
    }
}

int defaultTarget(Role role, const QString& answer, const ImportChoices& choices) {
    const QString text = normal(answer);
    if (text.isEmpty())
        return 0;
    switch (role) {
    case Role::Segment:
        return segmentTarget(text, choices);
    case Role::Product:
        return productTarget(text, choices);
    default:
        return featureTarget(text);
    }
}

void chooseColumn(ImportMapping& mapping, Role role, int column, const SurveyResponses& responses,
                  const ImportChoices& choices) {
    RoleMapping& chosen = mapping[role];
    chosen.column = column;
    chosen.targets.clear();
    if (column < 0 || column >= int(responses.columns.size()))
        return;
    for (const QString& answer : responses.columns[size_t(column)].answers)
        if (const int target = defaultTarget(role, answer, choices))
            chosen.targets.insert(answer, target);
}

ImportMapping defaultMapping(const SurveyResponses& responses, const ImportChoices& choices) {
    ImportMapping mapping;
    std::vector<bool> taken(responses.columns.size(), false);
    for (int r = 0; r < roleCount; ++r) {
        const Role role = Role(r);
        const QString word = QString::fromLatin1(roleWords[r]);
        int best = -1;
        double bestScore = 0;
        for (size_t c = 0; c < responses.columns.size(); ++c) {
            const SurveyColumn& column = responses.columns[c];
            // Ids and free texts have an answer for nearly every respondent;
            // no column of so many answers plainly holds a segment, product
            // or feature.
            if (taken[c] || column.answers.size() > maxPlainAnswers)
                continue;
            // The share of answering respondents whose answer names a target.
            long long answered = 0;
            long long named = 0;
            for (qsizetype a = 0; a < column.answers.size(); ++a) {
                if (column.answers[a].isEmpty())
                    continue;
                answered += column.tally[size_t(a)];
                if (defaultTarget(role, column.answers[a], choices))
                    named += column.tally[size_t(a)];
            }
            double score = answered ? double(named) / double(answered) : 0;
            if (score > 0 && column.name.contains(word, Qt::CaseInsensitive))
                score += 2;
            else if (score > 0 && column.question.contains(word, Qt::CaseInsensitive))
                score += 0.5;
            if (score > bestScore) {
                bestScore = score;
                best = int(c);
            }
        }
        if (best >= 0)
            taken[size_t(best)] = true;
        chooseColumn(mapping, role, best, responses, choices);
    }
    return mapping;
}

} // namespace lendora::poll
