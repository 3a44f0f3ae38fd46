#include "audience/segment_table.h"

#include <gtest/gtest.h>

#include <functional>

using namespace lendora;

namespace {

// "number|description" for every row after the headings, the trailing row included.
QStringList rows(const Grid& table) {
    QStringList texts;
    for (int r = 1; r < table.rowCount(); ++r)
        texts << table.text(r, 0) + "|" + table.text(r, 1);
    return texts;
}

Grid threeSegments() {
    Grid table;
    segments::startTable(table);
    for (const char* d : {"Young, single", "Married", "Retired"})
        segments::add(table, d);
    return table;
}

TEST(SegmentTable, StartsWithTheHeadingsAndOneEmptyRow) {
    Grid table(7, 5);
    table.setText(3, 3, "old");
    segments::startTable(table);
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.columnCount(), 2);
    EXPECT_EQ(table.rowTexts(0), QStringList({"ID", "Discription"}));
    EXPECT_EQ(rows(table), QStringList({"|"}));
    EXPECT_EQ(segments::count(table), 0);
}

TEST(SegmentTable, AddFillsTheTrailingRowAndKeepsOneEmptyRow) {
    Grid table;
    segments::startTable(table);
    EXPECT_EQ(segments::add(table, "Young, single"), 1);
    EXPECT_EQ(segments::add(table, ""), 2);
    EXPECT_EQ(rows(table), QStringList({"1|Young, single", "2|", "|"}));
    EXPECT_EQ(segments::count(table), 2);
}

struct Change {
    const char* what;
    std::function<bool(Grid&)> change;
    bool done;
    QStringList after;
};

TEST(SegmentTable, EditAndRemoveActOnSegmentRowsOnly) {
    const QStringList untouched = {"1|Young, single", "2|Married", "3|Retired", "|"};
    const std::vector<Change> cases = {
        {"edit 2",
         [](Grid& t) { return segments::edit(t, 2, "Married, two incomes"); },
         true,
         {"1|Young, single", "2|Married, two incomes", "3|Retired", "|"}},
        {"edit the trailing row", [](Grid& t) { return segments::edit(t, 4, "x"); }, false,
         untouched},
        {"edit the headings", [](Grid& t) { return segments::edit(t, 0, "x"); }, false, untouched},
        // The trailing row shows the number the next segment gets.
        {"remove 2",
         [](Grid& t) { return segments::remove(t, 2); },
         true,
         {"1|Young, single", "2|Retired", "3|"}},
        {"remove 1",
         [](Grid& t) { return segments::remove(t, 1); },
         true,
         {"1|Married", "2|Retired", "3|"}},
        {"remove 3",
         [](Grid& t) { return segments::remove(t, 3); },
         true,
         {"1|Young, single", "2|Married", "3|"}},
        {"remove the trailing row", [](Grid& t) { return segments::remove(t, 4); }, false,
         untouched},
        {"remove the headings", [](Grid& t) { return segments::remove(t, 0); }, false, untouched},
        {"remove beyond the table", [](Grid& t) { return segments::remove(t, 9); }, false,
         untouched},
    };
    for (const Change& c : cases) {
        Grid table = threeSegments();
        EXPECT_EQ(c.change(table), c.done) << c.what;
        EXPECT_EQ(rows(table), c.after) << c.what;
        EXPECT_EQ(table.rowTexts(0), QStringList({"ID", "Discription"})) << c.what;
    }
}

TEST(SegmentTable, RemovingEverySegmentLeavesAnEmptyTableReadyForTheFirst) {
    Grid table = threeSegments();
    while (segments::count(table) > 0)
        ASSERT_TRUE(segments::remove(table, 1));
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(segments::add(table, "Again"), 1);
    EXPECT_EQ(rows(table), QStringList({"1|Again", "|"}));
}

TEST(SegmentTable, SegmentRowsAreOneToCount) {
    const Grid table = threeSegments();
    std::vector<bool> seen;
    for (int r = -1; r <= 5; ++r)
        seen.push_back(segments::isSegmentRow(table, r));
    EXPECT_EQ(seen, std::vector<bool>({false, false, true, true, true, false, false}));
}

} // namespace
