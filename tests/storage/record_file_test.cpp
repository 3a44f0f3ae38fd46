#include "storage/record_file.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using lendora::test::TempWorkspace;

namespace {

std::vector<Record> numbered(int n) {
    std::vector<Record> records;
    for (int i = 1; i <= n; ++i)
        records.push_back({Item::whole(i), Item::text(QStringLiteral("r%1").arg(i))});
    return records;
}

TEST(RecordFolder, RewriteReplacesTheWholeFile) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ASSERT_TRUE(folder.rewrite("x.lnd", numbered(5)).ok());
    ASSERT_TRUE(folder.rewrite("x.lnd", numbered(2)).ok());
    EXPECT_FILE_BYTES(ws, "x.lnd", "1,\"r1\"\r\n2,\"r2\"\r\n");
}

TEST(RecordFolder, RewriteOfNoRecordsLeavesTheFileUntouched) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("x.lnd", "old bytes");
    EXPECT_TRUE(folder.rewrite("x.lnd", {}).ok());
    EXPECT_EQ(ws.read("x.lnd"), "old bytes");
    EXPECT_TRUE(folder.rewrite("new.lnd", {}).ok());
    EXPECT_FALSE(ws.exists("new.lnd"));
}

TEST(RecordFolder, AddingRecordOneStartsAFreshFile) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("x.lnd", "1,\"left over\"\r\n2,\"from before\"\r\n");
    ASSERT_TRUE(folder.addRecord("x.lnd", 1, numbered(1)[0]).ok());
    ASSERT_TRUE(folder.addRecord("x.lnd", 2, numbered(2)[1]).ok());
    EXPECT_FILE_BYTES(ws, "x.lnd", "1,\"r1\"\r\n2,\"r2\"\r\n");
    EXPECT_TRUE(folder.addRecord("x.lnd", 0, numbered(1)[0]).ok());
    EXPECT_FILE_BYTES(ws, "x.lnd", "1,\"r1\"\r\n2,\"r2\"\r\n");
}

TEST(RecordFolder, AppendingToAMissingFileCreatesIt) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ASSERT_TRUE(folder.addRecord("y.lnd", 3, numbered(1)[0]).ok());
    EXPECT_FILE_BYTES(ws, "y.lnd", "1,\"r1\"\r\n");
}

TEST(RecordFolder, NamesMatchWithoutRegardToLetterCase) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("PRJ.LND", "1,\"old\"\r\n");
    ws.write("FLAG.lnd", "1\r\n");
    EXPECT_TRUE(folder.exists("Prj.lnd"));
    EXPECT_EQ(folder.readFlag("flag.lnd"), 1);
    EXPECT_EQ(folder.readRecords("prj.lnd", 2).size(), 1u);
    ASSERT_TRUE(folder.rewrite("Prj.lnd", numbered(1)).ok());
    EXPECT_EQ(ws.files(), QStringList({"FLAG.lnd", "PRJ.LND"})) << "replaced, not doubled";
    EXPECT_FILE_BYTES(ws, "PRJ.LND", "1,\"r1\"\r\n");
}

TEST(RecordFolder, FlagFilesHoldOne) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    EXPECT_EQ(folder.readFlag("flag.lnd"), 0);
    ASSERT_TRUE(folder.writeFlag("flag.lnd").ok());
    EXPECT_FILE_BYTES(ws, "flag.lnd", "1\r\n");
    EXPECT_EQ(folder.readFlag("flag.lnd"), 1);
    ws.write("flag.lnd", "");
    EXPECT_EQ(folder.readFlag("flag.lnd"), 0);
}

TEST(RecordFolder, AFailedWriteIsReportedAndKeepsTheOldFile) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("Prj.lnd", "1,\"kept\"\r\n");
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    for (const WriteStatus& status :
         {folder.rewrite("Prj.lnd", numbered(3)), folder.addRecord("Prj.lnd", 2, numbered(2)[1]),
          folder.writeFlag("flag.lnd")}) {
        EXPECT_FALSE(status.ok());
        EXPECT_FALSE(status.reason.isEmpty());
        EXPECT_TRUE(status.message().startsWith("Could not save \""))
            << status.message().toStdString();
    }
    ws.setReadOnly(false);
    EXPECT_EQ(ws.read("Prj.lnd"), "1,\"kept\"\r\n");
    EXPECT_EQ(ws.files(), QStringList({"Prj.lnd"})) << "no temporary file left behind";
}

TEST(RecordFolder, AFullDiskKeepsTheOldFile) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("pptb.lnd", "1,\"old\"\r\n");
    WriteStatus status;
    {
        test::FileSizeLimit limit(64);
        status = folder.rewrite("pptb.lnd", numbered(50));
    }
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.fileName, "pptb.lnd");
    EXPECT_EQ(ws.read("pptb.lnd"), "1,\"old\"\r\n");
    EXPECT_EQ(ws.files(), QStringList({"pptb.lnd"}));
}

// Files that belong together are all replaced or all kept: the third file
// overruns the size limit, so the first two keep their old bytes too.
TEST(RecordFolder, FilesWrittenTogetherAreReplacedAllOrNone) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    for (const char* name : {"1_0ff.lnd", "1_0anf.lnd", "1_0FGF.lnd"})
        ws.write(name, "old");
    const QByteArray small = "1,\"new\"\r\n";
    const QByteArray large(200, 'x');
    WriteStatus status;
    {
        test::FileSizeLimit limit(64);
        status = folder.writeTogether({{"1_0ff.lnd", small},
                                       {"1_0anf.lnd", small},
                                       {"1_0fgf.lnd", large},
                                       {"1_0sgf.lnd", small}});
    }
    EXPECT_EQ(status.fileName, "1_0fgf.lnd");
    EXPECT_EQ(ws.files(), QStringList({"1_0FGF.lnd", "1_0anf.lnd", "1_0ff.lnd"}))
        << "no new file and no temporary file";
    for (const char* name : {"1_0ff.lnd", "1_0anf.lnd", "1_0FGF.lnd"})
        EXPECT_EQ(ws.read(name), "old") << name;

    ASSERT_TRUE(folder.writeTogether({{"1_0ff.lnd", small}, {"1_0fgf.lnd", large}}).ok());
    EXPECT_EQ(ws.read("1_0ff.lnd"), small);
    EXPECT_EQ(ws.read("1_0FGF.lnd"), large) << "replaced under the letter case found";
    EXPECT_TRUE(folder.writeTogether({}).ok());
}

TEST(RecordFolder, FirstFailureOfASequenceIsKept) {
    WriteStatus all;
    all << WriteStatus{} << WriteStatus::failure("a.lnd", "broken")
        << WriteStatus::failure("b.lnd", "also");
    EXPECT_EQ(all.fileName, "a.lnd");
}

TEST(RecordFolder, RenameReplacesTheTarget) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("3_0ff.lnd", "three");
    ws.write("2_0FF.lnd", "stale two");
    ASSERT_TRUE(folder.rename("3_0ff.lnd", "2_0ff.lnd").ok());
    EXPECT_EQ(ws.files(), QStringList({"2_0FF.lnd"}));
    EXPECT_EQ(ws.read("2_0FF.lnd"), "three");
    EXPECT_FALSE(folder.rename("9_0ff.lnd", "1_0ff.lnd").ok());
}

} // namespace
