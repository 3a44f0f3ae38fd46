#pragma once

#include "poll/import_mapping.h"
#include "poll/survey_responses.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>

// The last import mapping of each plan, kept in the Workspace's import
// mappings file ("pollmap.lnd") so that the next wave of the same survey
// imports in one step. A plan is named by its
// project and audience numbers, as its poll files are. Records of 5 items:
// the project number, the audience number, a role text, a text and a number:
//   "Segment column", the field name of the segment column, 0
//   "Segment", an answer text, the segment it means (0: not counted)
// and the same for "Product" (1 to 3) and "Feature" (the poll table column,
// 1 to 7).
namespace lendora::poll {

constexpr int mappingItemCount = 5;

struct RememberedMapping {
    std::array<QString, roleCount> columns; // field names; empty when none
    // By the matching form of the answer texts (the file keeps a double quote
    // as an apostrophe and a line break as a blank).
    std::array<QHash<QString, int>, roleCount> targets;
    bool empty() const;
};

// The plan's mapping in the bytes of the mappings file.
RememberedMapping recallMapping(const QByteArray& mappings, long long project, long long audience);

// The mapping for a file: the remembered columns where the file has a column
// of that name (the defaults otherwise), every answer given its remembered
// target, or its default when it was not seen before.
ImportMapping mappingFor(const RememberedMapping& remembered, const SurveyResponses& responses,
                         const ImportChoices& choices);

// The bytes of the mappings file with this plan's records replaced by the
// mapping; the other plans' records stay as they were.
QByteArray rememberMapping(const QByteArray& mappings, long long project, long long audience,
                           const ImportMapping& mapping, const SurveyResponses& responses);

} // namespace lendora::poll
