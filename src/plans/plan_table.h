#pragma once

#include "storage/grid.h"
#include "workspace/records.h"
#include "workspace/workspace.h"

#include <QString>
#include <QStringList>

#include <vector>

// The plans table of the project plan window and the operations on it.
namespace lendora::plans {

// Columns of the plans table: the seven items of a plan record.
namespace column {
constexpr int id = 0;
constexpr int projectId = 1;
constexpr int projectName = 2;
constexpr int audienceId = 3;
constexpr int audienceName = 4;
constexpr int pollFlag = 5;
constexpr int analysisFlag = 6;
} // namespace column

// Headings of the window's projects, basic details and audiences tables.
QStringList projectHeadings();
QStringList detailHeadings();
QStringList audienceHeadings();

// The poll completion flag of a plan that can still be edited or deleted.
inline const QString editableFlag = QStringLiteral("000");

// The plans table as the window holds it, and for every row the id of the
// plan it was loaded from: none for the heading row, the trailing row and
// plans added since. A save keeps the ids of the listed plans, so that their
// files and their windows follow them to their new numbers.
struct PlanTable {
    PlanTable();

    Grid grid;
    std::vector<PlanId> ids;

    // Fills the table from the workspace's plans: row i = plan i, column 0 =
    // i as text (the trailing empty row gets its number too).
    void load(const Workspace& workspace);
    int planCount() const { return grid.rowCount() - 2; }
    // The trailing empty row, where the next plan goes.
    int trailingRow() const { return grid.rowCount() - 1; }
    PlanId id(int row) const;
    // The row of the listed plan, 0 when none.
    int rowOf(PlanId plan) const;
    // Shows the plan's current flags in its row (saved meanwhile by the
    // poll or analysis windows).
    void showFlags(const Plan& plan);
    // The rows as the workspace saves them.
    std::vector<Workspace::PlanDraft> drafts() const;
};

// The key of a plan: the decimal text of its project number followed
// directly by that of its audience number (project 2 and audience 3 give
// "23"; project 1 with audience 12 and project 11 with audience 2 both give
// "112").
QString planKey(const QString& projectNumber, const QString& audienceNumber);

// Whether a row of the plans table other than exceptRow carries the key. The
// trailing row is scanned too; its empty cells read as 0.
bool keyTaken(const Grid& plans, const QString& key, int exceptRow = 0);

// Why a plan cannot be added or changed as asked.
enum class Refusal { None, NoProject, NoAudience, Duplicate };

// Checks a plan of project row `project` and audience row `audience` (rows of
// the window's projects and audiences tables): both must name a record, and
// no other plan than the one in exceptRow may have the same key.
Refusal checkPlan(const Grid& plans, const Grid& projects, const Grid& audiences, int project,
                  int audience, int exceptRow = 0);

// Writes the new plan into row n (the trailing row): number n, the project's
// number and name, the audience's number and definition, "000" and "No";
// then appends one empty row.
void addPlan(PlanTable& table, const Grid& projects, const Grid& audiences, int project,
             int audience, int n);

// Gives plan row p the project and audience of rows `project` and
// `audience`; its flags stay.
void editPlan(PlanTable& table, const Grid& projects, const Grid& audiences, int p, int project,
              int audience);

// Removes plan row r and numbers the rows 1, 2, 3 ... again (the trailing
// row included). Returns the number of plans left. Rows outside the plans
// are not removed.
int deletePlan(PlanTable& table, int row);

// Whether the plan in row r can be edited or deleted (its poll flag is "000").
bool editable(const Grid& plans, int row);

} // namespace lendora::plans
