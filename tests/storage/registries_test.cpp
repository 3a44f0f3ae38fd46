#include "storage/details_file.h"
#include "storage/registries.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using lendora::test::TempWorkspace;

namespace {

void setRow(Grid& grid, int row, const QStringList& texts) {
    for (int c = 0; c < texts.size(); ++c)
        grid.setText(row, c, texts[c]);
}

TEST(Registries, ProjectAudienceAndPlanRecordsHaveTheirExactBytes) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    setRow(copy.projects, 1, {"1", "Home Loan Project", "Easy Home Loan", "Easy Home", "KickOff"});
    copy.projects.addRow();
    setRow(copy.audiences, 1, {"1", "Salaried, 25 to 40", "3"});
    copy.audiences.addRow();
    setRow(copy.plans, 1, {"1", "1", "Home Loan Project", "1", "Salaried, 25 to 40", "011", "No"});
    copy.plans.addRow();
    ASSERT_TRUE(appendProject(folder, copy.projects, 1).ok());
    ASSERT_TRUE(appendAudience(folder, copy.audiences, 1).ok());
    ASSERT_TRUE(rewritePlans(folder, copy.plans).ok());
    ASSERT_TRUE(folder.writeFlag(registry::projectsFlag).ok());
    EXPECT_FILE_BYTES(ws, "Prj.lnd",
                      "1,\"Home Loan Project\",\"Easy Home Loan\",\"Easy Home\",\"KickOff\"\r\n");
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried, 25 to 40\",\"3\"\r\n");
    EXPECT_FILE_BYTES(
        ws, "pptb.lnd",
        "1,\"1\",\"Home Loan Project\",\"1\",\"Salaried, 25 to 40\",\"011\",\"No\"\r\n");
    EXPECT_FILE_BYTES(ws, "flag.lnd", "1\r\n");
}

TEST(Registries, RewriteNumbersRowsInOrder) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    for (int i = 1; i <= 3; ++i) {
        setRow(copy.projects, i, {"9", QStringLiteral("P%1").arg(i), "prod", "brand", "Active"});
        copy.projects.addRow();
    }
    ASSERT_TRUE(rewriteProjects(folder, copy.projects).ok());
    EXPECT_FILE_BYTES(ws, "Prj.lnd",
                      "1,\"P1\",\"prod\",\"brand\",\"Active\"\r\n"
                      "2,\"P2\",\"prod\",\"brand\",\"Active\"\r\n"
                      "3,\"P3\",\"prod\",\"brand\",\"Active\"\r\n");
}

TEST(Registries, SecondProjectIsAppended) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    setRow(copy.projects, 1, {"1", "A", "a", "aa", "KickOff"});
    copy.projects.addRow();
    setRow(copy.projects, 2, {"2", "B", "b", "bb", "KickOff"});
    copy.projects.addRow();
    ASSERT_TRUE(appendProject(folder, copy.projects, 1).ok());
    ASSERT_TRUE(appendProject(folder, copy.projects, 2).ok());
    EXPECT_FILE_BYTES(ws, "Prj.lnd",
                      "1,\"A\",\"a\",\"aa\",\"KickOff\"\r\n2,\"B\",\"b\",\"bb\",\"KickOff\"\r\n");
}

struct LoadCase {
    const char* what;
    std::vector<std::pair<const char*, QByteArray>> files;
    int projects, audiences, plans; // records loaded
};

TEST(Registries, LoadingFollowsTheFlagFiles) {
    const QByteArray prj =
        "1,\"A\",\"a\",\"aa\",\"KickOff\"\r\n2,\"B\",\"b\",\"bb\",\"Active\"\r\n";
    const QByteArray ta = "1,\"Urban, salaried\",\"2\"\r\n";
    const QByteArray plans = "1,\"2\",\"B\",\"1\",\"Urban, salaried\",\"111\",\"Yes\"\r\n";
    const std::vector<LoadCase> cases = {
        {"no files at all", {}, 0, 0, 0},
        {"all flags set",
         {{"Prj.lnd", prj},
          {"flag.lnd", "1\r\n"},
          {"ta.lnd", ta},
          {"tfag.lnd", "1\r\n"},
          {"pptb.lnd", plans},
          {"ppflag.lnd", "1\r\n"}},
         2,
         1,
         1},
        {"flag 0", {{"Prj.lnd", prj}, {"flag.lnd", "0\r\n"}}, 0, 0, 0},
        {"flag missing", {{"Prj.lnd", prj}, {"ta.lnd", ta}, {"pptb.lnd", plans}}, 0, 0, 0},
        {"flag empty", {{"Prj.lnd", prj}, {"flag.lnd", ""}}, 0, 0, 0},
        {"flag 1 without registry",
         {{"flag.lnd", "1\r\n"}, {"tfag.lnd", "1\r\n"}, {"ppflag.lnd", "1\r\n"}},
         0,
         0,
         0},
        {"other letter case", {{"PRJ.LND", prj}, {"Flag.Lnd", "1\r\n"}}, 2, 0, 0},
        {"plan flag read as a whole number",
         {{"pptb.lnd", plans}, {"ppflag.lnd", "1.2\r\n"}},
         0,
         0,
         1},
    };
    for (const LoadCase& c : cases) {
        TempWorkspace ws;
        for (const auto& [name, bytes] : c.files)
            ws.write(name, bytes);
        WorkingCopy copy;
        loadRegistries(RecordFolder(ws.path()), copy);
        EXPECT_EQ(copy.projects.rowCount() - 2, c.projects) << c.what;
        EXPECT_EQ(copy.audiences.rowCount() - 2, c.audiences) << c.what;
        EXPECT_EQ(copy.plans.rowCount() - 2, c.plans) << c.what;
        EXPECT_EQ(copy.projects.rowTexts(0), registry::projectHeadings()) << c.what;
        EXPECT_EQ(copy.plans.text(0, 5), "Poll Data ") << c.what;
        EXPECT_TRUE(copy.projects.text(copy.projects.rowCount() - 1, 1).isEmpty()) << c.what;
    }
}

TEST(Registries, RecordsArePlacedByTheirNumber) {
    TempWorkspace ws;
    ws.write("flag.lnd", "1\r\n");
    ws.write("Prj.lnd", "2,\"B\",\"b\",\"bb\",\"KickOff\"\r\n1,\"A\",\"a\",\"aa\",\"KickOff\"\r\n"
                        "9,\"Far\",\"f\",\"ff\",\"KickOff\"\r\n-1,\"Neg\",\"n\",\"nn\",\"x\"\r\n"
                        "0,\"Zero\",\"z\",\"zz\",\"x\"\r\n");
    WorkingCopy copy;
    loadRegistries(RecordFolder(ws.path()), copy);
    // Record 2 comes before its row exists and is not placed; 9, -1 and 0 are outside.
    EXPECT_EQ(copy.projects.rowCount(), 7);
    EXPECT_EQ(copy.projects.text(1, 1), "A");
    EXPECT_EQ(copy.projects.text(2, 1), "");
    EXPECT_EQ(copy.projects.text(0, 1), "Project Name");
    for (int r = 3; r < 7; ++r)
        EXPECT_EQ(copy.projects.text(r, 1), "") << r;
}

TEST(Registries, TruncatedAndDamagedFilesLoadWhatTheyCan) {
    TempWorkspace ws;
    ws.write("tfag.lnd", "1\r\n");
    ws.write("ta.lnd", "1,\"First\",\"2\"\r\n2,\"Second\"");
    ws.write("ppflag.lnd", "1\r\n");
    QByteArray garbage;
    for (int i = 0; i < 2000; ++i)
        garbage.append(char((i * 31 + 7) % 256));
    ws.write("pptb.lnd", garbage);
    WorkingCopy copy;
    loadRegistries(RecordFolder(ws.path()), copy);
    EXPECT_EQ(copy.audiences.rowCount(), 4);
    EXPECT_EQ(copy.audiences.rowTexts(2), QStringList({"2", "Second", ""}));
    EXPECT_EQ(copy.plans.rowTexts(0), registry::planHeadings());
    EXPECT_TRUE(copy.plans.rowTexts(copy.plans.rowCount() - 1).join("").isEmpty());
}

TEST(DetailsFile, WritesThreeRecordsAndReadsThemByNumber) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    Grid table(4, 10);
    setRow(table, 1,
           {"Home Loan Project", "Easy Home", "12.50", "10", "20000", "900", "85", "36", "34.",
            "0500"});
    setRow(table, 2,
           {"City Bank", "City Home", "30", "12", "25000", "700", "80", "36", "26.44", "1000"});
    setRow(table, 3,
           {"Metro, Finance", "Metro Home", "12.5", "14", "30000", "600", "75", "12", "55", "0"});
    ASSERT_TRUE(details::write(folder, 1, table).ok());
    EXPECT_FILE_BYTES(
        ws, "1_pdtl.lnd",
        "1,\"Home Loan Project\",\"Easy Home\",\"12.50\",\"10\",\"20000\",\"900\",\"85\",\"36\","
        "\"34.\",\"0500\"\r\n"
        "2,\"City Bank\",\"City Home\",\"30\",\"12\",\"25000\",\"700\",\"80\",\"36\",\"26.44\","
        "\"1000\"\r\n"
        "3,\"Metro, Finance\",\"Metro Home\",\"12.5\",\"14\",\"30000\",\"600\",\"75\",\"12\","
        "\"55\",\"0\"\r\n");

    Grid shown(2, 10);
    details::readInto(folder, 1, shown, true);
    EXPECT_EQ(shown.rowCount(), 5);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(shown.rowTexts(r), table.rowTexts(r)) << r;
    EXPECT_EQ(shown.rowTexts(4).join(""), "");

    Grid missing(2, 10);
    details::readInto(folder, 7, missing, true);
    EXPECT_EQ(missing.rowCount(), 2);
}

TEST(DetailsFile, ALeftoverFileIsReplaced) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    ws.write("2_PDTL.lnd", "1,\"old\"\r\n2,\"old\"\r\n3,\"old\"\r\n4,\"old\"\r\n");
    Grid table(4, 10);
    ASSERT_TRUE(details::write(folder, 2, table).ok());
    EXPECT_EQ(ws.files(), QStringList({"2_PDTL.lnd"}));
    EXPECT_EQ(ws.read("2_PDTL.lnd").count("\r\n"), 3);
}

} // namespace

namespace {

TEST(Registries, AProjectIsNeverStoredTwice) {
    TempWorkspace ws;
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    for (int i = 1; i <= 3; ++i) {
        setRow(copy.projects, i,
               {QString::number(i), QStringLiteral("P%1").arg(i), "prod", "brand", "KickOff"});
        copy.projects.addRow();
    }
    ASSERT_TRUE(appendProject(folder, copy.projects, 1).ok());
    ASSERT_TRUE(appendProject(folder, copy.projects, 2).ok());
    // A plan save rewrote the registry while project 3 was finished but unsaved.
    copy.projects.setText(1, 4, "Active");
    ASSERT_TRUE(rewriteProjects(folder, copy.projects).ok());
    // The project's own save then replaces record 3 instead of adding a fourth.
    copy.projects.setText(3, 1, "P3 renamed");
    ASSERT_TRUE(appendProject(folder, copy.projects, 3).ok());
    ASSERT_TRUE(appendProject(folder, copy.projects, 3).ok()) << "a save tried again";
    EXPECT_FILE_BYTES(ws, "Prj.lnd",
                      "1,\"P1\",\"prod\",\"brand\",\"Active\"\r\n"
                      "2,\"P2\",\"prod\",\"brand\",\"KickOff\"\r\n"
                      "3,\"P3 renamed\",\"prod\",\"brand\",\"KickOff\"\r\n");
}

} // namespace

namespace {

TEST(Registries, ALoadedRegistryIsRewrittenByteForByteAndOldFilesBecomeUtf8) {
    TempWorkspace ws;
    const QByteArray plans = "1,\"1\",\"Cr\xC3\xA9"
                             "dit Home\",\"1\",\"Salaried, urban\",\"111\",\"Yes\"\r\n"
                             "2,\"1\",\"P\",\"2\",\"Retired\",\"010\",\"No\"\r\n";
    ws.write("pptb.lnd", plans);
    ws.write("ppflag.lnd", "1\r\n");
    ws.write("Prj.lnd", "1,\"Cr\xE9"
                        "dit \x93Home\x94\",\"a\",\"b\",\"Active\"\r\n");
    ws.write("flag.lnd", "1\r\n");
    RecordFolder folder(ws.path());
    WorkingCopy copy;
    loadRegistries(folder, copy);
    ASSERT_TRUE(rewritePlans(folder, copy.plans).ok());
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plans);
    copy.plans.setText(2, 5, "110");
    ASSERT_TRUE(rewritePlans(folder, copy.plans).ok());
    EXPECT_FILE_BYTES(ws, "pptb.lnd", QByteArray(plans).replace("\"010\"", "\"110\""));
    ASSERT_TRUE(rewriteProjects(folder, copy.projects).ok());
    EXPECT_FILE_BYTES(ws, "Prj.lnd",
                      "1,\"Cr\xC3\xA9"
                      "dit \xE2\x80\x9CHome\xE2\x80\x9D\",\"a\",\"b\",\"Active\"\r\n");
}

} // namespace
