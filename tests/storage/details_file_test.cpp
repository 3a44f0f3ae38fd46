#include "storage/details_file.h"
#include "storage/record_file.h"

#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using lendora::test::TempWorkspace;

namespace {

void setRow(Grid& grid, int row, const QStringList& texts) {
    for (int c = 0; c < texts.size(); ++c)
        grid.setText(row, c, texts[c]);
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
    ws.write(details::fileName(1), details::bytes(table));
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

} // namespace
