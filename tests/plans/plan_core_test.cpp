#include "plans/plan_table.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::plans;

namespace {

// A table of n numbered records with a name in column 1, then the empty row.
Grid numbered(int n, const QString& prefix) {
    Grid grid(n + 2, 2);
    for (int i = 1; i <= n + 1; ++i)
        grid.setText(i, 0, QString::number(i));
    for (int i = 1; i <= n; ++i)
        grid.setText(i, 1, prefix + QString::number(i));
    return grid;
}

TEST(PlanChecks, BothSelectionsAndAFreeKey) {
    const Grid projects = numbered(11, "P"), audiences = numbered(12, "A");
    PlanTable table;
    addPlan(table, projects, audiences, 11, 2, 1);
    struct Case {
        int project, audience, exceptRow;
        Refusal expected;
    };
    const Case cases[] = {
        {0, 0, 0, Refusal::NoProject},   {0, 3, 0, Refusal::NoProject},
        {12, 3, 0, Refusal::NoProject},  {1, 0, 0, Refusal::NoAudience},
        {1, 13, 0, Refusal::NoAudience}, {1, 12, 0, Refusal::Duplicate},
        {11, 2, 0, Refusal::Duplicate},  {11, 2, 1, Refusal::None},
        {1, 2, 0, Refusal::None},        {11, 12, 0, Refusal::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkPlan(table.grid, projects, audiences, c.project, c.audience, c.exceptRow),
                  c.expected)
            << c.project << "+" << c.audience;
}

// Rows of the table without the headings: id, project and audience numbers, poll flag.
QStringList rows(const PlanTable& table) {
    QStringList texts;
    for (int r = 1; r < table.grid.rowCount(); ++r)
        texts << QStringList({table.grid.text(r, column::id), table.grid.text(r, column::projectId),
                              table.grid.text(r, column::audienceId),
                              table.grid.text(r, column::pollFlag)})
                     .join(u'|');
    return texts;
}

TEST(PlanTable, AddEditAndDeleteNumberTheRowsAndKeepOneTrailingRow) {
    const Grid projects = numbered(3, "P"), audiences = numbered(2, "A");
    PlanTable table;
    for (int n = 1; n <= 3; ++n)
        addPlan(table, projects, audiences, n, 2 - n % 2, n);
    editPlan(table, projects, audiences, 2, 3, 2);
    EXPECT_EQ(table.grid.rowTexts(2), QStringList({"2", "3", "P3", "2", "A2", "000", "No"}));
    EXPECT_EQ(rows(table), QStringList({"1|1|1|000", "2|3|2|000", "3|3|1|000", "|||"}));
    for (int outside : {0, 4})
        EXPECT_EQ(deletePlan(table, outside), 3) << outside;
    EXPECT_EQ(deletePlan(table, 1), 2);
    EXPECT_EQ(rows(table), QStringList({"1|3|2|000", "2|3|1|000", "3|||"}));
    table.grid.setText(1, column::pollFlag, "100");
    EXPECT_FALSE(editable(table.grid, 1));
    EXPECT_TRUE(editable(table.grid, 2));
}

} // namespace
