#include "storage/record_file.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

#include <functional>

using namespace lendora;
using lendora::test::TempWorkspace;

namespace {

std::vector<Record> numbered(int n) {
    std::vector<Record> records;
    for (int i = 1; i <= n; ++i)
        records.push_back({Item::whole(i), Item::text(QStringLiteral("r%1").arg(i))});
    return records;
}

// Each write on a folder holding "x.lnd" (or not): the bytes it leaves.
TEST(RecordFolder, WritesReplaceAppendOrKeepTheFileAsTheyShould) {
    using Write = std::function<WriteStatus(const RecordFolder&)>;
    const struct {
        const char* what;
        QByteArray old; // "-": no file
        Write write;
        QByteArray result; // "-": no file
    } cases[] = {
        {"rewrite", "1,\"old\"\r\n2,\"more\"\r\n3,\"x\"\r\n",
         [](auto& f) { return f.rewrite("x.lnd", numbered(2)); }, "1,\"r1\"\r\n2,\"r2\"\r\n"},
        {"rewrite of none", "old bytes", [](auto& f) { return f.rewrite("x.lnd", {}); },
         "old bytes"},
        {"rewrite of none, no file", "-", [](auto& f) { return f.rewrite("x.lnd", {}); }, "-"},
        {"record 1 starts afresh", "1,\"left over\"\r\n",
         [](auto& f) { return f.addRecord("x.lnd", 1, numbered(1)[0]); }, "1,\"r1\"\r\n"},
        {"record 2 appends", "1,\"r1\"\r\n",
         [](auto& f) { return f.addRecord("x.lnd", 2, numbered(2)[1]); },
         "1,\"r1\"\r\n2,\"r2\"\r\n"},
        {"record 0 writes nothing", "kept",
         [](auto& f) { return f.addRecord("x.lnd", 0, numbered(1)[0]); }, "kept"},
        {"append creates", "-", [](auto& f) { return f.addRecord("x.lnd", 3, numbered(1)[0]); },
         "1,\"r1\"\r\n"},
        {"flag", "0\r\n", [](auto& f) { return f.writeFlag("x.lnd"); }, "1\r\n"},
        {"rename", "-",
         [](auto& f) {
             (void)f.writeBytes("3_0ff.lnd", "three");
             return f.rename("3_0ff.lnd", "x.lnd");
         },
         "three"},
    };
    for (const auto& c : cases) {
        TempWorkspace ws;
        if (c.old != "-")
            ws.write("x.lnd", c.old);
        EXPECT_TRUE(c.write(RecordFolder(ws.path())).ok()) << c.what;
        EXPECT_EQ(ws.exists("x.lnd"), c.result != "-") << c.what;
        if (c.result != "-") {
            EXPECT_FILE_BYTES(ws, "x.lnd", c.result) << c.what;
        }
        EXPECT_EQ(ws.files().size(), c.result != "-") << c.what << ": no other file";
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
    ASSERT_TRUE(folder.rewrite("Prj.lnd", numbered(1)).ok());
    EXPECT_EQ(ws.files(), QStringList({"FLAG.lnd", "PRJ.LND"})) << "replaced, not doubled";
    EXPECT_FILE_BYTES(ws, "PRJ.LND", "1,\"r1\"\r\n");
    EXPECT_FALSE(folder.rename("9_0ff.lnd", "1_0ff.lnd").ok());
}

// A read-only folder or a full disk: every write is reported, the old file
// stays and no temporary file is left.
TEST(RecordFolder, AFailedWriteIsReportedAndKeepsTheOldFile) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("Prj.lnd", "1,\"kept\"\r\n");
    {
        test::FileSizeLimit limit(64);
        EXPECT_EQ(folder.rewrite("Prj.lnd", numbered(50)).fileName, "Prj.lnd");
        const QByteArray large(200, 'x');
        EXPECT_EQ(
            folder.writeTogether({{"a.lnd", "a"}, {"Prj.lnd", large}, {"b.lnd", "b"}}).fileName,
            "Prj.lnd");
    }
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    for (const WriteStatus& status :
         {folder.rewrite("Prj.lnd", numbered(3)), folder.addRecord("Prj.lnd", 2, numbered(2)[1]),
          folder.writeFlag("flag.lnd")}) {
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
