#include "poll/mapping_memory.h"

#include "storage/numbers.h"
#include "storage/record_codec.h"

namespace lendora::poll {

namespace {

const char* const roleTexts[roleCount] = {"Segment", "Product", "Feature"};

QString columnText(int role) {
    return QString::fromLatin1(roleTexts[role]) + QStringLiteral(" column");
}

bool samePlan(const QStringList& items, long long project, long long audience) {
    return toWhole(leadingNumber(items[0])) == project &&
           toWhole(leadingNumber(items[1])) == audience;
}

} // namespace

bool RememberedMapping::empty() const {
    for (int r = 0; r < roleCount; ++r)
        if (!columns[size_t(r)].isEmpty() || !targets[size_t(r)].isEmpty())
            return false;
    return true;
}

RememberedMapping recallMapping(const QByteArray& mappings, long long project, long long audience) {
    RememberedMapping remembered;
    for (const QStringList& items : readAllRecords(mappings, mappingItemCount)) {
        if (!samePlan(items, project, audience))
            continue;
        for (int r = 0; r < roleCount; ++r) {
            if (items[2] == columnText(r))
                remembered.columns[size_t(r)] = items[3];
            else if (items[2] == QString::fromLatin1(roleTexts[r]))
                remembered.targets[size_t(r)].insert(matchingForm(items[3]),
                                                     toWhole(leadingNumber(items[4])));
        }
    }
    return remembered;
}

ImportMapping mappingFor(const RememberedMapping& remembered, const SurveyResponses& responses,
                         const ImportChoices& choices) {
    ImportMapping mapping = defaultMapping(responses, choices);
    for (int r = 0; r < roleCount; ++r) {
        const Role role = Role(r);
        const QString& name = remembered.columns[size_t(r)];
        for (size_t c = 0; c < responses.columns.size() && !name.isEmpty(); ++c)
            if (responses.columns[c].name == name) {
                // A column taken by another role's default gives way.
                for (RoleMapping& other : mapping.roles)
                    if (other.column == int(c))
                        other = RoleMapping();
                chooseColumn(mapping, role, int(c), responses, choices);
                break;
            }
    }
    for (int r = 0; r < roleCount; ++r) {
        RoleMapping& chosen = mapping.roles[size_t(r)];
        if (chosen.column < 0)
            continue;
        const QHash<QString, int>& targets = remembered.targets[size_t(r)];
        if (targets.isEmpty())
            continue;
        for (const QString& answer : responses.columns[size_t(chosen.column)].answers) {
            const auto it = targets.constFind(matchingForm(answer));
            if (it == targets.constEnd())
                continue;
            if (*it > 0 && *it <= choices.targetCount(Role(r)))
                chosen.targets.insert(answer, *it);
            else
                chosen.targets.remove(answer);
        }
    }
    return mapping;
}

QByteArray rememberMapping(const QByteArray& mappings, long long project, long long audience,
                           const ImportMapping& mapping, const SurveyResponses& responses) {
    RecordWriter writer;
    for (const QStringList& items : readAllRecords(mappings, mappingItemCount)) {
        if (samePlan(items, project, audience))
            continue;
        writer.whole(toWhole(leadingNumber(items[0])));
        writer.whole(toWhole(leadingNumber(items[1])));
        for (int i = 2; i < 4; ++i)
            writer.text(items[i]);
        writer.whole(toWhole(leadingNumber(items[4])));
        writer.endRecord();
    }
    for (int r = 0; r < roleCount; ++r) {
        const RoleMapping& chosen = mapping.roles[size_t(r)];
        if (chosen.column < 0 || chosen.column >= int(responses.columns.size()))
            continue;
        const SurveyColumn& column = responses.columns[size_t(chosen.column)];
        writer.record({Item::whole(project), Item::whole(audience), Item::text(columnText(r)),
                       Item::text(column.name), Item::whole(0)});
        for (const QString& answer : column.answers)
            if (!answer.isEmpty())
                writer.record({Item::whole(project), Item::whole(audience),
                               Item::text(QString::fromLatin1(roleTexts[r])), Item::text(answer),
                               Item::whole(chosen.targets.value(answer, 0))});
    }
    return writer.take();
}

} // namespace lendora::poll
