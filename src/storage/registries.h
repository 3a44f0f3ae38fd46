#pragma once

#include "storage/grid.h"
#include "storage/record_file.h"

#include <QString>
#include <QStringList>

namespace lendora {

namespace registry {
inline const QString projectsFile = QStringLiteral("Prj.lnd");
inline const QString projectsFlag = QStringLiteral("flag.lnd");
inline const QString audiencesFile = QStringLiteral("ta.lnd");
inline const QString audiencesFlag = QStringLiteral("tfag.lnd");
inline const QString plansFile = QStringLiteral("pptb.lnd");
inline const QString plansFlag = QStringLiteral("ppflag.lnd");

constexpr int projectItems = 5;
constexpr int audienceItems = 3;
constexpr int planItems = 7;

QStringList projectHeadings();
QStringList audienceHeadings();
QStringList planHeadings();
} // namespace registry

// Plan table columns.
namespace plan {
constexpr int id = 0;
constexpr int projectId = 1;
constexpr int projectName = 2;
constexpr int audienceId = 3;
constexpr int audienceName = 4;
constexpr int pollFlag = 5;
constexpr int analysisFlag = 6;
} // namespace plan

// The in-memory registries of one run: the three tables of the All Projects
// window. Row 0 holds the headings, rows 1 to N the records (record r in row
// r) and row N + 1 is always empty.
struct WorkingCopy {
    WorkingCopy();

    Grid projects;
    Grid audiences;
    Grid plans;

    // Row count - 1: the number the next project or audience gets.
    int nextProjectNumber() const { return projects.rowCount() - 1; }
    int nextAudienceNumber() const { return audiences.rowCount() - 1; }
};

// Loads the three registries in the order projects, audiences, plans. A
// registry is read only when its flag file holds 1; missing or damaged files
// leave the table empty or hold back the records that cannot be placed.
void loadRegistries(const RecordFolder& folder, WorkingCopy& copy);

// Adds project n from row n of the table: a fresh file when n = 1, appended
// when the file holds fewer than n records. When it already holds record n
// (a save tried again, or the registry rewritten since Finish) record n is
// replaced instead, so a project is never stored twice.
WriteStatus appendProject(const RecordFolder& folder, const Grid& projects, int n);
// The same for audience n.
WriteStatus appendAudience(const RecordFolder& folder, const Grid& audiences, int n);
// Rewrites the whole projects registry from the table (flag untouched).
WriteStatus rewriteProjects(const RecordFolder& folder, const Grid& projects);
// Rewrites the whole plan registry from a plans table (flag untouched).
WriteStatus rewritePlans(const RecordFolder& folder, const Grid& plans);
// Puts a value into a column of a plan's row (its poll or analysis flag)
// and rewrites the plan registry; when the registry cannot be written the
// row gets its old value back, so the table never claims what the file
// does not hold.
WriteStatus setPlanValue(const RecordFolder& folder, Grid& plans, int planRow, int column,
                         const QString& value);

} // namespace lendora
