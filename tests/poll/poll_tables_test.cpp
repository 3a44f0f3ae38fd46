#include "poll/poll_tables.h"
#include "workspace/registry_codec.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using lendora::test::TempWorkspace;

namespace {

Plan planOf(long long project, long long audience) {
    Plan plan;
    plan.project = project;
    plan.audience = audience;
    return plan;
}

// A poll file written from the table the way a poll save writes it.
void save(const TempWorkspace& ws, const Plan& plan, int product, const Grid& table) {
    ws.write(poll::fileName(plan, product), poll::bytes(table));
}

std::vector<QStringList> segmentRecords(int n) {
    std::vector<QStringList> records;
    for (int s = 1; s <= n; ++s)
        records.push_back({QString::number(s), QStringLiteral("Segment %1").arg(s)});
    return records;
}

QStringList column(const Grid& grid, int c) {
    QStringList texts;
    for (int r = 0; r < grid.rowCount(); ++r)
        texts << grid.text(r, c);
    return texts;
}

TEST(PollFiles, NamesJoinProjectAndAudienceNumbers) {
    struct Case {
        long long project, audience;
        const char* own;
        const char* c1;
        const char* c2;
    };
    for (const Case& c : {Case{2, 3, "23_01.lnd", "23_11.lnd", "23_21.lnd"},
                          Case{1, 12, "112_01.lnd", "112_11.lnd", "112_21.lnd"},
                          Case{11, 2, "112_01.lnd", "112_11.lnd", "112_21.lnd"},
                          Case{10, 1, "101_01.lnd", "101_11.lnd", "101_21.lnd"}}) {
        EXPECT_EQ(poll::fileName(c.project, c.audience, poll::product::own), c.own);
        EXPECT_EQ(poll::fileName(c.project, c.audience, poll::product::competitor1), c.c1);
        EXPECT_EQ(poll::fileName(c.project, c.audience, poll::product::competitor2), c.c2);
    }
}

TEST(PollFiles, PlanRecordGivesTheNumbersByTheLeadingNumberRule) {
    const auto plans =
        registry::parsePlans("4,\" 2\",\"Car Loan\",\"3 young\",\"Students\",\"101\",\"No\"\r\n");
    ASSERT_EQ(plans.size(), 1u);
    ASSERT_FALSE(plans[0]) << "record 4 names no row yet";
    const auto first =
        registry::parsePlans("1,\" 2\",\"Car Loan\",\"3 young\",\"Students\",\"101\",\"No\"\r\n");
    ASSERT_TRUE(first[0]);
    EXPECT_EQ(first[0]->project, 2);
    EXPECT_EQ(first[0]->audience, 3);
    EXPECT_EQ(poll::fileName(*first[0], poll::product::competitor2), "23_21.lnd");
}

TEST(PollTables, LayOutGivesHeadingsSegmentsAndTotals) {
    Grid table;
    poll::layOut(table, segmentRecords(4));
    ASSERT_EQ(table.rowCount(), 6);
    ASSERT_EQ(table.columnCount(), 9);
    EXPECT_EQ(table.rowTexts(0), QStringList({"Segment", "Interest", "Min. Eligible Income",
                                              "Max. Loan Value", "Max. Loan Percentage",
                                              "Repayment Period", "EMI", "Freebies", "Totals"}));
    EXPECT_EQ(column(table, 0), QStringList({"Segment", "Segment 1", "Segment 2", "Segment 3",
                                             "Segment 4", "Totals"}));
    // Laying out again starts from an empty table.
    table.setText(2, 3, "9");
    poll::layOut(table, segmentRecords(1));
    EXPECT_EQ(column(table, 0), QStringList({"Segment", "Segment 1", "Totals"}));
    EXPECT_EQ(table.text(2, 3), "");
}

TEST(PollTables, SegmentsArePlacedByTheirNumbers) {
    Grid table;
    poll::layOut(table, {{"1", "First"}, {"3", "Third"}, {"2", "Second"}, {"9", "Stray"}});
    // Each record adds a row, so four records give six rows. A record is
    // placed only in a row that exists when it is read: segment 3 comes too
    // early, segment 9 is beyond the table.
    EXPECT_EQ(column(table, 0), QStringList({"Segment", "First", "Second", "", "", "Totals"}));
}

TEST(PollTables, MissingSegmentFileLeavesOnlyTheTotalsRow) {
    TempWorkspace ws;
    Grid table;
    Plan plan;
    plan.project = 1;
    plan.audience = 5;
    poll::layOut(RecordFolder(ws.path()), plan, table);
    EXPECT_EQ(column(table, 0), QStringList({"Segment", "Totals"}));
}

TEST(PollTables, CountsAreWrittenAsNumbersWithTheirSegmentTotal) {
    struct Case {
        std::array<QString, 7> typed;
        QStringList cells; // columns 1 to 8
    };
    const Case cases[] = {
        {{"12", "5", "3", "7", "2", "9", "1"}, {"12", "5", "3", "7", "2", "9", "1", "39"}},
        {{"007", "12 apples", "", "-3", "2.5", " 4", ".5"},
         {"7", "12", "0", "-3", "2.5", "4", "0.5", "23"}},
        {{"0.1", "0.2", "0", "0", "0", "0", "0"}, {"0.1", "0.2", "0", "0", "0", "0", "0", "0.3"}},
    };
    for (const Case& c : cases) {
        Grid table;
        poll::layOut(table, segmentRecords(2));
        poll::writeCounts(table, 2, c.typed);
        EXPECT_EQ(table.rowTexts(2).mid(1), c.cells);
        EXPECT_EQ(table.rowTexts(1).mid(1), QStringList(8, QString())) << "other rows untouched";
    }
}

TEST(PollTables, TotalsAreSingleLeadingNumberSums) {
    Grid table;
    poll::layOut(table, segmentRecords(3));
    const QStringList col1 = {"2.5", "3", ""};         // halves kept: 5.5
    const QStringList col2 = {"16777216", "1", "0"};   // a float cannot hold 16777217
    const QStringList col3 = {"-3", "12 apples", "x"}; // leading numbers, words count 0
    const QStringList col4 = {"3e38", "1", ""};        // no exponent: 3
    for (int r = 0; r < 3; ++r) {
        table.setText(r + 1, 1, col1[r]);
        table.setText(r + 1, 2, col2[r]);
        table.setText(r + 1, 3, col3[r]);
        table.setText(r + 1, 4, col4[r]);
    }
    table.setText(4, 5, "stale");
    poll::computeTotals(table);
    EXPECT_EQ(table.rowTexts(4),
              QStringList({"Totals", "5.5", "16777216", "9", "4", "0", "0", "0", "0"}));

    // 3e38 + 3e38 does not fit a float: that addition is left out, so the
    // total stays finite.
    const QString big = QStringLiteral("3") + QString(38, u'0');
    table.setText(1, 6, big);
    table.setText(2, 6, big);
    table.setText(3, 6, "1");
    poll::computeTotals(table);
    EXPECT_EQ(table.text(4, 6), big);
}

TEST(PollFiles, SaveWritesOneRecordPerSegmentAsTheCellsStand) {
    TempWorkspace ws;
    const Plan plan = planOf(2, 3);
    Grid table;
    poll::layOut(table, segmentRecords(2));
    poll::writeCounts(table, 2, {"12", "5", "3", "7", "2", "9", "1"});
    table.setText(1, 1, "2.50");
    poll::computeTotals(table);
    save(ws, plan, poll::product::competitor1, table);
    EXPECT_FILE_BYTES(ws, "23_11.lnd",
                      "1,\"2.50\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                      "2,\"12\",\"5\",\"3\",\"7\",\"2\",\"9\",\"1\",\"39\"\r\n");
    EXPECT_EQ(ws.files(), QStringList({"23_11.lnd"}));

    // Saved again with one segment fewer: the whole file is replaced.
    Grid smaller;
    poll::layOut(smaller, segmentRecords(1));
    poll::writeCounts(smaller, 1, {"1", "1", "1", "1", "1", "1", "1"});
    save(ws, plan, poll::product::competitor1, smaller);
    EXPECT_FILE_BYTES(ws, "23_11.lnd", "1,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n");
}

TEST(PollFiles, LoadPlacesRecordsByNumberAndRecomputesTotals) {
    TempWorkspace ws;
    ws.write("23_01.lnd",
             "2.5,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n"  // row 2
             "0.5,\"9\",\"9\",\"9\",\"9\",\"9\",\"9\",\"9\",\"63\"\r\n" // row 0: left out
             "1,\"2.5\",\"\",\"3\",\"0\",\"0\",\"0\",\"0\",\"5.5\"\r\n"
             "4,\"8\",\"8\",\"8\",\"8\",\"8\",\"8\",\"8\",\"56\"\r\n"  // totals row
             "5,\"7\",\"7\",\"7\",\"7\",\"7\",\"7\",\"7\",\"49\"\r\n"  // outside
             "3.5,\"3\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"3\"\n"); // row 4
    Grid table;
    const Plan plan = planOf(2, 3);
    poll::layOut(table, segmentRecords(3));
    poll::load(RecordFolder(ws.path()), plan, poll::product::own, table);
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.rowTexts(0).first(), "Segment");
    EXPECT_EQ(table.rowTexts(1),
              QStringList({"Segment 1", "2.5", "", "3", "0", "0", "0", "0", "5.5"}));
    EXPECT_EQ(table.rowTexts(2),
              QStringList({"Segment 2", "1", "1", "1", "1", "1", "1", "1", "7"}));
    EXPECT_EQ(table.rowTexts(3), QStringList({"Segment 3", "", "", "", "", "", "", "", ""}));
    // The totals row holds the sums, whatever the file wrote into it.
    EXPECT_EQ(table.rowTexts(4),
              QStringList({"Totals", "3.5", "1", "4", "1", "1", "1", "1", "12.5"}));
}

TEST(PollFiles, PlansWhoseNumbersJoinAlikeShareTheirFiles) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    Grid written;
    poll::layOut(written, segmentRecords(1));
    poll::writeCounts(written, 1, {"4", "4", "4", "4", "4", "4", "4"});
    save(ws, planOf(11, 2), poll::product::competitor2, written);
    Grid read;
    poll::layOut(read, segmentRecords(1));
    poll::load(folder, planOf(1, 12), poll::product::competitor2, read);
    EXPECT_EQ(read.text(1, 8), "28");
    EXPECT_EQ(read.text(2, 8), "28");
}

TEST(PollFiles, MissingFileLoadsNothing) {
    TempWorkspace ws;
    Grid table;
    poll::layOut(table, segmentRecords(2));
    poll::load(RecordFolder(ws.path()), planOf(2, 3), poll::product::own, table);
    EXPECT_EQ(table.rowTexts(1).mid(1), QStringList(8, QString()));
    EXPECT_EQ(table.rowTexts(3), QStringList({"Totals", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(PollCompletion, FlagJoinsTheThreeStatesOwnFirst) {
    for (const char* text : {"000", "100", "011", "101", "111"})
        EXPECT_EQ(registry::pollText(registry::parsePoll(text)), text);
    EXPECT_EQ(registry::pollText({{true, false, false}}), "100");
}

TEST(PollCompletion, OpenLoadsTheSavedProductsAndPicksTheFirstOpenTab) {
    struct Case {
        const char* flag;
        std::vector<int> loads;
        int tab;
    };
    for (const Case& c : {Case{"001", {2}, 0}, Case{"010", {1}, 0}, Case{"011", {1, 2}, 0},
                          Case{"100", {0}, 1}, Case{"101", {0, 2}, 1}, Case{"110", {0, 1}, 2},
                          Case{"000", {}, -1}, Case{"111", {}, -1}}) {
        const poll::OpenSteps steps = poll::openSteps(registry::parsePoll(c.flag));
        EXPECT_EQ(steps.loads, c.loads) << c.flag;
        EXPECT_EQ(steps.tab, c.tab) << c.flag;
    }
}

} // namespace
