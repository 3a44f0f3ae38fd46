#include "poll/csv_reader.h"

#include "support/printing.h"

#include <gtest/gtest.h>

using namespace lendora::poll;

namespace {

struct Quoting {
    const char* bytes;
    int unclosedLine;       // 0: every quote closed
    const char* lastRecord; // its fields joined by "|"
};

// Quotes as survey exports and hand edits leave them: a quote inside an
// unquoted field is a character; a field whose closing quote is missing is
// reported at the line where it opened, not where the next quote happens to
// close it.
TEST(CsvReader, ReportsAQuoteNeverClosedWhereItOpened) {
    const Quoting cases[] = {
        {"Id,Comment\r\nR1,\"Low rate\r\nR2,fair\r\n", 2, ""},
        {"Id,Comment\r\nR1,\"Low rate\r\nR2,\"fair\"\r\nR3,x\r\n", 2, ""},
        {"Id,Comment\r\nR1,\"ok\"\r\nR2,\"Low rate\r\nR3,x\r\nR4,\"fair\"\r\n", 3, ""},
        {"Id,Comment\r\nR1,\"Said \"fair\"\r\n", 2, ""},
        {"Id,Comment\r\nR1,Said \"fair\"\r\n", 0, "R1|Said \"fair\""},
        {"Id,Comment\r\nR1,5\" screen\r\n", 0, "R1|5\" screen"},
        {"Id,Comment\r\nR1,\"Said \"\"fair\"\"\",\"\"\r\n", 0, "R1|Said \"fair\"|"},
        {"Id,Comment\r\nR1,\"Good\r\nservice\"\r\nR2,\"a,b\"", 0, "R2|a,b"},
    };
    for (const Quoting& c : cases) {
        const CsvContent content = readCsv(QByteArray(c.bytes));
        EXPECT_EQ(content.unclosedQuoteLine, c.unclosedLine) << c.bytes;
        if (c.unclosedLine == 0) {
            EXPECT_EQ(content.records.back().fields.join(u'|'), QString::fromUtf8(c.lastRecord))
                << c.bytes;
        }
    }
}

} // namespace
