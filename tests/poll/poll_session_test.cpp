#include "poll/poll_session.h"
#include "spreadsheet/cell_text.h"
#include "storage/numbers.h"
#include "workspace/workspace.h"

#include "support/feature_texts.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::poll;
using namespace lendora::test;

namespace {

const QMap<QString, QString> texts = dataTexts("poll/texts.tsv");

// The poll test folder: plan 1 has two segments, plan 3 four; no counts stored.
class Session : public ::testing::Test {
protected:
    void SetUp() override {
        copyFolder(dataFolder("poll/workspace"), ws);
        ASSERT_TRUE(workspace.load().ok());
    }
    PollSession& open(int plan) {
        session = std::make_unique<PollSession>(workspace, workspace.plan(plan)->id);
        return *session;
    }
    // Types the texts into the fields from field 1 on, each confirmed with Enter.
    void type(int product, const QStringList& counts) {
        for (int f = 1; f <= counts.size(); ++f) {
            session->setFieldText(product, f, counts[f - 1]);
            EXPECT_EQ(session->confirmField(product, f), QString()) << f;
        }
    }
    void enterSegment(int product, const QString& count) {
        type(product, QStringList(7, count));
        session->next(product);
    }
    void complete(int product) {
        for (int s = 1; s <= session->segmentCount(); ++s)
            enterSegment(product, QString::number(s));
    }
    QStringList row(int product, int segment) const {
        const SegmentCounts& counts = session->counts(product).segments[size_t(segment - 1)];
        QStringList cells;
        for (const PollCount& count : counts.features)
            cells << countText(count);
        return cells << countText(counts.total);
    }

    TempWorkspace ws;
    Workspace workspace{RecordFolder(ws.path())};
    std::unique_ptr<PollSession> session;
};

// Counts are kept as typed numbers: a leading number counts, 2.5 and -3 stay
// what they are, and a field changed after its Enter counts as it stands.
TEST_F(Session, NextStoresTheFieldsAsTheyStand) {
    PollSession& s = open(1);
    EXPECT_EQ(s.entry(0).fieldShown, (std::array<bool, 7>{true}));
    type(1, {"007", "2.5", "-3", "12 apples", "1", "1", "1"});
    s.setFieldText(1, 5, "none");
    EXPECT_TRUE(s.entry(1).mayGoNext);
    s.next(1);
    EXPECT_EQ(row(1, 1), QStringList({"7", "2.5", "-3", "12", "0", "1", "1", "20.5"}));
    EXPECT_EQ(s.entry(1).nextSegment, 2);
    EXPECT_EQ(s.segmentIndexText(1), "2");
    EXPECT_EQ(s.segmentName(1), "Self employed");
    EXPECT_EQ(s.entry(1).fieldShown, (std::array<bool, 7>{true}));
    EXPECT_FALSE(s.entry(1).mayGoNext);
    EXPECT_EQ(row(0, 1), QStringList(8, QString())) << "another product's counts stay";
}

// A zero, an empty field or a word is refused with the field's message and
// changes nothing; the focus stays in the refused field.
TEST_F(Session, ZeroCountsAreRefusedFieldByField) {
    PollSession& s = open(1);
    QSignalSpy focus(&s, &PollSession::focusRequested);
    for (int product : {0, 1}) {
        for (int f = 1; f <= 7; ++f) {
            for (const char* refused : {"0", "", "abc"}) {
                s.setFieldText(product, f, refused);
                EXPECT_EQ(s.confirmField(product, f), fieldMessage(product, f));
                EXPECT_EQ(focus.takeLast(), QVariantList({product, f}));
            }
            s.setFieldText(product, f, "1");
            EXPECT_EQ(s.confirmField(product, f), QString());
        }
    }
    EXPECT_EQ(fieldMessage(0, 1), "Enter results for interest");
    EXPECT_EQ(fieldMessage(2, 1), "Enter results for Interest");
    EXPECT_EQ(fieldMessage(1, 7), "Enter results for Freebies");
}

// Enter in an earlier field once all seven are shown empties the next field
// and moves there; Next stays allowed and stores 0 for the emptied field.
TEST_F(Session, AnEarlierFieldConfirmedAgainEmptiesTheNext) {
    PollSession& s = open(1);
    type(2, QStringList(7, "4"));
    s.setFieldText(2, 2, "5");
    EXPECT_EQ(s.confirmField(2, 2), QString());
    EXPECT_EQ(s.entry(2).fields[2], "");
    EXPECT_TRUE(s.entry(2).fieldShown[6]);
    EXPECT_TRUE(s.entry(2).mayGoNext);
    s.next(2);
    EXPECT_EQ(row(2, 1), QStringList({"4", "5", "0", "4", "4", "4", "4", "25"}));
}

// The last segment's Next completes the product: no segment shown, Save
// allowed, Next not; a click on the totals row is refused, one on the last
// segment is not.
TEST_F(Session, TheLastSegmentCompletesTheProduct) {
    PollSession& s = open(3);
    for (int segment = 1; segment <= 3; ++segment) {
        enterSegment(2, "1");
        EXPECT_FALSE(s.entry(2).completed) << segment;
        EXPECT_FALSE(s.entry(2).maySave);
        EXPECT_EQ(s.pick(2, segment), texts["notCompleted"]);
    }
    enterSegment(2, "2");
    const ProductEntry& e = s.entry(2);
    EXPECT_TRUE(e.completed && e.maySave && !e.mayGoNext && !e.fieldShown[0]);
    EXPECT_EQ(e.nextSegment, 5);
    EXPECT_EQ(s.segmentIndexText(2), "");
    EXPECT_EQ(s.segmentName(2), texts["completed"]);
    for (int outside : {0, 5, -1})
        EXPECT_EQ(s.pick(2, outside), texts["noSegment"]) << outside;
    EXPECT_EQ(s.pick(2, 4), QString());
    EXPECT_EQ(s.segmentIndexText(2), "4");
    // Next without confirming: the segment takes what the fields hold, the
    // hidden ones included.
    s.next(2);
    EXPECT_EQ(row(2, 4), QStringList({"0", "2", "2", "2", "2", "2", "2", "12"}));
    EXPECT_EQ(s.segmentName(2), texts["completed"]) << "past the last segment again";
    EXPECT_EQ(poll::columnTotals(s.counts(2))[7], 3 * 7 + 12);
}

// The first segment of a completed competitor corrected with Next: entry
// resumes at segment 2, and the product stays complete with Save allowed.
TEST_F(Session, CorrectingTheFirstSegmentResumesAtTheSecond) {
    PollSession& s = open(3);
    complete(1);
    ASSERT_EQ(s.pick(1, 1), QString());
    EXPECT_TRUE(s.entry(1).correcting && s.entry(1).mayCancel);
    type(1, QStringList(7, "9"));
    EXPECT_TRUE(s.entry(1).mayGoNext);
    EXPECT_FALSE(s.entry(1).mayCorrect) << "only the own product has Edit";
    s.next(1);
    EXPECT_EQ(row(1, 1), QStringList({"9", "9", "9", "9", "9", "9", "9", "63"}));
    EXPECT_EQ(row(1, 2), QStringList({"2", "2", "2", "2", "2", "2", "2", "14"}));
    EXPECT_EQ(s.entry(1).nextSegment, 2);
    EXPECT_EQ(s.segmentIndexText(1), "2");
    EXPECT_TRUE(s.entry(1).completed && s.entry(1).maySave);
    s.cancel(1);
    EXPECT_EQ(s.segmentIndexText(1), "2") << "Cancel goes back to where entry resumes";
    EXPECT_TRUE(s.entry(1).mayCancel) << "only the own product's Cancel switches itself off";
}

// Edit mode of the own product: the seventh field allows Edit instead of
// Next; Edit writes the picked segment and keeps the resume point; Cancel
// ends edit mode and brings back the completed state. Typing into field 1 is
// refused once complete, but not while correcting.
TEST_F(Session, TheOwnProductCorrectsInEditMode) {
    PollSession& s = open(1);
    complete(0);
    EXPECT_TRUE(s.refusesTyping(0, 1));
    EXPECT_FALSE(s.refusesTyping(0, 2) || s.refusesTyping(1, 1));
    ASSERT_EQ(s.pick(0, 2), QString());
    EXPECT_FALSE(s.refusesTyping(0, 1));
    type(0, QStringList(7, "5"));
    EXPECT_TRUE(s.entry(0).mayCorrect);
    EXPECT_FALSE(s.entry(0).mayGoNext);
    s.correct(0);
    EXPECT_EQ(row(0, 2), QStringList({"5", "5", "5", "5", "5", "5", "5", "35"}));
    EXPECT_EQ(row(0, 1), QStringList({"1", "1", "1", "1", "1", "1", "1", "7"}));
    EXPECT_EQ(s.segmentIndexText(0), "2");
    EXPECT_EQ(s.entry(0).nextSegment, 3);
    EXPECT_EQ(s.entry(0).fields[0], "");
    s.cancel(0);
    const ProductEntry& e = s.entry(0);
    EXPECT_FALSE(e.correcting || e.mayCancel || e.mayCorrect);
    EXPECT_EQ(s.segmentName(0), texts["completed"]);
    s.correct(0); // Edit outside a picked segment changes nothing
    EXPECT_EQ(row(0, 2), QStringList({"5", "5", "5", "5", "5", "5", "5", "35"}));
}

// A product counts as complete in the plan only once its file is on disk:
// competitor 1 saved while the own product is complete but unsaved records
// "010"; a save that fails records nothing.
TEST_F(Session, CompletionIsRecordedOnlyOnceOnDisk) {
    PollSession& s = open(1);
    complete(0);
    complete(1);
    ASSERT_TRUE(s.save(1).ok());
    EXPECT_EQ(workspace.plan(1)->poll, (PollCompletion{{false, true, false}}));
    EXPECT_EQ(ws.read("11_11.lnd"), "1,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n"
                                    "2,\"2\",\"2\",\"2\",\"2\",\"2\",\"2\",\"2\",\"14\"\r\n");
    workspace.setReadOnly();
    EXPECT_EQ(s.save(0).reason, "the folder was opened read-only, because another copy of "
                                "Lendora works in it");
    EXPECT_FALSE(s.entry(0).onDisk);
    EXPECT_EQ(s.completion(), (PollCompletion{{false, true, false}}));
    EXPECT_FALSE(ws.exists("11_01.lnd"));
}

// The totals row shows nothing until counts are in, then the single
// precision sums; stored counts are loaded complete, resuming at segment 1.
TEST_F(Session, LoadingStoredCountsCompletesTheProduct) {
    ws.write("11_01.lnd", readFile(dataFolder("poll/expected/11_01.lnd")));
    ASSERT_TRUE(
        workspace
            .savePlans({{workspace.plan(1)->id, 1, "Home Loan Project", 1, "Salaried, 25 to 40"}})
            .ok());
    PollSession& s = open(1);
    EXPECT_FALSE(s.entry(0).totalsShown);
    s.loadStored(0);
    const ProductEntry& e = s.entry(0);
    EXPECT_TRUE(e.completed && e.onDisk && e.totalsShown && !e.maySave);
    EXPECT_EQ(e.nextSegment, 1);
    EXPECT_EQ(row(0, 2), QStringList({"4", "6", "2.5", "10", "2", "1", "3", "28.5"}));
    EXPECT_EQ(floatText(columnTotals(s.counts(0))[2]), "5.5");
    s.pick(0, 1);
    s.cancel(0);
    EXPECT_EQ(s.segmentIndexText(0), "1") << "a loaded product resumes at segment 1";
    EXPECT_TRUE(s.entry(0).completed);
    EXPECT_EQ(s.completion(), (PollCompletion{{true, false, false}}));
}

// The session follows its plan: a save that deletes it ends the session, a
// reload starts it afresh with the stored products loaded.
TEST_F(Session, FollowsItsPlan) {
    PollSession& s = open(2);
    QSignalSpy gone(&s, &PollSession::planGone);
    QSignalSpy reopened(&s, &PollSession::reopened);
    type(0, {"3"});
    workspace.reload();
    EXPECT_EQ(reopened.count(), 1);
    EXPECT_EQ(s.entry(0).fields[0], "") << "what was typed and not saved goes";
    const Plan* third = workspace.plan(3);
    ASSERT_TRUE(workspace
                    .savePlans({{workspace.plan(1)->id, 1, "Home Loan Project", 1, "Salaried"},
                                {third->id, 1, third->projectName, 3, third->audienceName}})
                    .ok());
    EXPECT_EQ(gone.count(), 1);
    EXPECT_EQ(s.planNumber(), 0);
    EXPECT_FALSE(s.save(0).ok());
}

// An audience without segments: the totals row is the first row, and Next
// never completes anything.
TEST_F(Session, AnAudienceWithoutSegmentsNeverCompletes) {
    ws.write("1-segFile.lnd", "");
    PollSession& s = open(1);
    EXPECT_EQ(s.segmentName(0), "Totals");
    type(0, QStringList(7, "1"));
    s.next(0);
    EXPECT_FALSE(s.entry(0).completed);
    EXPECT_EQ(s.pick(0, 1), texts["noSegment"]);
}

} // namespace

namespace {

using lendora::spreadsheet::parseTabSeparated;

// A block pasted from a spreadsheet stores what typing the same counts
// stores, byte for byte once saved; entry resumes where counts are missing.
TEST_F(Session, PastedCountsSaveAsTypedOnes) {
    PollSession& s = open(1);
    type(1, {"12", "5", "3", "7", "2", "9", "1"});
    s.next(1);
    type(1, {"007", "2.5", "-3", "4", "5", "6", "8 apples"});
    s.next(1);
    ASSERT_TRUE(s.save(1).ok());
    const QByteArray typed = ws.read("11_11.lnd");

    // Column by column: the first three counts of both segments, then the rest.
    EXPECT_EQ(s.paste(2, 1, 0, parseTabSeparated("12\t5\t3\n007\t2.5\t-3\n")), QString());
    EXPECT_EQ(row(2, 2), QStringList({"7", "2.5", "-3", "", "", "", "", ""}));
    EXPECT_EQ(s.segmentIndexText(2), "1") << "segment 1 still lacks four counts";
    EXPECT_FALSE(s.entry(2).completed);
    EXPECT_EQ(s.paste(2, 1, 4, parseTabSeparated("7\t2\t9\t1\r\n4\t5\t6\t8 apples\r\n")),
              QString());
    EXPECT_TRUE(s.entry(2).completed && s.entry(2).maySave);
    EXPECT_EQ(row(2, 1), QStringList({"12", "5", "3", "7", "2", "9", "1", "39"}));
    EXPECT_FALSE(ws.exists("11_21.lnd")) << "nothing is stored before Save";
    ASSERT_TRUE(s.save(2).ok());
    EXPECT_EQ(ws.read("11_21.lnd"), typed);
}

// Each cell is checked as Enter checks its field; one refusal refuses the
// block, naming every refused cell; a block beyond the table, or one pasted
// where no counts are being entered, changes nothing.
TEST_F(Session, RefusedPastesChangeNothing) {
    PollSession& s = open(1);
    EXPECT_EQ(s.paste(0, 1, 1, parseTabSeparated("4\t0\t3\n\t5\tno\n")),
              "Segment 1, Min. Eligible Income: Enter results for Min. Eligible Income\n"
              "Segment 2, Interest: Enter results for interest\n"
              "Segment 2, Max. Loan Value: Enter results for Max. Loan Value");
    EXPECT_EQ(s.paste(0, 2, 1, parseTabSeparated("1\n2\n")),
              "The 2 x 1 block of counts does not fit the table from segment 2, Interest.");
    EXPECT_EQ(s.paste(0, 1, 6, parseTabSeparated("1\t2\t3\n")),
              "The 1 x 3 block of counts does not fit the table from segment 1, EMI.");
    EXPECT_EQ(s.paste(0, 3, 1, parseTabSeparated("1\n")), "No segment selected!");
    EXPECT_EQ(row(0, 1), QStringList(8, QString()));
    EXPECT_FALSE(s.entry(0).totalsShown);

    complete(0);
    EXPECT_EQ(s.paste(0, 1, 1, parseTabSeparated("9\n")),
              "Counts are pasted while they are entered, or after a segment was picked for "
              "correction.");
    EXPECT_EQ(row(0, 1)[0], "1");
    // After a segment is picked, a paste corrects it and the product stays complete.
    ASSERT_EQ(s.pick(0, 2), QString());
    EXPECT_EQ(s.paste(0, 2, 3, parseTabSeparated("9\t9\n")), QString());
    EXPECT_EQ(row(0, 2), QStringList({"2", "2", "9", "9", "2", "2", "2", "28"}));
    EXPECT_TRUE(s.entry(0).completed && !s.entry(0).correcting);
}

} // namespace
