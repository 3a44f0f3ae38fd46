#pragma once

#include "workspace/records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The three registries in their files: names, record layouts, the texts of
// statuses and flags, and the loading rule that places record r at number r.
namespace lendora::registry {

inline const QString projectsFile = QStringLiteral("Prj.lnd");
inline const QString projectsFlag = QStringLiteral("flag.lnd");
inline const QString audiencesFile = QStringLiteral("ta.lnd");
inline const QString audiencesFlag = QStringLiteral("tfag.lnd");
inline const QString plansFile = QStringLiteral("pptb.lnd");
inline const QString plansFlag = QStringLiteral("ppflag.lnd");

constexpr int projectItems = 5;
constexpr int audienceItems = 3;
constexpr int planItems = 7;

// Column headings of the three tables that list the registries.
QStringList projectHeadings();
QStringList audienceHeadings();
QStringList planHeadings();

// The stored texts of statuses and flags.
QString statusText(ProjectStatus status);
ProjectStatus parseStatus(QByteArrayView text);
QString pollText(const PollCompletion& poll);
PollCompletion parsePoll(QByteArrayView text);
QString analysedText(bool analysed);
bool parseAnalysed(QByteArrayView text);

// A registry as read: slot n - 1 holds record n, or nothing when no record
// could be placed there (numbers out of order or with gaps). Every record
// read adds one slot, as every record adds a row to the table it is read
// into; record r is placed only when r names a slot that exists by then.
template <class T>
using Slots = std::vector<std::optional<T>>;

Slots<Project> parseProjects(const QByteArray& bytes);
Slots<Audience> parseAudiences(const QByteArray& bytes);
// Plans come without ids; the workspace gives them theirs.
Slots<Plan> parsePlans(const QByteArray& bytes);

// Whole files, record n numbered n; an empty slot is written as a record of
// empty texts.
QByteArray projectsBytes(const Slots<Project>& projects);
QByteArray audiencesBytes(const Slots<Audience>& audiences);
QByteArray plansBytes(const Slots<Plan>& plans);
QByteArray projectRecord(int number, const Project& project);
QByteArray audienceRecord(int number, const Audience& audience);

// A flag file's bytes: the number 1.
QByteArray flagBytes();

} // namespace lendora::registry
