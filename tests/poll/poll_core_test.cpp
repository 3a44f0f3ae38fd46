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

std::vector<QStringList> segmentRecords(int n) {
    std::vector<QStringList> records;
    for (int s = 1; s <= n; ++s)
        records.push_back({QString::number(s), QStringLiteral("Segment %1").arg(s)});
    return records;
}

const QString tables = QStringLiteral("poll/tables.tsv");

QStringList column(const Grid& grid, int c) {
    QStringList texts;
    for (int r = 0; r < grid.rowCount(); ++r)
        texts << grid.text(r, c);
    return texts;
}

TEST(PollTables, LayOutPlacesSegmentsByNumberBetweenHeadingsAndTotals) {
    Grid table;
    poll::layOut(table, segmentRecords(3));
    table.setText(2, 3, "9");
    poll::layOut(table, {{"1", "First"}, {"3", "Third"}, {"2", "Second"}, {"9", "Stray"}});
    EXPECT_EQ(table.rowTexts(0), dataRows(tables, "headings").at(0));
    EXPECT_EQ(column(table, 0), dataRows(tables, "placed").at(0));
    EXPECT_EQ(table.text(2, 3), "") << "laying out again starts from an empty table";
}

TEST(PollTables, CountsAreWrittenAsNumbersWithTheirSegmentTotal) {
    for (const QStringList& c : dataRows(tables, "counts")) {
        Grid table;
        poll::layOut(table, segmentRecords(2));
        std::array<QString, 7> typed;
        std::copy_n(c.begin(), 7, typed.begin());
        poll::writeCounts(table, 2, typed);
        EXPECT_EQ(table.rowTexts(2).mid(1), c.mid(7)) << qPrintable(c.join(u'|'));
        EXPECT_EQ(table.rowTexts(1).mid(1), QStringList(8, QString())) << "other rows untouched";
    }
}

TEST(PollTables, TotalsAreSingleLeadingNumberSumsThatStayFinite) {
    const std::vector<QStringList> cases = dataRows(tables, "totals");
    Grid table;
    poll::layOut(table, segmentRecords(3));
    for (int c = 0; c < int(cases.size()); ++c)
        for (int r = 0; r < 3; ++r)
            table.setText(r + 1, c + 1, cases[size_t(c)][r]);
    table.setText(4, 5, "stale");
    poll::computeTotals(table);
    for (int c = 0; c < int(cases.size()); ++c)
        EXPECT_EQ(table.text(4, c + 1), cases[size_t(c)][3])
            << qPrintable(cases[size_t(c)].join(u'|'));
    EXPECT_EQ(table.text(4, 5), "0");
    // 3e38 + 3e38 does not fit a float: that addition is left out.
    const QString big = QStringLiteral("3") + QString(38, u'0');
    for (int r = 1; r <= 3; ++r)
        table.setText(r, 6, r < 3 ? big : "1");
    poll::computeTotals(table);
    EXPECT_EQ(table.text(4, 6), big);
}

TEST(PollTables, LoadPlacesRecordsByNumberAndRecomputesTheTotals) {
    TempWorkspace ws;
    Grid table;
    Plan plan;
    plan.project = 2;
    plan.audience = 3;
    ws.write("23_01.lnd", readFile(dataFolder("poll/files/odd_23_01.lnd")));
    poll::layOut(table, segmentRecords(3));
    poll::load(RecordFolder(ws.path()), plan, poll::product::own, table);
    ASSERT_EQ(table.rowCount(), 5);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(table.rowTexts(r), dataRows(tables, "loaded").at(size_t(r - 1))) << "row " << r;
    poll::layOut(table, segmentRecords(3));
    poll::load(RecordFolder(ws.path()), plan, poll::product::competitor1, table);
    EXPECT_EQ(table.rowTexts(4).mid(1), QStringList(8, "0")) << "a missing file loads nothing";
}

TEST(PollTables, OpenLoadsTheSavedProductsAndPicksTheFirstOpenTab) {
    for (const QStringList& c : dataRows(tables, "open")) {
        const poll::OpenSteps steps = poll::openSteps(registry::parsePoll(c[0].toLatin1()));
        QStringList loads;
        for (int product : steps.loads)
            loads << QString::number(product);
        EXPECT_EQ(loads.join(u' ') + u'|' + QString::number(steps.tab), c[1]) << qPrintable(c[0]);
    }
}

// An entry whose three tabs show two segments each.
struct Entry : poll::PollEntry {
    Entry() {
        for (poll::TabState& tab : tabs)
            poll::layOut(tab.table, segmentRecords(2));
    }
    void enterSegment(int product, const QString& count) {
        for (int f = 1; f <= 7; ++f) {
            tabs[size_t(product)].fields[size_t(f - 1)] = count;
            EXPECT_EQ(confirmField(product, f), QString());
        }
        next(product);
    }
};

TEST(PollEntry, OnlyTheOwnProductsFirstFieldRefusesTypingOnceCompleteOutsideEditMode) {
    Entry e;
    for (int k = 0; k < 3; ++k)
        for (int state = 0; state < 4; ++state)
            for (int f = 1; f <= 7; ++f) {
                e.completeFlag(k) = state & 1;
                e.editFlag(k) = state & 2;
                EXPECT_EQ(e.refusesTyping(k, f), k == 0 && f == 1 && state == 1) << k << state << f;
            }
}

// The three tabs are entered in any order: each keeps its own counter and flags.
TEST(PollEntry, EachProductKeepsItsOwnCountAndFlags) {
    Entry e;
    for (int k = 0; k < 3; ++k) {
        e.count(k) = 10 + k;
        e.completeFlag(k) = k == 1;
        e.editFlag(k) = k == 2;
    }
    EXPECT_EQ(std::vector<int>({e.lblBCount, e.lblC1Count, e.lblC2Count}),
              std::vector<int>({10, 11, 12}));
    EXPECT_EQ(std::vector<bool>({e.lblBCompleteFlag, e.lblC1CompleteFlag, e.lblC2CompleteFlag}),
              std::vector<bool>({false, true, false}));
    EXPECT_EQ(std::vector<bool>({e.lblBFlag, e.lblC1Flag, e.lblC2Flag}),
              std::vector<bool>({false, false, true}));
}

// Picks and corrections act on segment rows only, never the headings or totals.
TEST(PollEntry, PickAndEditStayInsideTheSegmentRows) {
    Entry e;
    e.enterSegment(0, "1");
    e.enterSegment(0, "2");
    EXPECT_EQ(e.count(0), 3);
    for (int row : {0, 3})
        EXPECT_EQ(e.pick(0, row), dataTexts("poll/texts.tsv")["noSegment"]) << row;
    ASSERT_EQ(e.pick(0, 1), QString());
    e.cancel(0);
    EXPECT_EQ(e.tabs[0].segmentIndex, "");
    const Grid before = e.tabs[0].table;
    e.edit(0);
    for (int r = 0; r < before.rowCount(); ++r)
        EXPECT_EQ(e.tabs[0].table.rowTexts(r), before.rowTexts(r));
    // Only the own product's Cancel switches itself off.
    e.enterSegment(1, "1");
    e.enterSegment(1, "2");
    ASSERT_EQ(e.pick(1, 2), QString());
    e.cancel(1);
    EXPECT_TRUE(e.tabs[1].cancelEnabled && !e.tabs[0].cancelEnabled);
    e.reset();
    EXPECT_FALSE(e.completeFlag(0) || e.editFlag(0) || e.onDisk(0));
    EXPECT_EQ(e.count(0), 1);
}

} // namespace
