#include "spreadsheet/cell_text.h"

#include "support/printing.h"

#include <gtest/gtest.h>

using namespace lendora::spreadsheet;

namespace {

struct Block {
    const char* what;
    CellRows rows;
    QString text; // as copied
};

const Block blocks[] = {
    {"plain cells", {{"Segment", "Interest"}, {"Young", "12"}}, "Segment\tInterest\nYoung\t12\n"},
    {"empty cells keep their place", {{"", "3", ""}}, "\t3\t\n"},
    {"a tab, a line break and quotes are quoted",
     {{"a\tb", "two\nlines", "say \"hi\""}},
     "\"a\tb\"\t\"two\nlines\"\t\"say \"\"hi\"\"\"\n"},
};

TEST(CellText, CopiesAsSpreadsheetsPasteAndReadsItBack) {
    for (const Block& block : blocks) {
        SCOPED_TRACE(block.what);
        EXPECT_EQ(tabSeparatedText(block.rows), block.text);
        EXPECT_EQ(parseTabSeparated(block.text), block.rows);
    }
}

TEST(CellText, ReadsWhatSpreadsheetProgramsPutOnTheClipboard) {
    const std::pair<QString, CellRows> cases[] = {
        {"12\t5\r\n3\t4\r\n", {{"12", "5"}, {"3", "4"}}}, // CR LF, the last one no row
        {"12\t5", {{"12", "5"}}},                         // no line end at all
        {"7\n\n8\n", {{"7"}, {""}, {"8"}}},               // an empty row in the middle stays
        {"\"x\"y\t2\n", {{"xy", "2"}}},                   // text after a closing quote
        {"\"open\n", {{"open\n"}}},                       // a quote never closed runs to the end
        {"", {}},
    };
    for (const auto& [text, rows] : cases)
        EXPECT_EQ(parseTabSeparated(text), rows) << text.toStdString();
}

TEST(CellText, AnHtmlTableForRichPastes) {
    EXPECT_EQ(htmlTable({{"A&B", "<C>"}, {"1", "2"}}, true),
              "<table><tr><th>A&amp;B</th><th>&lt;C&gt;</th></tr>"
              "<tr><td>1</td><td>2</td></tr></table>");
    EXPECT_EQ(htmlTable({{"1"}}, false), "<table><tr><td>1</td></tr></table>");
}

} // namespace
