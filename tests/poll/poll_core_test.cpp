#include "poll/poll_entry.h"
#include "workspace/registry_codec.h"

#include "support/feature_texts.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

Plan planOf(long long project, long long audience) {
    Plan plan;
    plan.project = project;
    plan.audience = audience;
    return plan;
}

std::vector<QStringList> segmentRecords(int n) {
    std::vector<QStringList> records;
    for (int s = 1; s <= n; ++s)
        records.push_back({QString::number(s), QStringLiteral("Segment %1").arg(s)});
    return records;
}

// The rows of tests/data/poll/tables.tsv under the key, without the key.
std::vector<QStringList> expected(const QString& key) {
    std::vector<QStringList> rows;
    for (const QStringList& row : dataRows("poll/tables.tsv"))
        if (row.first() == key)
            rows.push_back(row.mid(1));
    return rows;
}

QStringList column(const Grid& grid, int c) {
    QStringList texts;
    for (int r = 0; r < grid.rowCount(); ++r)
        texts << grid.text(r, c);
    return texts;
}

std::array<QString, 7> seven(const QStringList& texts) {
    std::array<QString, 7> counts;
    for (int f = 0; f < 7; ++f)
        counts[size_t(f)] = texts.value(f);
    return counts;
}

TEST(PollTables, LayOutPlacesSegmentsByNumberBetweenHeadingsAndTotals) {
    Grid table;
    poll::layOut(table, segmentRecords(3));
    table.setText(2, 3, "9");
    poll::layOut(table, {{"1", "First"}, {"3", "Third"}, {"2", "Second"}, {"9", "Stray"}});
    EXPECT_EQ(table.rowTexts(0), expected("headings").at(0));
    EXPECT_EQ(column(table, 0), expected("placed").at(0));
    EXPECT_EQ(table.text(2, 3), "") << "laying out again starts from an empty table";
    TempWorkspace ws;
    poll::layOut(RecordFolder(ws.path()), planOf(1, 5), table);
    EXPECT_EQ(column(table, 0), QStringList({"Segment", "Totals"})) << "no segment file";
}

TEST(PollTables, CountsAreWrittenAsNumbersWithTheirSegmentTotal) {
    for (const QStringList& c : expected("counts")) {
        Grid table;
        poll::layOut(table, segmentRecords(2));
        poll::writeCounts(table, 2, seven(c));
        EXPECT_EQ(table.rowTexts(2).mid(1), c.mid(7)) << c.join('|');
        EXPECT_EQ(table.rowTexts(1).mid(1), QStringList(8, QString())) << "other rows untouched";
    }
}

TEST(PollTables, TotalsAreSingleLeadingNumberSumsThatStayFinite) {
    const std::vector<QStringList> cases = expected("totals");
    Grid table;
    poll::layOut(table, segmentRecords(3));
    for (int c = 0; c < int(cases.size()); ++c)
        for (int r = 0; r < 3; ++r)
            table.setText(r + 1, c + 1, cases[size_t(c)][r]);
    table.setText(4, 5, "stale");
    poll::computeTotals(table);
    for (int c = 0; c < int(cases.size()); ++c)
        EXPECT_EQ(table.text(4, c + 1), cases[size_t(c)][3]) << cases[size_t(c)].join('|');
    EXPECT_EQ(table.text(4, 5), "0");
    // 3e38 + 3e38 does not fit a float: that addition is left out.
    const QString big = QStringLiteral("3") + QString(38, u'0');
    for (int r = 1; r <= 3; ++r)
        table.setText(r, 6, r < 3 ? big : "1");
    poll::computeTotals(table);
    EXPECT_EQ(table.text(4, 6), big);
}

TEST(PollTables, SaveWritesTheCellsAsTheyStandAndLoadPlacesRecordsByNumber) {
    TempWorkspace ws;
    Grid table;
    poll::layOut(table, segmentRecords(2));
    poll::writeCounts(table, 2, seven({"12", "5", "3", "7", "2", "9", "1"}));
    table.setText(1, 1, "2.50");
    poll::computeTotals(table);
    EXPECT_EQ(visible(poll::bytes(table)), visible(readFile(dataFolder("poll/files/23_11.lnd"))));

    ws.write("23_01.lnd", readFile(dataFolder("poll/files/odd_23_01.lnd")));
    poll::layOut(table, segmentRecords(3));
    poll::load(RecordFolder(ws.path()), planOf(2, 3), poll::product::own, table);
    ASSERT_EQ(table.rowCount(), 5);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(table.rowTexts(r), expected("loaded").at(size_t(r - 1))) << "row " << r;
    poll::load(RecordFolder(ws.path()), planOf(2, 3), poll::product::competitor1, table);
    EXPECT_EQ(table.rowTexts(4).mid(1), QStringList(8, "0")) << "a missing file loads nothing";
}

TEST(PollTables, OpenLoadsTheSavedProductsAndPicksTheFirstOpenTab) {
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

// A plan over project 2 and audience 3 with two segments, in plan row 1.
struct PlanFixture {
    PlanFixture() {
        ws.write("3-segFile.lnd", "1,\"North\"\r\n2,\"South\"\r\n");
        ws.write("2_pdtl.lnd",
                 "1,\"Car Loan\",\"Zoom\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\"\r\n"
                 "2,\"Auto Bank\",\"Drive\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\"\r\n");
        ws.write("pptb.lnd", "1,\"2\",\"Car Loan\",\"3\",\"Drivers\",\"000\",\"No\"\r\n");
        ws.write("ppflag.lnd", "1\r\n");
        workspace.load();
        plan = workspace.plan(1)->id;
        entry.layOut(workspace.folder(), *workspace.plan(1), 1);
    }
    QString storedFlag() {
        Workspace reread{RecordFolder(ws.path())};
        reread.load();
        return registry::pollText(reread.plan(1)->poll);
    }
    void enterSegment(int product, const QString& count) {
        for (int f = 1; f <= 7; ++f) {
            entry.tabs[size_t(product)].fields[size_t(f - 1)] = count;
            EXPECT_EQ(entry.confirmField(product, f), QString());
        }
        entry.next(product);
    }
    void complete(int product) {
        enterSegment(product, "1");
        enterSegment(product, "2");
    }
    QString flag() { return registry::pollText(entry.completion()); }

    TempWorkspace ws;
    Workspace workspace{RecordFolder(ws.path())};
    PlanId plan;
    poll::PollEntry entry;
};

TEST(PollEntry, OnlyTheOwnProductsFirstFieldRefusesTypingOnceCompleteOutsideEditMode) {
    PlanFixture p;
    for (int k = 0; k < 3; ++k)
        for (int state = 0; state < 4; ++state)
            for (int f = 1; f <= 7; ++f) {
                p.entry.completeFlag(k) = state & 1;
                p.entry.editFlag(k) = state & 2;
                EXPECT_EQ(p.entry.refusesTyping(k, f), k == 0 && f == 1 && state == 1)
                    << k << state << f;
            }
}

// Picks and corrections act on segment rows only, never the headings or totals.
TEST(PollEntry, PickAndEditStayInsideTheSegmentRows) {
    const QMap<QString, QString> texts = dataTexts("poll/texts.tsv");
    PlanFixture p;
    EXPECT_EQ(p.entry.tabCaption(2), ": ") << "a missing record leaves the caption without names";
    p.complete(0);
    EXPECT_EQ(p.entry.count(0), 3);
    for (int row : {0, 3})
        EXPECT_EQ(p.entry.pick(0, row), texts["noSegment"]) << row;
    ASSERT_EQ(p.entry.pick(0, 1), QString());
    p.entry.cancel(0);
    EXPECT_EQ(p.entry.tabs[0].segmentIndex, "");
    const Grid before = p.entry.tabs[0].table;
    p.entry.edit(0);
    for (int r = 0; r < before.rowCount(); ++r)
        EXPECT_EQ(p.entry.tabs[0].table.rowTexts(r), before.rowTexts(r));
    p.entry.reset();
    EXPECT_FALSE(p.entry.completeFlag(0) || p.entry.editFlag(0) || p.entry.onDisk(0));
    EXPECT_EQ(p.entry.count(0), 1);
}

TEST(PollEntry, RecordedFlagNeedsTheProductsFileOnDisk) {
    PlanFixture p;
    p.complete(0);
    p.complete(2);
    EXPECT_EQ(p.flag(), "000") << "complete but nothing written";
    ASSERT_TRUE(p.entry.save(p.workspace, p.plan, 2).ok());
    EXPECT_EQ(p.flag(), "001");
    EXPECT_EQ(p.storedFlag(), "001");
    EXPECT_FILE_BYTES(p.ws, "23_21.lnd",
                      "1,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n"
                      "2,\"2\",\"2\",\"2\",\"2\",\"2\",\"2\",\"2\",\"14\"\r\n");
    p.entry.load(p.workspace.folder(), *p.workspace.plan(1), 1); // a missing file counts as loaded
    EXPECT_EQ(p.flag(), "011");

    if (!p.ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    const WriteStatus failed = p.entry.save(p.workspace, p.plan, 0);
    p.ws.setReadOnly(false);
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(p.entry.onDisk(0));
    EXPECT_EQ(p.flag(), "011");
    EXPECT_EQ(p.storedFlag(), "001") << "neither the counts nor the flag were stored";
}

} // namespace
