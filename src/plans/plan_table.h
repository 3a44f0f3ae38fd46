#pragma once

#include "storage/grid.h"

#include <QString>
#include <QStringList>

#include <vector>

// The plans table of the project plan window and the operations on it.
namespace lendora::plans {

// Headings of the window's projects, basic details and audiences tables.
QStringList projectHeadings();
QStringList detailHeadings();
QStringList audienceHeadings();

// The poll completion flag of a plan that can still be edited or deleted.
inline const QString editableFlag = QStringLiteral("000");

// The plans table as the window holds it, and for every row the number the
// plan had in the stored registry when the table was loaded: 0 for the
// heading row, the trailing row and plans added since. A save uses these
// numbers to carry each plan's files to its new number.
struct PlanTable {
    PlanTable();

    Grid grid;
    std::vector<int> storedNumbers;

    // Fills the table from the All Projects plans table: row i = plan i,
    // column 0 = i as text (the trailing empty row gets its number too).
    void load(const Grid& registryPlans);
    int planCount() const { return grid.rowCount() - 2; }
    // The trailing empty row, where the next plan goes.
    int trailingRow() const { return grid.rowCount() - 1; }
    int storedNumber(int row) const;
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

// Takes the current poll and analysis flags of every stored plan from the
// All Projects plans table, where the poll and analysis windows record them
// while this table is open.
void takeCurrentFlags(PlanTable& table, const Grid& registryPlans);

// Whether the plan in row r can be edited or deleted (its poll flag is "000").
bool editable(const Grid& plans, int row);

} // namespace lendora::plans
