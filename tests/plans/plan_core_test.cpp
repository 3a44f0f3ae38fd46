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

} // namespace
