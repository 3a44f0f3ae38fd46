// Tables copy to spreadsheets: the selected rows under the headings, as
// tab-separated text and as HTML; Ctrl+V hands a copied block to whoever
// takes it.
#include "storage/grid.h"
#include "widgets/grid_view.h"

#include "support/printing.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace lendora;

namespace {

struct Table : ::testing::Test {
    Table() {
        grid.setHeadings({"Segment", "Interest", "Freebies"});
        const QStringList rows[] = {
            {"Young", "12", "3"}, {"Tab\there", "5", ""}, {"Old", "7", "1"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                grid.setText(r + 1, c, rows[r][c]);
        view.show();
        QApplication::clipboard()->clear();
    }
    void click(int viewRow, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers,
                          view.visualRect(view.model()->index(viewRow, 1)).center());
    }
    Grid grid{4, 3};
    ui::GridView view{grid, "MSFG_Test"};
};

TEST_F(Table, CtrlCCopiesTheSelectedRowsUnderTheHeadings) {
    click(0);
    click(2, Qt::ControlModifier);
    QTest::keySequence(&view, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Segment\tInterest\tFreebies\nYoung\t12\t3\nOld\t7\t1\n");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->html(),
              "<table><tr><th>Segment</th><th>Interest</th><th>Freebies</th></tr>"
              "<tr><td>Young</td><td>12</td><td>3</td></tr>"
              "<tr><td>Old</td><td>7</td><td>1</td></tr></table>");
    EXPECT_EQ(view.currentGridRow(), 3) << "a Ctrl+click still makes its row the current one";

    QTest::keySequence(&view, QKeySequence::SelectAll);
    QTest::keySequence(&view, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Segment\tInterest\tFreebies\nYoung\t12\t3\n\"Tab\there\"\t5\t\nOld\t7\t1\n");
}

TEST_F(Table, CtrlVHandsTheCopiedBlockToItsListener) {
    QTest::keySequence(&view, QKeySequence::Paste); // nobody listens: nothing happens
    QSignalSpy pasted(&view, &ui::GridView::pasteRequested);
    QApplication::clipboard()->setText("4\t5\r\n6\t7\r\n");
    view.setCurrentIndex(view.model()->index(1, 1));
    QTest::keySequence(&view, QKeySequence::Paste);
    ASSERT_EQ(pasted.count(), 1);
    EXPECT_EQ(pasted[0][0].value<std::vector<QStringList>>(),
              (std::vector<QStringList>{{"4", "5"}, {"6", "7"}}));
    EXPECT_EQ(pasted[0][1].toInt(), 2) << "the Grid row of the current cell";
    EXPECT_EQ(pasted[0][2].toInt(), 1);
}

} // namespace
