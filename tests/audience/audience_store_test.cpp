#include "audience/audience_store.h"
#include "audience/segment_file.h"
#include "audience/segment_table.h"
#include "storage/registries.h"

#include "support/workspace.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace lendora;
using lendora::test::TempWorkspace;

namespace {

QStringList rows(const Grid& table) {
    QStringList texts;
    for (int r = 1; r < table.rowCount(); ++r)
        texts << table.rowTexts(r).join("|");
    return texts;
}

Grid segmentsOf(const QStringList& descriptions) {
    Grid table;
    segments::startTable(table);
    for (const QString& d : descriptions)
        segments::add(table, d);
    return table;
}

TEST(AudienceRow, FillingTheTrailingRowAppendsOneEmptyRowOnlyOnce) {
    WorkingCopy copy;
    EXPECT_TRUE(audience::placeRow(copy.audiences, 1, "Salaried, 25 to 40", 3));
    EXPECT_EQ(rows(copy.audiences), QStringList({"1|Salaried, 25 to 40|3", "||"}));
    // Filled again (Finish or Save a second time): replaced, no second empty row.
    EXPECT_FALSE(audience::placeRow(copy.audiences, 1, "Salaried", 2));
    EXPECT_EQ(rows(copy.audiences), QStringList({"1|Salaried|2", "||"}));
    EXPECT_EQ(copy.nextAudienceNumber(), 2);
    EXPECT_FALSE(audience::placeRow(copy.audiences, 5, "Beyond", 1));
    EXPECT_FALSE(audience::placeRow(copy.audiences, 0, "Headings", 1));
    EXPECT_EQ(rows(copy.audiences), QStringList({"1|Salaried|2", "||"}));
    EXPECT_EQ(copy.audiences.rowTexts(0), registry::audienceHeadings());
}

TEST(AudienceRow, OnlyTheLastAudienceCanBeWithdrawn) {
    WorkingCopy copy;
    audience::placeRow(copy.audiences, 1, "A", 1);
    audience::placeRow(copy.audiences, 2, "B", 2);
    EXPECT_FALSE(audience::withdrawRow(copy.audiences, 1));
    EXPECT_FALSE(audience::withdrawRow(copy.audiences, 3)); // the trailing row
    EXPECT_EQ(copy.nextAudienceNumber(), 3);
    EXPECT_TRUE(audience::withdrawRow(copy.audiences, 2));
    EXPECT_EQ(rows(copy.audiences), QStringList({"1|A|1", "||"}));
    EXPECT_EQ(copy.nextAudienceNumber(), 2);
}

TEST(AudienceSave, WritesTheRecordTheSegmentsAndTheFlag) {
    TempWorkspace ws;
    ws.write("ta.lnd", "1,\"Old\",\"1\"\r\n2,\"Older\",\"4\"\r\n");
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    audience::placeRow(copy.audiences, 1, "Salaried, \"25\" to 40", 2);
    bool recordWritten = false;
    const Grid segments = segmentsOf({"Young, single", "Married"});
    ASSERT_TRUE(audience::save(folder, copy.audiences, 1, segments, recordWritten).ok());
    EXPECT_TRUE(recordWritten);
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried, '25' to 40\",\"2\"\r\n");
    EXPECT_FILE_BYTES(ws, "1-segFile.lnd", "1,\"Young, single\"\r\n2,\"Married\"\r\n");
    EXPECT_FILE_BYTES(ws, "tfag.lnd", "1\r\n");

    audience::placeRow(copy.audiences, 2, "Retired", 1);
    recordWritten = false;
    ASSERT_TRUE(
        audience::save(folder, copy.audiences, 2, segmentsOf({"Pension"}), recordWritten).ok());
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried, '25' to 40\",\"2\"\r\n2,\"Retired\",\"1\"\r\n");
    EXPECT_FILE_BYTES(ws, "2-segFile.lnd", "1,\"Pension\"\r\n");
}

TEST(AudienceSave, StopsAtTheFirstFailureAndNamesTheFile) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    audience::placeRow(copy.audiences, 1, "A", 1);
    ASSERT_TRUE(QDir(ws.path()).mkdir("1-segFile.lnd"));
    bool recordWritten = false;
    const WriteStatus status =
        audience::save(folder, copy.audiences, 1, segmentsOf({"One"}), recordWritten);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.fileName, "1-segFile.lnd");
    EXPECT_TRUE(recordWritten);
    EXPECT_FALSE(ws.exists("tfag.lnd")) << "the flag follows the segment file";

    RecordFolder nowhere(ws.filePath("missing/folder"));
    recordWritten = false;
    const WriteStatus first =
        audience::save(nowhere, copy.audiences, 1, segmentsOf({"One"}), recordWritten);
    EXPECT_EQ(first.fileName, "ta.lnd");
    EXPECT_FALSE(recordWritten);
}

TEST(AudienceSave, ARetryReplacesTheRecordWrittenBefore) {
    TempWorkspace ws;
    ws.write("ta.lnd", "1,\"A\",\"1\"\r\n");
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    audience::placeRow(copy.audiences, 1, "A", 1);
    audience::placeRow(copy.audiences, 2, "B", 2);
    ASSERT_TRUE(QDir(ws.path()).mkdir("2-segFile.lnd"));
    bool recordWritten = false;
    const Grid segments = segmentsOf({"x", "y"});
    EXPECT_FALSE(audience::save(folder, copy.audiences, 2, segments, recordWritten).ok());
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"A\",\"1\"\r\n2,\"B\",\"2\"\r\n");
    ASSERT_TRUE(QDir(ws.path()).rmdir("2-segFile.lnd"));
    copy.audiences.setText(2, 2, "3");
    ASSERT_TRUE(audience::save(folder, copy.audiences, 2, segments, recordWritten).ok());
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"A\",\"1\"\r\n2,\"B\",\"3\"\r\n");
    EXPECT_FILE_BYTES(ws, "2-segFile.lnd", "1,\"x\"\r\n2,\"y\"\r\n");
    EXPECT_FILE_BYTES(ws, "tfag.lnd", "1\r\n");
}

} // namespace

namespace {

TEST(AudienceSave, AnAudienceWithoutSegmentsDoesNotAdoptALeftoverSegmentFile) {
    TempWorkspace ws;
    ws.write("1-segFile.lnd", "1,\"From an earlier installation\"\r\n");
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    audience::placeRow(copy.audiences, 1, "Everyone", 0);
    bool recordWritten = false;
    ASSERT_TRUE(audience::save(folder, copy.audiences, 1, segmentsOf({}), recordWritten).ok());
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Everyone\",\"0\"\r\n");
    EXPECT_FILE_BYTES(ws, "1-segFile.lnd", "");
    EXPECT_TRUE(segments::read(folder, 1).empty());
}

} // namespace
