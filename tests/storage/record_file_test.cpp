#include "storage/record_file.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

#include <functional>

using namespace lendora;
using lendora::test::TempWorkspace;

namespace {

// Each write on a folder holding "x.lnd" (or not): the bytes it leaves.
TEST(RecordFolder, WritesReplaceOrCreateTheFile) {
    using Write = std::function<WriteStatus(const RecordFolder&)>;
    const struct {
        const char* what;
        QByteArray old; // "-": no file
        Write write;
        QByteArray result;
    } cases[] = {
        {"bytes replace", "1,\"old\"\r\n2,\"more\"\r\n",
         [](auto& f) { return f.writeBytes("x.lnd", "1,\"r1\"\r\n"); }, "1,\"r1\"\r\n"},
        {"bytes create", "-", [](auto& f) { return f.writeBytes("x.lnd", ""); }, ""},
        {"flag", "0\r\n", [](auto& f) { return f.writeFlag("x.lnd"); }, "1\r\n"},
        {"flag creates", "-", [](auto& f) { return f.writeFlag("x.lnd"); }, "1\r\n"},
    };
    for (const auto& c : cases) {
        TempWorkspace ws;
        if (c.old != "-")
            ws.write("x.lnd", c.old);
        EXPECT_TRUE(c.write(RecordFolder(ws.path())).ok()) << c.what;
        EXPECT_FILE_BYTES(ws, "x.lnd", c.result) << c.what;
        EXPECT_EQ(ws.files().size(), 1) << c.what << ": no other file";
    }
}

TEST(RecordFolder, NamesMatchWithoutRegardToLetterCase) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("PRJ.LND", "1,\"old\"\r\n");
    ws.write("FLAG.lnd", "1\r\n");
    EXPECT_TRUE(folder.exists("Prj.lnd"));
    EXPECT_EQ(folder.readFlag("flag.lnd"), 1);
    EXPECT_EQ(folder.readFlag("none.lnd"), 0);
    EXPECT_EQ(folder.readRecords("prj.lnd", 2).size(), 1u);
    ASSERT_TRUE(folder.writeBytes("Prj.lnd", "1,\"r1\"\r\n").ok());
    EXPECT_EQ(ws.files(), QStringList({"FLAG.lnd", "PRJ.LND"})) << "replaced, not doubled";
    EXPECT_FILE_BYTES(ws, "PRJ.LND", "1,\"r1\"\r\n");
}

// A read-only folder or a full disk: every write is reported, the old file
// stays and no temporary file is left.
TEST(RecordFolder, AFailedWriteIsReportedAndKeepsTheOldFile) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("Prj.lnd", "1,\"kept\"\r\n");
    {
        test::FileSizeLimit limit(64);
        EXPECT_EQ(folder.writeBytes("Prj.lnd", QByteArray(100, 'y')).fileName, "Prj.lnd");
        const QByteArray large(200, 'x');
        EXPECT_EQ(
            folder.writeTogether({{"a.lnd", "a"}, {"Prj.lnd", large}, {"b.lnd", "b"}}).fileName,
            "Prj.lnd");
    }
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    for (const WriteStatus& status :
         {folder.writeBytes("Prj.lnd", "1,\"r1\"\r\n"), folder.writeFlag("flag.lnd")}) {
        EXPECT_FALSE(status.reason.isEmpty());
        EXPECT_TRUE(status.message().startsWith("Could not save \""))
            << status.message().toStdString();
    }
    ws.setReadOnly(false);
    EXPECT_EQ(ws.read("Prj.lnd"), "1,\"kept\"\r\n");
    EXPECT_EQ(ws.files(), QStringList({"Prj.lnd"})) << "no temporary file left behind";
}

TEST(RecordFolder, FilesWrittenTogetherAreReplacedUnderTheLetterCaseFound) {
    TempWorkspace ws;
    ws.write("1_0FGF.lnd", "old");
    ASSERT_TRUE(
        RecordFolder(ws.path()).writeTogether({{"1_0ff.lnd", "a"}, {"1_0fgf.lnd", "b"}}).ok());
    EXPECT_EQ(ws.files(), QStringList({"1_0FGF.lnd", "1_0ff.lnd"}));
    EXPECT_EQ(ws.read("1_0FGF.lnd"), "b");
    WriteStatus all;
    all << WriteStatus{} << WriteStatus::failure("a.lnd", "broken")
        << WriteStatus::failure("b.lnd", "also");
    EXPECT_EQ(all.fileName, "a.lnd") << "the first failure is kept";
}

} // namespace
