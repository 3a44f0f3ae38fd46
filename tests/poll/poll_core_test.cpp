#include "poll/poll_tables.h"
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
    // An audience without segments totals nothing.
    poll::layOut(table, segmentRecords(0));
    ASSERT_EQ(table.rowCount(), 2);
    table.setText(1, 1, "stale");
    poll::computeTotals(table);
    EXPECT_EQ(table.text(1, 1), "0");
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

} // namespace
