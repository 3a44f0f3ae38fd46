#include "poll/ui/poll_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "support/feature_texts.h"
#include "support/feature_window.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

const char* const prefixes[3] = {"B", "C1", "C2"};
const char* const nameLabels[3] = {"lblBSegmentName", "lblC1SegName", "lblC2SegName"};
const char* const tableNames[3] = {"MSFG_Brand", "MSFG_C1", "MSFG_C2"};
const QStringList sevenOnes(7, "1");

QByteArray expectedFile(const QString& name) {
    return readFile(dataFolder("poll/expected/" + name));
}

class PollWindow : public WindowTest {
protected:
    void SetUp() override { copyFolder(dataFolder("poll/workspace"), ws); }

    // Clicks the plan row in the All Projects window and presses F5 (new)
    // or Ctrl+F6 (open).
    void open(int planRow, bool stored = false) {
        start();
        find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), planRow);
        press(stored ? Qt::Key_F6 : Qt::Key_F5, stored ? Qt::ControlModifier : Qt::NoModifier);
        window = qobject_cast<PollDataEntryWindow*>(mother->form("frmPollDataEntry"));
        ASSERT_NE(window, nullptr);
    }
    QTabWidget* tabs() { return find<QTabWidget>("SSTab1", window); }
    QLineEdit* field(int k, int f) { return find<QLineEdit>(fieldNames[size_t(k)][f - 1], window); }
    QPushButton* button(int k, const char* role) {
        return find<QPushButton>(QStringLiteral("cmd%1%2").arg(prefixes[k], role), window);
    }
    ui::GridView* table(int k) { return find<ui::GridView>(tableNames[k], window); }
    QStringList row(int k, int gridRow) { return rowTexts(table(k), gridRow); }
    QString segmentName(int k) { return find<QLabel>(nameLabels[k], window)->text(); }
    // The shown fields ('1') and the enabled buttons of a tab.
    QString state(int k) {
        QString shown;
        for (int f = 1; f <= 7; ++f)
            shown += field(k, f)->isHidden() ? u'0' : u'1';
        QStringList names;
        for (const char* role : {"Next", "Edit", "Cancel", "Save"})
            names << QStringLiteral("cmd%1%2").arg(prefixes[k], role);
        const QString on = enabledButtons(window, names, 3 + int(qstrlen(prefixes[k])));
        return (shown + u' ' + on).trimmed();
    }
    bool focused(QWidget* widget) { return mother->focusWidget() == widget; }
    void enterSegment(int k, const QStringList& counts) {
        tabs()->setCurrentIndex(k);
        for (int f = 1; f <= 7; ++f)
            typeAndEnter(field(k, f), counts[f - 1]);
        click(button(k, "Next"));
    }
    QString planFlag(int planRow) {
        return rowTexts(find<ui::GridView>("MSFG_ProjectPlans", mother), planRow).value(5);
    }

    const QMap<QString, QString> texts = dataTexts("poll/texts.tsv");
    const std::vector<QStringList> fieldNames = dataRows("poll/fields.tsv");
    PollDataEntryWindow* window = nullptr;
};

TEST_F(PollWindow, ThreeProductsSavedOneByOneWriteTheirFilesAndMoveTheFlag) {
    open(1);
    EXPECT_EQ(window->windowTitle(), texts["caption"]);
    EXPECT_EQ(window->parentWidget()->pos(), QPoint(0, mother->projectsSize().height()));
    EXPECT_EQ(rowTexts(find<ui::GridView>("MSFG_ProjectDetails", window), 2).value(0), "City Bank");
    for (const QStringList& label : dataRows("poll/labels.tsv"))
        EXPECT_EQ(find<QLabel>(label[0], window)->text(), label[1]);
    EXPECT_TRUE(focused(field(0, 1)));
    clickRow(table(0), 1);
    clickRow(table(0), 3);
    EXPECT_EQ(boxes.take(), QStringList({texts["notCompleted"], texts["noSegment"]}));
    const std::vector<QStringList> messages = dataRows("poll/field_messages.tsv");
    for (const QStringList& counts : dataRows("poll/entries.tsv")) {
        const int k = counts[0].toInt();
        tabs()->setCurrentIndex(k);
        EXPECT_EQ(tabs()->tabText(k), texts["tab" + counts[0]]);
        EXPECT_EQ(row(k, 2).first(), "Self employed");
        for (int f = 1; f <= 7; ++f) {
            typeAndEnter(field(k, f), "0.0 apples");
            EXPECT_EQ(boxes.take(), QStringList({messages[size_t(7 * k + f - 1)][2]}));
            EXPECT_TRUE(focused(field(k, f))) << "the focus stays in a refused field";
            EXPECT_EQ(state(k), QString(f, u'1') + QString(7 - f, u'0'));
            typeAndEnter(field(k, f), counts[f]);
            EXPECT_TRUE(f == 7 || focused(field(k, f + 1))) << f;
        }
        EXPECT_EQ(state(k).right(5), " Next");
        click(button(k, "Next"));
    }
    EXPECT_EQ(row(0, 3), QStringList({"Totals", "16", "11", "5.5", "17", "4", "10", "4", "67.5"}));
    EXPECT_FALSE(ws.exists("11_01.lnd")) << "nothing is written before Save";
    const char* const flags[3] = {"100", "110", "111"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(segmentName(k), texts["completed"]);
        EXPECT_EQ(state(k), "0000000 Save");
        click(button(k, "Save"));
        const QString name = "11_" + QString::number(k) + "1.lnd";
        EXPECT_FILE_BYTES(ws, name, expectedFile(name));
        EXPECT_FILE_BYTES(ws, "pptb.lnd",
                          expectedFile(QStringLiteral("pptb_%1.lnd").arg(flags[k])));
        EXPECT_EQ(planFlag(1), flags[k]);
    }
    EXPECT_EQ(boxes.take(), QStringList()) << "Save shows no message";

    // A completed own product refuses typing into its first field outside edit mode.
    tabs()->setCurrentIndex(0);
    QTest::keyClicks(field(0, 1), "5");
    pressEnter(field(0, 1));
    EXPECT_EQ(boxes.take(), QStringList(2, texts["allFilled"]));
    EXPECT_TRUE(field(0, 1)->text().isEmpty()) << "the key is not typed";

    // A click on a segment row of a completed product corrects it, ended by Edit.
    clickRow(table(0), 1);
    EXPECT_EQ(segmentName(0), "Salaried, 25 to 40");
    EXPECT_TRUE(focused(field(0, 1)));
    EXPECT_EQ(state(0), "1000000 Cancel Save");
    for (int f = 1; f <= 7; ++f)
        typeAndEnter(field(0, f), "5");
    EXPECT_EQ(state(0), "1111111 Edit Cancel Save");
    click(button(0, "Edit"));
    EXPECT_TRUE(focused(field(0, 1)));
    click(button(0, "Cancel"));
    EXPECT_EQ(state(0), "0000000 Save");
    click(button(0, "Save"));
    EXPECT_FILE_BYTES(ws, "11_01.lnd", expectedFile("11_01_corrected.lnd"));
    EXPECT_EQ(boxes.take(), QStringList());
}

TEST_F(PollWindow, OpenLoadsTheProductsTheFlagNamesEvenWithoutTheirFile) {
    ws.write("pptb.lnd", QByteArray(expectedFile("pptb_100.lnd")).replace("100", "101"));
    ws.write("11_01.lnd", "1,\"3\",\"3\",\"3\",\"3\",\"3\",\"3\",\"3\",\"x\"\r\n");
    open(1, true);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(row(0, 3), QStringList({"Totals", "3", "3", "3", "3", "3", "3", "3", "0"}))
        << "the totals are recomputed";
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(state(k), k == 1 ? "1000000" : "0000000")
            << "a loaded product is not saved again";
    EXPECT_EQ(segmentName(2), texts["completed"]);
    enterSegment(1, sevenOnes);
    enterSegment(1, sevenOnes);
    click(button(1, "Save"));
    EXPECT_EQ(planFlag(1), "111");
    EXPECT_FALSE(ws.exists("11_21.lnd"));
}

TEST_F(PollWindow, FailedSaveIsReportedAndTheNextPlanStartsAfresh) {
    open(1);
    enterSegment(0, sevenOnes);
    enterSegment(0, sevenOnes);
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    click(button(0, "Save"));
    ws.setReadOnly(false);
    expectOneMessageStartingWith(boxes, texts["saveFailed"]);
    EXPECT_EQ(ws.read("pptb.lnd"), readFile(dataFolder("poll/workspace/pptb.lnd")));
    EXPECT_EQ(planFlag(1), "000");
    // Competitor 1 saved afterwards does not carry the unsaved own product along.
    enterSegment(1, sevenOnes);
    enterSegment(1, sevenOnes);
    click(button(1, "Save"));
    EXPECT_EQ(planFlag(1), "010");

    PollDataEntryWindow* first = window;
    open(2);
    EXPECT_EQ(window, first) << "the open window is reused";
    EXPECT_EQ(window->windowTitle(), "Poll Resulsts for Car Loan and Target Audience Retired");
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(state(k), "1000000");
    enterSegment(0, sevenOnes);
    click(button(0, "Save"));
    EXPECT_FILE_BYTES(ws, "22_01.lnd", "1,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n");
    EXPECT_EQ(planFlag(2), "100");
}

// A plan save that renumbers the plan of the open window takes the window
// along; one that deletes it closes the window without writing its counts.
TEST_F(PollWindow, APlanSaveRenumbersOrClosesTheOpenWindow) {
    start();
    press(Qt::Key_F6); // before a plan click, which switches F6 off
    QWidget* plans = find("frmProjectPlan", mother);
    open(3);
    typeAndEnter(field(0, 1), "4");
    for (int deleted : {1, 2}) {
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", plans), deleted);
        boxes.answerNext(QMessageBox::Yes);
        click(find<QPushButton>("cmdDelete", plans));
        click(find<QPushButton>("cmdSave", plans));
        settle();
        EXPECT_EQ(boxes.take().last(), "Project Plan Saved");
        EXPECT_TRUE(deleted == 2 || window->session()->planNumber() == 2);
    }
    EXPECT_EQ(mother->form("frmPollDataEntry"), nullptr);
    EXPECT_EQ(mother->workspace().selectedPlanRow(), 0);
    EXPECT_EQ(ws.files().filter("_01.lnd"), QStringList());
}

} // namespace

namespace {

using namespace Qt::StringLiterals;

// Ctrl+V of counts copied from a spreadsheet fills the shown product's
// table from the current cell; Save writes what typing them writes.
TEST_F(PollWindow, CountsPastedFromASpreadsheetSaveAsTyped) {
    open(1);
    tabs()->setCurrentIndex(2);
    QStringList lines;
    for (const QStringList& counts : dataRows("poll/entries.tsv"))
        if (counts[0] == "2")
            lines << counts.mid(1, 7).join(u'\t');
    QApplication::clipboard()->setText(u"1\tnone\r\n"_s);
    table(2)->setCurrentIndex(table(2)->model()->index(0, 1));
    QTest::keyClick(table(2), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes.take(),
              QStringList({"Segment 1, Min. Eligible Income: Enter results for Min. Eligible "
                           "Income"}));
    EXPECT_EQ(row(2, 1).mid(1), QStringList(8, QString()));

    QApplication::clipboard()->setText(lines.join(u"\r\n"_s) + u"\r\n"_s);
    QTest::keyClick(table(2), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_EQ(segmentName(2), texts["completed"]);
    EXPECT_EQ(state(2), "0000000 Save");
    EXPECT_FALSE(ws.exists("11_21.lnd")) << "nothing is written before Save";
    click(button(2, "Save"));
    EXPECT_FILE_BYTES(ws, "11_21.lnd", expectedFile("11_21.lnd"));

    // A product complete and not being corrected takes no paste.
    QTest::keyClick(table(2), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes.take().size(), 1);
    EXPECT_FILE_BYTES(ws, "11_21.lnd", expectedFile("11_21.lnd"));
}

} // namespace
