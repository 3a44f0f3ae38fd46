#include "storage/grid.h"
#include "storage/text_source.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace lendora;

namespace {

// Records the notifications a view would receive.
struct Recorder : GridObserver {
    std::vector<std::string> events;
    void note(const char* what, int a, int b) {
        events.push_back(what + std::to_string(a) + "+" + std::to_string(b));
    }
    void gridAboutToReset(const Grid&) override { events.push_back("reset?"); }
    void gridReset(const Grid&) override { events.push_back("reset"); }
    void gridCellChanged(const Grid&, int r, int c) override { note("cell ", r, c); }
    void gridRowsAboutToBeInserted(const Grid&, int f, int n) override { note("insert? ", f, n); }
    void gridRowsInserted(const Grid&, int f, int n) override { note("insert ", f, n); }
    void gridRowsAboutToBeRemoved(const Grid&, int f, int n) override { note("remove? ", f, n); }
    void gridRowsRemoved(const Grid&, int f, int n) override { note("remove ", f, n); }
    void gridDestroyed(const Grid&) override { events.push_back("gone"); }
};

// Row arithmetic of the trailing empty row; inserts and removals keep the
// other rows; out-of-range calls are harmless.
TEST(Grid, RowsMoveAsTheyShould) {
    Grid table(2, 3);
    table.setHeadings({"#", "Name", "Count"});
    table.setText(1, 1, "first");
    table.addRow();
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.rowTexts(1), QStringList({"", "first", ""}));
    EXPECT_EQ(table.text(0, 2), "Count");
    for (int r = 0; r < 3; ++r)
        table.setText(r, 0, QString::number(r));
    table.insertRow(2);
    EXPECT_EQ(table.rowTexts(2), QStringList({"", "", ""}));
    EXPECT_EQ(table.text(3, 0), "2");
    table.removeRow(1);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.text(1, 0), "");
    EXPECT_EQ(table.text(2, 0), "2");
    table.setText(5, 0, "x");
    table.setText(0, -1, "x");
    table.removeRow(9);
    table.insertRow(-1);
    EXPECT_EQ(table.text(-1, 0), "");
    EXPECT_EQ(table.text(0, 7), "");
    EXPECT_EQ(table.rowCount(), 3);
}

TEST(Grid, SizeChangesKeepCellsThatRemain) {
    Grid table(3, 3);
    table.setText(1, 1, "keep");
    table.setText(2, 2, "drop");
    table.setColumnCount(2);
    table.setRowCount(5);
    EXPECT_EQ(table.text(1, 1), "keep");
    EXPECT_EQ(table.text(2, 2), "");
    table.setRowCount(1);
    table.setRowCount(3);
    EXPECT_EQ(table.text(1, 1), "");
    table.setText(0, 0, "h");
    table.clear();
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.text(0, 0), "");
}

// A cell past an edge is no cell: writing it changes no other, reading it
// gives nothing.
TEST(Grid, CellsPastTheEdgesAreNotThere) {
    Grid table(2, 3);
    for (auto [row, column] : {std::pair{0, 3}, {1, 3}, {2, 0}, {-1, 2}, {0, -1}})
        table.setText(row, column, QStringLiteral("past"));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(table.text(row, column), "") << row << "," << column;
    EXPECT_EQ(table.text(0, 3), "");
    EXPECT_EQ(table.text(2, 0), "");
}

TEST(Grid, ObserversSeeEveryChangeAndStayWithTheirGrid) {
    Grid table(2, 2);
    Recorder recorder;
    table.addObserver(&recorder);
    table.setText(1, 1, "a");
    table.addRow();
    table.removeRow(1);
    table.setRowCount(4);
    table.setRowCount(3);
    table.setColumnCount(3);
    Grid other(5, 5);
    table = other;
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"cell 1+1", "insert? 2+1", "insert 2+1", "remove? 1+1",
                                        "remove 1+1", "insert? 2+2", "insert 2+2", "remove? 3+1",
                                        "remove 3+1", "reset?", "reset", "reset?", "reset"}));
    EXPECT_EQ(table.rowCount(), 5);
    Grid copy = table;
    copy.setText(1, 1, "b");
    EXPECT_EQ(recorder.events.size(), 13u) << "a copy must not notify the original's observers";
    table.removeObserver(&recorder);
    table.setText(1, 1, "c");
    EXPECT_EQ(recorder.events.size(), 13u);
    {
        Grid member(2, 2);
        member.addObserver(&recorder);
    }
    EXPECT_EQ(recorder.events.back(), "gone") << "a view may outlive the grid it shows";
}

TEST(Grid, SpansAreDecodedWhenFirstReadAndBehaveAsTexts) {
    auto utf8 = std::make_shared<const TextSource>(QByteArray("\xEF\xBB\xBF"
                                                              "Crédit, Ünion"));
    auto cp1252 = std::make_shared<const TextSource>(QByteArray("Cr\xE9"
                                                                "dit \x80"));
    EXPECT_TRUE(utf8->isUtf8());
    EXPECT_FALSE(cp1252->isUtf8());
    Grid table(3, 2);
    const int first = table.addSource(utf8);
    const int second = table.addSource(cp1252);
    table.setSpan(1, 0, first, 0, 7);
    table.setSpan(1, 1, second, 0, 6);
    table.setSpan(2, 0, first, 9, 6);
    table.setSpan(2, 1, first, 0, 0);
    EXPECT_EQ(table.utf8Span(1, 0), QByteArrayView("Crédit"));
    EXPECT_FALSE(table.utf8Span(1, 1).has_value()) << "only UTF-8 spans are written raw";

    Grid copy = table; // the copy shares the sources
    table = Grid(1, 1);
    EXPECT_EQ(copy.text(1, 0), QString::fromUtf8("Crédit"));
    EXPECT_EQ(copy.text(1, 1), QString::fromUtf8("Crédit"));
    EXPECT_EQ(copy.text(2, 0), QString::fromUtf8("Ünion"));
    EXPECT_EQ(copy.text(2, 1), "");
    EXPECT_FALSE(copy.utf8Span(1, 0).has_value()) << "decoded once read";
    copy.setSpan(2, 0, first, 0, 7);
    copy.setText(2, 0, "typed");
    EXPECT_EQ(copy.text(2, 0), "typed");
    copy.insertRow(1);
    copy.setColumnCount(3);
    EXPECT_EQ(copy.text(3, 0), "typed");
    copy.setSpan(1, 0, 9, 0, 1); // no such source
    EXPECT_EQ(copy.text(1, 0), "");
}

} // namespace
