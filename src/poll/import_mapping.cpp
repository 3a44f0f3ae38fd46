#include "poll/import_mapping.h"

#include "storage/details_file.h"
#include "storage/numbers.h"

#include <algorithm>

namespace lendora::poll {

namespace {

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

// The number after a word that begins as the role's own word does in most
// languages ("Segment 2", "Segmento 2", "Producto 2", "Produit 2"); 0 when
// the answer is not such a word and a number.
int numberAfterWord(const QString& answer, QLatin1StringView roleWord) {
    if (!answer.startsWith(roleWord.left(4)))
        return 0;
    qsizetype letters = 4;
    while (letters < answer.size() && answer[letters].isLetter())
        ++letters;
    return numberIn(answer.mid(letters));
}

int featureTarget(const QString& answer, FeatureCodes codes) {
    const int number = numberIn(answer);
    if (codes == FeatureCodes::PollTable && number >= 1 && number <= featureCount)
        return number;
    if (codes != FeatureCodes::PollTable && number >= 1 && number <= 6)
        return optionFeature[number - 1];
    const qsizetype dash = answer.indexOf(QStringLiteral(" - "));
    const QString name = dash < 0 ? answer : answer.left(dash);
    for (int f = 0; f < featureCount; ++f)
        if (featureNames()[size_t(f)].contains(name))
            return f + 1;
    return 0;
}

// The targets of answers in their matching form, the plan's texts put into
// that form once.
class Matcher {
public:
    explicit Matcher(const ImportChoices& choices) {
        for (const QString& segment : choices.segments)
            segments_.append(matchingForm(segment));
        for (int k = 0; k < productCount; ++k)
            for (const QString& name : choices.productNames[size_t(k)])
                if (!name.trimmed().isEmpty())
                    products_[size_t(k)].append(matchingForm(name));
        for (const QStringList& texts : products_)
            for (const QString& text : texts)
                longest_ = std::max(longest_, text.size());
        for (const QString& text : segments_)
            longest_ = std::max(longest_, text.size());
    }

    int target(Role role, const QString& form, FeatureCodes codes) const {
        // Longer than every text it could be (a free text, a pasted page).
        if (form.isEmpty() || form.size() > longest_)
            return 0;
        switch (role) {
        case Role::Segment:
            return numbered(form, "segment", int(segments_.size()), segments_);
        case Role::Product:
            if (const int number = numbered(form, "product", productCount, {}))
                return number;
            for (int k = 0; k < productCount; ++k)
                if (products_[size_t(k)].contains(form))
                    return k + 1;
            return 0;
        default:
            return featureTarget(form, codes);
        }
    }

private:
    // The target a number names ("2", "Segment 2"), or the one whose text
    // the answer is.
    static int numbered(const QString& form, const char* word, int count,
                        const QStringList& texts) {
        int number = numberIn(form);
        if (!number)
            number = numberAfterWord(form, QLatin1StringView(word));
        if (number >= 1 && number <= count)
            return number;
        return int(texts.indexOf(form)) + 1;
    }

    QStringList segments_;
    std::array<QStringList, productCount> products_;
    qsizetype longest_ = 1000; // past every feature name with its value
};

constexpr qsizetype maxPlainAnswers = 1000;

const char* const roleWords[roleCount] = {"segment", "product", "feature"};

// A role's column and how plainly it holds the role: the share of its
// answering respondents whose answer names a target.
struct Candidate {
    double share = 0;
    bool headed = false; // its field name or question names the role
    int role = 0;
    int column = 0;
};

bool before(const Candidate& a, const Candidate& b) {
    if (a.share != b.share)
        return a.share > b.share;
    if (a.headed != b.headed)
        return a.headed;
    return std::pair(a.role, a.column) < std::pair(b.role, b.column);
}

// Per role, the share of the column's answering respondents whose answer
// names a target.
std::array<double, roleCount> sharesNamed(const SurveyColumn& column, const Matcher& matcher) {
    const FeatureCodes codes = featureCodesOf(column);
    long long answered = 0;
    std::array<long long, roleCount> named{};
    for (qsizetype a = 0; a < column.answers.size(); ++a) {
        if (column.answers[a].isEmpty())
            continue;
        answered += column.tally[size_t(a)];
        const QString form = matchingForm(column.answers[a]);
        for (int r = 0; r < roleCount; ++r)
            if (matcher.target(Role(r), form, codes))
                named[size_t(r)] += column.tally[size_t(a)];
    }
    std::array<double, roleCount> shares{};
    for (int r = 0; r < roleCount && answered > 0; ++r)
        shares[size_t(r)] = double(named[size_t(r)]) / double(answered);
    return shares;
}

} // namespace

QString matchingForm(const QString& text) {
    QString form = text.simplified().toCaseFolded();
    for (const char16_t quote : {u'"', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u201E'})
        form.replace(quote, u'\'');
    return form;
}

FeatureCodes featureCodesOf(const SurveyColumn& column) {
    int highest = 0;
    for (const QString& answer : column.answers) {
        const int number = numberIn(answer);
        if (number <= featureCount)
            highest = std::max(highest, number);
    }
    if (highest == 0)
        return FeatureCodes::None;
    return highest == featureCount ? FeatureCodes::PollTable : FeatureCodes::Questionnaire;
}

ImportChoices importChoices(const SegmentDescriptions& segments, const ProjectDetails& details) {
    ImportChoices choices;
    for (const QString& segment : segments)
        choices.segments.append(segment);
    for (int k = 0; k < productCount; ++k)
        choices.productNames[size_t(k)] = {details.brands[size_t(k)].name,
                                           details.brands[size_t(k)].brand};
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

int defaultTarget(Role role, const QString& answer, const ImportChoices& choices,
                  FeatureCodes codes) {
    return Matcher(choices).target(role, matchingForm(answer), codes);
}

void chooseColumn(ImportMapping& mapping, Role role, int column, const SurveyResponses& responses,
                  const ImportChoices& choices) {
    RoleMapping& chosen = mapping[role];
    chosen.column = column;
    chosen.targets.clear();
    if (role == Role::Feature)
        mapping.featureCodes = FeatureCodes::None;
    if (column < 0 || column >= int(responses.columns.size()))
        return;
    const SurveyColumn& answers = responses.columns[size_t(column)];
    const FeatureCodes codes = featureCodesOf(answers);
    if (role == Role::Feature)
        mapping.featureCodes = codes;
    const Matcher matcher(choices);
    for (const QString& answer : answers.answers)
        if (const int target = matcher.target(role, matchingForm(answer), codes))
            chosen.targets.insert(answer, target);
}

ImportMapping defaultMapping(const SurveyResponses& responses, const ImportChoices& choices) {
    const Matcher matcher(choices);
    // A role ends up with one of its best few columns: the others can take
    // no more than one column each before it.
    std::array<std::vector<Candidate>, roleCount> best;
    for (size_t c = 0; c < responses.columns.size(); ++c) {
        const SurveyColumn& column = responses.columns[c];
        // Ids and free texts have an answer for nearly every respondent; no
        // column of so many answers plainly holds a segment, product or
        // feature.
        if (column.answers.size() > maxPlainAnswers)
            continue;
        const std::array<double, roleCount> shares = sharesNamed(column, matcher);
        for (int r = 0; r < roleCount; ++r) {
            if (shares[size_t(r)] <= 0)
                continue;
            const QString word = QString::fromLatin1(roleWords[r]);
            const Candidate candidate{shares[size_t(r)],
                                      column.name.contains(word, Qt::CaseInsensitive) ||
                                          column.question.contains(word, Qt::CaseInsensitive),
                                      r, int(c)};
            std::vector<Candidate>& kept = best[size_t(r)];
            kept.insert(std::upper_bound(kept.begin(), kept.end(), candidate, before), candidate);
            if (kept.size() > size_t(roleCount))
                kept.pop_back();
        }
    }
    std::vector<Candidate> candidates;
    for (const std::vector<Candidate>& kept : best)
        candidates.insert(candidates.end(), kept.begin(), kept.end());
    std::sort(candidates.begin(), candidates.end(), before);
    ImportMapping mapping;
    std::array<bool, roleCount> chosen{};
    std::vector<bool> taken(responses.columns.size(), false);
    for (const Candidate& candidate : candidates) {
        if (chosen[size_t(candidate.role)] || taken[size_t(candidate.column)])
            continue;
        chosen[size_t(candidate.role)] = true;
        taken[size_t(candidate.column)] = true;
        chooseColumn(mapping, Role(candidate.role), candidate.column, responses, choices);
    }
    return mapping;
}

} // namespace lendora::poll
