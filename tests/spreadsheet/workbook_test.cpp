#include "spreadsheet/workbook.h"

#include "support/golden.h"
#include "support/printing.h"
#include "support/workbook_dump.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::spreadsheet;
using namespace Qt::StringLiterals;

namespace {

TEST(Workbook, SheetNamesExcelAccepts) {
    const std::vector<QString> taken = {u"Comparison"_s, u"Strategy 1"_s};
    const std::pair<QString, QString> cases[] = {
        {u"Poll: own/brand?"_s, u"Poll own brand"_s},
        {u"comparison"_s, u"comparison (2)"_s}, // letter case aside, taken
        {u"'quoted'"_s, u"quoted"_s},
        {u"[]*"_s, u"Sheet"_s},
        {u"A very long sheet name of many words"_s, u"A very long sheet name of many"_s},
    };
    for (const auto& [wanted, name] : cases)
        EXPECT_EQ(sheetName(wanted, taken), name) << wanted.toStdString();
    const QString longTaken = sheetName(u"A very long sheet name of many words"_s, {});
    EXPECT_EQ(longTaken.size(), 30);
    EXPECT_EQ(sheetName(u"A very long sheet name of many words"_s, {longTaken}),
              u"A very long sheet name of m (2)"_s);
}

TEST(Workbook, CellReferences) {
    const std::pair<int, QString> columns[] = {{0, u"A"_s},   {25, u"Z"_s},   {26, u"AA"_s},
                                               {51, u"AZ"_s}, {701, u"ZZ"_s}, {702, u"AAA"_s}};
    for (const auto& [column, letters] : columns)
        EXPECT_EQ(columnLetters(column), letters);
    EXPECT_EQ(rangeReference(u"Bob's plan"_s, {1, 0, 4, 2}), u"='Bob''s plan'!$A$2:$C$5"_s);
    EXPECT_EQ(cellReference(u"Poll"_s, {0, 27}), u"='Poll'!$AB$1"_s);
}

// A workbook of every kind of content, written by lendora-workbook and read
// back by openpyxl: numbers stay numbers with their formats, headings bold
// and frozen, the chart points at its cells.
TEST(Workbook, IsWrittenAsAnotherReaderSeesIt) {
    Workbook book;
    Sheet& sheet = book.addSheet(u"Comparison"_s);
    sheet.at(0, 0) = Cell::ofText(u"Strategy"_s, true);
    sheet.at(0, 1) = Cell::ofText(u"Totals"_s, true);
    sheet.at(1, 0) = Cell::ofText(u"Strategy 1"_s);
    sheet.at(1, 1) = Cell::ofNumber(120, u"0"_s);
    sheet.at(2, 0) = Cell::ofText(u"Strategy 2"_s);
    sheet.at(2, 1) = Cell::ofNumber(130.25, u"0.00"_s);
    sheet.at(3, 0) = Cell::ofText(QString(40000, u'x'));
    sheet.at(3, 1) = Cell::ofNumber(std::numeric_limits<double>::infinity());
    sheet.frozenRows = 1;
    Chart chart;
    chart.title = u"Respondents"_s;
    chart.row = 5;
    chart.series.push_back({u"Totals"_s, CellAt{0, 1}, Range{1, 0, 2, 0}, Range{1, 1, 2, 1}});
    sheet.charts.push_back(chart);
    book.addSheet(u"Comparison"_s).at(0, 0) = Cell::ofText(u"tab\there"_s);

    const WrittenWorkbook written = writeWorkbook(book);
    ASSERT_TRUE(written.error.isEmpty()) << written.error.toStdString();
    EXPECT_EQ(test::dumpWorkbook(written.bytes),
              QString::fromUtf8(
                  test::readFile(test::dataFolder(u"spreadsheet"_s) + u"/every_content.txt"_s))
                  .replace(u"<40000 x>"_s, QString(32767, u'x')));
}

// A sheet whose script runs over many of the pieces it is handed over and
// read in: every line arrives whole, wherever a piece ends.
TEST(Workbook, ALargeSheetArrivesWhole) {
    Workbook book;
    Sheet& sheet = book.addSheet(u"Estimates"_s);
    QString expected = u"sheet Estimates\n"_s;
    for (int r = 0; r < 3000; ++r) {
        sheet.at(r, 0) = Cell::ofText(u"Segment %1"_s.arg(r));
        sheet.at(r, 1) = Cell::ofNumber(r + 0.5, u"0.00"_s);
        expected += u"A%1 s Segment %2\nB%1 n %3 0.00\n"_s.arg(r + 1).arg(r).arg(r + 0.5);
    }
    const WrittenWorkbook written = writeWorkbook(book);
    ASSERT_TRUE(written.error.isEmpty()) << written.error.toStdString();
    EXPECT_GT(workbookScript(book).size(), 100'000);
    EXPECT_EQ(test::dumpWorkbook(written.bytes), expected);
}

TEST(Workbook, AWriterThatFailsIsReportedWithItsReason) {
    Workbook book;
    Sheet& sheet = book.addSheet(u"Plan"_s);
    Chart chart; // a chart without series cannot be written
    sheet.charts.push_back(chart);
    const WrittenWorkbook written = writeWorkbook(book);
    EXPECT_TRUE(written.bytes.isEmpty());
    EXPECT_EQ(written.error, u"the workbook cannot be written: a chart has no series"_s);
}

} // namespace
