#include "poll/poll_entry.h"
#include "workspace/registry_codec.h"

#include "support/printing.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using lendora::test::TempWorkspace;

namespace {

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
    // Confirms seven counts and presses Next.
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

    TempWorkspace ws;
    Workspace workspace{RecordFolder(ws.path())};
    PlanId plan;
    poll::PollEntry entry;
};

TEST(PollEntry, LayOutNamesTabsAndStartsEveryTabAtSegmentOne) {
    PlanFixture p;
    EXPECT_EQ(p.entry.lblProjectIndex, 1);
    EXPECT_EQ(p.entry.tabCaption(0), "Car Loan: Zoom");
    EXPECT_EQ(p.entry.tabCaption(1), "Auto Bank: Drive");
    EXPECT_EQ(p.entry.tabCaption(2), ": ") << "a missing record leaves the caption without names";
    for (const poll::TabState& tab : p.entry.tabs) {
        EXPECT_EQ(tab.table.rowCount(), 4);
        EXPECT_EQ(tab.segmentIndex, "1");
        EXPECT_EQ(tab.segmentName, "North");
    }
}

TEST(PollEntry, OnlyTheOwnProductsFirstFieldRefusesTypingOnceCompleteOutsideEditMode) {
    PlanFixture p;
    for (int k = 0; k < 3; ++k)
        for (bool complete : {false, true})
            for (bool edit : {false, true})
                for (int f = 1; f <= 7; ++f) {
                    p.entry.completeFlag(k) = complete;
                    p.entry.editFlag(k) = edit;
                    EXPECT_EQ(p.entry.refusesTyping(k, f), k == 0 && f == 1 && complete && !edit)
                        << k << complete << edit << f;
                }
}

TEST(PollEntry, RefusedCountChangesNothing) {
    PlanFixture p;
    poll::TabState& tab = p.entry.tabs[1];
    tab.fields[0] = "5";
    ASSERT_EQ(p.entry.confirmField(1, 1), QString());
    tab.fields[1] = "none";
    const std::array<bool, 7> shown = tab.fieldShown;
    EXPECT_EQ(p.entry.confirmField(1, 2), "Enter results for Min. Eligible Income");
    EXPECT_EQ(tab.fieldShown, shown);
    EXPECT_EQ(tab.fields[1], "none");
    EXPECT_EQ(tab.focusField, 2);
    EXPECT_FALSE(tab.nextEnabled);
}

TEST(PollEntry, EditNeverWritesOutsideTheSegmentRows) {
    PlanFixture p;
    p.complete(0);
    ASSERT_EQ(p.entry.pick(0, 1), QString());
    for (int f = 1; f <= 7; ++f) {
        p.entry.tabs[0].fields[size_t(f - 1)] = "4";
        p.entry.confirmField(0, f);
    }
    ASSERT_TRUE(p.entry.tabs[0].editEnabled);
    p.entry.cancel(0);
    EXPECT_FALSE(p.entry.tabs[0].editEnabled);
    EXPECT_EQ(p.entry.tabs[0].segmentIndex, "");
    // Even when asked, Edit with the index display cleared leaves the table as it is.
    const Grid before = p.entry.tabs[0].table;
    p.entry.edit(0);
    for (int r = 0; r < before.rowCount(); ++r)
        EXPECT_EQ(p.entry.tabs[0].table.rowTexts(r), before.rowTexts(r));
}

TEST(PollEntry, RecordedFlagNeedsTheProductsFileOnDisk) {
    PlanFixture p;
    p.complete(0);
    p.complete(2);
    auto flag = [&p] { return registry::pollText(p.entry.completion()); };
    EXPECT_EQ(flag(), "000") << "complete but nothing written";
    ASSERT_TRUE(p.entry.save(p.workspace, p.plan, 2).ok());
    EXPECT_EQ(flag(), "001");
    EXPECT_EQ(p.storedFlag(), "001");
    EXPECT_TRUE(p.ws.exists("23_21.lnd"));

    p.entry.load(p.workspace.folder(), *p.workspace.plan(1), 1); // a missing file counts as loaded
    EXPECT_EQ(flag(), "011");

    if (!p.ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    const WriteStatus failed = p.entry.save(p.workspace, p.plan, 0);
    p.ws.setReadOnly(false);
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(p.entry.onDisk(0));
    EXPECT_EQ(flag(), "011");
    EXPECT_EQ(p.storedFlag(), "001") << "neither the counts nor the flag were stored";
}

TEST(PollEntry, ResetRestoresTheInitialState) {
    PlanFixture p;
    p.complete(1);
    p.entry.pick(1, 2);
    p.entry.reset();
    EXPECT_EQ(p.entry.lblProjectIndex, 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_FALSE(p.entry.completeFlag(k));
        EXPECT_FALSE(p.entry.editFlag(k));
        EXPECT_EQ(p.entry.count(k), 1);
        EXPECT_FALSE(p.entry.onDisk(k));
        const poll::TabState& tab = p.entry.tabs[size_t(k)];
        EXPECT_EQ(tab.segmentIndex, "1");
        EXPECT_EQ(tab.fieldShown,
                  (std::array<bool, 7>{true, false, false, false, false, false, false}));
        EXPECT_FALSE(tab.nextEnabled || tab.editEnabled || tab.cancelEnabled || tab.saveEnabled);
    }
}

} // namespace
